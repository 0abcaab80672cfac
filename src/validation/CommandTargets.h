// What the navigation commands of a project lead to, as a disc player follows them, and where
// the disc starts. The validator's orphan scan and the reachability report read commands
// through this one place.
#pragma once

#include "model/DiscCommand.h"
#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <vector>

class CCommandList;

// One object a command leads to. found is false when the project has no menu (for isMenu) or
// title of that ID: the command then leads nowhere.
struct CommandTarget
{
    LONG id = 0;
    bool isMenu = false;
    bool found = false;
};

// A place the disc starts from, and what makes it one.
struct FirstPlayTarget
{
    LONG id = 0;
    bool isMenu = false;
    // "project commands", "first-play title", "root menu" or "first title".
    const char* source = "";
};

class CCommandTargets
{
public:
    // Borrows the project for the life of the object.
    explicit CCommandTargets(IDSProjectData* pProject);

    // Appends what one command leads to:
    // - PlayTitle, JumpMenu: the title or menu its first parameter names;
    // - a transition (either kind) whose first parameter names its transition menu: that menu;
    // - PlayAll: every user title not excluded from play-all lists;
    // - PlayMenuTitles: the titles the command buttons of pMenu play (the menu whose own or
    //   button command it is; nothing without one);
    // - MenulessTitleEnd: the title after lTitleID in project order (private titles left out;
    //   nothing after the last).
    // Other commands lead nowhere and add nothing.
    void Append(const DiscCommandParams& command, IDSMenu* pMenu, LONG lTitleID,
                std::vector<CommandTarget>& targets);
    // The same for every command of a list.
    void AppendList(CCommandList& commands, IDSMenu* pMenu, LONG lTitleID,
                    std::vector<CommandTarget>& targets);
    // The same for every command of an object's command list (a project, title, menu or
    // button). The failure to read the list is returned; an object without one has no targets.
    HRESULT AppendAll(IUnknown* pObject, IDSMenu* pMenu, LONG lTitleID,
                      std::vector<CommandTarget>& targets);

    // Where the disc starts, in this order: what the project's own commands lead to, the
    // first-play title and the root menu; a project without main or chapter menus, with none
    // of these, starts with its first title. Targets that are not found are left out.
    HRESULT GetFirstPlay(std::vector<FirstPlayTarget>& starts);

    // GetPlayableTitles of the project, read once.
    const std::vector<CComPtr<IDSTitle>>& PlayableTitles();

private:
    void AppendObject(LONG id, bool isMenu, std::vector<CommandTarget>& targets);
    void AppendPlayAll(std::vector<CommandTarget>& targets);
    void AppendMenuTitles(IDSMenu* pMenu, std::vector<CommandTarget>& targets);
    void AppendNextTitle(LONG lTitleID, std::vector<CommandTarget>& targets);

    IDSProjectData* m_pProject;
    std::vector<CComPtr<IDSTitle>> m_playable;
    bool m_bPlayableRead = false;
};
