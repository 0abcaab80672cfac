// Options whose values are the keys DisplayNames gives (--format dvd, --tv pal, --aspect 16:9),
// taken without regard to case; any other value is a usage error that lists the choices.
#pragma once

#include "model/ProjectEnums.h"

#include <CLI/CLI.hpp>

#include <string>

CLI::Option* AddDiscFormatOption(CLI::App& command, const std::string& name, DiscFormat& value,
                                 const std::string& description);
CLI::Option* AddTVStandardOption(CLI::App& command, const std::string& name, TVStandard& value,
                                 const std::string& description);
CLI::Option* AddAspectOption(CLI::App& command, const std::string& name, AspectRatio& value,
                             const std::string& description);
