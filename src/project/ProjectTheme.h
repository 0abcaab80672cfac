// The theme a project's menus are rebuilt from.
#pragma once

#include "model/IDSProjectData.h"
#include "model/ProjectEnums.h"

#include "platform/ComPtr.h"

#include <string>

// The theme file the project's templates came from, for the aspect ratio: the theme whose
// folder holds the background of the project's first template ("…/Themes/Aurora/Back.png"
// comes with "…/Themes/Aurora.dmsd"), with the "4x3" or "16x9" folder of its path following the
// aspect ratio. Empty when the templates tell no theme file.
std::wstring ProjectThemePath(IDSProjectData* pProj, AspectRatio ar);

// Loads the theme for the project's menus: with bProjectTheme the project's own theme for the
// aspect ratio (ProjectThemePath) when it loads, else the default theme of the aspect ratio
// (CMenuStyleUtil::LoadDefault, which falls back to a theme built in memory). The failure of
// the default theme is reported and returned.
HRESULT LoadMenuTheme(IDSProjectData* pProj, AspectRatio ar, bool bProjectTheme,
                      CComPtr<IDSProjectData>& spDefsTheme);
