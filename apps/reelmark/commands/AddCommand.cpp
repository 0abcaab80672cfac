// add PROJECT FILE… [--chapters-every DURATION | --chapters-at T,T,…] [--chapter-menus]: titles
// from media files, each with a button on the main menu, with chapters and chapter menus.
#include "commands/Commands.h"

#include "ProjectCommand.h"
#include "TextFormat.h"
#include "TimeArgument.h"
#include "TitleAdding.h"

namespace {

class AddCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "add"; }
    std::string Summary() const override
    {
        return "Add titles from media files, each with a button on the main menu (pages are "
               "added as needed), with chapters and chapter menus";
    }
    std::string Examples() const override
    {
        return "  reelmark add holiday.dmsd beach.mp4 hills.mp4\n"
               "  reelmark add holiday.dmsd film.mkv --chapters-every 5:00 --chapter-menus\n"
               "  reelmark add holiday.dmsd talk.mp4 --chapters-at 1:30,12:00,25:10 --json\n";
    }
    bool Reports() const override { return true; }

protected:
    bool ChangesProject() const override { return true; }

    void DefineOptions(CLI::App& command) override
    {
        command.add_option("FILE", m_files, "The media files, one title each")->required();
        CLI::Option* every = command.add_option(
            "--chapters-every", m_every,
            "A chapter every DURATION from the start (seconds, or minutes and seconds: 5:00)");
        command
            .add_option("--chapters-at", m_at,
                        "Chapters at these times, separated by commas (1:30,12:00)")
            ->excludes(every);
        command.add_flag("--chapter-menus", m_plan.chapterMenus,
                         "Give every title of more than one chapter a chapter menu behind its "
                         "button");
    }

    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        if (ExitStatus parsed = ParsePlan(console); parsed != ExitStatus::Success)
            return parsed;
        nlohmann::json report = {{"project", document.Path()}};
        ExitStatus status = ExitStatus::Success;
        {
            ProgressBar progress = console.Progress("Adding titles", int(m_files.size()));
            status = AddTitles(
                document.Project(), m_files, m_plan, [&] { progress.Advance(); }, console, report);
        }
        if (status == ExitStatus::Success)
            console.Report(report, PrintAddedTitles);
        return status;
    }

private:
    ExitStatus ParsePlan(Console& console)
    {
        std::string usage = "; run 'reelmark add --help' for help";
        if (!m_every.empty()) {
            std::optional<double> every = ParseTime(m_every);
            if (!every || *every <= 0)
                return console.Fail("bad duration " + Quoted(m_every) +
                                        " for --chapters-every: " + kTimeHint + usage,
                                    ExitStatus::Usage);
            m_plan.every = *every;
        }
        if (!m_at.empty()) {
            std::optional<std::vector<double>> at = ParseTimeList(m_at);
            if (!at)
                return console.Fail("bad times " + Quoted(m_at) +
                                        " for --chapters-at: " + kTimeHint + usage,
                                    ExitStatus::Usage);
            m_plan.at = *at;
        }
        return ExitStatus::Success;
    }

    std::vector<std::string> m_files;
    std::string m_every;
    std::string m_at;
    ChapterPlan m_plan;
};

} // namespace

std::unique_ptr<Command> MakeAddCommand()
{
    return std::make_unique<AddCommand>();
}
