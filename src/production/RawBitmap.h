// The bitmap files the library writes without an encoder: a 14-byte file header, a 40-byte
// information header with a negative height (rows stored top to bottom), 2835 pixels a metre
// both ways, no compression, then the pixels in buffer order.
#pragma once

#include "platform/WinTypes.h"

#include <string>

// The bytes of a bitmap of width × height from pixels of 4 bytes (BGRA, 32 bits a pixel) or
// 3 bytes (BGR, 24 bits a pixel) in rows without gaps. 24-bit rows are padded with zeros to a
// multiple of 4 bytes, as bitmap readers expect; 32-bit rows need no padding.
std::string RawBitmapBytes(const BYTE* pixels, int width, int height, int bitsPerPixel);

// Writes those bytes to path (whole, through a temporary file beside it). E_INVALIDARG for
// sides outside 1 … 16384 or bits other than 24 and 32.
HRESULT WriteRawBitmap(const std::wstring& path, const BYTE* pixels, int width, int height,
                       int bitsPerPixel);
