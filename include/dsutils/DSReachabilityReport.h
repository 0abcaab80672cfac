// Which menus and titles of a disc a viewer can reach, and how. Starting from the disc's first
// play, the report follows every navigation command a player follows: the project's own
// commands, what titles and menus do when they end, and every button of every menu reached
// (command, navigation, chapter and chapter-index buttons alike), transitions included. It
// lists the menus and titles no viewer can ever reach, the buttons that lead nowhere, and one
// shortest path (fewest steps) to every object that can be reached.
//
//     CDSReachabilityReport report;
//     CHECK_HR(report.Build(spProject));
//     for (const CDSReachabilityReport::Object& menu : report.GetUnreachableMenus())
//         Warn(menu.id, menu.name);
//     std::string json;
//     CHECK_HR(report.WriteJson(json));
//
// The disc starts with what the project's own commands lead to, its first-play title and its
// root menu; a project without main or chapter menus and without the other two starts with
// its first title. A title of a project without menus ends by playing the next one
// (DiscCommand_MenulessTitleEnd). Template menus and private titles (menu backgrounds,
// montages) are not shown to a viewer on their own and are never listed as unreachable.
#pragma once

#include "platform/Unknown.h"

#include <map>
#include <string>
#include <vector>

class CDSReachabilityReport
{
public:
    // How a step of a path was taken.
    enum StepKind
    {
        // The disc's first play (the first step of every path).
        Step_Start = 0,
        // A button pressed on the menu of the step before.
        Step_Button = 1,
        // The command of the menu or title of the step before, when it ended.
        Step_End = 2,
    };

    // A menu or a title, with the name a person knows it by (a menu's first text, a title's
    // name).
    struct Object
    {
        LONG id = 0;
        bool isMenu = false;
        std::wstring name;
    };

    // One step of a path: the object reached and how.
    struct Step
    {
        Object object;
        StepKind kind = Step_Start;
        // Step_Button: the button pressed. 0 otherwise.
        LONG buttonId = 0;
        // Step_Start: "project commands", "first-play title", "root menu" or "first title".
        std::string start;
    };

    // A button that leads nowhere: none of its commands leads to a title or menu of the
    // project.
    struct DeadButton
    {
        LONG buttonId = 0;
        LONG menuId = 0;
        // IDs its commands name that the project has no title or menu of; empty when it has no
        // command that names anything.
        std::vector<LONG> unknownTargets;
    };

    // Walks the project's navigation; what an earlier Build found is dropped first. E_POINTER
    // when the argument is not a project; a failed read of the project is returned and leaves
    // the report empty.
    HRESULT Build(IUnknown* pProject);

    // Where the disc starts, in the order above.
    const std::vector<Step>& GetStarts() const { return m_starts; }
    // Every object that can be reached, in the order the walk met them (nearest first).
    const std::vector<Object>& GetReachable() const { return m_reachable; }
    // The menus and titles no viewer can reach, in project order.
    const std::vector<Object>& GetUnreachableMenus() const { return m_unreachableMenus; }
    const std::vector<Object>& GetUnreachableTitles() const { return m_unreachableTitles; }
    // The buttons that lead nowhere, menus in project order and buttons in element order, on
    // every menu of the disc, reachable or not.
    const std::vector<DeadButton>& GetDeadButtons() const { return m_deadButtons; }

    bool IsReachable(LONG id) const { return m_paths.count(id) != 0; }
    // A shortest path from the disc's start to the object, the object last; empty when it
    // cannot be reached.
    std::vector<Step> GetPath(LONG id) const;

    // The whole report as JSON (UTF-8) into out: "starts", "reachable" (each with its "path"),
    // "unreachableMenus", "unreachableTitles" and "deadButtons".
    HRESULT WriteJson(std::string& out) const;

private:
    // Where the walk came from to reach an object.
    struct Arrival
    {
        Step step;
        // The object the step was taken from; 0 for a start.
        LONG fromId = 0;
    };

    std::vector<Step> m_starts;
    std::vector<Object> m_reachable;
    std::vector<Object> m_unreachableMenus;
    std::vector<Object> m_unreachableTitles;
    std::vector<DeadButton> m_deadButtons;
    std::map<LONG, Arrival> m_paths;
};
