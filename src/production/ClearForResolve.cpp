#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "model/IDSMenuElement.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSMenuUtils::ClearForResolve(IDSMenuElement* pElement)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    if (CComQIPtr<IDSMenuButton> spButton = pElement) {
        for (const CComPtr<IDSMenuOverlay>& spThumbnail :
             GetOverlayList(spButton, OverlayType_Thumbnail))
            CHECK_HR(spThumbnail->ResetResolvedSource());
        return S_OK;
    }
    if (CComQIPtr<IDSMenuOverlay> spOverlay = pElement)
        CHECK_HR(spOverlay->ResetResolvedSource());
    return S_OK;
}
