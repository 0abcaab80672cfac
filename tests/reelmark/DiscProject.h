// Projects for the program's tests, made through the library the way a person's projects are
// made: the templates of a shipped theme, main and chapter menus styled from them, and titles
// that play real clips, each reached by a button.
#pragma once

#include "support/ScratchFolder.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/ProjectEnums.h"
#include "platform/ComPtr.h"

#include <string>

// Writes a clip of two seconds with a tone into the folder (its container by the extension of
// clip) and appends a title called name that plays it.
CComPtr<IDSTitle> AddClipTitle(IDSProjectData* project, const ScratchFolder& folder,
                               const char* name, const std::string& clip);

// The templates of a shipped theme in a DVD project (PAL, the aspect's encoding).
class DiscProject
{
public:
    // theme is the file name without ".dmsd" in the theme folder of the aspect.
    DiscProject(AspectRatio aspect, const wchar_t* theme);

    // A menu of the type (MenuType_Main or MenuType_Chapter) with the look of its template and a
    // text naming it; the first main menu is the root menu.
    CComPtr<IDSMenu> AddMenu(ULONG type, const wchar_t* name);
    // A command button of the menu, made from its template, that leads to the title or menu and
    // is labelled with its name; the menu's buttons are laid out again.
    CComPtr<IDSMenuButton> AddButton(IDSMenu* menu, IUnknown* target);

    CComPtr<IDSProjectData> project;
    // The first template of the theme's ring in the project.
    CComPtr<IDSMenu> templates;
};
