// Times on the command line: seconds, minutes and seconds, hours, minutes and seconds.
#include "TimeArgument.h"

#include <gtest/gtest.h>

TEST(TimeArgument, SecondsMinutesAndHoursAreRead)
{
    EXPECT_EQ(90.0, ParseTime("90"));
    EXPECT_EQ(90.5, ParseTime("90.5"));
    EXPECT_EQ(90.0, ParseTime("90s"));
    EXPECT_EQ(90.0, ParseTime("1:30"));
    EXPECT_EQ(3723.5, ParseTime("1:02:03.5"));
    EXPECT_EQ(0.0, ParseTime("0"));
    EXPECT_EQ((std::vector<double>{60.0, 150.0, 1.5}), ParseTimeList("1:00,2:30,1.5"));
}

TEST(TimeArgument, AnythingElseIsRefused)
{
    for (const char* text : {"", "soon", "-5", "1:75", "1.5:30", "1:2:3:4", "1::2", ":30", "90ss",
                             "1e400", "nan", "inf", " 5"})
        EXPECT_FALSE(ParseTime(text)) << text;
    for (const char* text : {"", ",", "1,,2", "1,", "1,x"})
        EXPECT_FALSE(ParseTimeList(text)) << text;
}
