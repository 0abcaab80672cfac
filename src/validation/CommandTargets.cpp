#include "CommandTargets.h"

#include "DiscObjects.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/IDSCommandList.h"

#include <algorithm>

namespace {

bool IsTransition(DiscCommand command)
{
    return command == DiscCommand_Transition || command == DiscCommand_TransitionClip;
}

bool IsExcluded(IDSTitle* pTitle)
{
    VARIANT_BOOL excluded = VARIANT_FALSE;
    return SUCCEEDED(pTitle->get_Excluded(&excluded)) && excluded != VARIANT_FALSE;
}

} // namespace

CCommandTargets::CCommandTargets(IDSProjectData* pProject) : m_pProject(pProject) {}

void CCommandTargets::Append(const DiscCommandParams& command, IDSMenu* pMenu, LONG lTitleID,
                             std::vector<CommandTarget>& targets)
{
    switch (command.command) {
    case DiscCommand_PlayTitle:
        AppendObject(command.param1, false, targets);
        break;
    case DiscCommand_JumpMenu:
        AppendObject(command.param1, true, targets);
        break;
    case DiscCommand_PlayAll:
        AppendPlayAll(targets);
        break;
    case DiscCommand_PlayMenuTitles:
        AppendMenuTitles(pMenu, targets);
        break;
    case DiscCommand_MenulessTitleEnd:
        AppendNextTitle(lTitleID, targets);
        break;
    default:
        // A transition names its transition menu once one was made for it; before that it
        // only plays on the way to the main command.
        if (IsTransition(command.command) && command.param1 > 0)
            AppendObject(command.param1, true, targets);
        break;
    }
}

HRESULT CCommandTargets::AppendAll(IUnknown* pObject, IDSMenu* pMenu, LONG lTitleID,
                                   std::vector<CommandTarget>& targets)
{
    CComQIPtr<IDSCommandList> spList(pObject);
    if (!spList)
        return S_OK;
    CCommandList commands;
    HRESULT hr = commands.Init(spList);
    if (SUCCEEDED(hr))
        AppendList(commands, pMenu, lTitleID, targets);
    return hr;
}

void CCommandTargets::AppendList(CCommandList& commands, IDSMenu* pMenu, LONG lTitleID,
                                 std::vector<CommandTarget>& targets)
{
    for (int i = 0; i < commands.size(); ++i)
        Append(commands[i], pMenu, lTitleID, targets);
}

HRESULT CCommandTargets::GetFirstPlay(std::vector<FirstPlayTarget>& starts)
{
    std::vector<CommandTarget> targets;
    HRESULT hr = AppendAll(m_pProject, nullptr, 0, targets);
    if (FAILED(hr))
        return hr;
    for (const CommandTarget& target : targets) {
        if (target.found)
            starts.push_back({target.id, target.isMenu, "project commands"});
    }
    if (IDSTitle* pFirstPlay = CDSMenuUtils::GetFirstPlayTitle(m_pProject))
        starts.push_back({GetID(pFirstPlay), false, "first-play title"});
    if (IDSMenu* pRoot = CDSMenuUtils::GetRootMenu(m_pProject))
        starts.push_back({GetID(pRoot), true, "root menu"});
    // A disc without menus plays its titles one after another from the first.
    if (starts.empty() && IsMenuless(m_pProject) && !PlayableTitles().empty())
        starts.push_back({GetID(PlayableTitles().front()), false, "first title"});
    return S_OK;
}

const std::vector<CComPtr<IDSTitle>>& CCommandTargets::PlayableTitles()
{
    if (!m_bPlayableRead) {
        m_playable = GetPlayableTitles(m_pProject);
        m_bPlayableRead = true;
    }
    return m_playable;
}

void CCommandTargets::AppendObject(LONG id, bool isMenu, std::vector<CommandTarget>& targets)
{
    bool found = isMenu ? FindMenu(m_pProject, static_cast<ULONG>(id)) != nullptr
                        : FindTitle(m_pProject, static_cast<ULONG>(id)) != nullptr;
    targets.push_back({id, isMenu, found});
}

void CCommandTargets::AppendPlayAll(std::vector<CommandTarget>& targets)
{
    for (const CComPtr<IDSTitle>& spTitle : PlayableTitles()) {
        if ((GetTag(spTitle) & TitleType_User) != 0 && !IsExcluded(spTitle))
            targets.push_back({GetID(spTitle), false, true});
    }
}

void CCommandTargets::AppendMenuTitles(IDSMenu* pMenu, std::vector<CommandTarget>& targets)
{
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, ButtonType_Command)) {
        if (IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(spButton, nullptr, false))
            targets.push_back({GetID(pTitle), false, true});
    }
}

void CCommandTargets::AppendNextTitle(LONG lTitleID, std::vector<CommandTarget>& targets)
{
    const std::vector<CComPtr<IDSTitle>>& titles = PlayableTitles();
    auto current = std::find_if(titles.begin(), titles.end(),
                                [lTitleID](const auto& title) { return GetID(title) == lTitleID; });
    if (current != titles.end() && std::next(current) != titles.end())
        targets.push_back({GetID(*std::next(current)), false, true});
}
