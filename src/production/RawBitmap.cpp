#include "RawBitmap.h"

#include "platform/FileReplace.h"
#include "platform/Image.h"

#include <cstdint>

namespace {

constexpr uint32_t kHeadersSize = 14 + 40;
constexpr int32_t kPixelsPerMetre = 2835; // 72 pixels an inch

void Put16(std::string& bytes, uint16_t value)
{
    bytes += char(value & 0xFF);
    bytes += char(value >> 8);
}

void Put32(std::string& bytes, uint32_t value)
{
    Put16(bytes, uint16_t(value & 0xFFFF));
    Put16(bytes, uint16_t(value >> 16));
}

size_t PaddedRow(int width, int bitsPerPixel)
{
    size_t row = size_t(width) * size_t(bitsPerPixel / 8);
    return (row + 3) & ~size_t(3);
}

void PutHeaders(std::string& bytes, int width, int height, int bitsPerPixel, uint32_t pixelBytes)
{
    bytes += "BM";
    Put32(bytes, pixelBytes + kHeadersSize);
    Put16(bytes, 0);
    Put16(bytes, 0);
    Put32(bytes, kHeadersSize);
    Put32(bytes, 40);
    Put32(bytes, uint32_t(width));
    Put32(bytes, uint32_t(-height));
    Put16(bytes, 1);
    Put16(bytes, uint16_t(bitsPerPixel));
    Put32(bytes, 0); // no compression
    Put32(bytes, 0); // image size, implied by the above
    Put32(bytes, uint32_t(kPixelsPerMetre));
    Put32(bytes, uint32_t(kPixelsPerMetre));
    Put32(bytes, 0); // colours used
    Put32(bytes, 0); // important colours
}

} // namespace

std::string RawBitmapBytes(const BYTE* pixels, int width, int height, int bitsPerPixel)
{
    size_t row = size_t(width) * size_t(bitsPerPixel / 8);
    size_t padded = PaddedRow(width, bitsPerPixel);
    std::string bytes;
    bytes.reserve(kHeadersSize + padded * size_t(height));
    PutHeaders(bytes, width, height, bitsPerPixel, uint32_t(padded * size_t(height)));
    for (int y = 0; y < height; ++y) {
        bytes.append(reinterpret_cast<const char*>(pixels) + row * size_t(y), row);
        bytes.append(padded - row, '\0');
    }
    return bytes;
}

HRESULT WriteRawBitmap(const std::wstring& path, const BYTE* pixels, int width, int height,
                       int bitsPerPixel)
{
    if (!pixels)
        return E_POINTER;
    bool sized = width >= 1 && width <= kMaxImageSide && height >= 1 && height <= kMaxImageSide;
    if (!sized || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return E_INVALIDARG;
    return WriteFileReplacing(path, RawBitmapBytes(pixels, width, height, bitsPerPixel));
}
