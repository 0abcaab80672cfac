// What the validate command reports, as a JSON document: every finding of the project validator
// with its severity, its code and what it means, the objects it names, and the reachability
// report of the disc (where it starts, what a viewer can and cannot reach, buttons that lead
// nowhere).
#pragma once

#include "model/IDSProjectData.h"

#include <nlohmann/json.hpp>

#include <iosfwd>

// Fills report["burnable"] (false when a finding stops the burn), report["counts"] (findings
// by severity), report["findings"] and report["reachability"] (CDSReachabilityReport's JSON).
// A check that cannot read the project is reported on the error stack and returned.
HRESULT ValidateProject(IDSProjectData* project, nlohmann::json& report);

// The report for people: the findings one a line, what a viewer cannot reach, and whether
// anything stops the burn.
void PrintValidation(const nlohmann::json& report, std::ostream& out);
