// A new project as a person asks for it: the disc format, the TV standard, the shape of the
// menus and the theme they take, with one main menu ready for titles.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"
#include "model/ProjectEnums.h"

#include <nlohmann/json.hpp>

#include <string>

struct NewProjectChoice
{
    DiscFormat format = DiscFormat_DVD;
    TVStandard tv = TVStandard_NTSC;
    AspectRatio aspect = AspectRatio_4x3;
    // A theme's name or path (ThemeLookup.h); empty for the default theme of the shape.
    std::string theme;
};

// Makes project a new project of the choice (CDSAppUtils::NewProject, then the TV standard and
// its encoding, then the theme's templates in place of the default's). Fills report with
// "format", "tv", "aspect" (keys of what the project became: a format may allow one shape
// only), "theme" (name and file; null for the default) and "menus". Failures are told on the
// console.
ExitStatus MakeNewProject(IDSProjectData* project, const NewProjectChoice& choice, Console& console,
                          nlohmann::json& report);

// The text of that report for people.
void PrintNewProject(const nlohmann::json& report, std::ostream& out);
