// The button styles a person can choose from, as a JSON document: the styles of the button
// folders of the content folder, each with the kinds of button it serves and its preview.
#pragma once

#include "model/ProjectEnums.h"

#include <nlohmann/json.hpp>

#include <vector>

// Fills report["folders"] (the button folder of each aspect ratio asked for) and
// report["styles"] (the styles the library finds there, GetButtonStyleInfo, in its order), each
// with its name, file, aspect, the kinds of button it serves ("types") and its preview picture
// (null when it has none) with the picture's size. A failure of the library is reported on the
// error stack and returned.
HRESULT ListButtonStyles(const std::vector<AspectRatio>& aspects, nlohmann::json& report);
