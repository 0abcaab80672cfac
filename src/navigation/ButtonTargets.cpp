#include "ButtonLabel.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

bool CDSMenuUtils::IsTitleButton(IDSMenuButton* pButton, bool& bIsSlideshow)
{
    bIsSlideshow = false;
    if (!pButton)
        return false;
    // A button that plays no title itself may still reach one through a chapter menu.
    IDSTitle* pTitle = GetLinkedTitle(pButton, nullptr, false);
    if (!pTitle)
        pTitle = CDSAppUtils::GetLinkedChapterTitle(pButton, nullptr);
    if (!pTitle)
        return false;
    bIsSlideshow = CDSProductionUtils::IsSlideShow(pTitle);
    return true;
}

HRESULT CDSMenuUtils::SetButtonTextToTarget(IDSMenuButton* pButton, IUnknown* pTarget)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, SetButtonLabel(pButton, GetDisplayName(pTarget, nullptr)));
    return hr;
}
