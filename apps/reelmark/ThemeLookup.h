// A theme named on the command line: by its name among the themes 'reelmark themes' lists for a
// shape of menus, or by the path of a theme file; found and loaded with errors a person
// understands.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"
#include "model/ProjectEnums.h"
#include "platform/ComPtr.h"

#include <string>

// The file of the theme argument for menus of the aspect. An argument holding a separator or
// ending in ".dmsd" is a path; anything else a name.
ExitStatus FindThemeArgument(const std::string& argument, AspectRatio aspect, std::wstring& file,
                             Console& console);

// Loads the theme file; one that cannot be read or has no menu templates is refused.
ExitStatus LoadThemeFile(const std::wstring& file, CComPtr<IDSProjectData>& theme,
                         Console& console);

// The theme argument found for the shape of the project's menus and loaded: FindThemeArgument,
// then LoadThemeFile.
ExitStatus LoadThemeForProject(IDSProjectData* project, const std::string& argument,
                               std::wstring& file, CComPtr<IDSProjectData>& theme,
                               Console& console);

// The theme's name: its file name without ".dmsd".
std::string ThemeName(const std::wstring& file);
