// The themes a person can choose from, as a JSON document: the theme files (".dmsd") of the
// content folder's theme folders (and their folders for the user's language) and of the user's
// own theme folders, for each aspect ratio asked for.
#pragma once

#include "model/ProjectEnums.h"

#include <nlohmann/json.hpp>

#include <vector>

// Fills report["folders"] (every folder searched, whether it exists or not) and
// report["themes"] (one entry per theme file, in folder order and then name order). A theme
// file that cannot be read is listed with the reason. Fails only when the object model cannot
// be created.
HRESULT ListThemes(const std::vector<AspectRatio>& aspects, nlohmann::json& report);
