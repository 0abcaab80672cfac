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
    CComBSTR bstrName = GetDisplayName(pTarget, nullptr);
    HRESULT hr = S_OK;
    if (IDSMenuText* pText = GetTextElement(pButton))
        CHECK_HR_ASSIGN(hr, pText->put_Label(bstrName));
    else
        CHECK_HR_ASSIGN(hr, pButton->put_Label(bstrName));
    return hr;
}
