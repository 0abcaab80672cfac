#include "dsutils/DSPositioningAlgorithm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Hand-worked values are exact fractions; single-precision steps drift by a few units in the
// last place.
constexpr float kTolerance = 1e-6f;

struct Grid
{
    CDSLayout layout;
    int count;
    FloatRect area = {-1.0f, 1.0f, 1.0f, -1.0f};
};

CDSLayout Layout(unsigned lines, unsigned perLine, LayoutStyle style, LayoutJustify lineJustify,
                 LayoutJustify buttonJustify, Weight weight = Weight_LastLinesFull)
{
    return CDSLayout(lines, perLine, style, lineJustify, buttonJustify, weight);
}

CDSPositioningAlgorithm AlgorithmFor(Grid grid)
{
    CDSPositioningAlgorithm algorithm;
    algorithm.setLayout(&grid.layout);
    algorithm.setNumberOfButtons(grid.count);
    algorithm.setRectangle(grid.area);
    return algorithm;
}

::testing::AssertionResult IsRect(const FloatRect& actual, float left, float top, float right,
                                  float bottom)
{
    float expected[] = {left, top, right, bottom};
    float got[] = {actual.left, actual.top, actual.right, actual.bottom};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(expected[i] - got[i]) > kTolerance)
            return ::testing::AssertionFailure()
                   << "got (" << got[0] << ", " << got[1] << ", " << got[2] << ", " << got[3]
                   << "), expected (" << left << ", " << top << ", " << right << ", " << bottom
                   << ")";
    }
    return ::testing::AssertionSuccess();
}

FloatRect PositionOf(const Grid& grid, int index)
{
    FloatRect rect = {99.0f, 99.0f, 99.0f, 99.0f};
    EXPECT_TRUE(AlgorithmFor(grid).getButtonPosition(index, rect)) << "button " << index;
    return rect;
}

bool HasNoPosition(const Grid& grid, int index)
{
    FloatRect rect = {99.0f, 99.0f, 99.0f, 99.0f};
    bool answer = AlgorithmFor(grid).getButtonPosition(index, rect);
    EXPECT_TRUE(IsRect(rect, 99.0f, 99.0f, 99.0f, 99.0f)) << "written without a position";
    return !answer;
}

// The default layout: 2 rows of 3, cells 2/3 wide, centred lines at 1/3 and -1/3, buttons
// 8/15 square.
TEST(PositioningAlgorithm, DefaultLayoutFillsTwoCentredRows)
{
    Grid grid{CDSLayout(), 6};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -14.0f / 15, 0.6f, -0.4f, 1.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 2), -4.0f / 15, 0.6f, 4.0f / 15, 1.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 6), 0.4f, -1.0f / 15, 14.0f / 15, -0.6f));
}

TEST(PositioningAlgorithm, LastLinesFullPutsTheRemainderAloneOnTheFirstLine)
{
    Grid grid{CDSLayout(), 4};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -4.0f / 15, 0.6f, 4.0f / 15, 1.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 2), -14.0f / 15, -1.0f / 15, -0.4f, -0.6f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 4), 0.4f, -1.0f / 15, 14.0f / 15, -0.6f));
}

TEST(PositioningAlgorithm, FirstLinesFullPutsTheRemainderAloneOnTheLastLine)
{
    Grid grid{Layout(2, 3, LayoutStyle_Rows, Justify_Center, Justify_Center, Weight_FirstLinesFull),
              4};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -14.0f / 15, 0.6f, -0.4f, 1.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 3), 0.4f, 0.6f, 14.0f / 15, 1.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 4), -4.0f / 15, -1.0f / 15, 4.0f / 15, -0.6f));
}

TEST(PositioningAlgorithm, ButtonsPastTheCountRepeatSlotsShiftedUpAndRight)
{
    Grid grid{CDSLayout(), 6};
    EXPECT_TRUE(IsRect(PositionOf(grid, 7), -14.0f / 15 + 0.04f, 0.64f, -0.36f, 1.0f / 15 + 0.04f));
    EXPECT_TRUE(
        IsRect(PositionOf(grid, 12), 0.44f, -1.0f / 15 + 0.04f, 14.0f / 15 + 0.04f, -0.56f));
}

