#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The title of a chapter menu that a command button leads to: what the menu's first command
// button plays.
IDSTitle* TitleThroughChapterMenu(IDSMenuButton* pButton)
{
    if (!(GetTag(pButton) & ButtonType_Command))
        return nullptr;
    IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(pButton);
    if (!(GetTag(pMenu) & MenuType_Chapter))
        return nullptr;
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pMenu, ButtonType_Command);
    if (buttons.empty())
        return nullptr;
    return CDSMenuUtils::GetLinkedTitle(buttons.front(), nullptr, false);
}

} // namespace

bool CDSMenuUtils::IsTitleButton(IDSMenuButton* pButton, bool& bIsSlideshow)
{
    bIsSlideshow = false;
    if (!pButton)
        return false;
    // A button that plays no title itself may still reach one through a chapter menu.
    IDSTitle* pTitle = GetLinkedTitle(pButton, nullptr, false);
    if (!pTitle)
        pTitle = TitleThroughChapterMenu(pButton);
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
