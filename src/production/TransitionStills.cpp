// The stills an effect transition is built from: the last frame of the menu a button sits on
// and the first frame of where it leads, kept in the "TransitionCache" folder.
#include "FrameTiming.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/TmpStr.h"

#include "model/KVEProductionInfo.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>

namespace {

constexpr int kStillWidth = 640;

HRESULT TransitionStillPath(bool bBegin, LONG lId, CComBSTR& comBstr)
{
    CDSFileUtils files;
    CHECK_HR(files.GetFilePath(CDSFileUtils::DirTemp, L"TransitionCache", true,
                               TmpStr(L"TBCache_%d_%ls", int(lId), bBegin ? L"begin" : L"end"),
                               L"PNG", false, comBstr, CDSFileUtils::TempFile_OlderThanSixDays));
    return S_OK;
}

// Half a frame into the production, or half a frame before the end of the frame before its
// last whole one; never before its start.
HRESULT StillTime(IKVEProductionData* pProduction, bool bBegin, double& dStill)
{
    double p = FramePeriodOf(pProduction);
    if (bBegin) {
        dStill = 0.5 * p;
        return S_OK;
    }
    CComPtr<IUnknown> spUnk;
    CHECK_HR(pProduction->GetProductionObj(&spUnk));
    CComQIPtr<IProductionInfo> spInfo(spUnk);
    CHECK_NULL_TEXT(spInfo.p, "(IProductionInfo*)spInfo");
    double dTime = 0.0;
    CHECK_HR(spInfo->get_Duration(&dTime));
    dStill = std::max(0.0, (WholeFrames(dTime, p) - 2.0 + 0.5) * p);
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::GetThumbnailFromCache(BSTR* pbstrFile, IKVEProductionData* pProduction,
                                            bool bBegin, LONG lId)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrFile);
    CHECK_NULL(pProduction);
    CComBSTR comBstr;
    CHECK_HR_SHORT(TransitionStillPath(bBegin, lId, comBstr));
    double dTime = 0.0;
    CHECK_HR_SHORT(StillTime(pProduction, bBegin, dTime));
    AspectRatio ar = CDSProductionUtils::GetAspectRatio(pProduction);
    IUnknown* spUnkProd = pProduction;
    CHECK_HR_TEXT(CDSProductionUtils::SaveImage_32(spUnkProd, nullptr, kStillWidth,
                                                   ar == AspectRatio_4x3 ? 480 : 360, comBstr,
                                                   dTime),
                  "CDSProductionUtils::SaveImage_32(spUnkProd, NULL, 640,ar == AspectRatio_4x3? "
                  "480 : 360,comBstr, dTime)");
    *pbstrFile = comBstr.Detach();
    return S_OK;
}
