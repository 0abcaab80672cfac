// Short clips encoded with FFmpeg's libraries, for demonstrations and tests that need real
// media: MPEG-4 video painted frame by frame by the caller and, when asked, a stereo sine tone
// in MPEG-1 Layer II audio at 48 kHz, in the container the file's extension names (".mp4",
// ".mkv", ".avi", ".mpg" …).
#pragma once

#include "platform/Image.h"

#include <functional>
#include <string>

struct ClipShape
{
    // Even numbers of pixels, 16 to 4096.
    int width = 64;
    int height = 48;
    // 1 to 120.
    int framesPerSecond = 25;
    // At least 1.
    int frameCount = 50;
    // Frames between keyframes, at least 1.
    int keyframeInterval = 12;
    // The pitch of the audio tone in hertz, below 20,000; 0 writes a clip without audio. The
    // tone lasts as long as the video and fades in and out over a hundredth of a second.
    double toneFrequency = 0.0;
    // The shape of a pixel, width : height, each 1 to 255 (32 : 27 makes a 720 × 480 frame
    // show 16:9).
    int pixelWidth = 1;
    int pixelHeight = 1;
};

// Paints frame index (from 0) into an opaque picture of the clip's size, which still holds the
// previous frame.
using ClipPainter = std::function<void(int index, BgraImage& picture)>;

// Writes the clip, replacing a file of that name. E_POINTER for an empty painter, E_INVALIDARG
// for a shape outside the ranges above or an extension that names no container; a file that
// cannot be written gives its file error. A failed clip leaves no file behind. Failures are
// reported on the calling thread's error stack (cleared first).
HRESULT WriteClip(const std::wstring& path, const ClipShape& shape, const ClipPainter& paint);
