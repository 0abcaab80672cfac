// The text forms of stored values: exact round trips and strict refusal of anything else.
#include "XmlValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace objectmodel;

TEST(XmlValueText, NumbersReadBackExactly)
{
    for (float value : {0.1f, -0.93333334f, 1e-30f, std::numeric_limits<float>::max()}) {
        float read = 0.0f;
        ASSERT_TRUE(ParseValue(FormatValue(value), read));
        EXPECT_EQ(value, read);
    }
    for (double value : {0.1, 1.0 / 3.0, -29.97, 1e300}) {
        double read = 0.0;
        ASSERT_TRUE(ParseValue(FormatValue(value), read));
        EXPECT_EQ(value, read);
    }
    ULONG flags = 0;
    ASSERT_TRUE(ParseValue(FormatValue(ULONG(0xFFFFFFFF)), flags));
    EXPECT_EQ(0xFFFFFFFFu, flags);
}

TEST(XmlValueText, AnythingButTheWrittenFormIsRefusedAndLeavesTheValue)
{
    LONG number = 5;
    for (const wchar_t* text : {L"", L" 1", L"1 ", L"1x", L"0x10", L"2147483648", L"１"})
        EXPECT_FALSE(ParseValue(text, number)) << text;
    EXPECT_EQ(5, number);
    double real = 2.0;
    for (const wchar_t* text : {L"nan", L"inf", L"1e999", L"1,5"})
        EXPECT_FALSE(ParseValue(text, real)) << text;
    EXPECT_EQ(2.0, real);
    VARIANT_BOOL flag = VARIANT_TRUE;
    EXPECT_FALSE(ParseBoolean(L"1", flag));
    EXPECT_FALSE(ParseBoolean(L"True", flag));
}

TEST(XmlValueText, GroupsNeedExactlyTheirParts)
{
    FloatRect rect = {};
    ASSERT_TRUE(ParseValue(FormatValue(FloatRect{-1.0f, 1.0f, 0.5f, -0.25f}), rect));
    EXPECT_EQ(0.5f, rect.right);
    for (const wchar_t* text : {L"1 2 3", L"1 2 3 4 5", L"1  2 3 4", L" 1 2 3 4", L"1 2 3 4 "})
        EXPECT_FALSE(ParseValue(text, rect)) << text;
    ElementNeighbours links = {};
    ASSERT_TRUE(ParseValue(L"1 -2 3 0", links));
    EXPECT_EQ(-2, links.right);
}

TEST(XmlValueText, BytesAreHexadecimalOfTheExactLength)
{
    const BYTE bytes[3] = {0x00, 0xAB, 0x7F};
    EXPECT_EQ(L"00AB7F", FormatBytes(bytes));
    BYTE read[3] = {1, 1, 1};
    ASSERT_TRUE(ParseBytes(L"00ab7f", read));
    EXPECT_EQ(0xAB, read[1]);
    EXPECT_FALSE(ParseBytes(L"00AB7", read));
    EXPECT_FALSE(ParseBytes(L"00AB7G", read));
    EXPECT_FALSE(ParseBytes(L"00AB7F00", read));
}
