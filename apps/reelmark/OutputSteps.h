// Steps that write into an output folder for commands that make files (render, clips, demo),
// each drawing its progress bar and telling a failure on the console.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// Makes the folder and the folders above it when missing.
ExitStatus MakeFolder(const std::string& folder, Console& console);

// Makes the folder and writes the demo's clips of seconds into it; files receives their paths.
ExitStatus MakeClips(const std::string& folder, double seconds, Console& console,
                     std::vector<std::wstring>& files);

// Makes the folder and writes the pictures of the project's menus into it (WriteMenuPictures),
// filling report.
ExitStatus PictureMenus(IDSProjectData* project, const std::string& folder,
                        const std::string& projectPath, Console& console, nlohmann::json& report);
