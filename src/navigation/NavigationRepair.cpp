#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <set>

namespace {

CComPtr<IDSMenuButton> FirstButton(IDSMenu* pMenu, ULONG mask)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pMenu, mask);
    return buttons.empty() ? nullptr : buttons.front();
}

bool SameMenu(IDSMenu* pLeft, IDSMenu* pRight)
{
    return pLeft && pRight && GetID(pLeft) == GetID(pRight);
}

// Whether the menu has a way back other than the kinds of navigation button given.
bool HasWayBack(IDSMenu* pMenu, ULONG ignoredKinds)
{
    return (!(ignoredKinds & ButtonType_Up) && CDSMenuUtils::GetUpMenu(pMenu)) ||
           (!(ignoredKinds & ButtonType_Prev) && CDSMenuUtils::GetPrevMenu(pMenu)) ||
           (!(ignoredKinds & ButtonType_Home) && CDSMenuUtils::GetHomeMenu(pMenu));
}

// The root menu needs no way back: it loses its Up and Home buttons.
void StripRootMenu(IDSMenu* pMenu)
{
    if (CComPtr<IDSMenuButton> spUp = FirstButton(pMenu, ButtonType_Up))
        CDSMenuUtils::DeleteElement(spUp);
    if (CComPtr<IDSMenuButton> spHome = FirstButton(pMenu, ButtonType_Home))
        CDSMenuUtils::DeleteElement(spHome);
}

HRESULT RepairHomeButton(IDSMenu* pMenu, IDSMenu* pRoot)
{
    CComPtr<IDSMenuButton> spHome = FirstButton(pMenu, ButtonType_Home);
    if (!spHome || SameMenu(CDSMenuUtils::GetLinkedMenu(spHome), pRoot))
        return S_OK;
    CHECK_HR(CDSMenuUtils::LinkNavButton(pMenu, ButtonType_Home, pRoot));
    return S_OK;
}

// The first page of the target's chain that has a button leading to the menu, or null.
IDSMenu* PageLeadingTo(IDSMenu* pMenu, IDSMenu* pTarget)
{
    std::set<LONG> seen;
    for (IDSMenu* pPage = CDSMenuUtils::GetFirstMenuInChain(pTarget);
         pPage && seen.insert(GetID(pPage)).second; pPage = CDSMenuUtils::GetNextMenu(pPage)) {
        if (CDSMenuUtils::GetLinkedButton(pMenu, pPage))
            return pPage;
    }
    return nullptr;
}

// The Up button must lead to a page that leads back here; without one it goes.
HRESULT RepairUpButton(IDSMenu* pMenu, IDSMenu* pRoot)
{
    CComPtr<IDSMenuButton> spUp = FirstButton(pMenu, ButtonType_Up);
    if (!spUp)
        return S_OK;
    IDSMenu* pTarget = CDSMenuUtils::GetLinkedMenu(spUp);
    if (pTarget && (SameMenu(pTarget, pRoot) || CDSMenuUtils::GetLinkedButton(pMenu, pTarget)))
        return S_OK;
    if (IDSMenu* pPage = pTarget ? PageLeadingTo(pMenu, pTarget) : nullptr) {
        CHECK_HR(CDSMenuUtils::LinkNavButton(pMenu, ButtonType_Up, pPage));
        return S_OK;
    }
    CHECK_HR(CDSMenuUtils::DeleteElement(spUp));
    return S_OK;
}

} // namespace

bool CDSMenuUtils::CheckDeadEnd(IDSMenu* pMenu)
{
    return pMenu && !HasWayBack(pMenu, 0);
}

bool CDSMenuUtils::CheckDeadEndBtn(IDSMenuButton* pButton)
{
    ULONG tag = GetTag(pButton);
    if (!(tag & ButtonType_Navigation))
        return false;
    if (tag & ButtonType_Next)
        return true;
    CComPtr<IDSMenu> spMenu;
    if (FAILED(pButton->GetMenu(&spMenu)) || !spMenu)
        return false;
    return !HasWayBack(spMenu, tag);
}

HRESULT CDSMenuUtils::ValidateMenuLinks(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    IDSMenu* pRoot = GetRootMenu(GetProject(pMenu));
    if (SameMenu(pMenu, pRoot)) {
        StripRootMenu(pMenu);
        return S_OK;
    }
    // A button that cannot be repaired does not stop the repair of the other.
    if (HRESULT hr = RepairHomeButton(pMenu, pRoot); FAILED(hr))
        LOG_HR(hr, "RepairHomeButton(pMenu, pRoot)");
    if (HRESULT hr = RepairUpButton(pMenu, pRoot); FAILED(hr))
        LOG_HR(hr, "RepairUpButton(pMenu, pRoot)");
    return S_OK;
}

HRESULT CDSMenuUtils::ValidateLinksForAllMenus(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    // The menu list itself passes over what it cannot read; a project whose menus cannot be
    // counted is reported here.
    LONG lCount = 0;
    CHECK_HR(pProject->get_MenuCount(&lCount));
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, MenuType_Main | MenuType_Chapter))
        ValidateMenuLinks(spMenu);
    return S_OK;
}

int CDSMenuUtils::RemoveAllButtonsLinkedToTitle(IDSProjectData* pProject, LONG lTitleId)
{
    int removed = 0;
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, MenuType_Main)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command)) {
            if (IsLinkedToTitle(spButton, lTitleId, true) && SUCCEEDED(DeleteElement(spButton)))
                ++removed;
        }
    }
    return removed;
}
