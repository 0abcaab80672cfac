#include "platform/WinTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(WinTypes, IntegersHaveTheWidthsOfTheOriginalPlatform)
{
    static_assert(sizeof(LONG) == 4 && sizeof(ULONG) == 4 && sizeof(DWORD) == 4);
    static_assert(sizeof(HRESULT) == 4 && sizeof(VARIANT_BOOL) == 2);
    EXPECT_TRUE(FAILED(E_POINTER));
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
    EXPECT_EQ(static_cast<uint32_t>(E_INVALIDARG), 0x80070057u);
    EXPECT_EQ(static_cast<uint32_t>(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)), 0x80070002u);
}

TEST(WinTypes, PtInRectIncludesTheTopLeftEdgesAndExcludesTheBottomRight)
{
    RECT r{10, 20, 30, 40};
    EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
    EXPECT_TRUE(PtInRect(&r, POINT{29, 39}));
    EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));
    EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));
    EXPECT_FALSE(PtInRect(&r, POINT{9, 25}));
}

TEST(WinTypes, IntersectRectNeedsAreaOnBothSidesAndZeroesTheResultOtherwise)
{
    RECT a{0, 0, 10, 10};
    RECT b{5, 5, 20, 20};
    RECT out{1, 1, 1, 1};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_EQ(out, (RECT{5, 5, 10, 10}));

    RECT touching{10, 0, 20, 10};
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
    EXPECT_EQ(out, (RECT{0, 0, 0, 0}));

    RECT empty{2, 2, 2, 8};
    out = RECT{1, 1, 1, 1};
    EXPECT_FALSE(IntersectRect(&out, &a, &empty));
    EXPECT_EQ(out, (RECT{0, 0, 0, 0}));
}

} // namespace
