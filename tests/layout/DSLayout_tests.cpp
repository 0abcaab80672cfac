#include "dsutils/DSLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(DSLayout, ZeroWordStandsForTheDefaultLayout)
{
    CDSLayout stored(0);
    EXPECT_EQ(static_cast<ULONG>(stored), 0x01500C21u);
    EXPECT_EQ(static_cast<ULONG>(CDSLayout()), 0x01500C21u);
    EXPECT_EQ(stored.GetMaxButtons(), 6);
    EXPECT_EQ(stored.GetVersion(), 1u);
    EXPECT_EQ(stored.GetStyle(), LayoutStyle_Rows);
    EXPECT_EQ(stored.GetWeight(), Weight_LastLinesFull);
}

TEST(DSLayout, FieldsConstructorPacksEachFieldAndLeavesTheVersionAtZero)
{
    CDSLayout layout(3, 4, LayoutStyle_Columns, Justify_End, Justify_Start, Weight_FirstLinesFull);
    EXPECT_EQ(static_cast<ULONG>(layout), (3u << 4) | (4u << 10) | (1u << 16) | (2u << 20));
    EXPECT_EQ(
        CDSLayout(70, 65, LayoutStyle_Rows, Justify_Start, Justify_Start, Weight_FirstLinesFull)
            .GetMaxButtons(),
        6 * 1);
}

TEST(DSLayout, SettersMaskTheirValueAndKeepEveryOtherBit)
{
    CDSLayout layout(0xFC000000u | CDSLayout::kDefault);
    layout.SetButtonsPerLine(70);
    EXPECT_EQ(layout.GetButtonsPerLine(), 6u);
    EXPECT_EQ(layout.GetNumberOfLines(), 2u);
    layout.SetWeight(5);
    EXPECT_EQ(layout.GetWeight(), 1u);
    layout.SetVersion(0x12);
    EXPECT_EQ(static_cast<ULONG>(layout), 0xFD501822u);
}

TEST(DSLayout, DiagonalStylesKeepOneLine)
{
    CDSLayout layout(3, 4, LayoutStyle_Rows, Justify_Center, Justify_Center, Weight_LastLinesFull);
    layout.SetStyle(LayoutStyle_DiagonalDown);
    EXPECT_EQ(layout.GetNumberOfLines(), 1u);
    layout.SetNumberOfLines(4);
    EXPECT_EQ(layout.GetNumberOfLines(), 1u);
    layout.SetButtonsPerLine(5);
    EXPECT_EQ(layout.GetNumberOfLines(), 1u);
    layout.SetStyle(LayoutStyle_Columns);
    layout.SetNumberOfLines(4);
    EXPECT_EQ(layout.GetNumberOfLines(), 4u);
    CDSLayout built(3, 4, LayoutStyle_DiagonalUp, Justify_Center, Justify_Center,
                    Weight_LastLinesFull);
    EXPECT_EQ(built.GetMaxButtons(), 4);
}

// Columns place their buttons across by the line justify, rows down by it; 3 counts as centred.
TEST(DSLayout, ButtonJustifyFollowsTheLineJustifyAcrossTheLines)
{
    CDSLayout columns(2, 3, LayoutStyle_Columns, Justify_Start, Justify_Center,
                      Weight_LastLinesFull);
    EXPECT_EQ(columns.GetButtonHJustify(), HJustify_Left);
    EXPECT_EQ(columns.GetButtonVJustify(), VJustify_Center);
    columns.SetLineJustify(Justify_End);
    EXPECT_EQ(columns.GetButtonHJustify(), HJustify_Right);
    columns.SetLineJustify(3);
    EXPECT_EQ(columns.GetButtonHJustify(), HJustify_Center);
    CDSLayout rows(2, 3, LayoutStyle_Rows, Justify_Start, Justify_Center, Weight_LastLinesFull);
    EXPECT_EQ(rows.GetButtonVJustify(), VJustify_Top);
    EXPECT_EQ(rows.GetButtonHJustify(), HJustify_Center);
    rows.SetLineJustify(Justify_End);
    EXPECT_EQ(rows.GetButtonVJustify(), VJustify_Bottom);
    rows.SetStyle(LayoutStyle_DiagonalDown);
    EXPECT_EQ(rows.GetButtonVJustify(), VJustify_Center);
}

} // namespace
