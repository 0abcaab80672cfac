// One maker per command; each command lives in its own source file of this folder.
#pragma once

#include "Command.h"

#include <memory>

std::unique_ptr<Command> MakeNewCommand();
std::unique_ptr<Command> MakeAddCommand();
std::unique_ptr<Command> MakeChaptersCommand();
std::unique_ptr<Command> MakeConvertCommand();
std::unique_ptr<Command> MakeInfoCommand();
std::unique_ptr<Command> MakeMenusCommand();
std::unique_ptr<Command> MakeThemesCommand();
std::unique_ptr<Command> MakeThemeCommand();
std::unique_ptr<Command> MakeButtonsCommand();
std::unique_ptr<Command> MakeValidateCommand();
std::unique_ptr<Command> MakeRenderCommand();
std::unique_ptr<Command> MakeDemoCommand();
std::unique_ptr<Command> MakeClipsCommand();
