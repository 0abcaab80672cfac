// What it costs to bring a menu's production up to date and render it: a main menu of the
// shipped Aurora theme with 12 buttons whose thumbnails come from 12 titles, each playing a
// clip of its own, resolved by CDSMenuUtils::ResolveMenuProduction and rendered at 720 × 480.
//
// Cold: every thumbnail made stale (ClearForResolve), the still cache emptied and a new graph
// manager, so that sources are found, stills rendered and videos opened anew. Warm: the
// resolved menu resolved again and rendered by the graph manager that rendered it before.
// Thumbnails are either motion (the title's clip from its thumbnail time) or stills (a
// cached picture of that frame). Each result reports the time of resolution and rendering
// together and the peak heap memory of one run above what the process held before it.

#include "HeapMeter.h"
#include "SharedMedia.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEGraphManager.h"
#include "objectmodel/ObjectModel.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/TaskMemory.h"
#include "platform/Xml.h"

#include "support/ClipWriter.h"
#include "support/ShippedThemeMenu.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kButtons = 12;

// Clips of 4 seconds at 25 frames a second, 320 × 240, made once and kept.
std::vector<ShippedThemeTitle> Titles()
{
    std::vector<ShippedThemeTitle> titles;
    for (int i = 0; i < kButtons; ++i) {
        std::filesystem::path path =
            std::filesystem::path(BenchMediaFolder()) / ("title" + std::to_string(i) + ".mp4");
        if (!std::filesystem::exists(path)) {
            ClipShape shape;
            shape.width = 320;
            shape.height = 240;
            shape.frameCount = 100;
            if (FAILED(WriteColourClip(path.wstring(), shape)))
                std::abort();
        }
        titles.push_back({path.wstring(), 0.2 * (i + 1), L"Title " + std::to_wstring(i + 1)});
    }
    return titles;
}

class MenuFixture
{
public:
    explicit MenuFixture(bool bStill)
    {
        if (FAILED(RegisterXmlClasses()) || FAILED(RegisterMediaEngineClasses()) ||
            FAILED(RegisterObjectModelClasses()) ||
            FAILED(CDSConfig().SetBool(DSConfig_ThumbnailSubProductions, false)) ||
            FAILED(MakeShippedThemeMenu(L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd", Titles(), m)))
            std::abort();
        for (const CComPtr<IDSMenuButton>& button : m.buttons)
            GetOverlayList(button, OverlayType_Thumbnail)[0]->put_StillImage(
                bStill ? VARIANT_TRUE : VARIANT_FALSE);
    }
    ~MenuFixture()
    {
        m_graph.Release();
        m = ShippedThemeMenu();
        RevokeObjectModelClasses();
    }

    void MakeCold()
    {
        for (const CComPtr<IDSMenuButton>& button : m.buttons)
            CDSMenuUtils::ClearForResolve(button);
        CDSFileUtils files;
        files.EraseTempFiles(L"StillThumbnailCache", true);
        m_graph.Release();
    }

    void ResolveAndRender()
    {
        if (FAILED(CDSMenuUtils::ResolveMenuProduction(m.menu, nullptr, true)))
            std::abort();
        if (!m_graph && FAILED(m_graph.CoCreateInstance(CLSID_KVEGraphManager)))
            std::abort();
        CComPtr<IUnknown> production;
        m.menu->GetProduction(&production);
        BYTE* pixels = nullptr;
        if (FAILED(m_graph->SetProduction(production)) ||
            FAILED(m_graph->ExtractThumbnail(0.1, SIZE{720, 480}, &pixels)))
            std::abort();
        benchmark::DoNotOptimize(pixels);
        CoTaskMemFree(pixels);
    }

private:
    ShippedThemeMenu m;
    CComPtr<IKVEGraphManager> m_graph;
};

void Run(benchmark::State& state, bool bCold, bool bStill)
{
    MenuFixture fixture(bStill);
    fixture.ResolveAndRender();
    std::size_t peak = 0;
    for (auto _ : state) {
        if (bCold) {
            state.PauseTiming();
            fixture.MakeCold();
            state.ResumeTiming();
        }
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        fixture.ResolveAndRender();
        peak = std::max(peak, heapmeter::PeakBytes() - before);
    }
    state.counters["peak_heap_MiB"] = double(peak) / (1024.0 * 1024.0);
    state.SetLabel(std::string(bStill ? "still" : "motion") + " thumbnails, " +
                   (bCold ? "cold" : "warm"));
}

void BM_ResolveAndRenderMenu(benchmark::State& state)
{
    Run(state, state.range(0) != 0, state.range(1) != 0);
}
BENCHMARK(BM_ResolveAndRenderMenu)
    ->ArgNames({"cold", "still"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The library's caches and settings go to a folder of the benchmark's own.
    std::filesystem::path home = std::filesystem::path(BenchMediaFolder()) / "home";
    setenv("REELMARK_HOME", home.c_str(), 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
