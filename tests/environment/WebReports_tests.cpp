#include "dsutils/DSAppUtils.h"

#include "platform/ClassFactory.h"
#include "platform/Config.h"
#include "platform/ErrorReport.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "support/ErrorStackText.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A setting the application clears once its first-run message is sent.
constexpr int kFirstRunKey = 90;

// Fresh settings and no reports for every test.
class PhoneHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("REELMARK_HOME"), nullptr);
        fs::remove(WideToUtf8(CDSConfig().Path()));
        fs::remove_all(m_reports);
        ASSERT_EQ(RegisterErrorReportClass(), S_OK);
        ASSERT_EQ(CDSConfig().SetBool(kFirstRunKey, true), S_OK);
    }
    void TearDown() override { fs::remove_all(m_reports); }

    size_t ReportCount() const
    {
        if (!fs::exists(m_reports))
            return 0;
        return std::distance(fs::directory_iterator(m_reports), fs::directory_iterator());
    }

    fs::path m_reports = WideToUtf8(ErrorReportFolder());
};

TEST_F(PhoneHome, SendsOnceAndClearsItsKey)
{
    ASSERT_EQ(DSConfigSetWebReportFlags(true, false), S_OK);
    EXPECT_EQ(CDSAppUtils::PhoneHome(L"first run of 9.0", kFirstRunKey), S_OK);
    EXPECT_FALSE(CDSConfig().GetBool(kFirstRunKey));
    EXPECT_EQ(CDSAppUtils::PhoneHome(L"first run of 9.0", kFirstRunKey), S_FALSE);

    ASSERT_EQ(ReportCount(), 1u);
    EXPECT_EQ(ReadFileText(m_reports / "Message.txt"),
              "Report: first run of 9.0\nKind: message\nAttachment: \n\n");
}

TEST_F(PhoneHome, NothingIsSentWhileWebReportingIsOff)
{
    ASSERT_EQ(DSConfigSetWebReportFlags(false, true), S_OK);
    bool webReporting = true;
    bool details = false;
    ASSERT_EQ(DSConfigGetWebReportFlags(&webReporting, &details), S_OK);
    EXPECT_FALSE(webReporting);
    EXPECT_TRUE(details);

    EXPECT_EQ(CDSAppUtils::PhoneHome(L"first run", kFirstRunKey), S_FALSE);
    EXPECT_TRUE(CDSConfig().GetBool(kFirstRunKey)) << "the message is still to be sent";
    EXPECT_EQ(ReportCount(), 0u);
    EXPECT_EQ(DSConfigGetWebReportFlags(nullptr, &details), E_POINTER);
}

TEST_F(PhoneHome, AMessageThatCannotBeSentIsNotTriedAgain)
{
    ASSERT_EQ(DSConfigSetWebReportFlags(true, true), S_OK);
    ASSERT_EQ(CoRevokeClass(CLSID_DSErrorReport), S_OK);
    EXPECT_EQ(CDSAppUtils::PhoneHome(L"first run", kFirstRunKey), REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(StackHolds(L"spReport.CoCreateInstance(CLSID_DSErrorReport)"));
    EXPECT_FALSE(CDSConfig().GetBool(kFirstRunKey));
    EXPECT_EQ(CDSAppUtils::PhoneHome(nullptr, kFirstRunKey), E_POINTER);
}

} // namespace
