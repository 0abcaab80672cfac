#include "dsutils/ErrorInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorInfo, NewRecordIsAnUnspecifiedNoteAboutNoObject)
{
    CErrorInfo error;
    EXPECT_EQ(13, error.getErrorCode());
    EXPECT_EQ(ErrorSeverity_Info, error.getErrorSeverity());
    EXPECT_EQ(-1, error.getItemID());
    EXPECT_EQ(-1, error.getItemID2());
    EXPECT_EQ(-1, error.getMenuID());
    EXPECT_TRUE(error.getFileName().empty());
    EXPECT_TRUE(error.getErrorText().empty());
    EXPECT_TRUE(error.getAffectedItems().empty());
    EXPECT_EQ(0, error.getNumberOfAffectedMenus());
    EXPECT_EQ(0, error.getNumberOfAffectedTitles());
}

TEST(ErrorInfo, ListsKeepEveryIdInTheOrderAdded)
{
    CErrorInfo error;
    error.addAffectedTitle(7);
    error.addAffectedTitle(3);
    error.addAffectedTitle(7);
    EXPECT_EQ((std::vector<LONG>{7, 3, 7}), error.getAffectedTitles());
    error.clearAffectedTitles();
    EXPECT_EQ(0, error.getNumberOfAffectedTitles());
}

} // namespace
