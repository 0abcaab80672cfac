// Titles added from media files as a person asks for them: each with a button on the root
// menu's chain (pages appended as they fill), chapters at times or at an interval, and a
// chapter menu behind its button when asked.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

struct ChapterPlan
{
    // Chapters every so many seconds; 0 for none.
    double every = 0.0;
    // Chapters at these times.
    std::vector<double> at;
    // A chapter menu behind the button of every title of more than one chapter.
    bool chapterMenus = false;
};

// Adds one title for each file, in order (CDSAppUtils::AddTitleWithButton), with the chapters
// and chapter menus of the plan; onTitle is called after each. Fills report["titles"] (per
// title: "number", "name", "file", "chapters", "chapterMenu") and report["rootPages"]. The first
// file that cannot be added is told on the console, naming it; the caller must not keep the
// project then.
ExitStatus AddTitles(IDSProjectData* project, const std::vector<std::string>& files,
                     const ChapterPlan& plan, const std::function<void()>& onTitle,
                     Console& console, nlohmann::json& report);

// The text of that report for people.
void PrintAddedTitles(const nlohmann::json& report, std::ostream& out);
