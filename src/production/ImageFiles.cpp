#include "PictureSaving.h"
#include "RawBitmap.h"

#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/TaskMemory.h"

#include <memory>
#include <vector>

namespace {

struct TaskMemoryFreer
{
    void operator()(BYTE* block) const { CoTaskMemFree(block); }
};

// The picture scaled to the out size when both sides are given, else as it is.
HRESULT ScaledTo(BgraImage& image, int nXOut, int nYOut)
{
    if (nXOut == 0 || nYOut == 0 || (nXOut == image.Width() && nYOut == image.Height()))
        return S_OK;
    BgraImage scaled;
    CHECK_HR(StretchImage(image, nXOut, nYOut, scaled));
    image = std::move(scaled);
    return S_OK;
}

// A picture of 24-bit pixels (BGR, rows without gaps), opaque.
HRESULT FromBgrBuffer(const BYTE* pBytes, int nX, int nY, BgraImage& image)
{
    CHECK_HR(BgraImage::Create(nX, nY, 0xFF000000, image));
    for (int y = 0; y < nY; ++y) {
        const BYTE* from = pBytes + size_t(y) * size_t(nX) * 3;
        BYTE* to = image.Row(y);
        for (int x = 0; x < nX; ++x) {
            to[x * 4] = from[x * 3];
            to[x * 4 + 1] = from[x * 3 + 1];
            to[x * 4 + 2] = from[x * 3 + 2];
        }
    }
    return S_OK;
}

std::vector<BYTE> ToBgrBuffer(const BgraImage& image)
{
    std::vector<BYTE> bgr(size_t(image.Width()) * size_t(image.Height()) * 3);
    BYTE* to = bgr.data();
    for (int y = 0; y < image.Height(); ++y) {
        const BYTE* from = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, to += 3) {
            to[0] = from[x * 4];
            to[1] = from[x * 4 + 1];
            to[2] = from[x * 4 + 2];
        }
    }
    return bgr;
}

} // namespace

HRESULT CDSProductionUtils::SaveImage_32(const BYTE* pBytes, int nX, int nY, const wchar_t* pszFile,
                                         BSTR* pbstrLetterbox, int nXOut, int nYOut)
{
    KVUClearErrorStack();
    CHECK_NULL(pBytes);
    CHECK_NULL(pszFile);
    BgraImage image;
    HRESULT hr = BgraImage::FromBuffer(pBytes, nX, nY, image);
    CHECK_HR_TEXT(SUCCEEDED(hr) ? S_OK : E_SAVEIMAGE32_CANT_CREATE_BITMAP,
                  "((hbm = CreateBitmapIndirect(&bm)) != 0 ? S_OK : "
                  "E_SAVEIMAGE32_CANT_CREATE_BITMAP)");
    CHECK_HR_SHORT(ScaledTo(image, nXOut, nYOut));
    std::wstring file(pszFile);
    CHECK_HR_TEXT(SavePicture(image, file), "SavePicture(image, file)");
    if (!pbstrLetterbox)
        return S_OK;
    std::wstring letterbox;
    CHECK_HR_TEXT(SaveLetterbox(image, file, letterbox), "SaveLetterbox(image, file, letterbox)");
    *pbstrLetterbox = CComBSTR(letterbox).Detach();
    return S_OK;
}

HRESULT CDSProductionUtils::SaveImage_32(IUnknown* pProduction, IUnknown* pGM, int nX, int nY,
                                         const wchar_t* pszFile, double dTime, int nXOut, int nYOut)
{
    KVUClearErrorStack();
    CHECK_NULL(pszFile);
    BYTE* pImage = nullptr;
    CHECK_HR(GetImage_32(pProduction, pGM, nX, nY, &pImage, dTime));
    std::unique_ptr<BYTE, TaskMemoryFreer> owned(pImage);
    CHECK_HR(SaveImage_32(pImage, nX, nY, pszFile, nullptr, nXOut, nYOut));
    return S_OK;
}

HRESULT CDSProductionUtils::SaveImage_24(const BYTE* pBytes, int nX, int nY, const wchar_t* pszFile,
                                         int nXOut, int nYOut)
{
    KVUClearErrorStack();
    CHECK_NULL(pBytes);
    CHECK_NULL(pszFile);
    if (nXOut == 0 || nYOut == 0 || (nXOut == nX && nYOut == nY)) {
        CHECK_HR(WriteRawBitmap(pszFile, pBytes, nX, nY, 24));
        return S_OK;
    }
    BgraImage image;
    CHECK_HR_SHORT(FromBgrBuffer(pBytes, nX, nY, image));
    CHECK_HR_SHORT(ScaledTo(image, nXOut, nYOut));
    std::vector<BYTE> scaled = ToBgrBuffer(image);
    CHECK_HR(WriteRawBitmap(pszFile, scaled.data(), nXOut, nYOut, 24));
    return S_OK;
}
