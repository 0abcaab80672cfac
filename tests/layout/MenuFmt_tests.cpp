#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "support/ErrorStackText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CComPtr<LayoutMenu> MenuWithButtons(int commands, ULONG layout = 0)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    menu->layout = layout;
    for (int i = 0; i < commands; ++i)
        menu->Add<LayoutButton>(ButtonType_Command);
    menu->Add<LayoutButton>(ButtonType_Next);
    menu->Add<LayoutButton>(ButtonType_Prev);
    return menu;
}

TEST(LayoutMenuVacant, ComparesCommandButtonsWithTheLayoutCapacity)
{
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(5)));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(6)));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(6)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(7)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(7, 0x01501031u)));
}

TEST(LayoutMenuVacant, MenuWithoutCommandButtonsIsBothVacantAndOverflowing)
{
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(0)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(0)));
}

TEST(LayoutMenuVacant, UnreadableMenuIsNeither)
{
    CComPtr<LayoutMenu> menu = MenuWithButtons(0);
    menu->layoutResult = E_FAIL;
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(menu));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(menu));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(nullptr));
}

} // namespace

namespace {

constexpr float kTolerance = 1e-6f;

// A menu of a project (so that links can be read) with its command buttons, one per chapter
// given; chapter 0 makes a button without a link.
struct ArrangedMenu
{
    explicit ArrangedMenu(std::initializer_list<int> chapters, ULONG layout = 0)
    {
        project = LayoutProject::Create();
        menu = project->AddMenu(1, MenuType_Main);
        menu->layout = layout;
        for (int chapter : chapters) {
            CComPtr<LayoutButton> button =
                menu->Add<LayoutButton>(ButtonType_Command, 0.9f, 0.9f, 0.2f, 0.2f);
            if (chapter)
                button->commands.push_back({DiscCommand_PlayTitle, 500, chapter, nullptr});
            buttons.push_back(button);
        }
        next = menu->Add<LayoutButton>(ButtonType_Next, -0.9f, -0.9f, 0.1f, 0.1f);
    }

    CComPtr<LayoutProject> project;
    CComPtr<LayoutMenu> menu;
    std::vector<CComPtr<LayoutButton>> buttons;
    CComPtr<LayoutButton> next;
};

::testing::AssertionResult IsAt(const LayoutButton* button, float x, float y)
{
    if (std::abs(button->x - x) <= kTolerance && std::abs(button->y - y) <= kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << button->x << ", " << button->y << "), expected (" << x << ", " << y << ")";
}

TEST(LayoutArrangeButtons, ButtonsTakeTheSlotsOfTheFullGrid)
{
    ArrangedMenu arranged({1, 2, 3, 4});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[0], -2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[1], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[2], 2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[3], -2.0f / 3, -1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.next, -0.9f, -0.9f));
}

TEST(LayoutArrangeButtons, SpreadVersionLaysOutTheButtonsTheMenuHas)
{
    ArrangedMenu arranged({1, 2, 3, 4}, 0x01500C22u);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[0], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[1], -2.0f / 3, -1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[3], 2.0f / 3, -1.0f / 3));
}

TEST(LayoutArrangeButtons, SeventhButtonRepeatsTheFirstSlotShifted)
{
    ArrangedMenu arranged({1, 2, 3, 4, 5, 6, 7});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[6], -2.0f / 3 + 0.04f, 1.0f / 3 + 0.04f));
}

TEST(LayoutArrangeButtons, ButtonsAreOrderedByTheChapterTheyPlay)
{
    ArrangedMenu arranged({3, 1, 0, 1});
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[2], -2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[1], 0.0f, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[3], 2.0f / 3, 1.0f / 3));
    EXPECT_TRUE(IsAt(arranged.buttons[0], -2.0f / 3, -1.0f / 3));
}

TEST(LayoutArrangeButtons, LayoutAreaHoldsTheGridUntilItIsEmpty)
{
    ArrangedMenu arranged({1});
    arranged.menu->layoutRect = {0.0f, 1.0f, 1.0f, 0.0f};
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[0], 1.0f / 6, 2.0f / 3));
    arranged.menu->layoutRect = {};
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_OK);
    EXPECT_TRUE(IsAt(arranged.buttons[0], -2.0f / 3, 1.0f / 3));
}

TEST(LayoutArrangeButtons, LabelOnlyButtonsAreAlignedByTheLineJustify)
{
    ArrangedMenu start({1, 2}, 0x01400C21u);
    CComPtr<LayoutText> label = start.buttons[0]->Add<LayoutText>(TextType_Label);
    CComPtr<LayoutText> withThumbnail = start.buttons[1]->Add<LayoutText>(TextType_Label);
    start.buttons[1]->Add<LayoutOverlay>(OverlayType_Thumbnail);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(start.menu, false), S_OK);
    EXPECT_EQ(label->alignment, TextAlign_MiddleLeft);
    EXPECT_EQ(withThumbnail->alignment, TextAlign_Center);
    EXPECT_TRUE(IsAt(start.buttons[0], -2.0f / 3, 0.6f));
    ArrangedMenu end({1}, 0x01600C21u);
    CComPtr<LayoutText> endLabel = end.buttons[0]->Add<LayoutText>(TextType_Label);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(end.menu, false), S_OK);
    EXPECT_EQ(endLabel->alignment, TextAlign_MiddleRight);
}

