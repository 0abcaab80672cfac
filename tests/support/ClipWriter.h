// Clips whose frames are told apart by colour, for tests and benchmarks that need real media;
// the media engine's clip writer encodes them.
#pragma once

#include "mediaengine/ClipWriter.h"

#include <string>

// The clip's frame k: the left half in one colour and the right half in another, so that 64
// frames in a row all differ.
DWORD LeftColourOfFrame(int frame);
DWORD RightColourOfFrame(int frame);

// Writes such a clip in the container the extension names (".mp4", ".mkv", ".avi"), with the
// shape's tone when it has one.
HRESULT WriteColourClip(const std::wstring& path, const ClipShape& shape);
