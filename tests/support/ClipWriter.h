// Writes short video clips whose frames are told apart by colour, encoded with libavcodec, for
// tests and benchmarks that need real media.
#pragma once

#include "platform/Image.h"

#include <functional>
#include <string>

struct ClipShape
{
    int width = 64;
    int height = 48;
    int framesPerSecond = 25;
    int frameCount = 50;
    // Frames between keyframes.
    int keyframeInterval = 12;
    // The shape of a pixel, width : height (32 : 27 makes a 720 × 480 frame show 16:9).
    int pixelWidth = 1;
    int pixelHeight = 1;
};

// The clip's frame k: the left half in one colour and the right half in another, so that 64
// frames in a row all differ.
DWORD LeftColourOfFrame(int frame);
DWORD RightColourOfFrame(int frame);

// Writes an MPEG-4 clip in the container the extension names (".mp4", ".mkv", ".avi").
HRESULT WriteColourClip(const std::wstring& path, const ClipShape& shape);
