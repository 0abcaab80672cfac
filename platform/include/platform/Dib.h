// Packed device-independent bitmaps: a BITMAPINFOHEADER followed by the rows of pixels, the
// form in which pictures travel over the clipboard (CF_DIB).
#pragma once

#include "platform/GlobalMemory.h"
#include "platform/Image.h"

struct BITMAPINFOHEADER
{
    DWORD biSize;
    LONG biWidth;
    // Positive: rows from bottom to top; negative: from top to bottom.
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "the header has the platform's layout");

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_BITFIELDS = 3;

// The picture as a packed 32-bit bitmap (rows from bottom to top, as the desktop's programs
// write them) in a new movable block owned by the caller. E_OUTOFMEMORY when no block can
// be had, E_INVALIDARG for an empty picture.
HRESULT CreatePackedDib(const BgraImage& picture, HGLOBAL* block);

// The picture of a packed bitmap: 24 or 32 bits a pixel, uncompressed or with the standard
// red, green and blue masks, rows in either order; any header size from 40 bytes on. The
// fourth byte of a 32-bit pixel is unused in these formats, so the picture is opaque.
// E_IMAGE_UNREADABLE for any other format, sides beyond kMaxImageSide, or data shorter than
// the header says.
HRESULT ReadPackedDib(const BYTE* data, size_t size, BgraImage& picture);
// The same for a block of the clipboard; E_HANDLE for an unknown block.
HRESULT ReadPackedDib(HGLOBAL block, BgraImage& picture);
