#include "support/ClipWriter.h"

namespace {

constexpr DWORD kPalette[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                               0xFF00FFFF, 0xFFFF00FF, 0xFFFFFFFF, 0xFF808080};

void PaintHalves(int index, BgraImage& picture)
{
    int half = picture.Width() / 2;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetPixel(x, y, x < half ? LeftColourOfFrame(index) : RightColourOfFrame(index));
}

} // namespace

DWORD LeftColourOfFrame(int frame)
{
    return kPalette[frame % 8];
}

DWORD RightColourOfFrame(int frame)
{
    return kPalette[(frame / 8) % 8];
}

HRESULT WriteColourClip(const std::wstring& path, const ClipShape& shape)
{
    return WriteClip(path, shape, PaintHalves);
}
