// The themes a person can choose from, as a JSON document: the theme files (".dmsd") of the
// content folder's theme folders (and their folders for the user's language) and of the user's
// own theme folders, for each aspect ratio asked for. The same folders, in the same order, are
// where a theme is looked up by its name.
#pragma once

#include "model/ProjectEnums.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// Fills report["folders"] (every folder searched, whether it exists or not) and
// report["themes"] (one entry per theme file, in folder order and then name order). Themes are
// read as the library loads them (CMenuStyleUtil::Load); one that cannot be read is listed with
// the reason. The default is the theme a new project of that shape takes
// (CMenuStyleUtil::LoadDefault); the settings that choice is kept in are left as they were.
// Fails only when the object model cannot be created.
HRESULT ListThemes(const std::vector<AspectRatio>& aspects, nlohmann::json& report);

// The theme file called name (its file name without ".dmsd", compared without regard to case)
// for menus of the aspect: the first found in the folders ListThemes searches, in its order.
// Empty when there is none.
std::wstring FindThemeFile(const std::string& name, AspectRatio aspect);
