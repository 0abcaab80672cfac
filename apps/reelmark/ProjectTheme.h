// Giving a project the look of another theme: the theme's templates take the place of the
// project's, and every main and chapter menu takes the look of its new template.
#pragma once

#include "model/IDSProjectData.h"

#include <vector>

// The menu types (MenuType_Main, MenuType_Chapter) of which the project has menus but the
// theme has no template, in that order; empty when the theme serves every menu.
std::vector<ULONG> MenuTypesWithoutTemplate(IDSProjectData* project, IDSProjectData* theme);

// What ReplaceTheme changed.
struct ThemeChange
{
    int templatesRemoved = 0;
    int templatesAdded = 0;
    int menusStyled = 0;
};

// Copies the theme's templates into the project as a ring of their own (CopyTemplates),
// applies them to every main and chapter menu (ApplyThemeToMenus), then deletes the templates
// the project had, so that none is left that no menu uses. A menu that still names a deleted
// template (a transition menu, which takes no look from a theme) is given the new ring.
// E_INVALIDARG when the theme has no template or leaves a menu type of the project without one
// (MenuTypesWithoutTemplate); then nothing is changed. A failure on the way is reported on the
// error stack and returned; the project may then be half changed, and its caller must not keep
// it.
HRESULT ReplaceTheme(IDSProjectData* project, IDSProjectData* theme, ThemeChange& change);
