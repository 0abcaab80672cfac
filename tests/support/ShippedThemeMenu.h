// A main menu made the way a user makes one from a shipped theme: the theme's templates copied
// into a new project, the menu styled by its main template, and one command button for each
// title, labelled with the title's name, playing it, and laid out on the template's grid.
// Titles play clips whose frames are told apart by colour (support/ClipWriter.h). The object
// model's and the engine's classes must be registered.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <string>
#include <vector>

struct ShippedThemeTitle
{
    // The clip the title plays, and the moment of it that stands for the title.
    std::wstring clip;
    double thumbnailTime = 0.0;
    std::wstring name;
};

struct ShippedThemeMenu
{
    CComPtr<IDSProjectData> project;
    CComPtr<IDSMenu> menu;
    std::vector<CComPtr<IDSTitle>> titles;
    std::vector<CComPtr<IDSMenuButton>> buttons;
};

// theme is a content path such as "%CONTENT%/DVD/4x3/Themes/Aurora.dmsd".
HRESULT MakeShippedThemeMenu(const wchar_t* theme, const std::vector<ShippedThemeTitle>& titles,
                             ShippedThemeMenu& out);
