// A project made the way a person makes one, at two sizes: a new DVD project, 10 or 99 titles
// dropped in with a button each and a chapter menu behind each button
// (CDSAppUtils::AddTitlesWithButton), then the menus rebuilt from the theme with chapter menus
// (CDSAppUtils::RegenerateMenus). Reports the time and the peak heap memory of the whole, and
// of each step; the cost per title stays the same as the project grows, so that 99 titles take
// about ten times what 10 take.
#include "HeapMeter.h"
#include "SharedMedia.h"

#include "support/ClipWriter.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSChapterList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEProductionData.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/Variant.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A production file of a 20-second clip with chapters at 5, 10 and 15 seconds, made once: the
// file every title of the project is made of.
std::wstring ChapterProduction()
{
    std::filesystem::path folder = std::filesystem::path(BenchMediaFolder());
    std::wstring production = (folder / "ProjectOperations_Chapters.dmsm").wstring();
    if (std::filesystem::exists(production))
        return production;
    std::wstring clip = (folder / "ProjectOperations_Clip.mp4").wstring();
    ClipShape shape;
    shape.framesPerSecond = 1;
    shape.frameCount = 20;
    shape.keyframeInterval = 30;
    CComPtr<IDSProjectData> scratch;
    CComPtr<IDSTitle> title;
    if (FAILED(WriteColourClip(clip, shape)) ||
        FAILED(scratch.CoCreateInstance(CLSID_CDSProjectData)) ||
        FAILED(scratch->put_DiscFormat(DiscFormat_DVD)) ||
        FAILED(CDSAppUtils::AddTitle(scratch, CComBSTR(clip), &title)))
        return std::wstring();
    CComPtr<IUnknown> storyboard;
    title->GetProduction(&storyboard);
    CDSChapterList chapters(storyboard);
    for (double time : {5.0, 10.0, 15.0})
        chapters.InsertChapter(time, nullptr);
    CComQIPtr<IKVEProductionData> data(storyboard);
    if (!data || FAILED(data->SaveAsProduction(CComBSTR(production))))
        return std::wstring();
    return production;
}

// The same file named count times, as the files a person drops in.
CComVariant FileList(const std::wstring& file, int count)
{
    CComVariant files;
    files.parray = SafeArrayCreateVector(VT_BSTR, 0, ULONG(count));
    files.vt = VT_ARRAY | VT_BSTR;
    CComBSTR name(file);
    for (LONG i = 0; i < count; ++i)
        SafeArrayPutElement(files.parray, &i, name.m_str);
    return files;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_AddTitlesAndRegenerateMenus(benchmark::State& state)
{
    // The library's caches and settings go to a folder of the benchmark's own.
    std::filesystem::path home = std::filesystem::path(BenchMediaFolder()) / "home";
    setenv("REELMARK_HOME", home.c_str(), 0);
    if (FAILED(RegisterXmlClasses()) || FAILED(RegisterMediaEngineClasses()) ||
        FAILED(RegisterObjectModelClasses())) {
        state.SkipWithError("the classes could not be registered");
        return;
    }
    int titles = static_cast<int>(state.range(0));
    std::wstring production = ChapterProduction();
    if (production.empty()) {
        state.SkipWithError("the production of the titles could not be made");
        RevokeObjectModelClasses();
        return;
    }
    CComVariant files = FileList(production, titles);
    std::size_t peak = 0;
    double addSeconds = 0, regenerateSeconds = 0;
    LONG menus = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CComPtr<IDSProjectData> project;
        project.CoCreateInstance(CLSID_CDSProjectData);
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        if (FAILED(CDSAppUtils::NewProject(project, DiscFormat_DVD, AspectRatio_4x3, true, false,
                                           0)) ||
            CDSAppUtils::AddTitlesWithButton(project, files, true) != S_OK) {
            state.SkipWithError("the titles could not be added");
            break;
        }
        addSeconds += Seconds(start);
        start = std::chrono::steady_clock::now();
        if (CDSAppUtils::RegenerateMenus(project, nullptr, true, true) != S_OK) {
            state.SkipWithError("the menus could not be rebuilt");
            break;
        }
        regenerateSeconds += Seconds(start);
        state.PauseTiming();
        peak = std::max(peak, heapmeter::PeakBytes() - before);
        project->get_MenuCount(&menus);
        project.Release();
        state.ResumeTiming();
    }
    double runs = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["titles"] = titles;
    state.counters["menus"] = menus;
    state.counters["add_ms"] = addSeconds / runs * 1e3;
    state.counters["regenerate_ms"] = regenerateSeconds / runs * 1e3;
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    RevokeObjectModelClasses();
}

} // namespace

BENCHMARK(BM_AddTitlesAndRegenerateMenus)->Arg(10)->Arg(99)->Unit(benchmark::kMillisecond);
