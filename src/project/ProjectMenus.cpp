#include "ProjectMenus.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "production/DeadLinks.h"
#include "validation/DiscObjects.h"

#include "platform/Check.h"

#include <set>

namespace {

bool HasObject(IDSProjectData* pProj, LONG lId)
{
    CComPtr<IUnknown> spObject;
    return SUCCEEDED(pProj->FindByID(lId, &spObject)) && spObject;
}

// The background titles of the menus, as far as no other menu of the project uses them.
std::set<LONG> BackgroundTitles(const std::vector<CComPtr<IDSMenu>>& menus)
{
    std::set<LONG> titles;
    for (const CComPtr<IDSMenu>& spMenu : menus) {
        LONG lBkgndID = 0;
        if (SUCCEEDED(spMenu->get_BkgndID(&lBkgndID)) && lBkgndID != 0)
            titles.insert(lBkgndID);
    }
    return titles;
}

HRESULT RemoveUnusedBackgrounds(IDSProjectData* pProj, std::set<LONG> titles)
{
    for (LONG lId : BackgroundTitles(GetMenuList(pProj, kAllTags)))
        titles.erase(lId);
    for (LONG lId : titles) {
        if (FindTitle(pProj, ULONG(lId)))
            CHECK_HR(pProj->RemoveTitle(lId, NULL));
    }
    return S_OK;
}

// Mends one command list of the project or a title: jumps to menus that are gone lead to the
// root menu, plays of titles that are gone go.
HRESULT MendCommands(IUnknown* pHolder, IDSProjectData* pProj, LONG lRootID)
{
    CCommandList commands(pHolder);
    bool bChanged = false;
    for (int i = 0; i < commands.size();) {
        DiscCommandParams& entry = commands[i];
        bool bJumpsNowhere =
            entry.command == DiscCommand_JumpMenu && !HasObject(pProj, LONG(entry.param1));
        bool bPlaysNothing =
            entry.command == DiscCommand_PlayTitle && !HasObject(pProj, LONG(entry.param1));
        if (bJumpsNowhere && lRootID != 0) {
            entry.param1 = lRootID;
            bChanged = true;
        } else if (bJumpsNowhere || bPlaysNothing) {
            CHECK_HR(commands.Remove(i));
            bChanged = true;
            continue;
        }
        ++i;
    }
    if (bChanged)
        CHECK_HR(commands.Commit());
    return S_OK;
}

} // namespace

HRESULT DeleteMenusExcept(IDSProjectData* pProj, ULONG mask, IDSMenu* pKeep)
{
    std::vector<CComPtr<IDSMenu>> doomed;
    for (CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, mask)) {
        if (!pKeep || GetID(spMenu) != GetID(pKeep))
            doomed.push_back(std::move(spMenu));
    }
    std::set<LONG> backgrounds = BackgroundTitles(doomed);
    for (const CComPtr<IDSMenu>& spMenu : doomed)
        CHECK_HR(pProj->RemoveMenu(GetID(spMenu), NULL));
    CHECK_HR(CDSMenuUtils::RemoveUnreferencedTransitions(pProj));
    CHECK_HR_SHORT(RemoveUnusedBackgrounds(pProj, std::move(backgrounds)));
    return S_OK;
}

HRESULT MendDeadLinks(IDSProjectData* pProj)
{
    LONG lRootID = GetID(CDSMenuUtils::GetRootMenu(pProj));
    CHECK_HR_SHORT(MendCommands(pProj, pProj, lRootID));
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(pProj, kAllTags))
        CHECK_HR_SHORT(MendCommands(spTitle, pProj, lRootID));
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, kAllTags))
        PurgeDeadLinks(spMenu);
    return S_OK;
}

HRESULT SetMenulessEnd(IDSTitle* pTitle, bool bMenuless)
{
    CCommandList commands(pTitle);
    bool bHasEnd = commands.size() > 0 && commands[0].command == DiscCommand_MenulessTitleEnd;
    if (bMenuless == bHasEnd)
        return S_OK;
    if (!bMenuless)
        CHECK_HR(commands.Remove(0));
    else if (commands.size() == 0)
        CHECK_HR(commands.InsertCmd(0, DiscCommand_MenulessTitleEnd, 0, 0));
    else
        CHECK_HR(commands.SetCmd(0, DiscCommand_MenulessTitleEnd, 0, 0));
    CHECK_HR(commands.Commit());
    return S_OK;
}

HRESULT SetMenulessEnds(IDSProjectData* pProj, bool bMenuless)
{
    for (const CComPtr<IDSTitle>& spTitle : GetPlayableTitles(pProj))
        CHECK_HR_SHORT(SetMenulessEnd(spTitle, bMenuless));
    return S_OK;
}
