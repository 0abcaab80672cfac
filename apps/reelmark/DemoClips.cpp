#include "DemoClips.h"

#include "mediaengine/ClipWriter.h"
#include "platform/Check.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "platform/TextRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr DemoClip kClips[] = {
    // An A major chord across the three clips.
    {"Sunrise", 0xE07020, 440.00},
    {"Meadow", 0x3A9A40, 554.37},
    {"Ocean", 0x2060C0, 659.25},
};

constexpr int kDiscRadius = 36;
constexpr DWORD kWhite = 0xFFFFFFFF;

DWORD Shade(DWORD rgb, double factor)
{
    auto channel = [&](int shift) {
        return BYTE(std::clamp(((rgb >> shift) & 0xFF) * factor, 0.0, 255.0));
    };
    return MakeArgb(0xFF, channel(16), channel(8), channel(0));
}

std::wstring FileNameOf(const DemoClip& clip)
{
    std::wstring name = Utf8ToWide(clip.name);
    for (wchar_t& c : name)
        c = ToLowerChar(c);
    return name + L".mp4";
}

// What stays the same in every frame: the gradient and the clip's name.
HRESULT PaintBackground(const DemoClip& clip, TextRenderer& text, BgraImage& background)
{
    CHECK_HR(BgraImage::Create(kDemoClipWidth, kDemoClipHeight, 0xFF000000, background));
    for (int y = 0; y < kDemoClipHeight; ++y) {
        DWORD colour = Shade(clip.colour, 1.0 - 0.6 * y / kDemoClipHeight);
        for (int x = 0; x < kDemoClipWidth; ++x)
            background.SetPixel(x, y, colour);
    }
    TextFont font{L"sans", 88.0, true, false};
    RECT box{0, 60, kDemoClipWidth, 220};
    CHECK_HR(text.DrawText(background, Utf8ToWide(clip.name), box, font, kWhite,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    return S_OK;
}

void PaintDisc(BgraImage& picture, int centreX, int centreY)
{
    for (int y = centreY - kDiscRadius; y <= centreY + kDiscRadius; ++y) {
        for (int x = centreX - kDiscRadius; x <= centreX + kDiscRadius; ++x) {
            int dx = x - centreX;
            int dy = y - centreY;
            if (dx * dx + dy * dy <= kDiscRadius * kDiscRadius && x >= 0 && y >= 0 &&
                x < picture.Width() && y < picture.Height())
                picture.SetPixel(x, y, kWhite);
        }
    }
}

std::wstring TimeLabel(int frame)
{
    wchar_t label[16];
    std::swprintf(label, 16, L"%d.%02d s", frame / kDemoClipFramesPerSecond,
                  frame % kDemoClipFramesPerSecond * 100 / kDemoClipFramesPerSecond);
    return label;
}

// One frame: the background, the disc at its place along the sweep, and the time.
void PaintFrame(const BgraImage& background, TextRenderer& text, int frame, int frameCount,
                BgraImage& picture)
{
    picture = background;
    double progress = frameCount > 1 ? double(frame) / (frameCount - 1) : 0.0;
    int left = kDiscRadius + 20;
    int right = kDemoClipWidth - kDiscRadius - 20;
    PaintDisc(picture, left + int(std::lround(progress * (right - left))), 320);
    RECT box{0, kDemoClipHeight - 70, kDemoClipWidth - 30, kDemoClipHeight - 20};
    text.DrawText(picture, TimeLabel(frame), box, TextFont{L"sans", 32.0, false, false}, kWhite,
                  DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
}

HRESULT WriteDemoClip(const DemoClip& clip, const std::wstring& file, int frameCount,
                      const std::function<void()>& onFrame)
{
    TextRenderer text;
    BgraImage background;
    CHECK_HR(PaintBackground(clip, text, background));
    ClipShape shape;
    shape.width = kDemoClipWidth;
    shape.height = kDemoClipHeight;
    shape.framesPerSecond = kDemoClipFramesPerSecond;
    shape.frameCount = frameCount;
    shape.keyframeInterval = kDemoClipFramesPerSecond;
    shape.toneFrequency = clip.toneFrequency;
    auto paint = [&](int frame, BgraImage& picture) {
        PaintFrame(background, text, frame, frameCount, picture);
        if (onFrame)
            onFrame();
    };
    CHECK_HR(WriteClip(file, shape, paint));
    return S_OK;
}

} // namespace

std::span<const DemoClip> DemoClips()
{
    return kClips;
}

int DemoClipFrameCount(double seconds)
{
    return std::max(1, int(std::lround(seconds * kDemoClipFramesPerSecond)));
}

HRESULT WriteDemoClips(const std::wstring& folder, double seconds,
                       const std::function<void()>& onFrame, std::vector<std::wstring>& files,
                       std::wstring& failedFile)
{
    int frameCount = DemoClipFrameCount(seconds);
    for (const DemoClip& clip : kClips) {
        std::wstring file = PathAppend(folder, FileNameOf(clip));
        HRESULT hr = WriteDemoClip(clip, file, frameCount, onFrame);
        if (FAILED(hr)) {
            failedFile = file;
            return hr;
        }
        files.push_back(file);
    }
    return S_OK;
}
