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
               "  reelmark new holiday.dmsd --format dvd --tv pal --aspect 16:9 --theme Fern\n"
               "  reelmark new film.dmsd --format bluray --theme ~/themes/Sunset.dmsd --json\n";
    }
    bool Reports() const override { return true; }

    void Define(CLI::App& command) override
    {
        command.add_option("PROJECT", m_path, "The new project file (.dmsd); it must not exist")
            ->required();
        AddDiscFormatOption(command, "--format", m_choice.format,
                            "The disc format (left out: dvd)");
        AddTVStandardOption(command, "--tv", m_choice.tv, "The TV standard (left out: ntsc)");
        m_aspectOption =
            AddAspectOption(command, "--aspect", m_choice.aspect,
                            "The shape of the menus (left out: 16:9 for high-definition formats, "
                            "else 4:3)");
        command.add_option("--theme", m_choice.theme,
                           "A theme's name (see 'reelmark themes') or the path of a theme file; "
                           "the default theme of the shape when left out");
    }

    ExitStatus Run(Console& console) override
    {
        ProjectDocument document;
        if (ExitStatus created = document.Create(m_path, console); created != ExitStatus::Success)
            return created;
        if (m_aspectOption->count() == 0 && IsHighDefinition(m_choice.format))
            m_choice.aspect = AspectRatio_16x9;
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
    static bool IsHighDefinition(DiscFormat format)
    {
        return format >= DiscFormat_BluRay && format <= DiscFormat_AVCHD;
    }

    std::string m_path;
    NewProjectChoice m_choice;
    CLI::Option* m_aspectOption = nullptr;
};

} // namespace

std::unique_ptr<Command> MakeNewCommand()
{
    return std::make_unique<NewCommand>();
}
