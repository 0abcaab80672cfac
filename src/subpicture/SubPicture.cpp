#include "dsutils/SubPicture.h"

#include "ColorMap.h"
#include "SubPictureProduction.h"
#include "SubpictureBuffer.h"

#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/TaskMemory.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace {

constexpr double kDefaultFrameRate = 29.97;
constexpr int kDiscWidth = 720;
constexpr int kNarrowWidth = 704;

// Frees the task-allocator blocks that pointer variables hold on the way out, unless they are
// kept; a variable may change in between (a padded buffer replaces the rendered one).
class BlockGuard
{
public:
    BlockGuard(std::initializer_list<BYTE**> blocks) : m_blocks(blocks) {}
    ~BlockGuard()
    {
        if (m_kept)
            return;
        for (BYTE** ppBlock : m_blocks) {
            CoTaskMemFree(*ppBlock);
            *ppBlock = nullptr;
        }
    }
    BlockGuard(const BlockGuard&) = delete;
    BlockGuard& operator=(const BlockGuard&) = delete;

    void Keep() { m_kept = true; }

private:
    std::vector<BYTE**> m_blocks;
    bool m_kept = false;
};

// The middle of the production's first frame, so that the frame taken is the first whole one.
double FirstFrameTime(IUnknown* pProduction)
{
    double rate = CDSProductionUtils::GetEditingFrameRate(pProduction);
    double period = 1.0 / (rate == 0.0 ? kDefaultFrameRate : rate);
    return (std::floor(0.0 / period) + 0.5) * period;
}

// The size the disc subpicture of the menu is rendered at.
void DiscSubpictureSize(IDSMenu* pMenu, int& nX, int& nY)
{
    CDSEncodeParams params(pMenu);
    nX = params.GetResolution() == VideoResolution_720 ? kDiscWidth : kNarrowWidth;
    nY = IsNTSC(pMenu) ? 480 : 576;
}

HRESULT CopyOf(const BYTE* pBytes, int nX, int nY, BYTE** ppCopy)
{
    size_t bytes = size_t(nX) * size_t(nY) * 4;
    *ppCopy = static_cast<BYTE*>(CoTaskMemAlloc(bytes));
    if (!*ppCopy)
        CHECK_HR_TEXT(E_OUTOFMEMORY, "CoTaskMemAlloc(nXSize * nYSize * 4)");
    std::memcpy(*ppCopy, pBytes, bytes);
    return S_OK;
}

// Maps the button's region in each of the three buffers to the colours of its three states.
HRESULT MapButtonStates(const DSMenuButtonVec& vecBtns, size_t i, int nXSize, int nYSize,
                        BYTE** ppNormal, BYTE** ppSelected, BYTE** ppActivated)
{
    FloatRect fRect{};
    CHECK_HR(CDSMenuUtils::GetActiveRegion(vecBtns[i], &fRect));
    RECT sRect{};
    CHECK_HR(CDSMenuUtils::ConvertToRect(sRect, fRect, nXSize, nYSize));
    SPUColorMap cMap{};
    CHECK_HR(GetColorMap(vecBtns[i], 0, cMap));
    CHECK_HR(MapColors(*ppNormal, nXSize, nYSize, cMap, sRect));
    CHECK_HR(GetColorMap(vecBtns[i], 1, cMap));
    CHECK_HR(MapColors(*ppSelected, nXSize, nYSize, cMap, sRect));
    CHECK_HR(GetColorMap(vecBtns[i], 2, cMap));
    CHECK_HR(MapColors(*ppActivated, nXSize, nYSize, cMap, sRect));
    return S_OK;
}

} // namespace

HRESULT GetSubpicture_32(IUnknown* pMenu, IUnknown* pGM, BYTE** ppBytes, int nX, int nY)
{
    KVUClearErrorStack();
    CKVUTimer timer("GetSubpicture32()", 0);
    CHECK_NULL(ppBytes);
    *ppBytes = nullptr;
    CComQIPtr<IDSMenu> spMenu(pMenu);
    CHECK_NULL_TEXT(spMenu.p, "(IDSMenu*)spMenu");
    if (!IsPictureSide(nX) || !IsPictureSide(nY))
        CHECK_HR_TEXT(E_INVALIDARG, "nX and nY in 1 ... 16384");
    CComPtr<IKVEProductionData> spProduction;
    CHECK_HR(spProduction.CoCreateInstance(CLSID_KVEProduction));
    CComPtr<IDSProjectData> spScratchProject;
    CComPtr<IDSMenu> spScratch;
    CHECK_HR(CreateScratchMenu(spMenu, spScratchProject, spScratch));
    CHECK_HR(CreateSubPictureProduction(spMenu, spProduction, spScratch, SIZE{nX, nY}));
    double dTime = FirstFrameTime(spProduction);
    CHECK_HR(CDSProductionUtils::GetImage_32(spProduction, pGM, nX, nY, ppBytes, dTime));
    ReduceSubpicture(*ppBytes, nX, nY);
    return S_OK;
}

HRESULT GenerateSubPictureFiles(IUnknown* pMenu, IUnknown* pGM, const wchar_t* pszNormalFile,
                                BSTR* pbstrLetterboxFile)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pszNormalFile);
    CComQIPtr<IDSMenu> spMenu(pMenu);
    CHECK_NULL_TEXT(spMenu.p, "(IDSMenu*)spMenu");
    int nX = 0, nY = 0;
    DiscSubpictureSize(spMenu, nX, nY);
    BSTR* pbstrLetterbox = IsAspectRatio16x9(spMenu) ? pbstrLetterboxFile : nullptr;
    BYTE* pBytes = nullptr;
    BlockGuard guard{&pBytes};
    CHECK_HR(GetSubpicture_32(pMenu, pGM, &pBytes, nX, nY));
    if (nX == kNarrowWidth) {
        CHECK_HR(PadSubpicture_32(&pBytes, 704, nY, 720, nY));
        nX = kDiscWidth;
    }
    CHECK_HR(CDSProductionUtils::SaveImage_32(pBytes, nX, nY, pszNormalFile, pbstrLetterbox));
    return S_OK;
}

HRESULT GenerateSubPictureForPreview(IUnknown* pMenu, IUnknown* pGM, int nXSize, int nYSize,
                                     BYTE** ppNormal, BYTE** ppSelected, BYTE** ppActivated)
{
    KVUClearErrorStack();
    CKVUTimer timer("GenerateSubpictureForPreview()", 0);
    CHECK_NULL(ppNormal);
    CHECK_NULL(ppSelected);
    CHECK_NULL(ppActivated);
    *ppNormal = *ppSelected = *ppActivated = nullptr;
    CHECK_NULL(pMenu);
    BlockGuard guard{ppNormal, ppSelected, ppActivated};
    CHECK_HR(GetSubpicture_32(pMenu, pGM, ppNormal, nXSize, nYSize));
    CHECK_HR_SHORT(CopyOf(*ppNormal, nXSize, nYSize, ppSelected));
    CHECK_HR_SHORT(CopyOf(*ppNormal, nXSize, nYSize, ppActivated));
    timer.AddEntry("Go through every button, get region, map and save");
    DSMenuButtonVec vecBtns(GetButtonList(pMenu, kAllTags));
    for (size_t i = 0; i < vecBtns.size(); ++i)
        CHECK_HR_SHORT(
            MapButtonStates(vecBtns, i, nXSize, nYSize, ppNormal, ppSelected, ppActivated));
    guard.Keep();
    return S_OK;
}
