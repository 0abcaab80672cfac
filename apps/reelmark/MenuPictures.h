// The pictures of a project's menus for people to look at: every main and chapter menu page
// resolved (its production brought up to date with the menu), a frame of its production, its
// DVD subpicture, its button highlights in the normal, selected and activated state laid over
// the frame, and one contact sheet of all pages.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "platform/ComPtr.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

// The menu pages that are pictured, in project order.
std::vector<CComPtr<IDSMenu>> PicturedPages(IDSProjectData* project);

// Writes the pictures of every page of PicturedPages into folder, which must exist; onPage is
// called after each page. Fills report["pages"] (per page: "id", "name", "kind", "width",
// "height", "picture", "subpicture", "highlights" with "normal", "selected" and "activated")
// and report["contactSheet"] (null without pages). The first failure is reported on the error
// stack with its page and returned; the pictures written before it stay.
HRESULT WriteMenuPictures(IDSProjectData* project, const std::wstring& folder,
                          const std::function<void()>& onPage, nlohmann::json& report);

// The text of that report for people.
void PrintMenuPictures(const nlohmann::json& report, std::ostream& out);
