// What the demo's media cost: the three 640 × 480 clips of the demo (4 seconds each, painted
// with their names, a moving disc and the time, with a tone), and the clip writer alone on a
// flat picture, with and without the tone, so that painting, video and audio encoding can be
// told apart.

#include "DemoClips.h"

#include "mediaengine/ClipWriter.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

// A folder of the benchmark's own, removed when the program ends.
class BenchFolder
{
public:
    BenchFolder()
    {
        m_path = std::filesystem::temp_directory_path() /
                 ("dsutils-clips-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const BenchFolder& Folder()
{
    static BenchFolder folder;
    return folder;
}

void BM_DemoClips(benchmark::State& state)
{
    double seconds = double(state.range(0));
    for (auto _ : state) {
        std::vector<std::wstring> files;
        std::wstring failed;
        if (FAILED(WriteDemoClips(Folder().Path().wstring(), seconds, nullptr, files, failed)))
            state.SkipWithError("the demo clips could not be written");
    }
    state.counters["frames"] =
        benchmark::Counter(3.0 * seconds * kDemoClipFramesPerSecond * double(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DemoClips)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteClip(benchmark::State& state)
{
    ClipShape shape;
    shape.width = kDemoClipWidth;
    shape.height = kDemoClipHeight;
    shape.framesPerSecond = kDemoClipFramesPerSecond;
    shape.frameCount = 4 * kDemoClipFramesPerSecond;
    shape.toneFrequency = state.range(0) ? 440.0 : 0.0;
    std::wstring file = (Folder().Path() / "flat.mp4").wstring();
    auto paint = [](int, BgraImage& picture) { picture.Fill(0xFF336699); };
    for (auto _ : state) {
        if (FAILED(WriteClip(file, shape, paint)))
            state.SkipWithError("the clip could not be written");
    }
    state.counters["frames"] = benchmark::Counter(
        double(shape.frameCount) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteClip)
    ->ArgName("tone")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
