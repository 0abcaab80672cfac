#include "ThemeTest.h"

#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr DWORD kAllFlags = 0x3F;

class NoOverwrite : public ThemedProject
{
protected:
    ULONG Layout(IDSMenu* menu)
    {
        ULONG layout = 0;
        EXPECT_EQ(S_OK, menu->get_ButtonLayout(&layout));
        return layout;
    }
    std::vector<std::wstring> RangeLabels(IDSMenu* menu)
    {
        std::vector<std::wstring> labels;
        for (const auto& button : GetButtonList(menu, ButtonType_ChapterRange))
            labels.push_back(LabelOf(FirstTextOf(button, kAllTags)));
        return labels;
    }
};

TEST_F(NoOverwrite, FullDestinationChangesNothingButTheTagAndTheMissingButtons)
{
    CComPtr<IDSMenu> menu = ::AddMenu(m_project);
    std::wstring audio = m_scratch.File("mine.wav");
    std::ofstream(m_scratch.Path() / "mine.wav") << "";
    ASSERT_EQ(S_OK, menu->put_Background(CComBSTR(L"mine.png")));
    ASSERT_EQ(S_OK, menu->put_Duration(3.0));
    ASSERT_EQ(S_OK, menu->put_Audio(CComBSTR(audio)));
    ASSERT_EQ(S_OK, menu->put_ButtonLayout(0x01501021u));
    FloatRect area = {-0.5f, 0.5f, 0.5f, -0.5f};
    ASSERT_EQ(S_OK, menu->put_LayoutRect(&area));
    SetLabel(Tagged(::AddText(menu), 0), L"My words");
    Tagged(::AddOverlay(menu), OverlayType_Generic);
    CComPtr<IDSMenuButton> command = Tagged(::AddButton(menu), ButtonType_Command);
    LONG before = Count(menu);

    ASSERT_EQ(S_OK, CMenuStyleUtil::NoOverwriteCopy(menu, m_mainTemplate, kAllFlags));
    EXPECT_EQ(GetTag(menu), ULONG(MenuType_Main));
    EXPECT_EQ(BackgroundOf(menu), L"mine.png");
    double duration = 0.0;
    ASSERT_EQ(S_OK, menu->get_Duration(&duration));
    EXPECT_EQ(duration, 3.0);
    EXPECT_EQ(AudioOf(menu), audio);
    EXPECT_EQ(Layout(menu), 0x01501021u);
    FloatRect kept = {};
    ASSERT_EQ(S_OK, menu->get_LayoutRect(&kept));
    EXPECT_EQ(kept.left, -0.5f);
    EXPECT_EQ(LabelOf(FirstTextOf(menu, kAllTags)), L"My words");
    EXPECT_EQ(GetOverlayList(menu, OverlayType_Generic).size(), 1u);
    EXPECT_EQ(GetButtonList(menu, ButtonType_Command).size(), 1u);
    EXPECT_EQ(GetID(FirstButtonOf(menu, ButtonType_Command)), GetID(command));
    // Next, Prev, Up and Home came from the template.
    EXPECT_EQ(Count(menu), before + 4);
    EXPECT_EQ(GetButtonList(menu, ButtonType_Navigation).size(), 4u);
}

TEST_F(NoOverwrite, EmptyDestinationTakesTheTemplatesParts)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Main);
    ASSERT_EQ(S_OK, m_chapterTemplate->SetSmartAudio(CComBSTR(L"smart.wav")));
    ASSERT_EQ(S_OK, m_chapterTemplate->put_Audio(CComBSTR(m_scratch.File("gone.wav"))));
    ASSERT_EQ(S_OK, CMenuStyleUtil::NoOverwriteCopy(menu, m_chapterTemplate, kAllFlags));
    EXPECT_EQ(GetTag(menu), ULONG(MenuType_Chapter));
    EXPECT_EQ(BackgroundOf(menu), m_scratch.File("chapters.png"));
    EXPECT_EQ(AudioOf(menu), L"smart.wav") << "the audio file is missing";
    EXPECT_EQ(LabelOf(FirstTextOf(menu, kAllTags)), L"Chapters");
    EXPECT_EQ(RangeLabels(menu), (std::vector<std::wstring>{L"1-6", L"7-12", L"13-18"}));
}

TEST_F(NoOverwrite, TemplateForBothKindsLeavesTheKindAndNullMenusDoNothing)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Chapter);
    ASSERT_EQ(S_OK, m_mainTemplate->put_Tag(MenuType_MainTemplate | MenuType_ChapterTemplate));
    ASSERT_EQ(S_OK, CMenuStyleUtil::NoOverwriteCopy(menu, m_mainTemplate, kAllFlags));
    EXPECT_EQ(GetTag(menu), ULONG(MenuType_Chapter));
    EXPECT_EQ(S_FALSE, CMenuStyleUtil::NoOverwriteCopy(nullptr, m_mainTemplate, kAllFlags));
    EXPECT_EQ(S_FALSE, CMenuStyleUtil::NoOverwriteCopy(menu, nullptr, kAllFlags));
}

