// demo [--out DIR]: the whole job on embedded defaults, from three clips to a validated DVD
// project with themed main and chapter menus, their pictures and subpictures.
#include "commands/Commands.h"

#include "NewProjectSetup.h"
#include "OutputSteps.h"
#include "ProjectDocument.h"
#include "TextFormat.h"
#include "TitleAdding.h"
#include "ValidationReport.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

constexpr double kClipSeconds = 6.0;
constexpr double kChapterEvery = 2.0;
constexpr const char* kTheme = "Aurora";

std::string InFolder(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

void PrintDemo(const json& report, std::ostream& out)
{
    const std::string& folder = report["folder"].get_ref<const std::string&>();
    out << "The demo is in " << folder << "/\n"
        << "  clips/            " << report["clips"].size() << " clips of "
        << report["clipSeconds"].get<double>() << " s with their colours and tones\n"
        << "  " << fs::path(report["project"].get<std::string>()).filename().string()
        << "         the DVD project (" << report["titles"].size() << " titles with chapters and "
        << "chapter menus, theme " << kTheme << ")\n"
        << "  menus/            " << report["pages"].size()
        << " menu pages: each page, its subpicture and its normal, selected and activated "
           "highlights\n"
        << "  menus/contact-sheet.png  every page at a glance\n"
        << "  validation.txt    the check before burning ("
        << (report["validation"]["burnable"].get<bool>() ? "ready to burn"
                                                         : "findings stop the burn")
        << "; validation.json for programs)\n"
        << "Try: reelmark menus " << report["project"].get<std::string>() << '\n';
}

class DemoCommand : public Command
{
public:
    std::string Name() const override { return "demo"; }
    std::string Summary() const override
    {
        return "Make a demo: three clips, a themed DVD project with titles, chapters and "
               "chapter menus, its menu pictures, subpictures and validation report";
    }
    std::string Examples() const override
    {
        return "  reelmark demo\n"
               "  reelmark demo --out /tmp/demo --json | jq -r .contactSheet\n";
    }
    bool Reports() const override { return true; }

    void Define(CLI::App& command) override
    {
        command.add_option("--out", m_folder, "The folder the demo is made in (made when missing)")
            ->capture_default_str();
    }

    ExitStatus Run(Console& console) override
    {
        json report = {{"folder", m_folder}, {"clipSeconds", kClipSeconds}};
        std::vector<std::string> clips;
        ProjectDocument document;
        for (auto step : {&DemoCommand::Clips, &DemoCommand::Project, &DemoCommand::Picture,
                          &DemoCommand::Validate}) {
            if (ExitStatus status = (this->*step)(clips, document, console, report);
                status != ExitStatus::Success)
                return status;
        }
        if (ExitStatus saved = document.Save(console); saved != ExitStatus::Success)
            return saved;
        console.Report(report, PrintDemo);
        return ExitStatus::Success;
    }

private:
    ExitStatus Clips(std::vector<std::string>& clips, ProjectDocument&, Console& console,
                     json& report)
    {
        std::vector<std::wstring> files;
        if (ExitStatus made = MakeClips(InFolder(m_folder, "clips"), kClipSeconds, console, files);
            made != ExitStatus::Success)
            return made;
        for (const std::wstring& file : files)
            clips.push_back(Utf8(file.c_str()));
        report["clips"] = clips;
        return ExitStatus::Success;
    }

    ExitStatus Project(std::vector<std::string>& clips, ProjectDocument& document, Console& console,
                       json& report)
    {
        std::string path = InFolder(m_folder, "demo.dmsd");
        // The demo's own project of an earlier run makes way for the new one.
        std::error_code error;
        fs::remove(path, error);
        report["project"] = path;
        if (ExitStatus created = document.Create(path, console); created != ExitStatus::Success)
            return created;
        NewProjectChoice choice{DiscFormat_DVD, TVStandard_NTSC, AspectRatio_4x3, kTheme};
        json made;
        if (ExitStatus status = MakeNewProject(document.Project(), choice, console, made);
            status != ExitStatus::Success)
            return status;
        ChapterPlan plan;
        plan.every = kChapterEvery;
        plan.chapterMenus = true;
        ProgressBar progress = console.Progress("Adding titles", int(clips.size()));
        return AddTitles(
            document.Project(), clips, plan, [&] { progress.Advance(); }, console, report);
    }

    ExitStatus Picture(std::vector<std::string>&, ProjectDocument& document, Console& console,
                       json& report)
    {
        return PictureMenus(document.Project(), InFolder(m_folder, "menus"), document.Path(),
                            console, report);
    }

    ExitStatus Validate(std::vector<std::string>&, ProjectDocument& document, Console& console,
                        json& report)
    {
        json validation = {{"project", document.Path()}};
        HRESULT hr = ValidateProject(document.Project(), validation);
        if (FAILED(hr))
            return console.Fail("cannot validate the demo project: " + ResultText(hr));
        std::ostringstream text;
        PrintValidation(validation, text);
        std::string textFile = InFolder(m_folder, "validation.txt");
        std::string jsonFile = InFolder(m_folder, "validation.json");
        for (auto [file, content] :
             {std::pair{textFile, text.str()}, std::pair{jsonFile, validation.dump(2) + "\n"}}) {
            std::ofstream stream(file);
            stream << content;
            if (!stream.flush())
                return console.Fail("cannot write " + Quoted(file));
        }
        report["validation"] = {{"text", textFile},
                                {"json", jsonFile},
                                {"burnable", validation["burnable"]},
                                {"counts", validation["counts"]}};
        return ExitStatus::Success;
    }

    std::string m_folder = "demo-out";
};

} // namespace

std::unique_ptr<Command> MakeDemoCommand()
{
    return std::make_unique<DemoCommand>();
}
