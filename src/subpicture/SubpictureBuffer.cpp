#include "SubpictureBuffer.h"
#include "SubpictureRuns.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/TaskMemory.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace {

// Pixels are read and written as whole 32-bit values: blue, green, red, alpha in memory are
// 0xAARRGGBB on a little-endian machine. The buffers come from the task allocator, aligned
// for any type.
static_assert(std::endian::native == std::endian::little);

DWORD* PixelsOf(BYTE* pBytes)
{
    return reinterpret_cast<DWORD*>(pBytes);
}

size_t PixelCount(int nX, int nY)
{
    return size_t(nX) * size_t(nY);
}

// The rectangle with its top above its bottom and cut to the buffer's rows and columns.
RECT ClampedToBuffer(const RECT& sRect, int nX, int nY)
{
    RECT rc;
    rc.top = std::max<LONG>(std::min(sRect.top, sRect.bottom), 0);
    rc.bottom = std::min<LONG>(std::max(sRect.top, sRect.bottom), nY - 1);
    rc.left = std::max<LONG>(sRect.left, 0);
    rc.right = std::min<LONG>(sRect.right, nX - 1);
    return rc;
}

void MapRow(DWORD* pixel, size_t count, const ColourTable& table)
{
    size_t done = MapRuns(pixel, count, table);
    MapPixels(pixel + done, count - done, table);
}

} // namespace

void ReduceSubpicture(BYTE* pBytes, int nX, int nY)
{
    DWORD* pixel = PixelsOf(pBytes);
    size_t count = PixelCount(nX, nY);
    size_t done = ReduceRuns(pixel, count);
    ReducePixels(pixel + done, count - done);
}

HRESULT MapColors(BYTE* pBytes, int nX, int nY, const SPUColorMap& cMap, const RECT& sRect)
{
    KVUClearErrorStack();
    CHECK_NULL(pBytes);
    if (nX < 1 || nY < 1)
        CHECK_HR_TEXT(E_INVALIDARG, "nX >= 1 && nY >= 1");
    RECT rc = ClampedToBuffer(sRect, nX, nY);
    if (rc.right < rc.left)
        return S_OK;
    ColourTable table = TableOf(cMap);
    DWORD* first = PixelsOf(pBytes) + size_t(rc.top) * size_t(nX) + size_t(rc.left);
    size_t width = size_t(rc.right - rc.left + 1);
    size_t rows = size_t(rc.bottom - rc.top + 1);
    // Rows as wide as the picture follow each other without a gap: one span.
    if (width == size_t(nX))
        MapRow(first, width * rows, table);
    else
        for (size_t row = 0; row < rows; ++row)
            MapRow(first + row * size_t(nX), width, table);
    return S_OK;
}

HRESULT PadSubpicture_32(BYTE** ppBytes, int nX, int nY, int nNewX, int nNewY)
{
    KVUClearErrorStack();
    CHECK_NULL(ppBytes);
    CHECK_NULL(*ppBytes);
    if (!IsPictureSide(nX) || !IsPictureSide(nY) || !IsPictureSide(nNewX) || !IsPictureSide(nNewY))
        CHECK_HR_TEXT(E_INVALIDARG, "sides in 1 ... 16384");
    if (nNewX < nX || nNewY < nY)
        CHECK_HR_TEXT(E_INVALIDARG, "nNewX >= nX && nNewY >= nY");
    BYTE* pNew = static_cast<BYTE*>(CoTaskMemAlloc(PixelCount(nNewX, nNewY) * 4));
    if (!pNew)
        CHECK_HR_TEXT(E_OUTOFMEMORY, "CoTaskMemAlloc(nNewX * nNewY * 4)");
    std::memset(pNew, 0, PixelCount(nNewX, nNewY) * 4);
    size_t rowBytes = size_t(nX) * 4;
    size_t newRowBytes = size_t(nNewX) * 4;
    BYTE* pTo = pNew + size_t((nNewY - nY) / 2) * newRowBytes + size_t((nNewX - nX) / 2) * 4;
    for (int y = 0; y < nY; ++y)
        std::memcpy(pTo + size_t(y) * newRowBytes, *ppBytes + size_t(y) * rowBytes, rowBytes);
    CoTaskMemFree(*ppBytes);
    *ppBytes = pNew;
    return S_OK;
}
