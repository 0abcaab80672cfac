// 32-bit pictures in memory and on disk: rows top to bottom, 4 bytes a pixel in the order blue,
// green, red, alpha, no gap between rows. Pictures of any format FFmpeg decodes can be loaded;
// saving picks the encoder from the file's extension; stretching resamples with a bicubic
// filter.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <string>
#include <vector>

// The file holds no picture that can be decoded: an unknown format, truncated or corrupt data.
inline constexpr HRESULT E_IMAGE_UNREADABLE = HRESULT_FROM_WIN32(13); // ERROR_INVALID_DATA
// The file name's extension selects no encoder.
inline constexpr HRESULT E_IMAGE_NO_ENCODER = HRESULT_FROM_WIN32(50); // ERROR_NOT_SUPPORTED

// The largest width or height a picture may have.
inline constexpr int kMaxImageSide = 16384;

// Packs a pixel value as 0xAARRGGBB, the order a BGRA pixel reads as a little-endian word.
constexpr DWORD MakeArgb(BYTE a, BYTE r, BYTE g, BYTE b)
{
    return (DWORD(a) << 24) | (DWORD(r) << 16) | (DWORD(g) << 8) | DWORD(b);
}

class BgraImage
{
public:
    // An empty picture (0 × 0).
    BgraImage() = default;
    // A transparent black picture; sides must lie in 1 … kMaxImageSide (else the picture stays
    // empty). Memory exhaustion throws std::bad_alloc.
    BgraImage(int width, int height);

    // A picture of width × height with every pixel set to argb; E_INVALIDARG for sides outside
    // 1 … kMaxImageSide.
    static HRESULT Create(int width, int height, DWORD argb, BgraImage& image);
    // A copy of a caller's buffer of width × height pixels; E_POINTER for a null buffer.
    static HRESULT FromBuffer(const BYTE* pixels, int width, int height, BgraImage& image);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    size_t Stride() const { return size_t(m_width) * 4; }
    size_t ByteSize() const { return Stride() * size_t(m_height); }

    BYTE* Data() { return m_pixels.data(); }
    const BYTE* Data() const { return m_pixels.data(); }
    BYTE* Row(int y) { return Data() + Stride() * size_t(y); }
    const BYTE* Row(int y) const { return Data() + Stride() * size_t(y); }

    // The pixel at (x, y) as 0xAARRGGBB; 0 outside the picture.
    DWORD PixelAt(int x, int y) const;
    void SetPixel(int x, int y, DWORD argb);
    void Fill(DWORD argb);

    // Hands out a copy of the pixels in a block of the task allocator, freed by the receiver
    // with CoTaskMemFree. E_POINTER for a null out argument, E_OUTOFMEMORY when short.
    HRESULT CopyToTaskMemory(BYTE** pixels) const;

private:
    int m_width = 0;
    int m_height = 0;
    // Carries a few bytes beyond the last pixel: the scalers read whole vectors past a row end.
    std::vector<BYTE> m_pixels;
};

// Loads the first picture of a file in any format FFmpeg decodes (png, jpg, bmp, gif, tiff,
// webp …). HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing file, E_IMAGE_UNREADABLE
// when the file holds no decodable picture. Failures are reported on the error stack.
HRESULT LoadImageFile(const std::wstring& path, BgraImage& image);

// Saves a picture with the encoder its extension chooses, without regard to case: png, jpg or
// jpeg, bmp, tif or tiff, tga. E_IMAGE_NO_ENCODER for any other extension, a file error when
// the file cannot be written. Formats without alpha drop it. The file is written whole beside
// its name and renamed into place (FileReplace.h): a failed save leaves no partial picture.
HRESULT SaveImageFile(const BgraImage& image, const std::wstring& path);

// Resamples the whole picture to width × height with a high-quality filter.
HRESULT StretchImage(const BgraImage& source, int width, int height, BgraImage& result);

// Resamples the whole source into the rectangle target of destination, replacing what was
// there (alpha included); parts of the rectangle outside destination are cut off.
HRESULT StretchImageInto(const BgraImage& source, BgraImage& destination, const RECT& target);

// Lays a colour over one BGRA pixel: argb's own alpha scaled by coverage (0 … 255) is the
// opacity of the colour; the pixel's alpha grows as over a transparent background.
inline void BlendPixelOver(BYTE* pixel, DWORD argb, unsigned coverage)
{
    unsigned sa = ((argb >> 24) * coverage + 127) / 255;
    if (sa == 0)
        return;
    if (sa == 255) {
        pixel[0] = BYTE(argb);
        pixel[1] = BYTE(argb >> 8);
        pixel[2] = BYTE(argb >> 16);
        pixel[3] = 255;
        return;
    }
    unsigned da = pixel[3];
    unsigned outA = sa + (da * (255 - sa) + 127) / 255;
    for (int channel = 0; channel < 3; ++channel) {
        unsigned sc = (argb >> (8 * channel)) & 0xFF;
        unsigned dc = pixel[channel];
        unsigned weighted = sc * sa * 255 + dc * da * (255 - sa);
        pixel[channel] = BYTE((weighted + outA * 127) / (outA * 255));
    }
    pixel[3] = BYTE(outA);
}
