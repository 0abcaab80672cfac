#include "SubpictureBuffer.h"

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

bool IsSide(int side)
{
    return side >= 1 && side <= kMaxImageSide;
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

// The colours are taken out of the map once, so that the loop keeps them in registers. Later
// sources are tested first and earlier ones override them: the first match wins.
void MapRow(DWORD* pixel, LONG count, const SPUColorMap& cMap)
{
    constexpr DWORD kColour = 0x00FFFFFF;
    const DWORD s0 = cMap.source[0] & kColour, s1 = cMap.source[1] & kColour;
    const DWORD s2 = cMap.source[2] & kColour, s3 = cMap.source[3] & kColour;
    const DWORD t0 = cMap.target[0], t1 = cMap.target[1];
    const DWORD t2 = cMap.target[2], t3 = cMap.target[3];
    for (LONG i = 0; i < count; ++i) {
        DWORD colour = pixel[i] & kColour;
        DWORD mapped = colour == s3 ? t3 : 0u;
        mapped = colour == s2 ? t2 : mapped;
        mapped = colour == s1 ? t1 : mapped;
        mapped = colour == s0 ? t0 : mapped;
        pixel[i] = colour == 0 ? 0u : mapped;
    }
}

} // namespace

void ReduceSubpicture(BYTE* pBytes, int nX, int nY)
{
    DWORD* pixel = PixelsOf(pBytes);
    size_t count = PixelCount(nX, nY);
    for (size_t i = 0; i < count; ++i)
        pixel[i] = ReduceSubpicturePixel(pixel[i]);
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
    for (LONG y = rc.top; y <= rc.bottom; ++y)
        MapRow(PixelsOf(pBytes) + size_t(y) * size_t(nX) + size_t(rc.left), rc.right - rc.left + 1,
               cMap);
    return S_OK;
}

HRESULT PadSubpicture_32(BYTE** ppBytes, int nX, int nY, int nNewX, int nNewY)
{
    KVUClearErrorStack();
    CHECK_NULL(ppBytes);
    CHECK_NULL(*ppBytes);
    if (!IsSide(nX) || !IsSide(nY) || !IsSide(nNewX) || !IsSide(nNewY))
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
