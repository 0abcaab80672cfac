#include "dsutils/DSReachabilityReport.h"

#include "CommandTargets.h"
#include "DiscObjects.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <deque>

namespace {

using Object = CDSReachabilityReport::Object;
using DeadButton = CDSReachabilityReport::DeadButton;

struct Edge
{
    LONG to = 0;
    CDSReachabilityReport::StepKind kind = CDSReachabilityReport::Step_End;
    LONG buttonId = 0;
};

// The navigation of a project: its menus and titles by ID, and where each leads.
struct Graph
{
    std::map<LONG, Object> objects;
    std::map<LONG, std::vector<Edge>> edges;
    std::vector<DeadButton> deadButtons;
};

Object ObjectOf(IUnknown* pObject, bool isMenu)
{
    return {GetID(pObject), isMenu, GetDisplayName(pObject, nullptr).Str()};
}

void AddEdges(const std::vector<CommandTarget>& targets, LONG from,
              CDSReachabilityReport::StepKind kind, LONG buttonId, Graph& graph)
{
    for (const CommandTarget& target : targets) {
        if (target.found)
            graph.edges[from].push_back({target.id, kind, buttonId});
    }
}

// A button none of whose commands leads to an object of the project leads nowhere.
void NoteDeadButton(const std::vector<CommandTarget>& targets, LONG buttonId, LONG menuId,
                    Graph& graph)
{
    if (std::any_of(targets.begin(), targets.end(), [](const auto& t) { return t.found; }))
        return;
    DeadButton& dead = graph.deadButtons.emplace_back();
    dead.buttonId = buttonId;
    dead.menuId = menuId;
    for (const CommandTarget& target : targets) {
        if (target.id != 0)
            dead.unknownTargets.push_back(target.id);
    }
}

HRESULT ReadTitle(CCommandTargets& navigation, IDSTitle* pTitle, Graph& graph)
{
    LONG id = GetID(pTitle);
    graph.objects[id] = ObjectOf(pTitle, false);
    std::vector<CommandTarget> targets;
    CHECK_HR_SHORT(navigation.AppendAll(pTitle, nullptr, id, targets));
    AddEdges(targets, id, CDSReachabilityReport::Step_End, 0, graph);
    return S_OK;
}

HRESULT ReadMenu(CCommandTargets& navigation, IDSMenu* pMenu, Graph& graph)
{
    LONG id = GetID(pMenu);
    graph.objects[id] = ObjectOf(pMenu, true);
    std::vector<CommandTarget> targets;
    CHECK_HR_SHORT(navigation.AppendAll(pMenu, pMenu, 0, targets));
    AddEdges(targets, id, CDSReachabilityReport::Step_End, 0, graph);
    bool onDisc = !IsTemplateOnlyMenu(pMenu);
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, kAllTags)) {
        targets.clear();
        CHECK_HR_SHORT(navigation.AppendAll(spButton, pMenu, 0, targets));
        AddEdges(targets, id, CDSReachabilityReport::Step_Button, GetID(spButton), graph);
        if (onDisc)
            NoteDeadButton(targets, GetID(spButton), id, graph);
    }
    return S_OK;
}

HRESULT ReadGraph(IDSProjectData* pProject, CCommandTargets& navigation, Graph& graph)
{
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(pProject, kAllTags))
        CHECK_HR_SHORT(ReadTitle(navigation, spTitle, graph));
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, kAllTags))
        CHECK_HR_SHORT(ReadMenu(navigation, spMenu, graph));
    return S_OK;
}

} // namespace

HRESULT CDSReachabilityReport::Build(IUnknown* pProject)
{
    KVUClearErrorStack();
    *this = CDSReachabilityReport();
    CComQIPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL_TEXT(spProject.p, "(IDSProjectData*) spProject");
    CCommandTargets navigation(spProject);
    Graph graph;
    CHECK_HR_SHORT(ReadGraph(spProject, navigation, graph));
    std::vector<FirstPlayTarget> starts;
    CHECK_HR_SHORT(navigation.GetFirstPlay(starts));

    std::deque<LONG> queue;
    auto arrive = [&](LONG id, const Step& step, LONG from) {
        if (m_paths.count(id) || !graph.objects.count(id))
            return;
        m_paths[id] = {step, from};
        m_reachable.push_back(step.object);
        queue.push_back(id);
    };
    for (const FirstPlayTarget& start : starts) {
        Step step{graph.objects[start.id], Step_Start, 0, start.source};
        m_starts.push_back(step);
        arrive(start.id, step, 0);
    }
    while (!queue.empty()) {
        LONG from = queue.front();
        queue.pop_front();
        for (const Edge& edge : graph.edges[from])
            arrive(edge.to, {graph.objects[edge.to], edge.kind, edge.buttonId, ""}, from);
    }

    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(spProject)) {
        if (!IsReachable(GetID(spMenu)))
            m_unreachableMenus.push_back(graph.objects[GetID(spMenu)]);
    }
    for (const CComPtr<IDSTitle>& spTitle : GetPlayableTitles(spProject)) {
        if (!IsReachable(GetID(spTitle)))
            m_unreachableTitles.push_back(graph.objects[GetID(spTitle)]);
    }
    m_deadButtons = std::move(graph.deadButtons);
    return S_OK;
}

std::vector<CDSReachabilityReport::Step> CDSReachabilityReport::GetPath(LONG id) const
{
    std::vector<Step> path;
    for (auto arrival = m_paths.find(id); arrival != m_paths.end();
         arrival = m_paths.find(arrival->second.fromId)) {
        path.push_back(arrival->second.step);
        if (arrival->second.step.kind == Step_Start)
            break;
    }
    std::reverse(path.begin(), path.end());
    return path;
}
