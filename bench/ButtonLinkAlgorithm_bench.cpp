// The time the neighbour links of one menu take, for menus of 6, 36 and 99 command buttons
// with thumbnails laid out on a grid, with Prev and Next buttons below them. The counter
// "reads_per_element" shows how often each rectangle was read from the model per run.
#include "dsutils/DSButtonLinkAlgorithm.h"

#include "navigation/FakeMenuModel.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct GridMenu
{
    CComPtr<FakeProjectData> project = FakeProjectData::Create();
    CComPtr<IDSMenu> menu;
    std::vector<CComPtr<IDSMenuElement>> measured;
};

CComPtr<IDSMenuButton> AddButton(IDSMenu* pMenu, ULONG tag, float x, float y)
{
    CComQIPtr<IDSMenuElementList> spList(pMenu);
    CComPtr<IDSMenuButton> spButton;
    spList->AddElement(&IID_IDSMenuButton, reinterpret_cast<void**>(&spButton));
    spButton->put_Tag(tag);
    spButton->SetPosition(x, y);
    spButton->SetSize(0.1f, 0.1f);
    return spButton;
}

CComPtr<IDSMenuOverlay> AddThumbnail(IDSMenuButton* pButton)
{
    CComQIPtr<IDSMenuElementList> spList(pButton);
    CComPtr<IDSMenuOverlay> spOverlay;
    spList->AddElement(&IID_IDSMenuOverlay, reinterpret_cast<void**>(&spOverlay));
    spOverlay->put_Tag(OverlayType_Thumbnail);
    spOverlay->SetSize(0.08f, 0.06f);
    return spOverlay;
}

GridMenu MakeGridMenu(int rows, int columns)
{
    GridMenu grid;
    grid.project->AddMenu(-1, &grid.menu);
    grid.menu->put_Tag(MenuType_Main);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            float x = -0.9f + 1.8f * (column + 0.5f) / columns;
            float y = 0.9f - 1.6f * (row + 0.5f) / rows;
            CComPtr<IDSMenuButton> button = AddButton(grid.menu, ButtonType_Command, x, y);
            grid.measured.push_back(CComPtr<IDSMenuElement>(AddThumbnail(button).p));
        }
    }
    for (ULONG kind : {ButtonType_Prev, ButtonType_Next}) {
        CComPtr<IDSMenuButton> button = AddButton(grid.menu, kind, kind * 0.4f - 0.6f, -0.85f);
        grid.measured.push_back(CComPtr<IDSMenuElement>(button.p));
    }
    return grid;
}

void NeighbourLinks(benchmark::State& state)
{
    GridMenu grid =
        MakeGridMenu(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        if (FAILED(applyButtonLinkAlgorithm(grid.menu)))
            state.SkipWithError("applyButtonLinkAlgorithm failed");
    }
    double reads = 0;
    for (const CComPtr<IDSMenuElement>& element : grid.measured)
        reads += StateOf(element).placeReads;
    state.counters["buttons"] = static_cast<double>(state.range(0) * state.range(1));
    state.counters["reads_per_element"] =
        reads / static_cast<double>(grid.measured.size()) / static_cast<double>(state.iterations());
}

BENCHMARK(NeighbourLinks)->Args({2, 3})->Args({6, 6})->Args({9, 11})->Unit(benchmark::kMicrosecond);

} // namespace
