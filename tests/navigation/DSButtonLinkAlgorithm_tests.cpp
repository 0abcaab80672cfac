#include "dsutils/DSButtonLinkAlgorithm.h"

#include "FakeMenuModel.h"
#include "NavigationProject.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Buttons = std::vector<CComPtr<IDSMenuButton>>;

// The neighbours of a button as element IDs: left, right, up, down.
struct Links
{
    IDSMenuElement* left;
    IDSMenuElement* right;
    IDSMenuElement* up;
    IDSMenuElement* down;
};

// The links of each button of a grid, as indices into the grid: left, right, up, down.
using GridLinks = std::vector<std::array<int, 4>>;

void ExpectLinks(IDSMenuElement* pButton, const Links& expected);

void ExpectGridLinks(const std::vector<CComPtr<IDSMenuButton>>& grid, const GridLinks& expected)
{
    for (size_t i = 0; i < grid.size(); ++i) {
        const std::array<int, 4>& to = expected[i];
        ExpectLinks(grid[i], {grid[to[0]], grid[to[1]], grid[to[2]], grid[to[3]]});
    }
}

void ExpectLinks(IDSMenuElement* pButton, const Links& expected)
{
    ElementNeighbours record = NeighboursOf(pButton);
    EXPECT_EQ(record.left, GetID(expected.left)) << "left of " << GetID(pButton);
    EXPECT_EQ(record.right, GetID(expected.right)) << "right of " << GetID(pButton);
    EXPECT_EQ(record.up, GetID(expected.up)) << "up of " << GetID(pButton);
    EXPECT_EQ(record.down, GetID(expected.down)) << "down of " << GetID(pButton);
}

class ButtonLinkTest : public ::testing::Test
{
protected:
    ButtonLinkTest() = default;
    explicit ButtonLinkTest(IDSProjectData* pProject) : model(pProject) {}

    CComPtr<IDSMenuButton> Add(ULONG tag, float x, float y)
    {
        return model.AddButton(menu, tag, x, y);
    }

    // Two rows of three command buttons, top row first, each row left to right.
    Buttons Grid(bool withThumbnails)
    {
        Buttons grid;
        for (float y : {0.4f, -0.2f}) {
            for (float x : {-0.5f, 0.0f, 0.5f}) {
                grid.push_back(Add(ButtonType_Command, x, y));
                if (withThumbnails)
                    model.AddThumbnail(grid.back(), 0.25f, 0.15f);
            }
        }
        return grid;
    }

    NavigationProject model;
    CComPtr<IDSMenu> menu = model.AddMenu(MenuType_Main);
};

TEST_F(ButtonLinkTest, GridWithoutThumbnailsMovesUpAndDownToTheNearestRow)
{
    Buttons b = Grid(false);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    ExpectGridLinks(
        b, {{0, 1, 0, 3}, {0, 2, 3, 3}, {1, 3, 4, 3}, {2, 4, 0, 1}, {3, 5, 0, 2}, {4, 5, 0, 5}});
}

TEST_F(ButtonLinkTest, GridWithThumbnailsMovesUpAndDownWithinAColumn)
{
    Buttons b = Grid(true);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    ExpectGridLinks(
        b, {{0, 1, 0, 3}, {0, 2, 3, 4}, {1, 3, 4, 5}, {2, 4, 0, 1}, {3, 5, 1, 2}, {4, 5, 2, 5}});
}

TEST_F(ButtonLinkTest, RowOfThreeWithoutARowAboveStopsAtItsOuterEnds)
{
    Buttons row = {Add(ButtonType_Command, -0.5f, 0.0f), Add(ButtonType_Command, 0.0f, 0.0f),
                   Add(ButtonType_Command, 0.5f, 0.0f)};
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    // Down from the bottom of a column goes on at the top of the next one.
    ExpectLinks(row[0], {row[0], row[1], row[0], row[1]});
    ExpectLinks(row[1], {row[0], row[2], row[0], row[2]});
    ExpectLinks(row[2], {row[1], row[2], row[1], row[2]});
}

// Moving left from the start of a row goes to the end of the row above, whatever the order in
// which the buttons of that row were made.
TEST_F(ButtonLinkTest, LeftFromTheStartOfARowWrapsToTheEndOfTheRowAbove)
{
    CComPtr<IDSMenuButton> aboveRight = Add(ButtonType_Command, 0.5f, 0.5f);
    CComPtr<IDSMenuButton> aboveMiddle = Add(ButtonType_Command, 0.0f, 0.5f);
    CComPtr<IDSMenuButton> aboveLeft = Add(ButtonType_Command, -0.5f, 0.5f);
    CComPtr<IDSMenuButton> start = Add(ButtonType_Command, -0.5f, 0.0f);
    Add(ButtonType_Command, 0.0f, 0.0f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(start).left, GetID(aboveRight));
    EXPECT_EQ(NeighboursOf(aboveMiddle).left, GetID(aboveLeft));
}

TEST_F(ButtonLinkTest, NeighbourMustLieMoreThanAStepAway)
{
    CComPtr<IDSMenuButton> button = Add(ButtonType_Command, 0.0f, 0.0f);
    Add(ButtonType_Command, -0.004f, 0.0f);
    CComPtr<IDSMenuButton> farther = Add(ButtonType_Command, -0.5f, 0.0f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(button).left, GetID(farther));
}

