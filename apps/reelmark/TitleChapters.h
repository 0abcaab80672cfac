// The chapters of a title as the command line works on them: read, added, removed and moved
// through CDSChapterList, with the chapter menus that show them kept in step.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "platform/ComPtr.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// The title an argument names: its number as 'reelmark info' lists it, or its name (without
// regard to case). number receives its number. A title that is not there is told on the console.
ExitStatus FindTitleArgument(IDSProjectData* project, const std::string& argument,
                             CComPtr<IDSTitle>& title, LONG& number, Console& console);

// The title's chapters: one entry ("number", "time") per chapter, chapter 1 at 0.
HRESULT ReadChapters(IDSTitle* title, nlohmann::json& chapters);

// Adds a chapter at each time. A time the title cannot have a chapter at is told on the console
// with the title's name.
ExitStatus AddChapters(IDSTitle* title, const std::vector<double>& times, Console& console);

// Removes the chapters (numbers 2 and up that the title has).
ExitStatus RemoveChapters(IDSTitle* title, std::vector<LONG> chapters, Console& console);

// Moves the chapter to the time, with the checks of a new chapter's time; the chapter keeps its
// marker, and so its buttons on chapter menus.
ExitStatus MoveChapter(IDSTitle* title, LONG chapter, double time, Console& console);

// The title's number of chapters.
LONG ChapterCount(IDSTitle* title);

// Chapters every interval seconds from the start to the end of the title.
ExitStatus AddChaptersEvery(IDSTitle* title, double interval, Console& console);

// Brings every chapter menu that shows the title's chapters in line with them
// (CDSAppUtils::UpdateChapterMenusFromBtn on the button that leads to each); updated receives
// how many were.
HRESULT UpdateChapterMenusOf(IDSProjectData* project, IDSTitle* title, int& updated);

// The title's name for messages.
std::string TitleName(IDSTitle* title);
