// What the info command reports of a project, as a JSON document: the disc settings, the
// project's encoding parameters, every title with its duration, chapters, encoding and media
// files, and the sizes of the media and of the whole disc.
#pragma once

#include "model/IDSProjectData.h"

#include <nlohmann/json.hpp>

// Fills report. A failing read of the object model or the engine is reported on the error
// stack (cleared first) and returned.
HRESULT SummarizeProject(IDSProjectData* project, nlohmann::json& report);
