// Saves and loads projects of 99 titles and 40 menus of 36 buttons each, and smaller and
// larger ones, reporting the time and the peak heap memory of each operation. The peak per
// element stays the same at every size and the time fits O(N): both grow linearly.
#include "HeapMeter.h"
#include "support/FakeProduction.h"

#include "model/IDSCommandList.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/IDSTitle.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/StringConv.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

struct ProjectShape
{
    LONG titles;
    LONG menus;
    LONG buttons;

    explicit ProjectShape(const benchmark::State& state)
        : titles(static_cast<LONG>(state.range(0))), menus(static_cast<LONG>(state.range(1))),
          buttons(static_cast<LONG>(state.range(2)))
    {}

    // Titles, menus and every element (a button holds a label and a thumbnail).
    int64_t Objects() const { return titles + menus * (1 + 3 * int64_t(buttons)); }
};

// The class registrations a benchmark run needs, for its length.
class Registrations
{
public:
    Registrations() { RegisterObjectModelClasses(); }
    ~Registrations() { RevokeObjectModelClasses(); }

private:
    FakeProductionScope m_production;
};

CComPtr<IXMLDOMNode> TransitionNode()
{
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->loadXML(CComBSTR(L"<Transition Name=\"Dissolve\"><effect_id>3</effect_id>"
                               L"</Transition>"),
                      &loaded);
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    return CComPtr<IXMLDOMNode>(root.p);
}

template <class I> CComPtr<I> AddElement(IUnknown* parent)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    CComPtr<I> element;
    list->AddElement(&uuidof<I>(), reinterpret_cast<void**>(&element));
    return element;
}

void AddTitleButton(IDSMenu* menu, LONG index, LONG titleId, IXMLDOMNode* transition)
{
    auto button = AddElement<IDSMenuButton>(menu);
    button->put_Tag(ButtonType_Command);
    button->SetPosition(-0.8f + 0.25f * static_cast<float>(index % 6),
                        0.8f - 0.25f * static_cast<float>(index / 6));
    auto label = AddElement<IDSMenuText>(button);
    label->put_Tag(TextType_Label);
    label->put_Label(CComBSTR(std::to_wstring(index + 1) + L". Chapter"));
    auto thumbnail = AddElement<IDSMenuOverlay>(button);
    thumbnail->put_Tag(OverlayType_Thumbnail);
    thumbnail->SetSourceType(OverlaySource_ButtonLink, 0);
    thumbnail->put_Source(CComBSTR(L"/cache/StillThumbnailCache/OvlStill_1_2_3-00.png"));
    DiscCommandParams commands[2] = {{DiscCommand_Transition, 0, 0, transition},
                                     {DiscCommand_PlayTitle, titleId, index + 1, nullptr}};
    CComQIPtr<IDSCommandList>(button)->SetCommands(2, commands);
}

CComPtr<IDSProjectData> BuildProject(const ProjectShape& shape)
{
    CComPtr<IDSProjectData> project;
    project.CoCreateInstance(CLSID_CDSProjectData);
    std::vector<LONG> titleIds;
    for (LONG t = 0; t < shape.titles; ++t) {
        CComPtr<IDSTitle> title;
        project->AddTitle(-1, &title);
        title->put_Name(CComBSTR(L"Title " + std::to_wstring(t + 1)));
        LONG id = 0;
        title->get_ID(&id);
        titleIds.push_back(id);
    }
    auto transition = TransitionNode();
    for (LONG m = 0; m < shape.menus; ++m) {
        CComPtr<IDSMenu> menu;
        project->AddMenu(-1, &menu);
        menu->put_Tag(MenuType_Main);
        menu->put_Background(CComBSTR(L"%CONTENT%/DVD/Backgrounds/blue.png"));
        for (LONG b = 0; b < shape.buttons; ++b)
            AddTitleButton(menu, b, titleIds[(m * shape.buttons + b) % titleIds.size()],
                           transition);
    }
    return project;
}

std::wstring ProjectPath(const char* name)
{
    auto folder = std::filesystem::temp_directory_path() / "objectmodel-bench";
    std::filesystem::create_directories(folder);
    return Utf8ToWide((folder / name).string());
}

void ReportMeasures(benchmark::State& state, const ProjectShape& shape, std::size_t peak)
{
    state.counters["objects"] = static_cast<double>(shape.Objects());
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["peak_B_per_object"] = static_cast<double>(peak) / shape.Objects();
    state.SetComplexityN(shape.Objects());
}

void BM_SaveProject(benchmark::State& state)
{
    Registrations registrations;
    ProjectShape shape(state);
    auto project = BuildProject(shape);
    CComPtr<IDSProjectFile> files;
    files.CoCreateInstance(CLSID_CDSProjectFile);
    CComBSTR path(ProjectPath("save.dmsd"));
    std::size_t peak = 0;
    for (auto _ : state) {
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        if (FAILED(files->SaveProject(path, project)))
            state.SkipWithError("the project could not be saved");
        peak = std::max(peak, heapmeter::PeakBytes() - before);
    }
    ReportMeasures(state, shape, peak);
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(WideToUtf8(path.Str()))) / 1e6;
}

void BM_LoadProject(benchmark::State& state)
{
    Registrations registrations;
    ProjectShape shape(state);
    CComPtr<IDSProjectFile> files;
    files.CoCreateInstance(CLSID_CDSProjectFile);
    CComBSTR path(ProjectPath("load.dmsd"));
    files->SaveProject(path, BuildProject(shape));
    std::size_t peak = 0;
    for (auto _ : state) {
        CComPtr<IDSProjectData> project;
        project.CoCreateInstance(CLSID_CDSProjectData);
        std::size_t before = heapmeter::CurrentBytes();
        heapmeter::ResetPeak();
        if (FAILED(files->LoadProject(path, project)))
            state.SkipWithError("the project could not be loaded");
        peak = std::max(peak, heapmeter::PeakBytes() - before);
        state.PauseTiming();
        project.Release();
        state.ResumeTiming();
    }
    ReportMeasures(state, shape, peak);
}

// Titles, menus and buttons per menu: a quarter, a half, the full size and twice it.
void ProjectSizes(benchmark::internal::Benchmark* benchmark)
{
    for (int64_t scale : {1, 2, 4, 8})
        benchmark->Args({99 * scale / 4, 10 * scale, 36});
    benchmark->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

} // namespace

BENCHMARK(BM_SaveProject)->Apply(ProjectSizes);
BENCHMARK(BM_LoadProject)->Apply(ProjectSizes);
