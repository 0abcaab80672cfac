#include "dsutils/DSAppUtils.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> FormatsWith(eFormatCaps capability)
{
    std::set<int> formats;
    for (int format = -1; format <= 13; ++format) {
        if (CDSAppUtils::IsFormatCap(format, capability))
            formats.insert(format);
    }
    return formats;
}

TEST(FormatCaps, MotionMenusOnlyWhereTheFormatAllowsThem)
{
    EXPECT_EQ(FormatsWith(FormatCap_MotionMenus), (std::set<int>{1, 4, 5, 6, 7, 9, 11}));
}

TEST(FormatCaps, TitleAspectAndWideTitlesFollowTheFormat)
{
    EXPECT_EQ(FormatsWith(FormatCap_ChooseTitleAspect), (std::set<int>{1, 3, 7, 8, 9, 10, 11}));
    EXPECT_EQ(FormatsWith(FormatCap_WideTitles), (std::set<int>{7, 8, 9, 10, 11}));
}

TEST(FormatCaps, RemainingRowsHoldTheirFormats)
{
    EXPECT_EQ(FormatsWith(FormatCap_Row0), std::set<int>{});
    EXPECT_EQ(FormatsWith(FormatCap_Row1), (std::set<int>{1, 2, 3, 7, 8, 9, 10}));
    EXPECT_EQ(FormatsWith(FormatCap_Row2), (std::set<int>{1, 2, 4, 5, 6, 7, 9, 11}));
    EXPECT_EQ(FormatsWith(FormatCap_Row3), (std::set<int>{1, 2, 4, 5, 6, 7, 9, 11}));
    EXPECT_EQ(FormatsWith(FormatCap_Row7), (std::set<int>{1, 4, 5, 6}));
    EXPECT_EQ(FormatsWith(FormatCap_Row8), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(FormatsWith(FormatCap_Row9), std::set<int>{});
}

TEST(FormatCaps, CapabilitiesOutsideTheTableAnswerFalse)
{
    EXPECT_FALSE(CDSAppUtils::IsFormatCap(1, static_cast<eFormatCaps>(-1)));
    EXPECT_FALSE(CDSAppUtils::IsFormatCap(1, FormatCap_Count));
    EXPECT_FALSE(CDSAppUtils::IsFormatCap(1, static_cast<eFormatCaps>(1000)));
}

} // namespace
