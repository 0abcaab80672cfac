// new PROJECT --format … --tv … --aspect … [--theme NAME|PATH]: a new, empty project with one main
// menu in the look of a theme.
#include "commands/Commands.h"

#include "ChoiceOptions.h"
#include "NewProjectSetup.h"
#include "ProjectDocument.h"

namespace {

class NewCommand : public Command
{
public:
    std::string Name() const override { return "new"; }
    std::string Summary() const override
    {
        return "Make a new project: its disc format, TV standard, menu shape and theme";
    }
    std::string Examples() const override
    {
        return "  reelmark new holiday.dmsd\n"
               "  reelmark new holiday.dmsd --format dvd --tv pal --aspect 16:9 --theme Ember\n"
               "  reelmark new film.dmsd --format bluray --theme ~/themes/Sunset.dmsd --json\n";
    }
    bool Reports() const override { return true; }

    void Define(CLI::App& command) override
    {
        command.add_option("PROJECT", m_path, "The new project file (.dmsd); it must not exist")
            ->required();
        AddDiscFormatOption(command, "--format", m_choice.format,
                            "The disc format: dvd, dvd2, dvd3, dvd4, vcd, svcd, bluray, "
                            "bluray2, hddvd, hddvd2, avchd")
            ->capture_default_str();
        AddTVStandardOption(command, "--tv", m_choice.tv, "The TV standard: ntsc or pal")
            ->capture_default_str();
        AddAspectOption(command, "--aspect", m_choice.aspect,
                        "The shape of the menus: 4:3 or 16:9 (high definition is always 16:9)")
            ->capture_default_str();
        command.add_option("--theme", m_choice.theme,
                           "A theme's name (see 'reelmark themes') or the path of a theme file; "
                           "the default theme of the shape when left out");
    }

    ExitStatus Run(Console& console) override
    {
        ProjectDocument document;
        if (ExitStatus created = document.Create(m_path, console); created != ExitStatus::Success)
            return created;
        nlohmann::json report = {{"project", m_path}};
        if (ExitStatus made = MakeNewProject(document.Project(), m_choice, console, report);
            made != ExitStatus::Success)
            return made;
        if (ExitStatus saved = document.Save(console); saved != ExitStatus::Success)
            return saved;
        console.Report(report, PrintNewProject);
        return ExitStatus::Success;
    }

private:
    std::string m_path;
    NewProjectChoice m_choice;
};

} // namespace

std::unique_ptr<Command> MakeNewCommand()
{
    return std::make_unique<NewCommand>();
}
