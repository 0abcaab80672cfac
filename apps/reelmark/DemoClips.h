// The demo's media: three short clips told apart by colour, picture and tone, made with the
// media engine's clip writer. Each shows its name over a colour gradient, a disc that crosses
// the picture as the clip plays, and the time, so that frames taken at different times differ.
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

struct DemoClip
{
    // The name shown in the picture; the file is named after it in lower case (".mp4").
    const char* name;
    // 0xRRGGBB at the top of the gradient.
    DWORD colour;
    // The pitch of the clip's tone in hertz.
    double toneFrequency;
};

// The three clips, in the order the demo adds them.
std::span<const DemoClip> DemoClips();

inline constexpr int kDemoClipWidth = 640;
inline constexpr int kDemoClipHeight = 480;
inline constexpr int kDemoClipFramesPerSecond = 25;

// The frames of a clip that plays for seconds: the nearest whole number, at least one.
int DemoClipFrameCount(double seconds);

// Writes every clip of seconds (whole frames) into folder, which must exist; onFrame is called
// after each frame. files receives the paths written, in order. The first failure is returned
// with its file in failedFile and reported on the error stack; the clips already written stay.
HRESULT WriteDemoClips(const std::wstring& folder, double seconds,
                       const std::function<void()>& onFrame, std::vector<std::wstring>& files,
                       std::wstring& failedFile);
