// What the menus command reports, as a JSON document: the project's main and chapter menus as
// chains of pages, each page's buttons and where each button leads, the root menu, and whether
// a viewer can reach each menu from where the disc starts (CDSReachabilityReport).
#pragma once

#include "model/IDSProjectData.h"

#include <nlohmann/json.hpp>

// Fills report["root"] (the root menu's ID, null without one) and report["menus"] (the chains,
// in the project order of their first pages). A failing read is reported on the error stack
// (cleared first) and returned.
HRESULT DescribeMenus(IDSProjectData* project, nlohmann::json& report);