TEST(LayoutArrangeButtons, SpreadVersionMovesLabelOnlyButtonsToTheJustifiedEdge)
{
    ArrangedMenu start({1}, 0x01400C22u);
    CComPtr<LayoutText> label = start.buttons[0]->Add<LayoutText>(TextType_Label);
    label->alignment = TextAlign_BottomCenter;
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(start.menu, false), S_OK);
    EXPECT_EQ(label->alignment, TextAlign_BottomLeft);
    EXPECT_TRUE(IsAt(start.buttons[0], -4.0f / 15, 0.6f));
    ArrangedMenu end({1}, 0x01600C22u);
    CComPtr<LayoutText> endLabel = end.buttons[0]->Add<LayoutText>(TextType_Label);
    endLabel->alignment = TextAlign_TopCenter;
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(end.menu, false), S_OK);
    EXPECT_EQ(endLabel->alignment, TextAlign_TopRight);
    EXPECT_TRUE(IsAt(end.buttons[0], 4.0f / 15, -0.6f));
}

TEST(LayoutArrangeButtons, HandPlacedMenuIsOnlyTidiedUnlessForced)
{
    ArrangedMenu arranged({1, 2, 3, 4});
    arranged.menu->flags = MenuFlag_FreePlacement;
    arranged.buttons[0]->x = arranged.buttons[0]->y = 0.0f;
    arranged.buttons[1]->x = arranged.buttons[1]->y = 0.05f;
    arranged.buttons[2]->x = arranged.buttons[2]->y = 0.0f;
    arranged.buttons[3]->x = arranged.buttons[3]->y = 0.0f;
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_FALSE);
    EXPECT_EQ(arranged.menu->flags, MenuFlag_FreePlacement);
    EXPECT_TRUE(IsAt(arranged.buttons[0], 0.0f, 0.0f));
    EXPECT_TRUE(IsAt(arranged.buttons[2], 0.1f, 0.1f));
    EXPECT_TRUE(IsAt(arranged.buttons[3], 0.15f, 0.15f));
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, true), S_OK);
    EXPECT_EQ(arranged.menu->flags, 0u);
    EXPECT_TRUE(IsAt(arranged.buttons[0], -2.0f / 3, 1.0f / 3));
}

TEST(LayoutArrangeButtons, HandPlacedButtonsStayWhenTheDiagonalIsFull)
{
    ArrangedMenu arranged({});
    arranged.menu->flags = MenuFlag_FreePlacement;
    for (int k = 1; k <= 18; ++k)
        arranged.menu->Add<LayoutButton>(ButtonType_Command, k * 0.05f, k * 0.05f);
    CComPtr<LayoutButton> first = arranged.menu->Add<LayoutButton>(ButtonType_Command);
    CComPtr<LayoutButton> second = arranged.menu->Add<LayoutButton>(ButtonType_Command);
    CComPtr<LayoutButton> third = arranged.menu->Add<LayoutButton>(ButtonType_Command);
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_FALSE);
    EXPECT_TRUE(IsAt(first, 0.0f, 0.0f));
    EXPECT_TRUE(IsAt(second, 0.95f, 0.95f));
    EXPECT_TRUE(IsAt(third, 0.0f, 0.0f));
}

TEST(LayoutArrangeButtons, HandPlacedButtonsOnTheTemplatePlaceStackBelowTheOneBefore)
{
    ArrangedMenu arranged({1, 2, 3, 4});
    CComPtr<LayoutMenu> model = arranged.project->AddMenu(10, MenuType_MainTemplate);
    model->Add<LayoutButton>(ButtonType_Next, 0.3f, 0.4f);
    model->Add<LayoutButton>(ButtonType_Command, 0.3f, 0.4f);
    arranged.menu->templateId = 10;
    arranged.menu->flags = MenuFlag_FreePlacement;
    float places[][2] = {{-0.5f, 0.2f}, {0.3f, 0.4f}, {0.3f, 0.4f}, {0.7f, -0.7f}};
    for (size_t i = 0; i < 4; ++i) {
        arranged.buttons[i]->x = places[i][0];
        arranged.buttons[i]->y = places[i][1];
    }
    ASSERT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, false), S_FALSE);
    EXPECT_TRUE(IsAt(arranged.buttons[1], -0.5f, 0.05f));
    EXPECT_TRUE(IsAt(arranged.buttons[2], -0.5f, -0.1f));
    EXPECT_TRUE(IsAt(arranged.buttons[3], 0.7f, -0.7f));
}

TEST(LayoutArrangeButtons, NothingToPlaceAnswersFalseAndClearsTheHandPlacement)
{
    ArrangedMenu empty({});
    empty.menu->flags = MenuFlag_FreePlacement | MenuFlag_Still;
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(empty.menu, true), S_FALSE);
    EXPECT_EQ(empty.menu->flags, MenuFlag_Still);
    ArrangedMenu unpositioned({1, 2}, 0x01D00C21u);
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(unpositioned.menu, false), S_FALSE);
    EXPECT_TRUE(IsAt(unpositioned.buttons[0], 0.9f, 0.9f));
}

TEST(LayoutArrangeButtons, FailedPlacementStopsTheArrangement)
{
    ArrangedMenu arranged({1, 2, 3});
    arranged.menu->flags = MenuFlag_FreePlacement;
    arranged.buttons[1]->positionResult = E_ACCESSDENIED;
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(arranged.menu, true), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"pButton->SetPosition(x, y)"));
    EXPECT_TRUE(IsAt(arranged.buttons[2], 0.9f, 0.9f));
    EXPECT_EQ(arranged.menu->flags, MenuFlag_FreePlacement);
    EXPECT_EQ(CDSMenuUtils::LayoutArrangeButtons(nullptr, true), E_POINTER);
}

} // namespace
