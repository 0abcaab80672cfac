// Chapter menus made the way the application asks for them (CDSAppUtils::MakeChapterMenuBtn on
// each title button of the root menu's chain) in a project with a shipped theme: one title of
// 99 chapters (and of 999, the most a project allows), and 10 and 99 titles of 10 chapters
// each. Reports the time and the peak heap memory of making all of them; the cost per title
// stays the same as the project grows, so 99 titles take about ten times as long as 10.
#include "HeapMeter.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/MenuStyleUtil.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEMarkerList.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/PathService.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// The class registrations a benchmark run needs, for its length.
class Registrations
{
public:
    Registrations()
    {
        RegisterXmlClasses();
        RegisterMediaEngineClasses();
        RegisterObjectModelClasses();
    }
    ~Registrations() { RevokeObjectModelClasses(); }
};

// A project with the theme's templates, a root menu and one button per title on its chain.
struct TitleProject
{
    CComPtr<IDSProjectData> project;
    CComPtr<IDSMenu> root;
    std::vector<CComPtr<IDSMenuButton>> buttons;
};

// A user title whose production has a chapter every ten seconds.
CComPtr<IDSTitle> AddTitle(IDSProjectData* project, int chapters)
{
    CComPtr<IDSTitle> title;
    project->AddTitle(-1, &title);
    title->put_Tag(TitleType_User);
    CComPtr<IUnknown> production;
    title->GetProduction(&production);
    CComQIPtr<IKVEMarkerList> markers(production);
    for (int chapter = 2; chapter <= chapters; ++chapter)
        markers->AddMarker(10.0 * (chapter - 1), KVE_MARKER_CHAPTER, 0, nullptr);
    return title;
}

bool BuildProject(IDSProjectData* theme, int titles, int chapters, TitleProject& built)
{
    built.project.CoCreateInstance(CLSID_CDSProjectData);
    built.project->put_DiscFormat(DiscFormat_DVD);
    if (FAILED(CDSMenuUtils::CopyTemplates(built.project, theme)) ||
        FAILED(CDSMenuUtils::AddMenu(built.project, MenuType_Main, &built.root)))
        return false;
    for (int k = 0; k < titles; ++k) {
        CComPtr<IDSTitle> title = AddTitle(built.project, chapters);
        IDSMenu* page = CDSMenuUtils::FindAvailableMenu(built.root, true);
        CComPtr<IDSMenuButton> button;
        if (!page || FAILED(CDSMenuUtils::AddButton(page, &button, ButtonType_Command)) ||
            FAILED(CDSMenuUtils::LinkCmd(button, title)))
            return false;
        built.buttons.push_back(button);
    }
    return true;
}

void BM_MakeChapterMenus(benchmark::State& state)
{
    Registrations registrations;
    int titles = static_cast<int>(state.range(0));
    int chapters = static_cast<int>(state.range(1));
    CComPtr<IDSProjectData> theme;
    std::wstring path = ResolveContentPath(L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd");
    if (FAILED(CMenuStyleUtil::Load(path.c_str(), &theme))) {
        state.SkipWithError("the shipped theme does not load");
        return;
    }
    std::size_t peak = 0;
    double chapterMenus = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TitleProject built;
        if (!BuildProject(theme, titles, chapters, built)) {
            state.SkipWithError("the project could not be built");
            break;
        }
        LONG menusBefore = 0;
        built.project->get_MenuCount(&menusBefore);
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        state.ResumeTiming();
        for (const CComPtr<IDSMenuButton>& button : built.buttons) {
            if (CDSAppUtils::MakeChapterMenuBtn(button) != S_OK)
                state.SkipWithError("a chapter menu could not be made");
        }
        state.PauseTiming();
        peak = std::max(peak, heapmeter::PeakBytes() - before);
        LONG menusAfter = 0;
        built.project->get_MenuCount(&menusAfter);
        chapterMenus = static_cast<double>(menusAfter - menusBefore);
        built = TitleProject();
        state.ResumeTiming();
    }
    state.counters["titles"] = titles;
    state.counters["pages"] = chapterMenus;
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["peak_kB_per_page"] = static_cast<double>(peak) / 1e3 / chapterMenus;
}

} // namespace

// Titles and chapters per title.
BENCHMARK(BM_MakeChapterMenus)
    ->Args({1, 99})
    ->Args({1, 999})
    ->Args({10, 10})
    ->Args({99, 10})
    ->Unit(benchmark::kMillisecond);
