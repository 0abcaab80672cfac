// What a subpicture costs, on a PAL menu of 12 buttons, each with a region-highlighted
// thumbnail and a highlighted label.
//
// The pixel work first: the menu's highlights as the engine renders them at 720 × 576, reduced
// to their colour classes and mapped to the selected state's colours, one pass each over the
// whole picture, beside a memcpy of the same picture in the same run. The goal is at least
// half of memcpy's throughput; the counter "of_memcpy" is the share reached, from the times of
// the pass and of the memcpy that restores the picture before it.
//
// Then the whole of GenerateSubPictureFiles for that menu: scratch menu, production file,
// rendering, reduction, padding and the PNG file.
//
// REELMARK_HOME is pointed at a folder of the benchmark's own, so that the temporary files and
// settings of a run stay out of the user's folders.

#include "SharedMedia.h"

#include "dsutils/SubPicture.h"
#include "subpicture/SubPictureProduction.h"
#include "subpicture/SubpictureBuffer.h"

#include "dsutils/DSProductionUtils.h"
#include "mediaengine/MediaEngine.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/KVEGraphManager.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ComPtr.h"
#include "platform/TaskMemory.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 576;
constexpr size_t kBytes = size_t(kWidth) * kHeight * 4;

const SPUColorMap kSelected = {{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF},
                               {0x00FFFFFF, 0x8F2A9DF4, 0x8F9CF2D4, 0x00000000}};

template <class I> CComPtr<I> Append(IUnknown* holder)
{
    CComQIPtr<IDSMenuElementList> list(holder);
    CComPtr<I> element;
    list->AddElement(&uuidof<I>(), reinterpret_cast<void**>(&element));
    return element;
}

void AddHighlightedButton(IDSMenu* menu, int index)
{
    CComPtr<IDSMenuButton> button = Append<IDSMenuButton>(menu);
    button->put_Tag(ButtonType_Command);
    button->SetPosition(-0.75f + 0.5f * float(index % 4), 0.6f - 0.6f * float(index / 4));
    CComPtr<IDSMenuOverlay> thumbnail = Append<IDSMenuOverlay>(button);
    thumbnail->put_Tag(OverlayType_Thumbnail);
    thumbnail->SetPosition(0.0f, 0.05f);
    thumbnail->SetSize(0.36f, 0.3f);
    thumbnail->put_Highlight(OverlayHLI_Region);
    CComPtr<IDSMenuText> label = Append<IDSMenuText>(button);
    label->put_Tag(TextType_Label);
    label->put_Label(CComBSTR((L"Chapter " + std::to_wstring(index + 1)).c_str()));
    label->SetPosition(0.0f, -0.17f);
    label->SetSize(0.44f, 0.1f);
    label->put_FontSize(0.07f);
    label->put_Highlight(TextHLI_Text);
}

// The classes registered, the menu made and its user folders set aside; everything is let go
// again at the end of a benchmark.
class TwelveButtonMenu
{
public:
    TwelveButtonMenu() : m_home(std::filesystem::path(BenchMediaFolder()) / "subpicture-home")
    {
        std::filesystem::create_directories(m_home);
        setenv("REELMARK_HOME", m_home.string().c_str(), 1);
        RegisterXmlClasses();
        RegisterMediaEngineClasses();
        RegisterObjectModelClasses();
        m_project.CoCreateInstance(CLSID_CDSProjectData);
        m_project->put_TVStandard(TVStandard_PAL);
        m_project->AddMenu(-1, &m_menu);
        m_menu->put_Tag(MenuType_Main);
        for (int i = 0; i < 12; ++i)
            AddHighlightedButton(m_menu, i);
    }
    ~TwelveButtonMenu()
    {
        m_menu.Release();
        m_project.Release();
        RevokeObjectModelClasses();
    }
    TwelveButtonMenu(const TwelveButtonMenu&) = delete;
    TwelveButtonMenu& operator=(const TwelveButtonMenu&) = delete;

    IDSMenu* Menu() const { return m_menu; }
    const std::filesystem::path& Home() const { return m_home; }

    // The highlights as the engine renders them, before reduction.
    std::vector<DWORD> Rendered() const
    {
        CComPtr<IKVEProductionData> production;
        production.CoCreateInstance(CLSID_KVEProduction);
        CComPtr<IDSProjectData> scratchProject;
        CComPtr<IDSMenu> scratch;
        CreateScratchMenu(m_menu, scratchProject, scratch);
        CreateSubPictureProduction(m_menu, production, scratch, SIZE{kWidth, kHeight});
        BYTE* pixels = nullptr;
        std::vector<DWORD> rendered(size_t(kWidth) * kHeight);
        if (SUCCEEDED(CDSProductionUtils::GetImage_32(production, nullptr, kWidth, kHeight, &pixels,
                                                      0.02)))
            std::memcpy(rendered.data(), pixels, kBytes);
        CoTaskMemFree(pixels);
        return rendered;
    }

private:
    std::filesystem::path m_home;
    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSMenu> m_menu;
};

BYTE* BytesOf(std::vector<DWORD>& words)
{
    return reinterpret_cast<BYTE*>(words.data());
}

const std::vector<DWORD>& RenderedHighlights()
{
    static const std::vector<DWORD> rendered = TwelveButtonMenu().Rendered();
    return rendered;
}

void BM_Memcpy(benchmark::State& state)
{
    const std::vector<DWORD>& source = RenderedHighlights();
    std::vector<DWORD> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), kBytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReduceAndMap(benchmark::State& state)
{
    const std::vector<DWORD>& rendered = RenderedHighlights();
    std::vector<DWORD> work(rendered.size());
    const RECT whole{0, 0, kWidth - 1, kHeight - 1};
    double copySeconds = 0.0;
    double passSeconds = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        auto copyStart = std::chrono::steady_clock::now();
        std::memcpy(work.data(), rendered.data(), kBytes);
        benchmark::ClobberMemory();
        copySeconds += SecondsSince(copyStart);
        state.ResumeTiming();
        auto passStart = std::chrono::steady_clock::now();
        ReduceSubpicture(BytesOf(work), kWidth, kHeight);
        MapColors(BytesOf(work), kWidth, kHeight, kSelected, whole);
        benchmark::DoNotOptimize(work.data());
        benchmark::ClobberMemory();
        passSeconds += SecondsSince(passStart);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
    state.counters["of_memcpy"] = passSeconds > 0.0 ? copySeconds / passSeconds : 0.0;
}
BENCHMARK(BM_ReduceAndMap)->Unit(benchmark::kMicrosecond);

void BM_GenerateSubPictureFiles(benchmark::State& state)
{
    TwelveButtonMenu made;
    CComPtr<IKVEGraphManager> graph;
    graph.CoCreateInstance(CLSID_KVEGraphManager);
    std::wstring file = (made.Home() / "MenuSPU.png").wstring();
    for (auto _ : state) {
        if (FAILED(GenerateSubPictureFiles(made.Menu(), graph, file.c_str(), nullptr)))
            state.SkipWithError("GenerateSubPictureFiles failed");
    }
}
BENCHMARK(BM_GenerateSubPictureFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
