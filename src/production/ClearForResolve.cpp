#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSMenuUtils::ClearForResolve(IDSMenuElement* pElement)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    if (CComQIPtr<IDSMenuOverlay> spOverlay(pElement); spOverlay) {
        CHECK_HR(spOverlay->ResetResolvedSource());
        return S_OK;
    }
    for (const CComPtr<IDSMenuOverlay>& spThumbnail :
         GetOverlayList(pElement, OverlayType_Thumbnail))
        CHECK_HR(spThumbnail->ResetResolvedSource());
    return S_OK;
}
