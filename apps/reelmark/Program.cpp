#include "Program.h"

#include "CommandRegistry.h"
#include "MediaLog.h"
#include "TextFormat.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr const char* kDescription =
    "reelmark builds and checks DVD and Blu-ray authoring projects: titles from video files, "
    "main and chapter menus from themes, and the checks before a burn.";

constexpr const char* kFooter =
    "Run 'reelmark COMMAND --help' for the arguments and examples of a command.\n"
    "\n"
    "Exit status: 0 done, 1 findings that stop the burn, 2 usage error, 3 failure.\n"
    "\n"
    "A crash leaves a report: Reelmark.dmp in the temporary folder ($TMPDIR, else /tmp) and\n"
    "a copy in Corvane/ErrorReports of the data folder ($XDG_DATA_HOME, else ~/.local/share).";

// The options every command takes, whichever command parses them.
struct CommonFlags
{
    bool json = false;
    bool verbose = false;
};

struct Subcommand
{
    CLI::App* app;
    Command* command;
};

Subcommand AddCommand(CLI::App& program, Command& command, CommonFlags& flags)
{
    CLI::App* app = program.add_subcommand(command.Name(), command.Summary());
    app->footer("Examples:\n" + command.Examples());
    app->group(command.Hidden() ? "" : "Commands");
    command.Define(*app);
    if (command.Reports())
        app->add_flag("--json", flags.json, "Write the report as one JSON document");
    app->add_flag("-v,--verbose", flags.verbose, "Show the library's error stack under an error");
    return {app, &command};
}

// The help line of a usage error: the command's own help when a command was named.
std::string HelpHint(const CLI::App& program)
{
    std::vector<CLI::App*> chosen = program.get_subcommands();
    std::string command = chosen.empty() ? "" : chosen.front()->get_name() + " ";
    return "run 'reelmark " + command + "--help' for help";
}

bool IsCommandName(const std::vector<Subcommand>& subcommands, const std::string& word)
{
    return std::any_of(subcommands.begin(), subcommands.end(), [&](const Subcommand& subcommand) {
        return subcommand.command->Name() == word;
    });
}

Command* ChosenCommand(const std::vector<Subcommand>& subcommands)
{
    for (const Subcommand& subcommand : subcommands) {
        if (subcommand.app->parsed())
            return subcommand.command;
    }
    return nullptr;
}

} // namespace

int RunProgram(int argc, const char* const* argv, Console& console)
{
    std::vector<std::unique_ptr<Command>> commands = CreateCommands();
    CLI::App program(kDescription, "reelmark");
    program.get_formatter()->label("SUBCOMMAND", "COMMAND");
    program.get_formatter()->label("Positionals", "Arguments");
    program.footer(kFooter);
    program.require_subcommand(1);
    program.set_version_flag("--version", "reelmark " DSUTILS_VERSION);
    CommonFlags flags;
    std::vector<Subcommand> subcommands;
    for (const std::unique_ptr<Command>& command : commands)
        subcommands.push_back(AddCommand(program, *command, flags));

    if (argc <= 1) {
        console.Fail("no command given; " + HelpHint(program), ExitStatus::Usage);
        return int(ExitStatus::Usage);
    }
    std::string first = argv[1];
    if (first[0] != '-' && !IsCommandName(subcommands, first)) {
        console.Fail("unknown command " + Quoted(first) + "; " + HelpHint(program),
                     ExitStatus::Usage);
        return int(ExitStatus::Usage);
    }
    try {
        program.parse(argc, argv);
    } catch (const CLI::Success& success) {
        // --help and --version.
        console.Out() << (dynamic_cast<const CLI::CallForVersion*>(&success)
                              ? std::string(success.what()) + "\n"
                              : program.help());
        return int(ExitStatus::Success);
    } catch (const CLI::ParseError& error) {
        console.Fail(std::string(error.what()) + "; " + HelpHint(program), ExitStatus::Usage);
        return int(ExitStatus::Usage);
    }
    console.SetJson(flags.json);
    console.SetVerbose(flags.verbose);
    QuietMediaLibraries(flags.verbose);
    return int(ChosenCommand(subcommands)->Run(console));
}
