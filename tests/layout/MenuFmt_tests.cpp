#include "dsutils/DSMenuUtils.h"

#include "LayoutModelTest.h"
#include "support/EffectItems.h"
#include "support/ErrorStackText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using ButtonList = std::vector<CComPtr<IDSMenuButton>>;

class LayoutArrangeButtons : public LayoutModelTest
{
protected:
    // A menu with command buttons that play the chapters given (0: no link), each 0.2 square
    // at (0.9, 0.9), and a Next button that the arrangement must leave alone.
    CComPtr<IDSMenu> MenuPlaying(std::initializer_list<int> chapters, ULONG layout = 0)
    {
        CComPtr<IDSMenu> menu = AddMenu(MenuType_Main, layout);
        for (int chapter : chapters) {
            CComPtr<IDSMenuButton> button =
                AddButton(menu, ButtonType_Command, 0.9f, 0.9f, 0.2f, 0.2f);
            if (chapter)
                PlayChapter(button, chapter);
            m_buttons.push_back(button);
        }
        m_next = AddButton(menu, ButtonType_Next, -0.9f, -0.9f, 0.1f, 0.1f);
        return menu;
    }

    // A label of the button, aligned by a code.
    CComPtr<IDSMenuText> AddLabel(IDSMenuButton* button, const wchar_t* text, LONG alignment)
    {
        CComPtr<IDSMenuText> label = AddText(button, TextType_Label, text);
        EXPECT_EQ(S_OK, label->put_Alignment(alignment));
        return label;
    }

    static LONG AlignmentOf(IDSMenuText* label)
    {
        LONG code = 0;
        EXPECT_EQ(S_OK, label->get_Alignment(&code));
        return code;
    }

    ButtonList m_buttons;
    CComPtr<IDSMenuButton> m_next;
};

using LayoutMenuVacant = LayoutArrangeButtons;

TEST_F(LayoutArrangeButtons, FewerButtonsTakeTheFirstSlotsOfTheFullGrid)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[0], -2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[1], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[2], 2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[3], -2.0f / 3, -1.0f / 3));
    EXPECT_TRUE(IsAt(m_next, -0.9f, -0.9f));
}

TEST_F(LayoutArrangeButtons, SpreadVersionLaysOutTheButtonsTheMenuHas)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4}, 0x01500C22u);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[0], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[1], -2.0f / 3, -1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[3], 2.0f / 3, -1.0f / 3));
}

TEST_F(LayoutArrangeButtons, MoreButtonsThanTheGridRepeatItsSlotsShifted)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[6], -2.0f / 3 + 0.04f, 1.0f / 3 + 0.04f));
    EXPECT_TRUE(IsAt(m_buttons[7], 0.04f, 1.0f / 3 + 0.04f));
}

TEST_F(LayoutArrangeButtons, ButtonsAreOrderedByTheChapterTheyPlay)
{
    CComPtr<IDSMenu> menu = MenuPlaying({3, 1, 0, 1});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[2], -2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[1], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[3], 2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[0], -2.0f / 3, -1.0f / 3));
}

TEST_F(LayoutArrangeButtons, LayoutAreaHoldsTheGridUntilItIsEmpty)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1});
    FloatRect quarter = {0.0f, 1.0f, 1.0f, 0.0f};
    ASSERT_EQ(S_OK, menu->put_LayoutRect(&quarter));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[0], 1.0f / 6, 2.0f / 3));
    FloatRect empty = {};
    ASSERT_EQ(S_OK, menu->put_LayoutRect(&empty));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_OK);
    EXPECT_TRUE(IsAt(m_buttons[0], -2.0f / 3, 1.0f / 3));
}

TEST_F(LayoutArrangeButtons, LabelOnlyButtonsAreAlignedByTheLineJustify)
{
    CComPtr<IDSMenu> start = MenuPlaying({1, 2}, 0x01400C21u);
    CComPtr<IDSMenuText> label = AddText(m_buttons[0], TextType_Label, L"One");
    CComPtr<IDSMenuText> withThumbnail = AddText(m_buttons[1], TextType_Label, L"Two");
    ASSERT_EQ(S_OK, withThumbnail->put_Alignment(TextAlign_Center));
    AddOverlay(m_buttons[1], OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(start, false), S_OK);
    LONG code = 0;
    label->get_Alignment(&code);
    EXPECT_EQ(code, TextAlign_MiddleLeft);
    withThumbnail->get_Alignment(&code);
    EXPECT_EQ(code, TextAlign_Center);
    EXPECT_TRUE(IsAt(m_buttons[0], -2.0f / 3, 0.6f));
    CComPtr<IDSMenu> end = MenuPlaying({1}, 0x01600C21u);
    CComPtr<IDSMenuText> endLabel = AddText(m_buttons[2], TextType_Label, L"Three");
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(end, false), S_OK);
    endLabel->get_Alignment(&code);
    EXPECT_EQ(code, TextAlign_MiddleRight);
}