TEST_F(ButtonLinkTest, EqualDistancesAreWonByTheEarlierElement)
{
    CComPtr<IDSMenuButton> button = Add(ButtonType_Command, 0.0f, 0.0f);
    CComPtr<IDSMenuButton> lower = Add(ButtonType_Command, -0.5f, -0.02f);
    Add(ButtonType_Command, -0.5f, 0.02f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(button).left, GetID(lower));
}

TEST_F(ButtonLinkTest, ThumbnailsKeepUpWithinTheColumn)
{
    CComPtr<IDSMenuButton> button = Add(ButtonType_Command, 0.0f, 0.0f);
    CComPtr<IDSMenuButton> offset = Add(ButtonType_Command, 0.3f, 0.5f);
    CComPtr<IDSMenuButton> straight = Add(ButtonType_Command, 0.0f, 0.9f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(button).up, GetID(offset));

    for (const CComPtr<IDSMenuButton>& each : {button, offset, straight})
        model.AddThumbnail(each, 0.2f, 0.2f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(button).up, GetID(straight));
}

TEST_F(ButtonLinkTest, LoneNextButtonLeadsToItselfEverywhere)
{
    CComPtr<IDSMenuButton> next = Add(ButtonType_Next, 0.8f, -0.8f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    ExpectLinks(next, {next, next, next, next});
}

TEST_F(ButtonLinkTest, NavigationButtonIsReachedFromTheCommandButtons)
{
    Buttons b = Grid(true);
    CComPtr<IDSMenuButton> next = Add(ButtonType_Next, 0.8f, -0.7f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    // The bottom right button has nothing below it among the command buttons.
    EXPECT_EQ(NeighboursOf(b[5]).down, GetID(next));
    EXPECT_EQ(NeighboursOf(next).up, GetID(b[5]));
}

TEST_F(ButtonLinkTest, UnreachableButtonGetsAWayInFromItsNearestButton)
{
    Add(ButtonType_Command, 0.0f, 0.5f);
    CComPtr<IDSMenuButton> middle = Add(ButtonType_Command, 0.0f, 0.0f);
    CComPtr<IDSMenuButton> bottom = Add(ButtonType_Command, 0.0f, -0.5f);
    // Too close to its neighbour to be beside it, and behind it for every arrow key.
    CComPtr<IDSMenuButton> hidden = Add(ButtonType_Command, 0.004f, -0.5f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(NeighboursOf(bottom).right, GetID(hidden));
    EXPECT_EQ(NeighboursOf(bottom).up, GetID(middle));
}

TEST_F(ButtonLinkTest, OtherElementsOnlyKeepTheHighlight)
{
    CComPtr<IDSMenuButton> left = Add(ButtonType_Command, -0.5f, 0.0f);
    CComPtr<IDSMenuButton> right = Add(ButtonType_Command, 0.5f, 0.0f);
    CComPtr<IDSMenuText> title = model.AddText(menu, L"Menu title");
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    ExpectLinks(title, {title, title, title, title});
    ExpectLinks(left, {left, right, left, right});
    ExpectLinks(right, {left, right, left, right});
}

// The same on the counting model.
class CountingButtonLinkTest : public ButtonLinkTest
{
protected:
    CountingButtonLinkTest() : ButtonLinkTest(FakeProjectData::Create().p) {}
};

TEST_F(CountingButtonLinkTest, EachRectangleIsReadOncePerRun)
{
    Buttons plain = {Add(ButtonType_Command, -0.5f, 0.0f), Add(ButtonType_Command, 0.5f, 0.0f)};
    CComPtr<IDSMenuButton> next = Add(ButtonType_Next, 0.8f, -0.8f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(StateOf(plain[0]).placeReads, 1);
    EXPECT_EQ(StateOf(plain[1]).placeReads, 1);
    EXPECT_EQ(StateOf(next).placeReads, 1);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(StateOf(plain[0]).placeReads, 2);
    EXPECT_EQ(StateOf(next).placeReads, 2);
}

TEST_F(CountingButtonLinkTest, ThumbnailIsMeasuredInsteadOfItsButton)
{
    CComPtr<IDSMenuButton> button = Add(ButtonType_Command, 0.0f, 0.0f);
    CComPtr<IDSMenuOverlay> thumbnail = model.AddThumbnail(button, 0.2f, 0.2f);
    Add(ButtonType_Command, 0.5f, 0.0f);
    ASSERT_EQ(applyButtonLinkAlgorithm(menu), S_OK);
    EXPECT_EQ(StateOf(button).placeReads, 0);
    EXPECT_EQ(StateOf(thumbnail).placeReads, 1);
}

TEST_F(CountingButtonLinkTest, ButtonWithoutAnIdStopsTheRun)
{
    EXPECT_EQ(applyButtonLinkAlgorithm(nullptr), E_POINTER);
    CComPtr<IDSMenuButton> button = Add(ButtonType_Command, 0.0f, 0.0f);
    StateOf(button).id = 0;
    EXPECT_EQ(applyButtonLinkAlgorithm(menu), E_BUTTONLINK_INVALID_BUTTON_ID);
}

TEST_F(CountingButtonLinkTest, FailedPositionReadEndsTheRunWithItsError)
{
    Add(ButtonType_Next, 0.0f, 0.5f);
    CComPtr<IDSMenuButton> broken = Add(ButtonType_Command, 0.0f, 0.0f);
    StateOf(broken).placeResult = E_ACCESSDENIED;
    EXPECT_EQ(applyButtonLinkAlgorithm(menu), E_ACCESSDENIED);
    std::wstring stack = KVUGetErrorStackText();
    EXPECT_NE(stack.find(L"pButton->GetPosition(&nX, &nY)"), std::wstring::npos) << stack;
}

} // namespace
