#include "FrameTiming.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Cuts fall a millisecond inside the storyboard: far less than a frame, far more than the
// rounding of its times.
constexpr double kInside = 0.001;

template <class Element>
void SetInterval(const std::vector<CComPtr<Element>>& elements, double dStart, double dEnd)
{
    for (const CComPtr<Element>& spElement : elements)
        spElement->SetEffectInterval(dStart, dEnd);
}

} // namespace

HRESULT CDSMenuUtils::ResolveEffectDuration(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CComPtr<IKVEProductionData> spMenuSbd = CDSProductionUtils::GetProduction(pMenu);
    CHECK_NULL_TEXT(spMenuSbd.p, "(IKVEProductionData*)spMenuSbd");
    double p = FramePeriodOf(spMenuSbd);
    double d = CDSProductionUtils::GetDuration(spMenuSbd);
    double dStart = MiddleOfFrameAt(kInside, p);
    double dEnd = MiddleOfFrameAt(d - kInside, p);
    SetInterval(GetButtonList(pMenu, kAllTags), dStart, dEnd);
    SetInterval(GetOverlayList(pMenu, OverlayType_Generic), dStart, dEnd);
    SetInterval(GetTextList(pMenu, kAllTags), dStart, dEnd);
    return S_OK;
}
