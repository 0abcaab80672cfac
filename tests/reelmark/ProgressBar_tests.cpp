#include "ProgressBar.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ProgressBar, DrawsInPlaceOnATerminalAndClearsItsLine)
{
    std::ostringstream terminal;
    {
        ProgressBar bar(terminal, true, "Work", 4);
        EXPECT_EQ("\rWork [                              ] 0%", terminal.str());
        bar.Advance();
        bar.Advance(5);
        std::string drawn = terminal.str();
        EXPECT_NE(std::string::npos, drawn.find("\rWork [#######                       ] 25%"));
        EXPECT_TRUE(drawn.ends_with("\rWork [" + std::string(30, '#') + "] 100%")) << drawn;
    }
    EXPECT_TRUE(terminal.str().ends_with("100%\r\033[K"));
}

TEST(ProgressBar, RedrawsOnlyWhenThePercentageChanges)
{
    std::ostringstream terminal;
    ProgressBar bar(terminal, true, "Many", 1000);
    size_t drawn = terminal.str().size();
    for (int i = 0; i < 9; ++i)
        bar.Advance();
    EXPECT_EQ(drawn, terminal.str().size());
    bar.Advance();
    EXPECT_GT(terminal.str().size(), drawn);
}

TEST(ProgressBar, WritesNothingWhereTheOutputIsNoTerminal)
{
    std::ostringstream file;
    {
        ProgressBar bar(file, false, "Work", 3);
        bar.Advance(3);
        ProgressBar moved(std::move(bar));
        moved.Advance();
    }
    EXPECT_EQ("", file.str());
}

TEST(ProgressBar, MovedBarClearsItsLineOnce)
{
    std::ostringstream terminal;
    {
        ProgressBar bar(terminal, true, "Work", 2);
        ProgressBar moved(std::move(bar));
    }
    std::string all = terminal.str();
    EXPECT_EQ(all.find("\r\033[K"), all.rfind("\r\033[K"));
}