TEST(PositioningAlgorithm, CountIsLimitedToTheLayoutCapacity)
{
    Grid grid{CDSLayout(), 10};
    EXPECT_TRUE(IsRect(PositionOf(grid, 7), -14.0f / 15 + 0.04f, 0.64f, -0.36f, 1.0f / 15 + 0.04f));
}

TEST(PositioningAlgorithm, RowsFromTheStartTakeTheStartOfEachCell)
{
    Grid grid{Layout(2, 3, LayoutStyle_Rows, Justify_Start, Justify_Start, Weight_FirstLinesFull),
              4};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -1.0f, 1.0f, -7.0f / 15, 0.2f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 2), -1.0f / 3, 1.0f, 0.2f, 0.2f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 4), -1.0f, 0.0f, -7.0f / 15, -0.8f));
}

TEST(PositioningAlgorithm, RowsFromTheEndFillEachLineBackwards)
{
    Grid grid{Layout(2, 3, LayoutStyle_Rows, Justify_End, Justify_End, Weight_FirstLinesFull), 4};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), 7.0f / 15, 0.8f, 1.0f, 0.0f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 3), -13.0f / 15, 0.8f, -1.0f / 3, 0.0f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 4), 7.0f / 15, -0.2f, 1.0f, -1.0f));
}

TEST(PositioningAlgorithm, LinesJustifiedToTheEndUseTheLastLinesOfTheGrid)
{
    Grid grid{Layout(3, 2, LayoutStyle_Rows, Justify_End, Justify_Start, Weight_FirstLinesFull), 2};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -1.0f, -7.0f / 15, -0.2f, -1.0f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 2), 0.0f, -7.0f / 15, 0.8f, -1.0f));
}

// Line justify 3 numbers the lines from the end and spaces them as centred lines.
TEST(PositioningAlgorithm, LineJustifyThreeCentresTheLastLines)
{
    Grid grid{Layout(2, 3, LayoutStyle_Rows, static_cast<LayoutJustify>(3), Justify_Start), 3};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -1.0f, -1.0f / 15, -7.0f / 15, -0.6f));
}

TEST(PositioningAlgorithm, CentredColumnsSpreadTheirButtonsDownEachColumn)
{
    Grid grid{Layout(2, 3, LayoutStyle_Columns, Justify_Center, Justify_Center), 6};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -0.6f, 14.0f / 15, -1.0f / 15, 0.4f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 2), -0.6f, 4.0f / 15, -1.0f / 15, -4.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 4), 1.0f / 15, 14.0f / 15, 0.6f, 0.4f));
}

TEST(PositioningAlgorithm, ColumnsFromTheStartTakeTheStartOfEachCell)
{
    Grid grid{Layout(2, 3, LayoutStyle_Columns, Justify_Start, Justify_Start), 6};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -1.0f, 1.0f, -0.2f, 7.0f / 15));
    EXPECT_TRUE(IsRect(PositionOf(grid, 5), 0.0f, 1.0f / 3, 0.8f, -0.2f));
}

TEST(PositioningAlgorithm, ColumnsFromTheEndFillEachColumnUpwards)
{
    Grid grid{Layout(2, 3, LayoutStyle_Columns, Justify_End, Justify_End), 6};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -0.8f, -7.0f / 15, 0.0f, -1.0f));
    EXPECT_TRUE(IsRect(PositionOf(grid, 6), 0.2f, 13.0f / 15, 1.0f, 1.0f / 3));
}

TEST(PositioningAlgorithm, DiagonalDownRunsFromTheTopLeftCorner)
{
    Grid start{Layout(1, 4, LayoutStyle_DiagonalDown, Justify_Center, Justify_Start), 4};
    EXPECT_TRUE(IsRect(PositionOf(start, 1), -1.0f, 1.0f, -0.6f, 0.6f));
    EXPECT_TRUE(IsRect(PositionOf(start, 3), 0.0f, 0.0f, 0.4f, -0.4f));
    Grid centre{Layout(1, 4, LayoutStyle_DiagonalDown, Justify_Center, Justify_Center), 4};
    EXPECT_TRUE(IsRect(PositionOf(centre, 1), -0.76f, 0.76f, -0.44f, 0.44f));
    EXPECT_TRUE(IsRect(PositionOf(centre, 2), -0.36f, 0.36f, -0.04f, 0.04f));
    Grid end{Layout(1, 4, LayoutStyle_DiagonalDown, Justify_Center, Justify_End), 4};
    EXPECT_TRUE(IsRect(PositionOf(end, 1), 0.6f, -0.6f, 1.0f, -1.0f));
    EXPECT_TRUE(IsRect(PositionOf(end, 2), 0.1f, -0.1f, 0.5f, -0.5f));
}

