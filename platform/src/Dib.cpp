#include "platform/Dib.h"

#include <cstring>

namespace {

constexpr DWORD kStandardMasks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
constexpr size_t kMaskBytes = sizeof(kStandardMasks);
constexpr DWORD kMaxPaletteEntries = 256;

// Where the pixels of a packed bitmap are and how they are laid out.
struct DibLayout
{
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bytesPerPixel = 4;
    size_t pixelOffset = 0;
    size_t stride = 0;
};

size_t RowBytes(int width, int bitsPerPixel)
{
    return (size_t(width) * size_t(bitsPerPixel) + 31) / 32 * 4;
}

bool HasReadableShape(const BITMAPINFOHEADER& header, size_t size)
{
    return header.biSize >= sizeof(BITMAPINFOHEADER) && header.biSize <= size &&
           header.biPlanes == 1 && (header.biBitCount == 24 || header.biBitCount == 32) &&
           header.biWidth >= 1 && header.biWidth <= kMaxImageSide && header.biHeight != 0 &&
           header.biHeight >= -kMaxImageSide && header.biHeight <= kMaxImageSide &&
           header.biClrUsed <= kMaxPaletteEntries;
}

// The offset of the pixels after the header and its masks, or 0 for a compression that is
// not read. A 40-byte header is followed by its masks; larger headers hold them.
size_t MaskedPixelOffset(const BYTE* data, size_t size, const BITMAPINFOHEADER& header)
{
    if (header.biCompression == BI_RGB)
        return header.biSize;
    if (header.biCompression != BI_BITFIELDS || header.biBitCount != 32)
        return 0;
    constexpr size_t maskAt = sizeof(BITMAPINFOHEADER);
    if (maskAt + kMaskBytes > size)
        return 0;
    if (std::memcmp(data + maskAt, kStandardMasks, kMaskBytes) != 0)
        return 0;
    return header.biSize == sizeof(BITMAPINFOHEADER) ? header.biSize + kMaskBytes : header.biSize;
}

HRESULT ReadLayout(const BYTE* data, size_t size, DibLayout& layout)
{
    BITMAPINFOHEADER header;
    if (!data || size < sizeof(header))
        return E_IMAGE_UNREADABLE;
    std::memcpy(&header, data, sizeof(header));
    if (!HasReadableShape(header, size))
        return E_IMAGE_UNREADABLE;
    size_t offset = MaskedPixelOffset(data, size, header);
    if (offset == 0)
        return E_IMAGE_UNREADABLE;
    offset += size_t(header.biClrUsed) * 4;
    layout.width = header.biWidth;
    layout.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    layout.bottomUp = header.biHeight > 0;
    layout.bytesPerPixel = header.biBitCount / 8;
    layout.pixelOffset = offset;
    layout.stride = RowBytes(layout.width, header.biBitCount);
    if (offset > size || (size - offset) / layout.stride < size_t(layout.height))
        return E_IMAGE_UNREADABLE;
    return S_OK;
}

void CopyRows(const BYTE* data, const DibLayout& layout, BgraImage& picture)
{
    for (int y = 0; y < layout.height; ++y) {
        int sourceRow = layout.bottomUp ? layout.height - 1 - y : y;
        const BYTE* in = data + layout.pixelOffset + layout.stride * size_t(sourceRow);
        BYTE* out = picture.Row(y);
        for (int x = 0; x < layout.width; ++x, in += layout.bytesPerPixel, out += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = 255;
        }
    }
}

} // namespace

HRESULT CreatePackedDib(const BgraImage& picture, HGLOBAL* block)
{
    if (!block)
        return E_POINTER;
    *block = nullptr;
    if (picture.Empty())
        return E_INVALIDARG;
    const size_t stride = RowBytes(picture.Width(), 32);
    const size_t pixelBytes = stride * size_t(picture.Height());
    HGLOBAL created = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixelBytes);
    BYTE* data = static_cast<BYTE*>(GlobalLock(created));
    if (!data) {
        GlobalFree(created);
        return E_OUTOFMEMORY;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = picture.Width();
    header.biHeight = picture.Height();
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixelBytes);
    std::memcpy(data, &header, sizeof(header));
    for (int y = 0; y < picture.Height(); ++y) {
        BYTE* row = data + sizeof(header) + stride * size_t(picture.Height() - 1 - y);
        std::memcpy(row, picture.Row(y), stride);
    }
    GlobalUnlock(created);
    *block = created;
    return S_OK;
}

HRESULT ReadPackedDib(const BYTE* data, size_t size, BgraImage& picture)
{
    DibLayout layout;
    HRESULT hr = ReadLayout(data, size, layout);
    if (FAILED(hr))
        return hr;
    BgraImage read(layout.width, layout.height);
    CopyRows(data, layout, read);
    picture = std::move(read);
    return S_OK;
}

HRESULT ReadPackedDib(HGLOBAL block, BgraImage& picture)
{
    const BYTE* data = static_cast<const BYTE*>(GlobalLock(block));
    if (!data)
        return E_HANDLE;
    HRESULT hr = ReadPackedDib(data, GlobalSize(block), picture);
    GlobalUnlock(block);
    return hr;
}
