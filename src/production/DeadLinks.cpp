#include "DeadLinks.h"
#include "DisplayList.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

namespace {

bool IsFound(IDSProjectData* pProject, LONG lId)
{
    CComPtr<IUnknown> spObject;
    return SUCCEEDED(pProject->FindByID(lId, &spObject)) && spObject;
}

bool IsDead(const DiscCommandParams& command, IDSProjectData* pProject, bool bHasUserTitles)
{
    switch (command.command) {
    case DiscCommand_PlayTitle:
    case DiscCommand_JumpMenu:
        return !IsFound(pProject, command.param1);
    case DiscCommand_PlayAll:
        return !bHasUserTitles;
    default:
        return false;
    }
}

void PurgeList(IUnknown* pHolder, IDSProjectData* pProject, bool bHasUserTitles)
{
    CCommandList commands;
    if (FAILED(commands.Init(pHolder)))
        return;
    bool bChanged = false;
    for (int i = 0; i < commands.size();) {
        if (IsDead(commands[i], pProject, bHasUserTitles) && SUCCEEDED(commands.Remove(i)))
            bChanged = true;
        else
            ++i;
    }
    if (bChanged)
        commands.Commit();
}

} // namespace

void PurgeDeadLinks(IDSMenu* pMenu)
{
    CComPtr<IDSProjectData> spProject = GetProject(pMenu);
    if (!spProject)
        return;
    bool bHasUserTitles = !GetUserTitles(spProject).empty();
    PurgeList(pMenu, spProject, bHasUserTitles);
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, kAllTags))
        PurgeList(spButton, spProject, bHasUserTitles);
}
