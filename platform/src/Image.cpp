#include "platform/Image.h"

#include "platform/TaskMemory.h"

#include <cstring>

namespace {

// Bytes kept beyond the last pixel for vector code that reads whole registers.
constexpr size_t kTailPadding = 64;

bool ValidSide(int side)
{
    return side >= 1 && side <= kMaxImageSide;
}

} // namespace

BgraImage::BgraImage(int width, int height)
{
    if (!ValidSide(width) || !ValidSide(height))
        return;
    m_width = width;
    m_height = height;
    m_pixels.assign(ByteSize() + kTailPadding, 0);
}

HRESULT BgraImage::Create(int width, int height, DWORD argb, BgraImage& image)
{
    if (!ValidSide(width) || !ValidSide(height))
        return E_INVALIDARG;
    BgraImage created(width, height);
    if (argb != 0)
        created.Fill(argb);
    image = std::move(created);
    return S_OK;
}

HRESULT BgraImage::FromBuffer(const BYTE* pixels, int width, int height, BgraImage& image)
{
    if (!pixels)
        return E_POINTER;
    if (!ValidSide(width) || !ValidSide(height))
        return E_INVALIDARG;
    BgraImage copy(width, height);
    std::memcpy(copy.Data(), pixels, copy.ByteSize());
    image = std::move(copy);
    return S_OK;
}

DWORD BgraImage::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    const BYTE* p = Row(y) + size_t(x) * 4;
    return MakeArgb(p[3], p[2], p[1], p[0]);
}

void BgraImage::SetPixel(int x, int y, DWORD argb)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    BYTE* p = Row(y) + size_t(x) * 4;
    p[0] = BYTE(argb);
    p[1] = BYTE(argb >> 8);
    p[2] = BYTE(argb >> 16);
    p[3] = BYTE(argb >> 24);
}

void BgraImage::Fill(DWORD argb)
{
    if (Empty())
        return;
    BYTE* first = Row(0);
    for (int x = 0; x < m_width; ++x)
        std::memcpy(first + size_t(x) * 4, &argb, 4);
    for (int y = 1; y < m_height; ++y)
        std::memcpy(Row(y), first, Stride());
}

HRESULT BgraImage::CopyToTaskMemory(BYTE** pixels) const
{
    if (!pixels)
        return E_POINTER;
    *pixels = nullptr;
    void* block = CoTaskMemAlloc(ByteSize() ? ByteSize() : 1);
    if (!block)
        return E_OUTOFMEMORY;
    if (ByteSize())
        std::memcpy(block, Data(), ByteSize());
    *pixels = static_cast<BYTE*>(block);
    return S_OK;
}