TEST_F(LayoutArrangeButtons, SpreadVersionMovesLabelOnlyButtonsToTheJustifiedEdge)
{
    CComPtr<IDSMenu> start = MenuPlaying({1}, 0x01400C22u);
    CComPtr<IDSMenuText> label = AddLabel(m_buttons[0], L"One", TextAlign_BottomCenter);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(start, false), S_OK);
    EXPECT_EQ(AlignmentOf(label), TextAlign_BottomLeft);
    EXPECT_TRUE(IsAt(m_buttons[0], -4.0f / 15, 0.6f));
    CComPtr<IDSMenu> end = MenuPlaying({1}, 0x01600C22u);
    CComPtr<IDSMenuText> endLabel = AddLabel(m_buttons[1], L"Two", TextAlign_TopCenter);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(end, false), S_OK);
    EXPECT_EQ(AlignmentOf(endLabel), TextAlign_TopRight);
    EXPECT_TRUE(IsAt(m_buttons[1], 4.0f / 15, -0.6f));
}

TEST_F(LayoutArrangeButtons, HandPlacedMenuIsOnlyTidiedUnlessForced)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4});
    ASSERT_EQ(S_OK, menu->put_Flags(MenuFlag_FreePlacement));
    float diagonal[] = {0.0f, 0.05f, 0.0f, 0.0f};
    for (size_t i = 0; i < 4; ++i)
        ASSERT_EQ(S_OK, m_buttons[i]->SetPosition(diagonal[i], diagonal[i]));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_FALSE);
    EXPECT_EQ(FlagsOf(menu), MenuFlag_FreePlacement);
    EXPECT_TRUE(IsAt(m_buttons[0], 0.0f, 0.0f));
    EXPECT_TRUE(IsAt(m_buttons[1], 0.05f, 0.05f));
    EXPECT_TRUE(IsAt(m_buttons[2], 0.1f, 0.1f));
    EXPECT_TRUE(IsAt(m_buttons[3], 0.15f, 0.15f));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, true), S_OK);
    EXPECT_EQ(FlagsOf(menu), 0u);
    EXPECT_TRUE(IsAt(m_buttons[0], -2.0f / 3, 1.0f / 3));
}

TEST_F(LayoutArrangeButtons, HandPlacedButtonsStayWhenTheDiagonalIsFull)
{
    CComPtr<IDSMenu> menu = AddMenu();
    ASSERT_EQ(S_OK, menu->put_Flags(MenuFlag_FreePlacement));
    for (int k = 1; k <= 18; ++k)
        AddButton(menu, ButtonType_Command, k * 0.05f, k * 0.05f);
    CComPtr<IDSMenuButton> first = AddButton(menu, ButtonType_Command);
    CComPtr<IDSMenuButton> second = AddButton(menu, ButtonType_Command);
    CComPtr<IDSMenuButton> third = AddButton(menu, ButtonType_Command);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_FALSE);
    EXPECT_TRUE(IsAt(first, 0.0f, 0.0f));
    EXPECT_TRUE(IsAt(second, 0.95f, 0.95f));
    EXPECT_TRUE(IsAt(third, 0.0f, 0.0f));
}

TEST_F(LayoutArrangeButtons, HandPlacedButtonsOnTheTemplatePlaceStackBelowTheOneBefore)
{
    CComPtr<IDSMenu> model = AddMenu(MenuType_MainTemplate);
    AddButton(model, ButtonType_Next, 0.3f, 0.4f);
    AddButton(model, ButtonType_Command, 0.3f, 0.4f);
    LONG modelId = 0;
    model->get_ID(&modelId);
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4});
    ASSERT_EQ(S_OK, menu->put_TemplateID(modelId));
    ASSERT_EQ(S_OK, menu->put_Flags(MenuFlag_FreePlacement));
    float places[][2] = {{-0.5f, 0.2f}, {0.3f, 0.4f}, {0.3f, 0.4f}, {0.7f, -0.7f}};
    for (size_t i = 0; i < 4; ++i)
        ASSERT_EQ(S_OK, m_buttons[i]->SetPosition(places[i][0], places[i][1]));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, false), S_FALSE);
    EXPECT_TRUE(IsAt(m_buttons[1], -0.5f, 0.05f));
    EXPECT_TRUE(IsAt(m_buttons[2], -0.5f, -0.1f));
    EXPECT_TRUE(IsAt(m_buttons[3], 0.7f, -0.7f));
}

TEST_F(LayoutArrangeButtons, NothingToPlaceAnswersFalse)
{
    CComPtr<IDSMenu> empty = MenuPlaying({});
    ASSERT_EQ(S_OK, empty->put_Flags(MenuFlag_FreePlacement | MenuFlag_Still));
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(empty, true), S_FALSE);
    EXPECT_EQ(FlagsOf(empty), MenuFlag_Still);
    CComPtr<IDSMenu> unpositioned = MenuPlaying({1, 2}, 0x01D00C21u);
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(unpositioned, false), S_FALSE);
    EXPECT_TRUE(IsAt(m_buttons[0], 0.9f, 0.9f));
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(nullptr, true), E_POINTER);
}

