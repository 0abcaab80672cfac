#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<LONG>& ids, LONG id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// The buttons whose links the walk follows: every command button, except on a chapter menu,
// whose buttons all lead into the same title, so the first one stands for them all.
std::vector<CComPtr<IDSMenuButton>> ButtonsToFollow(IDSMenu* pMenu)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pMenu, ButtonType_Command);
    if (GetTag(pMenu) == MenuType_Chapter && buttons.size() > 1)
        buttons.resize(1);
    return buttons;
}

bool IsRootMenu(IDSMenu* pMenu)
{
    IDSMenu* pRoot = CDSMenuUtils::GetRootMenu(GetProject(pMenu));
    return pRoot && GetID(pRoot) == GetID(pMenu);
}

} // namespace

HRESULT CDSMenuUtils::TraverseMenuLink(IDSMenu* pMenu, std::vector<LONG>& ids)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    LONG lID = 0;
    CHECK_HR(pMenu->get_ID(&lID));
    if (Contains(ids, lID))
        return S_OK;
    ids.push_back(lID);
    for (const CComPtr<IDSMenuButton>& spButton : ButtonsToFollow(pMenu))
        CHECK_HR_SHORT(TraverseButtonLink(spButton, ids));
    // The Next page carries on the menu, so every page of a chain is visited.
    std::vector<CComPtr<IDSMenuButton>> next = GetButtonList(pMenu, ButtonType_Next);
    if (!next.empty())
        CHECK_HR_SHORT(TraverseButtonLink(next.front(), ids));
    return S_OK;
}

HRESULT CDSMenuUtils::TraverseButtonLink(IDSMenuButton* pButton, std::vector<LONG>& ids)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    if (IDSTitle* pTitle = GetLinkedTitle(pButton, nullptr, false)) {
        ids.push_back(GetID(pTitle));
        return S_OK;
    }
    IDSMenu* pMenu = GetLinkedMenu(pButton);
    if (!pMenu || IsRootMenu(pMenu))
        return S_OK;
    CHECK_HR_SHORT(TraverseMenuLink(pMenu, ids));
    return S_OK;
}
