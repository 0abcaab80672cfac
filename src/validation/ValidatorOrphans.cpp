// The orphan scan of the validator: buttons that lead nowhere, menus and titles that no
// command refers to, and a disc with nothing to start with.
#include "dsutils/DSProjectValidator.h"

#include "CommandTargets.h"
#include "DiscObjects.h"
#include "Findings.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <functional>

namespace {

std::vector<CommandTarget> TargetsOf(CCommandList& commands, IDSProjectData* pProject,
                                     IDSMenu* pMenu)
{
    std::vector<CommandTarget> targets;
    CCommandTargets(pProject).AppendList(commands, pMenu, 0, targets);
    return targets;
}

// Whether one of the commands leads to a title or menu the project has.
bool LeadsSomewhere(CCommandList& commands, IDSProjectData* pProject, IDSMenu* pMenu)
{
    std::vector<CommandTarget> targets = TargetsOf(commands, pProject, pMenu);
    return std::any_of(targets.begin(), targets.end(),
                       [](const CommandTarget& target) { return target.found; });
}

// Scans one command list for the objects it refers to (scanCommandsForIDs of the validator);
// the menu is the one whose own or button commands they are.
using ScanCommands = std::function<HRESULT(CCommandList& commands, IDSMenu* pMenu)>;

// The commands of every menu and of its buttons; a button that leads nowhere is a finding.
HRESULT ScanMenus(IDSProjectData* pProject, const ScanCommands& scan,
                  std::vector<CErrorInfo>& errors)
{
    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(pProject)) {
        CCommandList menuCommands;
        CHECK_HR(menuCommands.Init(spMenu.p));
        CHECK_HR_SHORT(scan(menuCommands, spMenu));
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kAllTags)) {
            CCommandList buttonCommands;
            CHECK_HR(buttonCommands.Init(spButton.p));
            CHECK_HR_SHORT(scan(buttonCommands, spMenu));
            if (!LeadsSomewhere(buttonCommands, pProject, spMenu))
                AddFinding(errors, ErrorCode_ButtonLeadsNowhere, ErrorSeverity_Warning,
                           GetID(spButton))
                    .setMenuID(GetID(spMenu));
        }
    }
    return S_OK;
}

// The disc's start refers to the first-play title and the root menu; where the first-play
// title goes when it ends counts as well.
HRESULT ScanFirstPlay(IDSProjectData* pProject, const ScanCommands& scan,
                      std::set<LONG>& referenced)
{
    if (CComPtr<IDSTitle> spIntroTitle = CDSMenuUtils::GetFirstPlayTitle(pProject)) {
        LONG nIntroID = 0;
        CHECK_HR(spIntroTitle->get_ID(&nIntroID));
        referenced.insert(nIntroID);
        CCommandList introCommands;
        CHECK_HR(introCommands.Init(spIntroTitle.p));
        CHECK_HR_SHORT(scan(introCommands, nullptr));
    }
    if (IDSMenu* pRootMenu = CDSMenuUtils::GetRootMenu(pProject))
        referenced.insert(GetID(pRootMenu));
    return S_OK;
}

// Titles, and menus but still ones, that nothing refers to.
void FindUnreferenced(const std::vector<CComPtr<IDSTitle>>& titles,
                      const std::vector<CComPtr<IDSMenu>>& menus, const std::set<LONG>& referenced,
                      std::vector<CErrorInfo>& errors)
{
    for (const CComPtr<IDSTitle>& spTitle : titles) {
        if (!referenced.count(GetID(spTitle)))
            AddFinding(errors, ErrorCode_TitleNotReferenced, ErrorSeverity_Warning, GetID(spTitle));
    }
    for (const CComPtr<IDSMenu>& spMenu : menus) {
        if (!referenced.count(GetID(spMenu)) && (GetFlag(spMenu) & MenuFlag_Still) == 0)
            AddFinding(errors, ErrorCode_MenuNotReferenced, ErrorSeverity_Warning, GetID(spMenu));
    }
}

// A disc must start somewhere: with nothing to start with, the finding says whether it has
// anything at all to play.
HRESULT CheckStart(IDSProjectData* pProject, bool bHasAnything, std::vector<CErrorInfo>& errors)
{
    std::vector<FirstPlayTarget> starts;
    CHECK_HR_SHORT(CCommandTargets(pProject).GetFirstPlay(starts));
    if (starts.empty())
        AddFinding(errors, bHasAnything ? ErrorCode_NoFirstPlay : ErrorCode_NothingToPlay,
                   ErrorSeverity_Fatal, -1);
    return S_OK;
}

} // namespace

HRESULT CDSProjectValidator::scanCommandsForIDs(CCommandList& commands, IDSProjectData* pProject,
                                                IDSMenu* pMenu)
{
    LONG lSelfID = pMenu ? GetID(pMenu) : 0;
    for (const CommandTarget& target : TargetsOf(commands, pProject, pMenu)) {
        if (target.found && !(target.isMenu && target.id == lSelfID))
            m_referencedIDs.insert(target.id);
    }
    return S_OK;
}

HRESULT CDSProjectValidator::findOrphans(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CComPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL(spProject.p);
    m_referencedIDs.clear();
    ScanCommands scan = [this, &spProject](CCommandList& commands, IDSMenu* pMenu) {
        return scanCommandsForIDs(commands, spProject, pMenu);
    };
    CCommandList projectCommands;
    CHECK_HR(projectCommands.Init(spProject.p));
    CHECK_HR_SHORT(scan(projectCommands, nullptr));
    CHECK_HR_SHORT(ScanMenus(spProject, scan, m_errors));
    CHECK_HR_SHORT(ScanFirstPlay(spProject, scan, m_referencedIDs));
    std::vector<CComPtr<IDSTitle>> titles = GetPlayableTitles(spProject);
    std::vector<CComPtr<IDSMenu>> menus = GetDiscMenus(spProject);
    FindUnreferenced(titles, menus, m_referencedIDs, m_errors);
    CHECK_HR_SHORT(CheckStart(spProject, !titles.empty() || !menus.empty(), m_errors));
    return S_OK;
}
