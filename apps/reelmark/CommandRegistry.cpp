#include "CommandRegistry.h"

#include "commands/Commands.h"

std::vector<std::unique_ptr<Command>> CreateCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeNewCommand());
    commands.push_back(MakeAddCommand());
    commands.push_back(MakeChaptersCommand());
    commands.push_back(MakeInfoCommand());
    commands.push_back(MakeMenusCommand());
    commands.push_back(MakeRenderCommand());
    commands.push_back(MakeValidateCommand());
    commands.push_back(MakeConvertCommand());
    commands.push_back(MakeThemeCommand());
    commands.push_back(MakeThemesCommand());
    commands.push_back(MakeButtonsCommand());
    commands.push_back(MakeDemoCommand());
    commands.push_back(MakeClipsCommand());
    return commands;
}
