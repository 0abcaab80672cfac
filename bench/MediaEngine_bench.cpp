// What a menu frame and a video frame cost through the graph manager: a 720 × 480 menu with a
// background and 12 thumbnail overlays, and single frames from the start, the middle and near
// the end of a 10-minute clip. Extraction seeks to the nearest earlier keyframe, so its cost
// should not depend on the position. Peak memory is reported with every result.

#include "MenuSnapshot.h"
#include "Production.h"
#include "SharedMedia.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "platform/Image.h"
#include "platform/TaskMemory.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The media the benchmarks use, made once in a folder of their own.
class BenchMedia
{
public:
    static BenchMedia& Get()
    {
        static BenchMedia media;
        return media;
    }

    std::wstring background;
    std::vector<std::wstring> thumbnails;
    std::wstring longClip;

private:
    BenchMedia() : m_folder(BenchMediaFolder())
    {
        background = MakePicture("background.jpg", 720, 480, 0);
        for (int i = 0; i < 12; ++i)
            thumbnails.push_back(
                MakePicture(("thumb" + std::to_string(i) + ".png").c_str(), 320, 240, i + 1));
        longClip = TenMinuteClip();
    }

    // A gradient picture, tinted by a seed so that every thumbnail differs.
    std::wstring MakePicture(const char* name, int width, int height, int seed)
    {
        BgraImage picture(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.SetPixel(
                    x, y,
                    MakeArgb(255, BYTE(x * 255 / width), BYTE(y * 255 / height), BYTE(seed * 20)));
        std::wstring path = (m_folder / name).wstring();
        if (FAILED(SaveImageFile(picture, path)))
            std::abort();
        return path;
    }

    std::filesystem::path m_folder;
};

void ReportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}

// Four rows of three thumbnails with a caption each.
MenuSnapshot TwelveThumbnails(const BenchMedia& media)
{
    MenuSnapshot menu;
    for (int i = 0; i < 12; ++i) {
        DrawnElement thumb;
        thumb.source = media.thumbnails[size_t(i)];
        thumb.x = -0.6 + 0.6 * (i % 3);
        thumb.y = 0.65 - 0.45 * (i / 3);
        thumb.width = 0.4;
        thumb.height = 0.3;
        menu.elements.push_back(thumb);
        DrawnElement caption;
        caption.kind = DrawnElement::Kind::Text;
        caption.label = L"Chapter " + std::to_wstring(i + 1);
        caption.x = thumb.x;
        caption.y = thumb.y - 0.19;
        caption.width = 0.5;
        caption.height = 0.08;
        caption.fontSize = 0.03;
        menu.elements.push_back(caption);
    }
    return menu;
}

void ExtractOnce(IKVEGraphManager* graph, double time, int width, int height)
{
    BYTE* pixels = nullptr;
    if (FAILED(graph->ExtractThumbnail(time, SIZE{width, height}, &pixels)))
        std::abort();
    benchmark::DoNotOptimize(pixels);
    CoTaskMemFree(pixels);
}

void BM_RenderMenuFrame(benchmark::State& state)
{
    const BenchMedia& media = BenchMedia::Get();
    RegisterMediaEngineClasses();
    CComPtr<IKVEProductionData> production;
    production.CoCreateInstance(CLSID_KVEProduction);
    CComQIPtr<IEditData>(production)
        ->AddSourceFile(0, CComBSTR(media.background), 0.0, 0.0, VARIANT_FALSE, nullptr);
    ProductionOf(production)->SetSavedMenu(TwelveThumbnails(media));
    CComPtr<IKVEGraphManager> graph;
    graph.CoCreateInstance(CLSID_KVEGraphManager);
    graph->SetProduction(production);
    for (auto _ : state)
        ExtractOnce(graph, 0.5, 720, 480);
    ReportPeakMemory(state);
}
BENCHMARK(BM_RenderMenuFrame)->Unit(benchmark::kMillisecond);

// One frame of the clip with a graph manager made for it, as a caller that wants one still
// does: opening the file, seeking and decoding are all counted.
void BM_ExtractVideoFrame(benchmark::State& state)
{
    const BenchMedia& media = BenchMedia::Get();
    RegisterMediaEngineClasses();
    CComPtr<IKVEProductionData> production;
    production.CoCreateInstance(CLSID_KVEProduction);
    CComQIPtr<IEditData>(production)
        ->AddSourceFile(0, CComBSTR(media.longClip), 0.0, 0.0, VARIANT_TRUE, nullptr);
    double time = double(state.range(0)) + 0.52;
    for (auto _ : state) {
        CComPtr<IKVEGraphManager> graph;
        graph.CoCreateInstance(CLSID_KVEGraphManager);
        graph->SetProduction(production);
        ExtractOnce(graph, time, 720, 480);
    }
    state.counters["position_s"] = time;
    ReportPeakMemory(state);
}
BENCHMARK(BM_ExtractVideoFrame)->Arg(10)->Arg(300)->Arg(590)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
