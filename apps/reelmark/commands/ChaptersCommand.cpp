// chapters PROJECT TITLE list|add|remove|move …: a title's chapters, listed or changed, with the
// chapter menus that show them kept in step.
#include "commands/Commands.h"

#include "ProjectCommand.h"
#include "TextFormat.h"
#include "TimeArgument.h"
#include "TitleChapters.h"

#include <charconv>
#include <ostream>

using nlohmann::json;

namespace {

void PrintChapters(const json& report, std::ostream& out)
{
    const json& chapters = report["chapters"];
    out << Quoted(report["title"]["name"].get<std::string>()) << " has " << chapters.size()
        << (chapters.size() == 1 ? " chapter" : " chapters");
    int menus = report["chapterMenusUpdated"];
    if (menus > 0)
        out << "; " << menus << (menus == 1 ? " chapter menu" : " chapter menus") << " updated";
    out << '\n';
    for (const json& chapter : chapters)
        out << "  " << chapter["number"].get<int>() << "  " << TimeText(chapter["time"]) << '\n';
}

class ChaptersCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "chapters"; }
    std::string Summary() const override
    {
        return "List, add, remove or move the chapters of a title (its chapter menus follow)";
    }
    std::string Examples() const override
    {
        return "  reelmark chapters holiday.dmsd 1 list\n"
               "  reelmark chapters holiday.dmsd Sunrise add 1:30 3:00\n"
               "  reelmark chapters holiday.dmsd 1 remove 3\n"
               "  reelmark chapters holiday.dmsd 1 move 2 0:45\n"
               "  reelmark chapters holiday.dmsd 1 list --json | jq '.chapters[].time'\n";
    }
    bool Reports() const override { return true; }

protected:
    bool ChangesProject() const override { return m_action != "list"; }

    void DefineOptions(CLI::App& command) override
    {
        command
            .add_option("TITLE", m_title,
                        "The title: its number as 'reelmark info' lists it, "
                        "or its name")
            ->required();
        command
            .add_option("ACTION", m_action,
                        "list; add TIME…; remove CHAPTER…; move CHAPTER TIME. Times are seconds "
                        "(90) or minutes and seconds (1:30)")
            ->required()
            ->check(CLI::IsMember({"list", "add", "remove", "move"}));
        command.add_option("ARGS", m_arguments, "The times or chapters of the action");
    }

    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        CComPtr<IDSTitle> title;
        LONG number = 0;
        if (ExitStatus found =
                FindTitleArgument(document.Project(), m_title, title, number, console);
            found != ExitStatus::Success)
            return found;
        if (ExitStatus changed = Change(title, console); changed != ExitStatus::Success)
            return changed;
        json report = {{"project", document.Path()},
                       {"title", {{"number", number}, {"name", TitleName(title)}}},
                       {"action", m_action}};
        int updated = 0;
        HRESULT hr =
            ChangesProject() ? UpdateChapterMenusOf(document.Project(), title, updated) : S_OK;
        if (SUCCEEDED(hr))
            hr = ReadChapters(title, report["chapters"]);
        if (FAILED(hr))
            return console.Fail("cannot bring the chapter menus of " + Quoted(TitleName(title)) +
                                " in step: " + ResultText(hr));
        report["chapterMenusUpdated"] = updated;
        console.Report(report, PrintChapters);
        return ExitStatus::Success;
    }

private:
    ExitStatus Usage(const std::string& message, Console& console) const
    {
        return console.Fail(message + "; run 'reelmark chapters --help' for help",
                            ExitStatus::Usage);
    }

    ExitStatus Change(IDSTitle* title, Console& console) const
    {
        if (m_action == "list")
            return m_arguments.empty() ? ExitStatus::Success
                                       : Usage("list takes no more arguments", console);
        if (m_action == "add")
            return Add(title, console);
        if (m_action == "remove")
            return Remove(title, console);
        return Move(title, console);
    }

    ExitStatus ParseTimes(const std::vector<std::string>& texts, std::vector<double>& times,
                          Console& console) const
    {
        for (const std::string& text : texts) {
            std::optional<double> time = ParseTime(text);
            if (!time)
                return Usage("bad time " + Quoted(text) + ": " + kTimeHint, console);
            times.push_back(*time);
        }
        return ExitStatus::Success;
    }

    ExitStatus ParseChapters(IDSTitle* title, const std::vector<std::string>& texts,
                             std::vector<LONG>& chapters, Console& console) const
    {
        LONG count = ChapterCount(title);
        for (const std::string& text : texts) {
            LONG chapter = 0;
            auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), chapter);
            if (text.empty() || error != std::errc() || stop != text.data() + text.size())
                return Usage("bad chapter number " + Quoted(text), console);
            if (chapter < 2 || chapter > count)
                return console.Fail("no chapter " + text + " to change in " +
                                    Quoted(TitleName(title)) + ": it has chapters 1 to " +
                                    std::to_string(count) + ", and chapter 1 always starts at 0");
            chapters.push_back(chapter);
        }
        return ExitStatus::Success;
    }

    ExitStatus Add(IDSTitle* title, Console& console) const
    {
        if (m_arguments.empty())
            return Usage("add needs one or more times", console);
        std::vector<double> times;
        if (ExitStatus parsed = ParseTimes(m_arguments, times, console);
            parsed != ExitStatus::Success)
            return parsed;
        return AddChapters(title, times, console);
    }

    ExitStatus Remove(IDSTitle* title, Console& console) const
    {
        if (m_arguments.empty())
            return Usage("remove needs one or more chapter numbers", console);
        std::vector<LONG> chapters;
        if (ExitStatus parsed = ParseChapters(title, m_arguments, chapters, console);
            parsed != ExitStatus::Success)
            return parsed;
        return RemoveChapters(title, chapters, console);
    }

    ExitStatus Move(IDSTitle* title, Console& console) const
    {
        if (m_arguments.size() != 2)
            return Usage("move needs a chapter number and a time", console);
        std::vector<LONG> chapters;
        std::vector<double> times;
        if (ExitStatus parsed = ParseChapters(title, {m_arguments[0]}, chapters, console);
            parsed != ExitStatus::Success)
            return parsed;
        if (ExitStatus parsed = ParseTimes({m_arguments[1]}, times, console);
            parsed != ExitStatus::Success)
            return parsed;
        return MoveChapter(title, chapters.front(), times.front(), console);
    }

    std::string m_title;
    std::string m_action;
    std::vector<std::string> m_arguments;
};

} // namespace

std::unique_ptr<Command> MakeChaptersCommand()
{
    return std::make_unique<ChaptersCommand>();
}
