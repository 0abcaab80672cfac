// What hostile input costs now that it is refused: a production file whose source path is
// megabytes long, a settings file with a line of tens of megabytes, and a narrow format with an
// argument outside ASCII. Each reports its time and the peak heap memory of one run. Before
// they were refused, a 5 MB path took 6 s and 580 MiB, a 50 MB one 98 s and 3.3 GiB, a 50 MB
// settings line 10 s and 925 MB, and the format 6.5 s and 1.3 GB.
#include "HeapMeter.h"

#include "dsutils/TmpStr.h"
#include "mediaengine/MediaEngine.h"
#include "model/KVEProductionData.h"
#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/Config.h"
#include "platform/NativePath.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path Folder()
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "dsutils-hostile-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

void ReportPeak(benchmark::State& state)
{
    state.counters["peak_MiB"] = double(heapmeter::PeakBytes()) / (1 << 20);
}

// A production file of one source panel whose path is range(0) MiB long.
void BM_LoadProductionWithLongSourcePath(benchmark::State& state)
{
    RegisterXmlClasses();
    RegisterMediaEngineClasses();
    std::filesystem::path file = Folder() / "long-path.dmsm";
    {
        std::ofstream out(file);
        out << "<Production version=\"1\" aspectRatio=\"1.5\" frameRate=\"25\" "
               "nextId=\"2\"><Panels>"
               "<SourceFile id=\"1\" file=\"/"
            << std::string(size_t(state.range(0)) << 20, 'a')
            << ".png\" in=\"0\" out=\"1\" rotation=\"0\" stereo=\"0\"/></Panels></Production>";
    }
    CComBSTR path(WidePath(file));
    for (auto _ : state) {
        CComPtr<IKVEProductionData> production;
        production.CoCreateInstance(CLSID_KVEProduction);
        heapmeter::ResetPeak();
        benchmark::DoNotOptimize(production->LoadProduction(path, 0));
        ReportPeak(state);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_LoadProductionWithLongSourcePath)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// A settings file whose first line is range(0) MiB long.
void BM_ReadSettingsWithLongLine(benchmark::State& state)
{
    std::filesystem::path file = Folder() / "settings.ini";
    {
        std::ofstream out(file);
        out << "33=" << std::string(size_t(state.range(0)) << 20, 'x') << "\n8=1\n";
    }
    std::wstring path = WidePath(file);
    for (auto _ : state) {
        heapmeter::ResetPeak();
        CDSConfig config(path);
        benchmark::DoNotOptimize(config.GetNumber(8));
        ReportPeak(state);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadSettingsWithLongLine)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_NarrowFormatWithArgumentOutsideAscii(benchmark::State& state)
{
    for (auto _ : state) {
        heapmeter::ResetPeak();
        TmpStr text("name=%s", "caf\xC3\xA9");
        benchmark::DoNotOptimize(text.c_str());
        ReportPeak(state);
    }
}
BENCHMARK(BM_NarrowFormatWithArgumentOutsideAscii)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
