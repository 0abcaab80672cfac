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
    CCommandList projectCommands;
    CHECK_HR(projectCommands.Init(spProject.p));
    CHECK_HR_SHORT(scanCommandsForIDs(projectCommands, spProject, nullptr));

    // References and the buttons' own finding in one pass over the menus.
    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(spProject)) {
        CCommandList menuCommands;
        CHECK_HR(menuCommands.Init(spMenu.p));
        CHECK_HR_SHORT(scanCommandsForIDs(menuCommands, spProject, spMenu));
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kAllTags)) {
            CCommandList buttonCommands;
            CHECK_HR(buttonCommands.Init(spButton.p));
            CHECK_HR_SHORT(scanCommandsForIDs(buttonCommands, spProject, spMenu));
            if (!LeadsSomewhere(buttonCommands, spProject, spMenu))
                AddFinding(m_errors, ErrorCode_ButtonLeadsNowhere, ErrorSeverity_Warning,
                           GetID(spButton))
                    .setMenuID(GetID(spMenu));
        }
    }

    // The disc's start refers to the first-play title and the root menu; where the first-play
    // title goes when it ends counts as well.
    if (CComPtr<IDSTitle> spIntroTitle = CDSMenuUtils::GetFirstPlayTitle(spProject)) {
        LONG nIntroID = 0;
        CHECK_HR(spIntroTitle->get_ID(&nIntroID));
        m_referencedIDs.insert(nIntroID);
        CCommandList introCommands;
        CHECK_HR(introCommands.Init(spIntroTitle.p));
        CHECK_HR_SHORT(scanCommandsForIDs(introCommands, spProject, nullptr));
    }
    if (IDSMenu* pRootMenu = CDSMenuUtils::GetRootMenu(spProject))
        m_referencedIDs.insert(GetID(pRootMenu));

    std::vector<CComPtr<IDSTitle>> titles = GetPlayableTitles(spProject);
    for (const CComPtr<IDSTitle>& spTitle : titles) {
        if (!m_referencedIDs.count(GetID(spTitle)))
            AddFinding(m_errors, ErrorCode_TitleNotReferenced, ErrorSeverity_Warning,
                       GetID(spTitle));
    }
    std::vector<CComPtr<IDSMenu>> menus = GetDiscMenus(spProject);
    for (const CComPtr<IDSMenu>& spMenu : menus) {
        if (!m_referencedIDs.count(GetID(spMenu)) && (GetFlag(spMenu) & MenuFlag_Still) == 0)
            AddFinding(m_errors, ErrorCode_MenuNotReferenced, ErrorSeverity_Warning, GetID(spMenu));
    }

    // A disc must start somewhere: with nothing to start with, say whether it has anything at
    // all to play.
    std::vector<FirstPlayTarget> starts;
    CHECK_HR_SHORT(CCommandTargets(spProject).GetFirstPlay(starts));
    if (starts.empty()) {
        bool bNothingToPlay = titles.empty() && menus.empty();
        AddFinding(m_errors, bNothingToPlay ? ErrorCode_NothingToPlay : ErrorCode_NoFirstPlay,
                   ErrorSeverity_Fatal, -1);
    }
    return S_OK;
}