TEST_F(NoOverwrite, MissingIndexButtonsAreCopiedAndEveryOneLabelledWithItsPage)
{
    // A template with five index buttons and a menu with two, six buttons to a page.
    CComPtr<IDSMenu> source = Tagged(::AddMenu(m_project), MenuType_ChapterTemplate);
    for (int k = 0; k < 5; ++k) {
        CComPtr<IDSMenuButton> range = Tagged(::AddButton(source), ButtonType_ChapterRange);
        ASSERT_EQ(S_OK, range->put_Name(CComBSTR(L"T" + std::to_wstring(k))));
        ::AddText(range);
    }
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Chapter);
    for (int k = 0; k < 2; ++k)
        ::AddText(Tagged(::AddButton(menu), ButtonType_ChapterRange));
    CDSLayout threeByTwo(3, 2, LayoutStyle_Rows, Justify_Center, Justify_Center,
                         Weight_LastLinesFull);
    ASSERT_EQ(S_OK, menu->put_ButtonLayout(threeByTwo));

    ASSERT_EQ(S_OK, CMenuStyleUtil::NoOverwriteButtonsArray(ButtonType_ChapterRange, menu, source));
    std::vector<CComPtr<IDSMenuButton>> ranges = GetButtonList(menu, ButtonType_ChapterRange);
    ASSERT_EQ(ranges.size(), 5u);
    EXPECT_EQ(NameOf(ranges[2]), L"T2");
    EXPECT_EQ(NameOf(ranges[4]), L"T4");
    EXPECT_EQ(RangeLabels(menu),
              (std::vector<std::wstring>{L"1-6", L"7-12", L"13-18", L"19-24", L"25-30"}));
}

TEST_F(NoOverwrite, FillUpEndsWithAFullPageOfCommandButtons)
{
    CComPtr<IDSMenu> menu = ::AddMenu(m_project);
    ASSERT_EQ(S_OK, CMenuStyleUtil::FillUpMenuWithCommandButtons(menu));
    EXPECT_EQ(Count(menu), 0) << "no command button to copy";
    Tagged(::AddButton(menu), ButtonType_Command);
    ASSERT_EQ(S_OK, CMenuStyleUtil::FillUpMenuWithCommandButtons(menu));
    EXPECT_EQ(GetButtonList(menu, ButtonType_Command).size(), 6u);
    ASSERT_EQ(S_OK, CMenuStyleUtil::FillUpMenuWithCommandButtons(menu));
    EXPECT_EQ(GetButtonList(menu, ButtonType_Command).size(), 6u) << "a full menu stays full";
}

TEST_F(NoOverwrite, MergedTemplateTakesTheSecondTemplatesButtonsAndAFullPage)
{
    CComPtr<IDSMenu> merged = ::AddMenu(m_project);
    ASSERT_EQ(S_OK, CMenuStyleUtil::ConstructMergedTemplate(merged, m_mainTemplate,
                                                            m_chapterTemplate, 0));
    EXPECT_EQ(GetTag(merged), ULONG(MenuType_Main)) << "the main template's kind";
    EXPECT_EQ(BackgroundOf(merged), m_scratch.File("background.png"));
    EXPECT_EQ(GetButtonList(merged, ButtonType_Command).size(), 6u);
    EXPECT_EQ(GetButtonList(merged, ButtonType_ChapterRange).size(), 3u);
    EXPECT_EQ(GetButtonList(merged, ButtonType_Next).size(), 1u);
    // The command buttons are laid out on the grid, not stacked on the template's place.
    std::vector<CComPtr<IDSMenuButton>> commands = GetButtonList(merged, ButtonType_Command);
    EXPECT_FALSE(IsAt(commands[1], TestThemeLayout::kCommandX, TestThemeLayout::kCommandY));
}

TEST_F(NoOverwrite, PopulateMenuFillsAChapterMenuWithSampleButtons)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(m_project), MenuType_Chapter);
    ASSERT_EQ(S_OK, menu->put_TemplateID(GetID(m_chapterTemplate)));
    ASSERT_EQ(S_OK, CMenuStyleUtil::PopulateMenu(menu, 0x3F));
    EXPECT_EQ(GetButtonList(menu, ButtonType_Navigation).size(), 4u);
    EXPECT_EQ(RangeLabels(menu), (std::vector<std::wstring>{L"83-89", L"84-89", L"85-89"}));
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(FirstButtonOf(menu, ButtonType_ChapterRange)), menu.p);
}

} // namespace
