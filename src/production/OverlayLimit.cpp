#include "DisplayList.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// At most this many free overlays of a menu carry nested productions.
constexpr int kMaxNestedOverlays = 3;

bool NeedsSubproduction(IDSMenuOverlay* pOvl)
{
    LONG srcType = 0;
    LONG lId = 0;
    return SUCCEEDED(pOvl->GetSourceType(&srcType, &lId)) && srcType >= OverlaySource_AllTitles &&
           srcType <= 9;
}

} // namespace

HRESULT CDSMenuUtils::LimitMenuOverlaySubproductions(IDSMenuOverlay* pOvl)
{
    KVUClearErrorStack();
    CComPtr<IDSMenu> spMenu;
    if (!pOvl || pOvl->GetMenu(&spMenu) != S_OK || !spMenu)
        return S_FALSE;
    std::vector<CComPtr<IDSMenuOverlay>> overlays = GetOverlayList(spMenu, OverlayType_Generic);
    if (overlays.size() <= size_t(kMaxNestedOverlays))
        return S_OK;
    int nested = 0;
    for (const CComPtr<IDSMenuOverlay>& spOverlay : overlays) {
        if (NeedsSubproduction(spOverlay) && ++nested > kMaxNestedOverlays) {
            std::vector<CComPtr<IDSTitle>> titles = GetUserTitles(GetProject(spMenu));
            LONG lFirstTitle = titles.empty() ? 0 : GetID(titles.front());
            CHECK_HR(spOverlay->SetSourceType(OverlaySource_Title, lFirstTitle));
            break;
        }
    }
    return S_OK;
}
