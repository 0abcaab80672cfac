#include "TitleChapters.h"

#include "TextFormat.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSChapterList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "model/KVEProductionInfo.h"
#include "platform/Check.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

using nlohmann::json;

namespace {

// The earliest time a chapter other than the first may start.
constexpr double kFirstChapterTime = 0.9;

CComPtr<IUnknown> ProductionOf(IDSTitle* title)
{
    CComPtr<IUnknown> production;
    title->GetProduction(&production);
    return production;
}

double DurationOf(IDSTitle* title)
{
    double seconds = 0.0;
    CComQIPtr<IProductionInfo> info(ProductionOf(title));
    if (info)
        info->get_Duration(&seconds);
    return seconds;
}

std::string SecondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.2f s", seconds);
    return text;
}

std::optional<LONG> TitleNumber(const std::string& argument)
{
    LONG number = 0;
    const char* end = argument.data() + argument.size();
    auto [stop, error] = std::from_chars(argument.data(), end, number);
    if (argument.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

// The chapter menu the button leads to, when it leads to one.
IDSMenu* ChapterMenuOf(IDSMenuButton* button)
{
    IDSMenu* menu = CDSMenuUtils::GetLinkedMenu(button);
    return menu && (GetTag(menu) & MenuType_Chapter) ? menu : nullptr;
}

// A chapter other than the first starts after 0.9 seconds and before the title ends, where a
// player can reach it.
ExitStatus RefuseTime(IDSTitle* title, double time, Console& console)
{
    std::string at = " at " + SecondsText(time) + " of " + Quoted(TitleName(title));
    if (time < kFirstChapterTime)
        return console.Fail("no chapter can start" + at + ": chapter 1 starts at 0, and the " +
                            "next at " + SecondsText(kFirstChapterTime) + " or later");
    if (time >= DurationOf(title))
        return console.Fail("no chapter can start" + at + ": the title ends at " +
                            SecondsText(DurationOf(title)));
    return ExitStatus::Success;
}

} // namespace

std::string TitleName(IDSTitle* title)
{
    return Utf8(GetDisplayName(title, nullptr));
}

ExitStatus FindTitleArgument(IDSProjectData* project, const std::string& argument,
                             CComPtr<IDSTitle>& title, LONG& number, Console& console)
{
    LONG count = 0;
    project->get_TitleCount(&count);
    std::optional<LONG> asked = TitleNumber(argument);
    for (number = 1; number <= count; ++number) {
        title.Release();
        if (FAILED(project->get_Title(number, &title)))
            continue;
        CComBSTR name;
        title->get_Name(&name);
        if (asked ? *asked == number : CompareNoCase(name.Str(), Utf8ToWide(argument)) == 0)
            return ExitStatus::Success;
    }
    title.Release();
    return console.Fail("no title " + Quoted(argument) + " in the project (it has " +
                        std::to_string(count) + "); 'reelmark info' lists them");
}

HRESULT ReadChapters(IDSTitle* title, json& chapters)
{
    CDSChapterList list(ProductionOf(title));
    chapters = json::array();
    for (LONG chapter = 1; chapter <= list.GetChapterCount(); ++chapter) {
        double time = 0.0;
        CHECK_HR(list.GetChapterTime(chapter, time));
        chapters.push_back({{"number", chapter}, {"time", time}});
    }
    return S_OK;
}

LONG ChapterCount(IDSTitle* title)
{
    return CDSChapterList(ProductionOf(title)).GetChapterCount();
}

ExitStatus AddChapters(IDSTitle* title, const std::vector<double>& times, Console& console)
{
    CDSChapterList list(ProductionOf(title));
    for (double time : times) {
        if (ExitStatus refused = RefuseTime(title, time, console); refused != ExitStatus::Success)
            return refused;
        HRESULT hr = list.InsertChapter(time, nullptr);
        if (FAILED(hr))
            return console.Fail("cannot add a chapter at " + SecondsText(time) + " of " +
                                Quoted(TitleName(title)) + ": " + ResultText(hr));
    }
    return ExitStatus::Success;
}

ExitStatus RemoveChapters(IDSTitle* title, std::vector<LONG> chapters, Console& console)
{
    // From the last, so that the numbers of those still to go stay as they were.
    std::sort(chapters.rbegin(), chapters.rend());
    chapters.erase(std::unique(chapters.begin(), chapters.end()), chapters.end());
    CDSChapterList list(ProductionOf(title));
    for (LONG chapter : chapters) {
        HRESULT hr = list.DeleteChapter(chapter);
        if (FAILED(hr))
            return console.Fail("cannot remove chapter " + std::to_string(chapter) + " of " +
                                Quoted(TitleName(title)) + ": " + ResultText(hr));
    }
    return ExitStatus::Success;
}

ExitStatus MoveChapter(IDSTitle* title, LONG chapter, double time, Console& console)
{
    if (ExitStatus refused = RefuseTime(title, time, console); refused != ExitStatus::Success)
        return refused;
    HRESULT hr = CDSChapterList(ProductionOf(title)).SetChapterTime(chapter, time);
    if (FAILED(hr))
        return console.Fail("cannot move chapter " + std::to_string(chapter) + " of " +
                            Quoted(TitleName(title)) + ": " + ResultText(hr));
    return ExitStatus::Success;
}

ExitStatus AddChaptersEvery(IDSTitle* title, double interval, Console& console)
{
    std::vector<double> times;
    double end = DurationOf(title);
    for (double time = interval; time < end; time += interval)
        times.push_back(time);
    return AddChapters(title, times, console);
}

HRESULT UpdateChapterMenusOf(IDSProjectData* project, IDSTitle* title, int& updated)
{
    updated = 0;
    std::set<LONG> done;
    for (const CComPtr<IDSMenu>& menu : GetMenuList(project, MenuType_Main | MenuType_Chapter)) {
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, ButtonType_Command)) {
            IDSMenu* chapterMenu = ChapterMenuOf(button);
            if (!chapterMenu || CDSAppUtils::GetLinkedChapterTitle(button, nullptr) != title)
                continue;
            if (!done.insert(GetID(CDSMenuUtils::GetFirstMenuInChain(chapterMenu))).second)
                continue;
            CHECK_HR(CDSAppUtils::UpdateChapterMenusFromBtn(button));
            ++updated;
        }
    }
    return S_OK;
}
