#include "TitleAdding.h"

#include "TextFormat.h"
#include "TitleChapters.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <ostream>

using nlohmann::json;

namespace {

// A chain is never this long; a Next link that leads back stops the count here.
constexpr int kMaxPages = 1000;

ExitStatus CheckFile(const std::string& file, Console& console)
{
    std::error_code error;
    auto status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status))
        return console.Fail("no media file at " + Quoted(file));
    if (std::filesystem::is_directory(status))
        return console.Fail(Quoted(file) + " is a folder, not a media file");
    return ExitStatus::Success;
}

ExitStatus AddChapterPlan(IDSTitle* title, const ChapterPlan& plan, Console& console)
{
    if (plan.every > 0)
        return AddChaptersEvery(title, plan.every, console);
    return AddChapters(title, plan.at, console);
}

ExitStatus MakeChapterMenu(IDSMenuButton* button, IDSTitle* title, Console& console)
{
    HRESULT hr = CDSAppUtils::MakeChapterMenuBtn(button);
    if (FAILED(hr))
        return console.Fail("cannot make the chapter menu of " + Quoted(TitleName(title)) + ": " +
                            ResultText(hr));
    return ExitStatus::Success;
}

ExitStatus AddOne(IDSProjectData* project, const std::string& file, const ChapterPlan& plan,
                  Console& console, json& entry)
{
    if (ExitStatus checked = CheckFile(file, console); checked != ExitStatus::Success)
        return checked;
    // The project keeps where the file is, wherever it is opened from later.
    std::error_code error;
    std::string path = std::filesystem::absolute(file, error).lexically_normal().string();
    CComPtr<IDSMenuButton> button;
    CComPtr<IDSTitle> title;
    HRESULT hr =
        CDSAppUtils::AddTitleWithButton(project, CComBSTR(Utf8ToWide(path)), &button, &title);
    if (FAILED(hr))
        return console.Fail("cannot make a title of " + Quoted(file) + ": " + ResultText(hr));
    if (ExitStatus chaptered = AddChapterPlan(title, plan, console);
        chaptered != ExitStatus::Success)
        return chaptered;
    bool chapterMenu = plan.chapterMenus && button && ChapterCount(title) > 1;
    if (chapterMenu) {
        if (ExitStatus made = MakeChapterMenu(button, title, console); made != ExitStatus::Success)
            return made;
    }
    LONG count = 0;
    project->get_TitleCount(&count);
    entry = {{"number", count},
             {"name", TitleName(title)},
             {"file", path},
             {"chapters", ChapterCount(title)},
             {"chapterMenu", chapterMenu}};
    return ExitStatus::Success;
}

int RootPages(IDSProjectData* project)
{
    int pages = 0;
    CComPtr<IDSMenu> root = CDSMenuUtils::GetRootMenu(project);
    for (IDSMenu* page = root ? CDSMenuUtils::GetFirstMenuInChain(root) : nullptr; page;
         page = pages < kMaxPages ? CDSMenuUtils::GetNextMenu(page) : nullptr)
        ++pages;
    return pages;
}

} // namespace

ExitStatus AddTitles(IDSProjectData* project, const std::vector<std::string>& files,
                     const ChapterPlan& plan, const std::function<void()>& onTitle,
                     Console& console, json& report)
{
    report["titles"] = json::array();
    for (const std::string& file : files) {
        json entry;
        if (ExitStatus added = AddOne(project, file, plan, console, entry);
            added != ExitStatus::Success)
            return added;
        report["titles"].push_back(entry);
        onTitle();
    }
    report["rootPages"] = RootPages(project);
    return ExitStatus::Success;
}

void PrintAddedTitles(const json& report, std::ostream& out)
{
    size_t count = report["titles"].size();
    int pages = report["rootPages"];
    out << "Added " << count << (count == 1 ? " title" : " titles") << " to "
        << Quoted(report["project"].get<std::string>()) << "; the main menu has " << pages
        << (pages == 1 ? " page" : " pages") << '\n';
    for (const json& title : report["titles"]) {
        int chapters = title["chapters"];
        out << "  " << title["number"].get<int>() << "  " << title["name"].get<std::string>()
            << "  " << chapters << (chapters == 1 ? " chapter" : " chapters")
            << (title["chapterMenu"].get<bool>() ? " with a chapter menu" : "") << "  ("
            << title["file"].get<std::string>() << ")\n";
    }
}
