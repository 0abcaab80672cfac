#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

namespace {

// A pointer the caller borrows: the project keeps the object alive after the lookup's own
// reference is gone.
template <class T> T* Borrowed(const CComPtr<T>& spObject)
{
    return spObject.p;
}

template <class T> T* FirstOf(const std::vector<CComPtr<T>>& list)
{
    return list.empty() ? nullptr : list.front().p;
}

CComPtr<IDSProjectData> ProjectOfButton(IDSMenuButton* pButton)
{
    CComPtr<IDSMenu> spMenu;
    if (FAILED(pButton->GetMenu(&spMenu)) || !spMenu)
        return nullptr;
    return GetProject(spMenu.p);
}

// Where a JumpMenu command leaves the search for a button's title.
enum class JumpOutcome
{
    PassOver,
    StopSearch,
};

JumpOutcome FollowJump(IDSProjectData* pProject, LONG menuId, bool bStopAtMenu)
{
    CComPtr<IDSMenu> spMenu = FindMenu(pProject, menuId);
    ULONG tag = GetTag(spMenu);
    if (tag & MenuType_Transition)
        return JumpOutcome::PassOver;
    if (bStopAtMenu && (tag & (MenuType_Main | MenuType_Chapter)))
        return JumpOutcome::StopSearch;
    return JumpOutcome::PassOver;
}

bool PlaysAllAfterTransition(CCommandList& commands, int i)
{
    return commands[i].command == DiscCommand_Transition && i + 1 < commands.size() &&
           commands[i + 1].command == DiscCommand_PlayAll;
}

IDSMenu* MenuBehindFirstButton(IDSMenu* pMenu, ULONG mask)
{
    IDSMenuButton* pButton = FirstOf(GetButtonList(pMenu, mask));
    return pButton ? CDSMenuUtils::GetLinkedMenu(pButton) : nullptr;
}

} // namespace

IDSMenu* CDSMenuUtils::GetLinkedMenu(IDSMenuButton* pButton)
{
    if (!pButton)
        return nullptr;
    CComPtr<IDSProjectData> spProject = ProjectOfButton(pButton);
    CCommandList commands(static_cast<IUnknown*>(pButton));
    for (int i = 0; i < commands.size(); ++i) {
        if (commands[i].command == DiscCommand_PlayTitle)
            return nullptr;
        if (commands[i].command == DiscCommand_JumpMenu && spProject)
            return Borrowed(FindMenu(spProject, commands[i].param1));
    }
    return nullptr;
}

IDSTitle* CDSMenuUtils::GetLinkedTitle(IDSMenuButton* pButton, int* pnChapter, bool bStopAtMenu)
{
    if (!pButton)
        return nullptr;
    CComPtr<IDSProjectData> spProject = ProjectOfButton(pButton);
    if (!spProject)
        return nullptr;
    CCommandList commands(static_cast<IUnknown*>(pButton));
    for (int i = 0; i < commands.size(); ++i) {
        const DiscCommandParams& entry = commands[i];
        if (entry.command == DiscCommand_PlayTitle) {
            if (pnChapter)
                *pnChapter = entry.param2;
            return Borrowed(FindTitle(spProject, entry.param1));
        }
        if (entry.command == DiscCommand_JumpMenu &&
            FollowJump(spProject, entry.param1, bStopAtMenu) == JumpOutcome::StopSearch)
            return nullptr;
        if (PlaysAllAfterTransition(commands, i))
            return FirstOf(GetTitleList(spProject, TitleType_User));
    }
    return nullptr;
}

IDSTitle* CDSMenuUtils::GetLinkedTitle(IDSMenu* pMenu)
{
    if (!(GetTag(pMenu) & MenuType_Chapter))
        return nullptr;
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, ButtonType_Command)) {
        if (IDSTitle* pTitle = GetLinkedTitle(spButton, nullptr, false))
            return pTitle;
    }
    return nullptr;
}

IDSMenuButton* CDSMenuUtils::GetLinkedButton(IDSMenu* pTarget, IDSMenu* pMenu)
{
    if (!pTarget)
        return nullptr;
    CComPtr<IDSMenu> spTarget(pTarget);
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, ButtonType_Command)) {
        IDSMenu* pLinked = GetLinkedMenu(spButton);
        if (pLinked && spTarget.IsEqualObject(pLinked))
            return spButton.p;
    }
    return nullptr;
}

bool CDSMenuUtils::IsLinkedToTitle(IDSMenuButton* pButton, LONG lTitleId, bool bFirstOnly)
{
    if (!pButton)
        return false;
    CCommandList commands(static_cast<IUnknown*>(pButton));
    for (int i = 0; i < commands.size(); ++i) {
        if (commands[i].command != DiscCommand_PlayTitle)
            continue;
        if (commands[i].param1 == lTitleId)
            return true;
        if (bFirstOnly)
            return false;
    }
    return false;
}

IDSTitle* CDSMenuUtils::GetFirstPlayTitle(IDSProjectData* pProject)
{
    return FirstOf(GetTitleList(pProject, TitleType_FirstPlay));
}

IDSMenu* CDSMenuUtils::GetRootMenu(IDSProjectData* pProject)
{
    // The project holds the menu; the caller borrows it.
    return GetFirstMenu(pProject, MenuType_Main | MenuType_Chapter).p;
}

IDSMenu* CDSMenuUtils::GetHomeMenu(IDSMenu* pMenu)
{
    return MenuBehindFirstButton(pMenu, ButtonType_Home);
}

IDSMenu* CDSMenuUtils::GetUpMenu(IDSMenu* pMenu)
{
    return MenuBehindFirstButton(pMenu, ButtonType_Up);
}

IDSMenu* CDSMenuUtils::GetNextMenu(IDSMenu* pMenu)
{
    return MenuBehindFirstButton(pMenu, ButtonType_Next);
}

IDSMenu* CDSMenuUtils::GetPrevMenu(IDSMenu* pMenu)
{
    return MenuBehindFirstButton(pMenu, ButtonType_Prev);
}
