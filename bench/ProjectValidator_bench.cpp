// What validating a full project costs: 99 titles, each playing a small clip of its own, and
// 40 menus of 36 buttons on a grid, each menu with a clip behind it, the first button of each
// leading to the next menu and the others to titles. The whole run is measured with its peak
// heap, then each check alone, so that the share of the overlap check (every pair of buttons
// of every menu) shows beside the file checks; the reachability report last.
#include "dsutils/DSProjectValidator.h"
#include "dsutils/DSReachabilityReport.h"

#include "HeapMeter.h"

#include "dsutils/DSMenuUtils.h"
#include "mediaengine/MediaEngine.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/Xml.h"
#include "support/ClipWriter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kTitles = 99;
constexpr int kMenus = 40;
constexpr int kGrid = 6; // 6 × 6 = 36 buttons

// The checks of the validator, one at a time.
class CheckRunner : public CDSProjectValidator
{
public:
    using CDSProjectValidator::checkForNTSCwithMPEG;
    using CDSProjectValidator::checkForRemainingDiskSpace;
    using CDSProjectValidator::findMissingOrCorruptFiles;
    using CDSProjectValidator::findOrphans;
    using CDSProjectValidator::findOverlappingButtons;
    using CDSProjectValidator::findTooBigSlideshows;
};

// The project of the benchmarks, built anew for each (its media files are made once).
class BenchProject
{
public:
    BenchProject()
    {
        m_folder = std::filesystem::temp_directory_path() / "dsutils-validator-bench";
        std::filesystem::create_directories(m_folder);
        // The working folder the disk-space check asks about lies under this home.
        setenv("REELMARK_HOME", m_folder.c_str(), 1);
        if (FAILED(RegisterXmlClasses()) || FAILED(RegisterMediaEngineClasses()) ||
            FAILED(RegisterObjectModelClasses()) ||
            FAILED(project.CoCreateInstance(CLSID_CDSProjectData)))
            std::abort();
        project->put_DiscFormat(DiscFormat_DVD);
        std::vector<CComPtr<IDSTitle>> titles;
        for (int t = 0; t < kTitles; ++t)
            titles.push_back(AddTitle(Clip("title" + std::to_string(t) + ".mp4")));
        std::vector<CComPtr<IDSMenu>> menus;
        for (int m = 0; m < kMenus; ++m)
            menus.push_back(AddMenu(Clip("menu" + std::to_string(m) + ".mp4")));
        for (int m = 0; m < kMenus; ++m)
            FillMenu(menus[m], menus[(m + 1) % kMenus], titles, m);
    }

    CComPtr<IDSProjectData> project;

private:
    // A clip of a fifth of a second, made once.
    std::wstring Clip(const std::string& name)
    {
        std::wstring path = (m_folder / name).wstring();
        ClipShape shape;
        shape.frameCount = 5;
        if (!std::filesystem::exists(path) && FAILED(WriteColourClip(path, shape)))
            std::abort();
        return path;
    }

    static void AddSource(IUnknown* owner, const std::wstring& clip)
    {
        CComPtr<IUnknown> production;
        if (CComQIPtr<IDSTitle> title(owner); title)
            title->GetProduction(&production);
        else
            CComQIPtr<IDSMenu>(owner)->GetProduction(&production);
        if (FAILED(
                CComQIPtr<IEditData>(production)
                    ->AddSourceFile(0, CComBSTR(clip.c_str()), 0.0, 0.0, VARIANT_FALSE, nullptr)))
            std::abort();
    }

    CComPtr<IDSTitle> AddTitle(const std::wstring& clip)
    {
        CComPtr<IDSTitle> title;
        project->AddTitle(-1, &title);
        title->put_Tag(TitleType_User);
        AddSource(title, clip);
        return title;
    }

    CComPtr<IDSMenu> AddMenu(const std::wstring& clip)
    {
        CComPtr<IDSMenu> menu;
        project->AddMenu(-1, &menu);
        menu->put_Tag(MenuType_Main);
        CDSMenuUtils::LinkCmd(menu, menu);
        AddSource(menu, clip);
        return menu;
    }

    static void FillMenu(IDSMenu* menu, IDSMenu* next, const std::vector<CComPtr<IDSTitle>>& titles,
                         int m)
    {
        CComQIPtr<IDSMenuElementList> list(menu);
        for (int b = 0; b < kGrid * kGrid; ++b) {
            CComPtr<IDSMenuButton> button;
            list->AddElement(&IID_IDSMenuButton, reinterpret_cast<void**>(&button));
            button->put_Tag(ButtonType_Command);
            float left = -0.9f + 0.3f * static_cast<float>(b % kGrid);
            float top = 0.9f - 0.3f * static_cast<float>(b / kGrid);
            FloatRect region{left, top, left + 0.25f, top - 0.25f};
            button->put_ActiveRegion(&region, VARIANT_TRUE);
            if (b == 0)
                CDSMenuUtils::LinkCmd(button, next);
            else
                CDSMenuUtils::LinkCmd(button, titles[(m * kGrid * kGrid + b) % titles.size()]);
        }
    }

    std::filesystem::path m_folder;
};

// Runs one operation per iteration on the project and reports the most heap it held at once.
template <class Operation> void Measure(benchmark::State& state, Operation operation)
{
    BenchProject bench;
    std::size_t peak = 0;
    for (auto _ : state) {
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        if (FAILED(operation(bench.project.p)))
            state.SkipWithError("the operation failed");
        peak = std::max(peak, heapmeter::PeakBytes() - before);
    }
    state.counters["peak_KB"] = static_cast<double>(peak) / 1e3;
}

void BM_ValidateProject(benchmark::State& state)
{
    int findings = 0;
    Measure(state, [&findings](IDSProjectData* project) {
        CDSProjectValidator validator;
        HRESULT hr = validator.validateProject(project);
        findings = validator.getNumberOfErrors();
        return hr;
    });
    state.counters["findings"] = findings;
}
BENCHMARK(BM_ValidateProject)->Unit(benchmark::kMillisecond);

using Check = HRESULT (CheckRunner::*)(IDSProjectData*);

void BM_Check(benchmark::State& state, Check check)
{
    Measure(state, [check](IDSProjectData* project) { return (CheckRunner().*check)(project); });
}
BENCHMARK_CAPTURE(BM_Check, TooBigSlideshows, &CheckRunner::findTooBigSlideshows)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Check, Orphans, &CheckRunner::findOrphans)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Check, OverlappingButtons, &CheckRunner::findOverlappingButtons)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Check, MissingOrCorruptFiles, &CheckRunner::findMissingOrCorruptFiles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Check, RemainingDiskSpace, &CheckRunner::checkForRemainingDiskSpace)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Check, NTSCwithMPEG, &CheckRunner::checkForNTSCwithMPEG)
    ->Unit(benchmark::kMillisecond);

void BM_ReachabilityReport(benchmark::State& state)
{
    Measure(state, [](IDSProjectData* project) { return CDSReachabilityReport().Build(project); });
}
BENCHMARK(BM_ReachabilityReport)->Unit(benchmark::kMillisecond);

} // namespace