// A layout area too wide for single precision gives no finite place; the failing placement is
// reported and stops the arrangement before the hand placement is given up.
TEST_F(LayoutArrangeButtons, FailedPlacementStopsTheArrangement)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2});
    FloatRect vast = {-3e38f, 3e38f, 3e38f, -3e38f};
    ASSERT_EQ(S_OK, menu->put_LayoutRect(&vast));
    ASSERT_EQ(S_OK, menu->put_Flags(MenuFlag_FreePlacement));
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(menu, true), E_INVALIDARG);
    EXPECT_TRUE(StackHolds(L"pButton->SetPosition(x, y)"));
    EXPECT_EQ(FlagsOf(menu), MenuFlag_FreePlacement);
    EXPECT_TRUE(IsAt(m_buttons[1], 0.9f, 0.9f));
}

TEST_F(LayoutMenuVacant, ComparesCommandButtonsWithTheLayoutCapacity)
{
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuPlaying({1, 2, 3, 4, 5})));
    CComPtr<IDSMenu> full = MenuPlaying({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(full));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(full));
    CComPtr<IDSMenu> over = MenuPlaying({1, 2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(over));
    ASSERT_EQ(S_OK, over->put_ButtonLayout(0x01501031u));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(over));
}

TEST_F(LayoutMenuVacant, MenuWithoutCommandButtonsIsBothVacantAndOverflowing)
{
    CComPtr<IDSMenu> menu = MenuPlaying({});
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(menu));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(menu));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(nullptr));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(nullptr));
}

// The effect variant: places go to the buttons' items in the menu's storyboard.
class LayoutArrangeBtnFx : public LayoutArrangeButtons
{
protected:
    static ::testing::AssertionResult IsPlacedAt(IDSMenuElement* element, float x, float y)
    {
        float atX = 0.0f;
        float atY = 0.0f;
        if (!EffectPositionOf(element, atX, atY))
            return ::testing::AssertionFailure() << "no position in the storyboard";
        if (std::fabs(atX - x) > 1e-5f || std::fabs(atY - y) > 1e-5f)
            return ::testing::AssertionFailure() << "placed at " << atX << ", " << atY;
        return ::testing::AssertionSuccess();
    }

    static CComPtr<IUnknown> StoryboardOf(IDSMenu* menu)
    {
        CComPtr<IUnknown> storyboard;
        EXPECT_EQ(S_OK, menu->GetProduction(&storyboard));
        return storyboard;
    }
};

TEST_F(LayoutArrangeBtnFx, PlacesTheItemsAndLeavesTheElementsWhereTheyAre)
{
    CComPtr<IDSMenu> menu = MenuPlaying({2, 1});
    ASSERT_EQ(S_OK, menu->put_Flags(MenuFlag_FreePlacement));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(menu, StoryboardOf(menu)), S_OK);
    EXPECT_TRUE(IsPlacedAt(m_buttons[1], -2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsPlacedAt(m_buttons[0], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(m_buttons[0], 0.9f, 0.9f));
    EXPECT_EQ(FlagsOf(menu), 0u);
    float x = 0.0f;
    float y = 0.0f;
    EXPECT_FALSE(EffectPositionOf(m_next, x, y));
}

// A seventh button on a grid of six is the first surplus button: it goes to the top edge,
// and the ones after it follow at 0.7 widths of the first button (measured by its thumbnail).
TEST_F(LayoutArrangeBtnFx, SurplusButtonsLineUpAlongTheTopEdge)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1, 2, 3, 4, 5, 6, 7, 8});
    AddOverlay(m_buttons[0], OverlayType_Thumbnail, 0.0f, 0.0f, 0.2f, 0.2f);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(menu, menu), S_OK);
    EXPECT_TRUE(IsPlacedAt(m_buttons[5], 2.0f / 3, -1.0f / 3));
    EXPECT_TRUE(IsPlacedAt(m_buttons[6], 0.1f - 0.95f, 0.95f - 0.2f));
    EXPECT_TRUE(IsPlacedAt(m_buttons[7], 0.1f - 0.95f + 0.7f * 0.2f, 0.95f - 0.2f));
}

TEST_F(LayoutArrangeBtnFx, LabelsFollowTheLineJustifyWhateverTheButtonHolds)
{
    CComPtr<IDSMenu> spread = MenuPlaying({1}, 0x01400C22u);
    CComPtr<IDSMenuText> label = AddLabel(m_buttons[0], L"One", TextAlign_BottomCenter);
    AddOverlay(m_buttons[0], OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(spread, spread), S_OK);
    EXPECT_EQ(AlignmentOf(label), TextAlign_MiddleLeft);
    // The effect variant lays out the full grid even for the spread version.
    EXPECT_TRUE(IsPlacedAt(m_buttons[0], -2.0f / 3, 0.6f));
}

TEST_F(LayoutArrangeBtnFx, RefusesWhatIsNoStoryboard)
{
    CComPtr<IDSMenu> menu = MenuPlaying({1});
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(menu, m_project), E_POINTER);
    EXPECT_TRUE(StackHolds(L"(IKVEProductionData*)pEffect"));
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(MenuPlaying({}), menu), S_FALSE);
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeBtnFx(nullptr, menu), E_POINTER);
}

} // namespace
