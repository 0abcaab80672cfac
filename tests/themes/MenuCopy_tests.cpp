#include "ThemeTest.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class MenuCopies : public ThemedProject
{};

TEST_F(MenuCopies, TemplateLookWithoutABackgroundKeepsTheMenusBackground)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Main);
    ASSERT_EQ(S_OK, menu->put_Background(CComBSTR(L"mine.png")));
    ASSERT_EQ(S_OK, menu->put_Duration(4.0));
    ASSERT_EQ(S_OK, m_mainTemplate->put_Background(CComBSTR(L"")));
    std::array<PaletteEntry, kPaletteEntries> palette = {};
    palette[3] = {10, 20, 30};
    ASSERT_EQ(S_OK, m_mainTemplate->SetPalette(palette.data()));
    const BYTE selected[kSubpictureColourBytes] = {1, 15, 2, 14, 3, 13, 4, 12};
    const BYTE activated[kSubpictureColourBytes] = {5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_EQ(S_OK, m_mainTemplate->SetSubpictureColours(SPU_Scheme2, selected, activated));
    ASSERT_EQ(S_OK, m_mainTemplate->SetSubpictureColours(SPU_Normal, activated, nullptr));

    ASSERT_EQ(S_OK, CMenuStyleUtil::MenuCopy(menu, m_mainTemplate));
    EXPECT_EQ(GetTemplateID(menu), GetID(m_mainTemplate));
    EXPECT_EQ(BackgroundOf(menu), L"mine.png");
    double duration = 0.0;
    ASSERT_EQ(S_OK, menu->get_Duration(&duration));
    EXPECT_EQ(duration, 4.0);
    std::array<PaletteEntry, kPaletteEntries> copied = {};
    ASSERT_EQ(S_OK, menu->GetPalette(copied.data()));
    EXPECT_EQ(copied[3].blue, 30);
    std::array<BYTE, kSubpictureColourBytes> readSelected = {};
    std::array<BYTE, kSubpictureColourBytes> readActivated = {};
    ASSERT_EQ(S_OK,
              menu->GetSubpictureColours(SPU_Scheme2, readSelected.data(), readActivated.data()));
    EXPECT_EQ(readSelected[1], 15);
    EXPECT_EQ(readActivated[0], 5);
    ASSERT_EQ(S_OK, menu->GetSubpictureColours(SPU_Normal, readSelected.data(), nullptr));
    EXPECT_EQ(readSelected[0], 5);
    EXPECT_EQ(S_FALSE, CMenuStyleUtil::CopyMenuColorPalette(nullptr, menu));
}

TEST_F(MenuCopies, AppliedElementsKeepTheWordsAndMatchTheTemplatesOverlays)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuText> text = Tagged(::AddText(menu), 0);
    SetLabel(text, L"My title");
    CComPtr<IDSMenuOverlay> kept = Tagged(::AddOverlay(menu), OverlayType_Generic);
    CComPtr<IDSMenuOverlay> surplus = Tagged(::AddOverlay(menu), OverlayType_Generic);
    ASSERT_EQ(S_OK, CMenuStyleUtil::MenuElementsApply(menu, m_mainTemplate));
    EXPECT_EQ(LabelOf(text), L"My title");
    EXPECT_TRUE(IsAt(text, 0.0f, TestThemeLayout::kTitleY));
    COLORREF face = 0;
    ASSERT_EQ(S_OK, text->GetColor(TextColour_Face, &face));
    EXPECT_EQ(face, 0x0000FFFFu);
    std::vector<CComPtr<IDSMenuOverlay>> overlays = GetOverlayList(menu, OverlayType_Generic);
    ASSERT_EQ(overlays.size(), 1u);
    EXPECT_EQ(GetID(overlays[0]), GetID(kept));
    EXPECT_TRUE(IsAt(kept, 0.85f, 0.85f));

    // An empty menu gets copies of the template's overlays but no texts of its own.
    CComPtr<IDSMenu> empty = Tagged(::AddMenu(m_project), MenuType_Main);
    ASSERT_EQ(S_OK, CMenuStyleUtil::MenuElementsApply(empty, m_mainTemplate));
    EXPECT_EQ(GetOverlayList(empty, OverlayType_Generic).size(), 1u);
    EXPECT_TRUE(GetTextList(empty, kAllTags).empty());
    // MenuElementsCopy brings the texts too.
    ASSERT_EQ(S_OK, CMenuStyleUtil::MenuElementsCopy(empty, m_mainTemplate));
    EXPECT_EQ(LabelOf(FirstTextOf(empty, kAllTags)), L"Theme title");
    EXPECT_EQ(S_FALSE, CMenuStyleUtil::MenuElementsCopy(empty, ::AddMenu(m_project)));
}

} // namespace
