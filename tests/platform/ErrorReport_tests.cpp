#include "platform/ComPtr.h"
#include "platform/ErrorReport.h"
#include "platform/StringConv.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Reports go to a folder of their own for each test.
class ErrorReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("REELMARK_HOME"), nullptr) << "reports must not reach the real home";
        m_folder = WideToUtf8(ErrorReportFolder());
        fs::remove_all(m_folder);
        ASSERT_EQ(RegisterErrorReportClass(), S_OK);
        ASSERT_EQ(m_report.CoCreateInstance(CLSID_DSErrorReport), S_OK);
        fs::create_directories(m_folder.parent_path());
        m_attachment = m_folder.parent_path() / "attachment.dmp";
        std::ofstream(m_attachment) << "Signal: 11 (SIGSEGV)\nBacktrace:\n";
    }
    void TearDown() override
    {
        fs::remove_all(m_folder);
        fs::remove(m_attachment);
    }

    CComPtr<IDSErrorReport> m_report;
    fs::path m_folder;
    fs::path m_attachment;
};

TEST_F(ErrorReportTest, ACrashReportIsKeptUnderItsNameWithItsDump)
{
    ASSERT_EQ(m_report->AttachFile(CComBSTR(Utf8ToWide(m_attachment.string()))), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L"Crash_Reelmark"), ErrorReport_Crash), S_OK);

    std::string stored = ReadFileText(m_folder / "Crash_Reelmark.txt");
    EXPECT_EQ(stored, "Report: Crash_Reelmark\nKind: crash\nAttachment: " + m_attachment.string() +
                          "\n\nSignal: 11 (SIGSEGV)\nBacktrace:\n");
}

TEST_F(ErrorReportTest, ReportsOfOneNameAreAllKeptAndAnAttachmentServesOnce)
{
    ASSERT_EQ(m_report->AttachFile(CComBSTR(Utf8ToWide(m_attachment.string()))), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L"Crash_X"), ErrorReport_Crash), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L"Crash_X"), ErrorReport_Crash), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L"Ünïcode text\nof two lines"), ErrorReport_Message), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L"again"), ErrorReport_Message), S_OK);

    EXPECT_NE(ReadFileText(m_folder / "Crash_X.txt").find("SIGSEGV"), std::string::npos);
    EXPECT_EQ(ReadFileText(m_folder / "Crash_X_2.txt"),
              "Report: Crash_X\nKind: crash\nAttachment: \n\n");
    EXPECT_EQ(ReadFileText(m_folder / "Message.txt"),
              "Report: Ünïcode text\nof two lines\nKind: message\nAttachment: \n\n");
    EXPECT_NE(ReadFileText(m_folder / "Message_2.txt").find("Report: again\n"), std::string::npos);
}

TEST_F(ErrorReportTest, NamesThatCannotBeFileNamesAreMadeSafe)
{
    ASSERT_EQ(m_report->Send(CComBSTR(L"../Crash/a\tb"), ErrorReport_Crash), S_OK);
    ASSERT_EQ(m_report->Send(CComBSTR(L""), ErrorReport_Crash), S_OK);
    EXPECT_TRUE(fs::exists(m_folder / "_.._Crash_a_b.txt"));
    EXPECT_TRUE(fs::exists(m_folder / "_.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2);
}

TEST_F(ErrorReportTest, AMissingAttachmentIsNotedAndItsErrorReturned)
{
    std::wstring missing = Utf8ToWide((m_folder.parent_path() / "missing.dmp").string());
    ASSERT_EQ(m_report->AttachFile(CComBSTR(missing)), S_OK);
    EXPECT_EQ(m_report->Send(CComBSTR(L"Crash_Y"), ErrorReport_Crash),
              HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(ReadFileText(m_folder / "Crash_Y.txt").find("missing.dmp (could not be read)\n"),
              std::string::npos);

    EXPECT_EQ(m_report->AttachFile(CComBSTR(std::wstring(5000, L'a'))), E_INVALIDARG);
    EXPECT_EQ(m_report->Send(CComBSTR(L"Crash_Z"), ErrorReport_Crash), S_OK);
    EXPECT_NE(ReadFileText(m_folder / "Crash_Z.txt").find("Attachment: \n"), std::string::npos);
}

} // namespace
