#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"

#include "model/KVEAudio.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"
#include "platform/Variant.h"

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace {

// The shape of a frame when a production says nothing about it.
constexpr double kDefaultAspectRatio = 4.0 / 3.0;

// Ends a source panel on the middle of the last whole frame of its file, for a storyboard
// asked to last longer than its source: a cut in the middle of a frame keeps the frame
// whatever the rounding of the player.
HRESULT EndOnLastWholeFrame(IKVEProductionData* pSbd, IBaseObject* pBase)
{
    CComQIPtr<ISourceFile> spSrc(pBase);
    CHECK_NULL_TEXT(spSrc.p, "(ISourceFile*)spSrc");
    CComPtr<IProductionInfo> spProdInfo = ProductionInfoOf(pSbd);
    CHECK_NULL_TEXT(spProdInfo.p, "(IProductionInfo*)spProdInfo");
    double dFrameRate = 0.0;
    CHECK_HR(spProdInfo->get_EditingFrameRate(&dFrameRate));
    double dFileDuration = 0.0;
    CHECK_HR(spSrc->get_FileDuration(&dFileDuration));
    double dInPoint = 0.0;
    CHECK_HR(spSrc->get_InPoint(&dInPoint));
    double period = 1.0 / dFrameRate;
    double frames = std::floor(dFileDuration / period);
    // The out point, not the length, lands on that frame: a panel that starts later in its
    // file is shorter by its in point.
    double dEnd = (frames - 1.0 + 0.5) * period;
    CHECK_HR(pBase->put_Duration(dEnd - dInPoint));
    return S_OK;
}

// The storyboard's plain background audio file (not smart audio), or null.
CComPtr<IKVEAudioSubObject> PlainBackgroundAudio(IKVEProductionData* pSbd)
{
    for (const CComPtr<IKVEAudioSubObject>& spSub : BackgroundAudiosOf(pSbd)) {
        if (!CComQIPtr<IKVESmartAudio>(spSub.p))
            return spSub;
    }
    return nullptr;
}

HRESULT MatchBackgroundAudio(IUnknown* pSbd)
{
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pSbd");
    CComPtr<IKVEAudioSubObject> spAudioSubObj = PlainBackgroundAudio(spSbd);
    if (!spAudioSubObj)
        return S_FALSE;
    CComPtr<IProductionInfo> spProdInfo = ProductionInfoOf(spSbd);
    CHECK_NULL_TEXT(spProdInfo.p, "(IProductionInfo*)spProdInfo");
    double dDuration = 0.0;
    CHECK_HR(spProdInfo->get_Duration(&dDuration));
    CComQIPtr<IKVEAudioSource> spAudioSource(spAudioSubObj);
    CHECK_NULL_TEXT(spAudioSource.p, "(IKVEAudioSource*)spAudioSource");
    CHECK_HR(spAudioSource->put_Repeat(VARIANT_TRUE));
    CHECK_HR(spAudioSubObj->put_EndOffset(dDuration));
    return S_OK;
}

// Reports, the way a failing check does, how many files a production misses.
void ReportMissingFiles(int line, LONG count)
{
    KVUErrStr text("Production is missing %d files", static_cast<int>(count));
    std::wstring position = Utf8ToWide(KVUSourceName(__FILE__));
    KVUErrStr message(L"%ls(%d): %ls\n", position.c_str(), line, text.Text());
    KVUReportError(message);
}

} // namespace

HRESULT CDSProductionUtils::SetDuration(IUnknown* pSbd, double dDuration)
{
    KVUClearErrorStack();
    CHECK_NULL(pSbd);
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pSbd");
    CComPtr<IBaseObject> spBase;
    CHECK_HR(spSbd->GetPanelBaseObject(0, &spBase));
    HRESULT hr = spBase->put_Duration(dDuration);
    if (hr == E_FAIL)
        CHECK_HR_SHORT(EndOnLastWholeFrame(spSbd, spBase));
    else
        CHECK_HR_TEXT(hr, "spBase->put_Duration(dDuration)");
    CHECK_HR_SHORT(MatchBackgroundAudio(spSbd));
    return S_OK;
}

HRESULT CDSProductionUtils::_matchBkgndAudioDuration(IUnknown* pSbd)
{
    KVUClearErrorStack();
    CHECK_NULL(pSbd);
    return MatchBackgroundAudio(pSbd);
}

HRESULT CDSProductionUtils::ClearProduction(IUnknown* pProd)
{
    KVUClearErrorStack();
    CComQIPtr<IKVEProductionData> spProd(pProd);
    CHECK_NULL_TEXT(spProd.p, "(IKVEProductionData*)pProd");
    LONG lCount = 0;
    CHECK_HR(spProd->GetNumberOfPanels(&lCount));
    if (lCount == 0)
        return S_OK;
    std::vector<LONG> delArray(static_cast<size_t>(lCount));
    std::iota(delArray.begin(), delArray.end(), 0);
    CHECK_HR_TEXT(spProd->DeletePanels(delArray.data(), lCount, FALSE),
                  "pProd->DeletePanels(delArray,lCount,FALSE)");
    return S_OK;
}

HRESULT CDSProductionUtils::ValidateProduction(IUnknown* pSbd)
{
    KVUClearErrorStack();
    CComQIPtr<IKVEProductionData> piStoryBoard(pSbd);
    CHECK_NULL_TEXT(piStoryBoard.p, "(IKVEProductionData*)pSbd");
    LONG numPanels = 0;
    CHECK_HR(piStoryBoard->GetNumberOfPanels(&numPanels));
    CComVariant varFileNameList;
    CHECK_HR(piStoryBoard->GetMissingSourceFileNames(0, numPanels, VARIANT_TRUE, &varFileNameList));
    LONG missing = 0;
    if ((varFileNameList.vt & VT_ARRAY) && varFileNameList.parray)
        missing = static_cast<LONG>(varFileNameList.parray->rgsabound[0].cElements);
    if (missing == 0)
        return S_OK;
    ReportMissingFiles(__LINE__, missing);
    return E_VALIDATEPRODUCTION_MISSING_FILES;
}

HRESULT CDSProductionUtils::MatchAspectRatio(IKVEProductionData* pSrc, IKVEProductionData* pDst)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    double dAspectRatio = kDefaultAspectRatio;
    if (CComPtr<IProductionInfo> spSrcInfo = ProductionInfoOf(pSrc))
        CHECK_HR_TEXT(spSrcInfo->get_AspectRatio(&dAspectRatio),
                      "spProdInfo->get_AspectRatio(&dAspectRatio)");
    CComPtr<IProductionInfo> spProdInfo = ProductionInfoOf(pDst);
    CHECK_NULL_TEXT(spProdInfo.p, "(IProductionInfo*)spProdInfo");
    // Writing the ratio it already has would mark the destination as changed for nothing.
    double dCurrent = 0.0;
    if (SUCCEEDED(spProdInfo->get_AspectRatio(&dCurrent)) && dCurrent == dAspectRatio)
        return S_OK;
    CHECK_HR(spProdInfo->put_AspectRatio(dAspectRatio));
    return S_OK;
}
