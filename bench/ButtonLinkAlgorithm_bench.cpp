// The time the neighbour links of one menu take, for menus of 6, 36 and 99 command buttons
// with thumbnails laid out on a grid, with Prev and Next buttons below them, in a project of
// the object model.
#include "dsutils/DSButtonLinkAlgorithm.h"

#include "mediaengine/MediaEngine.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"

#include "platform/ComPtr.h"

#include <benchmark/benchmark.h>

namespace {

struct GridMenu
{
    CComPtr<IDSProjectData> project;
    CComPtr<IDSMenu> menu;
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
    RegisterMediaEngineClasses();
    RegisterObjectModelClasses();
    grid.project.CoCreateInstance(CLSID_CDSProjectData);
    grid.project->AddMenu(-1, &grid.menu);
    grid.menu->put_Tag(MenuType_Main);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            float x = -0.9f + 1.8f * (column + 0.5f) / columns;
            float y = 0.9f - 1.6f * (row + 0.5f) / rows;
            AddThumbnail(AddButton(grid.menu, ButtonType_Command, x, y));
        }
    }
    for (ULONG kind : {ButtonType_Prev, ButtonType_Next})
        AddButton(grid.menu, kind, kind * 0.4f - 0.6f, -0.85f);
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
    state.counters["buttons"] = static_cast<double>(state.range(0) * state.range(1));
}

BENCHMARK(NeighbourLinks)->Args({2, 3})->Args({6, 6})->Args({9, 11})->Unit(benchmark::kMicrosecond);

} // namespace
