#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Whether the chapter menu page belongs to the title: its first command button plays it.
bool PlaysTitle(IDSMenu* pChapMenu, LONG lTitleId)
{
    DSMenuButtonVec buttons = GetButtonList(pChapMenu, ButtonType_Command);
    return !buttons.empty() && CDSMenuUtils::IsLinkedToTitle(buttons.front(), lTitleId, false);
}

// Deletes the chapter menu page and the button above it that leads to it.
HRESULT RemovePage(IDSProjectData* pProject, IDSMenu* pChapMenu)
{
    IDSMenu* pUpMenu = CDSMenuUtils::GetUpMenu(pChapMenu);
    if (!pUpMenu)
        pUpMenu = CDSMenuUtils::GetRootMenu(pProject);
    if (IDSMenuButton* pButton = CDSMenuUtils::GetLinkedButton(pChapMenu, pUpMenu))
        CHECK_HR_SHORT(CDSMenuUtils::DeleteElement(pButton));
    CHECK_HR_SHORT(CDSMenuUtils::DeleteMenu(pChapMenu));
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::RemoveChapterMenus(IDSProjectData* pProject, LONG lTitleId)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    for (const CComPtr<IDSMenu>& spChapMenu : GetMenuList(pProject, MenuType_Chapter)) {
        if (PlaysTitle(spChapMenu, lTitleId))
            CHECK_HR_SHORT(RemovePage(pProject, spChapMenu));
    }
    return S_OK;
}

HRESULT CDSMenuUtils::RepairButtonToChapterMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    LONG lMenuId = GetID(pMenu);
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(GetProject(pMenu), kAllTags)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command)) {
            IDSMenu* pLinked = GetLinkedMenu(spButton);
            if (!pLinked || GetID(pLinked) != lMenuId)
                continue;
            if (IDSTitle* pTitle = CDSAppUtils::GetLinkedChapterTitle(spButton, nullptr))
                CHECK_HR(LinkCmd(spButton, pTitle));
        }
    }
    return S_OK;
}
