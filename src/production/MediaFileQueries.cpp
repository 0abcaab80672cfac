#include "MediaFileProps.h"

#include "dsutils/DSProductionUtils.h"

#include "ProductionAccess.h"

#include "model/KVGMediaFileProp.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <cmath>

namespace {

constexpr double kWide = 16.0 / 9.0;
constexpr double kStandard = 4.0 / 3.0;

// Stereoscopic files hold two views in one frame.
enum ViewPacking : LONG
{
    SideBySide = 1,
    TopAndBottom = 2,
};

// The shape of one view as it is shown, the views unpacked.
double ShownShape(const KVGVideoInfo& VideoInfo, LONG lMode)
{
    double shape = ShownAspect(VideoInfo);
    if (lMode == SideBySide)
        return shape / 2.0;
    if (lMode == TopAndBottom)
        return shape * 2.0;
    return shape;
}

} // namespace

HRESULT CDSProductionUtils::IsFile16x9(const wchar_t* pszFile, LONG lMode)
{
    KVUClearErrorStack();
    CHECK_NULL(pszFile);
    CComPtr<IKVGMediaFileProp> spFileProp;
    CHECK_HR_SHORT(OpenFileProperties(pszFile, spFileProp));
    KVGVideoInfo VideoInfo{};
    CHECK_HR_TEXT(spFileProp->GetVideoInfoEx(1, 0, &VideoInfo),
                  "spFileProp->GetVideoInfoEx(1,0,&VideoInfo)");
    if (VideoInfo.lWidth <= 0 || VideoInfo.lHeight <= 0)
        return S_FALSE;
    double r = ShownShape(VideoInfo, lMode);
    return std::fabs(r - kWide) < std::fabs(r - kStandard) ? S_OK : S_FALSE;
}

HRESULT CDSProductionUtils::IsFileEditable(const wchar_t* pszFile)
{
    KVUClearErrorStack();
    CHECK_NULL(pszFile);
    CComPtr<IKVGMediaFileProp> spFileProp;
    CHECK_HR_SHORT(OpenFileProperties(pszFile, spFileProp));
    LONG reason = 0;
    CHECK_HR(spFileProp->CanEditFile(&reason));
    if (reason != 0)
        RETURN_CODE(static_cast<HRESULT>(reason));
    return S_OK;
}

bool CDSProductionUtils::IsSmartSoundAudio(const wchar_t* pszFile)
{
    if (!pszFile || !*pszFile)
        return false;
    CComPtr<IKVGMediaFileProp> spFileProp;
    if (FAILED(spFileProp.CoCreateInstance(CLSID_KVGMediaFileProp)) ||
        !Answered(spFileProp->SetFile(CComBSTR(pszFile)), "spFileProp->SetFile(strFile)"))
        return false;
    VARIANT_BOOL bSmart = VARIANT_FALSE;
    return Answered(spFileProp->IsSmartAudio(&bSmart), "spFileProp->IsSmartAudio(&bSmart)") &&
           bSmart != VARIANT_FALSE;
}

HRESULT OpenFileProperties(const wchar_t* pszFile, CComPtr<IKVGMediaFileProp>& spFileProp)
{
    CHECK_HR(spFileProp.CoCreateInstance(CLSID_KVGMediaFileProp));
    CComBSTR strFile(pszFile);
    CHECK_HR(spFileProp->SetFile(strFile));
    return S_OK;
}

double ShownAspect(const KVGVideoInfo& VideoInfo)
{
    if (VideoInfo.dAspectRatio > 0.0)
        return VideoInfo.dAspectRatio;
    if (VideoInfo.lWidth <= 0 || VideoInfo.lHeight <= 0)
        return 0.0;
    return double(VideoInfo.lWidth) / double(VideoInfo.lHeight);
}
