#include "dsutils/FloatRect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

void ExpectRect(const FloatRect& rect, float left, float top, float right, float bottom)
{
    EXPECT_FLOAT_EQ(rect.left, left);
    EXPECT_FLOAT_EQ(rect.top, top);
    EXPECT_FLOAT_EQ(rect.right, right);
    EXPECT_FLOAT_EQ(rect.bottom, bottom);
}

TEST(CFloatRect, OnlyAZeroWidthOrHeightIsEmpty)
{
    EXPECT_TRUE(CFloatRect().IsEmpty());
    EXPECT_TRUE(CFloatRect(0.2f, 0.5f, 0.2f, -0.5f).IsEmpty());
    EXPECT_TRUE(CFloatRect(-0.5f, 0.1f, 0.5f, 0.1f).IsEmpty());
    EXPECT_FALSE(CFloatRect(0.5f, 0.5f, -0.5f, -0.5f).IsEmpty());
    EXPECT_FALSE(CFloatRect(-0.5f, -0.5f, 0.5f, 0.5f).IsEmpty());
}

TEST(CFloatRect, UnionGrowsInPlaceToCoverBoth)
{
    CFloatRect rect(-0.5f, 0.5f, 0.0f, 0.0f);
    FloatRect other = {-0.25f, 0.75f, 0.5f, -0.5f};
    FloatRect result = rect.Union(other);
    ExpectRect(rect, -0.5f, 0.75f, 0.5f, -0.5f);
    ExpectRect(result, -0.5f, 0.75f, 0.5f, -0.5f);
}

TEST(CFloatRect, UnionTakesTheOtherEdgeWhereANaNIsCompared)
{
    CFloatRect rect(kNaN, 0.5f, kNaN, 0.0f);
    rect.Union(FloatRect{-0.25f, kNaN, 0.5f, -0.5f});
    EXPECT_FLOAT_EQ(rect.left, -0.25f);
    EXPECT_TRUE(std::isnan(rect.top));
    EXPECT_FLOAT_EQ(rect.right, 0.5f);
    EXPECT_FLOAT_EQ(rect.bottom, -0.5f);
}

} // namespace