TEST(PositioningAlgorithm, DiagonalUpRunsFromTheBottomLeftCorner)
{
    Grid start{Layout(1, 4, LayoutStyle_DiagonalUp, Justify_Center, Justify_Start), 4};
    EXPECT_TRUE(IsRect(PositionOf(start, 1), -1.0f, -0.6f, -0.6f, -1.0f));
    EXPECT_TRUE(IsRect(PositionOf(start, 2), -0.5f, -0.1f, -0.1f, -0.5f));
    Grid centre{Layout(1, 4, LayoutStyle_DiagonalUp, Justify_Center, Justify_Center), 4};
    EXPECT_TRUE(IsRect(PositionOf(centre, 1), -0.76f, -0.44f, -0.44f, -0.76f));
    Grid end{Layout(1, 4, LayoutStyle_DiagonalUp, Justify_Center, Justify_End), 4};
    EXPECT_TRUE(IsRect(PositionOf(end, 1), 0.6f, 1.0f, 1.0f, 0.6f));
}

TEST(PositioningAlgorithm, LayoutAreaScalesTheGrid)
{
    Grid grid{CDSLayout(), 6, FloatRect{-0.5f, 0.5f, 0.5f, -0.5f}};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -7.0f / 15, 0.3f, -0.2f, 1.0f / 30));
}

TEST(PositioningAlgorithm, IndexBelowOneHasNoPosition)
{
    Grid grid{CDSLayout(), 6};
    EXPECT_TRUE(HasNoPosition(grid, 0));
    EXPECT_TRUE(HasNoPosition(grid, -3));
}

TEST(PositioningAlgorithm, LayoutsWithoutARuleHaveNoPosition)
{
    CDSLayout style(CDSLayout::kDefault);
    style.SetStyle(4);
    EXPECT_TRUE(HasNoPosition(Grid{style, 6}, 1));
    EXPECT_TRUE(HasNoPosition(
        Grid{Layout(2, 3, LayoutStyle_Rows, Justify_Center, static_cast<LayoutJustify>(3)), 6}, 1));
    EXPECT_TRUE(HasNoPosition(
        Grid{Layout(1, 4, LayoutStyle_DiagonalDown, Justify_Center, static_cast<LayoutJustify>(3)),
             4},
        1));
    EXPECT_TRUE(HasNoPosition(
        Grid{Layout(2, 3, LayoutStyle_Rows, Justify_Center, Justify_Center, Weight(2)), 6}, 1));
    EXPECT_TRUE(HasNoPosition(
        Grid{Layout(2, 3, LayoutStyle_Columns, Justify_Center, Justify_Center, Weight(3)), 6}, 2));
}

TEST(PositioningAlgorithm, DiagonalsNeedNoWeight)
{
    Grid grid{Layout(1, 4, LayoutStyle_DiagonalDown, Justify_Center, Justify_Start, Weight(3)), 4};
    EXPECT_TRUE(IsRect(PositionOf(grid, 1), -1.0f, 1.0f, -0.6f, 0.6f));
}

TEST(PositioningAlgorithm, NothingToPlaceHasNoPosition)
{
    EXPECT_TRUE(HasNoPosition(Grid{CDSLayout(), 0}, 1));
    EXPECT_TRUE(
        HasNoPosition(Grid{Layout(0, 3, LayoutStyle_Rows, Justify_Center, Justify_Center), 6}, 1));
    CDSPositioningAlgorithm algorithm;
    CDSLayout grown(Layout(3, 3, LayoutStyle_Rows, Justify_Center, Justify_Center));
    CDSLayout empty(Layout(3, 0, LayoutStyle_Rows, Justify_Center, Justify_Center));
    algorithm.setLayout(&grown);
    algorithm.setNumberOfButtons(9);
    algorithm.setLayout(&empty);
    FloatRect rect = {};
    EXPECT_FALSE(algorithm.getButtonPosition(1, rect));
}

} // namespace
