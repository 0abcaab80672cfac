// What a media file holds, probed with FFmpeg.
#pragma once

#include "platform/WinTypes.h"

#include <string>

struct MediaInfo
{
    // S_OK when the file could be read, else why not (file errors or invalid data).
    HRESULT readResult = E_FAIL;
    LONG width = 0;
    LONG height = 0;
    double frameRate = 0.0;
    double duration = 0.0;
    // Width / height as displayed.
    double aspectRatio = 0.0;
    bool hasVideo = false;
    bool hasAudio = false;
    bool isStill = false;
};

// Probes a file; the answer says whether it could be read, so the call itself cannot fail.
MediaInfo ProbeMediaFile(const std::wstring& path);

// True for the production file extensions (".dmsm", ".dmsm3d", ".dmss", ".pssd"), in any case.
bool IsProductionFileName(const std::wstring& path);
