#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "model/KVEAudio.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The longest duration the storyboard's smart audio allows: 0 without smart audio, -1 when
// it sets no limit.
double SmartAudioLimit(IKVEProductionData* pSbd)
{
    LONG count = 0;
    if (!pSbd || FAILED(pSbd->GetNumberOfAudios(&count)))
        return 0.0;
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IUnknown> spAudio;
        double dLimit = 0.0;
        if (FAILED(pSbd->GetAudioItem(i, &spAudio)))
            continue;
        CComQIPtr<IKVESmartAudio> spSmartAudio(spAudio);
        if (spSmartAudio && SUCCEEDED(spSmartAudio->get_MaxDuration(&dLimit)))
            return dLimit < 0.0 ? -1.0 : dLimit;
    }
    return 0.0;
}

} // namespace

HRESULT CDSMenuUtils::GetDuration(IDSMenu* pMenu, double* pdblSecs)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pdblSecs);
    CHECK_HR(pMenu->get_Duration(pdblSecs));
    return S_OK;
}

HRESULT CDSMenuUtils::SetDuration(IDSMenu* pMenu, double dblSecs)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    if (dblSecs == 0.0) {
        SetFlag(pMenu, MenuFlag_AutoDuration);
        return S_OK;
    }
    CHECK_HR(pMenu->put_Duration(dblSecs));
    ClearFlag(pMenu, MenuFlag_AutoDuration);
    return S_OK;
}

HRESULT CDSMenuUtils::GetMaxDuration(IDSMenu* pMenu, double* pdblSecs)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pdblSecs);
    if (GetFlag(pMenu) & MenuFlag_AutoDuration)
        *pdblSecs = 0.0;
    CComPtr<IUnknown> spUnk;
    CHECK_HR(pMenu->GetProduction(&spUnk));
    *pdblSecs = SmartAudioLimit(CDSProductionUtils::GetProduction(spUnk));
    return S_OK;
}
