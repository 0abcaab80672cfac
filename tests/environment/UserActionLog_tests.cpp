#include "dsutils/DSAppUtils.h"
#include "dsutils/DSFileUtils.h"
#include "foundation/TempFileRules.h"

#include "platform/StringConv.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const CComBSTR& path)
{
    return ReadFileText(WideToUtf8(path.Str()));
}

CComBSTR LogPath()
{
    CComBSTR path;
    EXPECT_EQ(CDSAppUtils::GetLogUserFilename(&path), S_OK);
    return path;
}

TEST(UserActionLog, RecordsAddUpAfterTheNameIsHandedOutAndStartAfreshAfterAClear)
{
    CDSAppUtils::LogUserClear();
    CDSAppUtils::LogUserAction(L"Opened %ls\n", L"Ünïcode.dmsd");
    CComBSTR path = LogPath();
    EXPECT_TRUE(path.Str().ends_with(L"/Reelmark_Temp/ReportBug/UserOperations.txt"))
        << WideToUtf8(path.Str());
    EXPECT_EQ(ReadAll(path), "Opened Ünïcode.dmsd\n");

    CDSAppUtils::LogUserAction(L"Burned %d copies\n", 2);
    EXPECT_EQ(ReadAll(path), "Opened Ünïcode.dmsd\nBurned 2 copies\n");
    CDSAppUtils::LogUserAction(L"Ejected\n");
    EXPECT_EQ(ReadAll(LogPath()), "Opened Ünïcode.dmsd\nBurned 2 copies\nEjected\n");

    CDSAppUtils::LogUserClear();
    EXPECT_EQ(ReadAll(path), "");
    CDSAppUtils::LogUserAction(L"Quit\n");
    EXPECT_EQ(ReadAll(LogPath()), "Quit\n");
    EXPECT_EQ(CDSAppUtils::GetLogUserFilename(nullptr), E_POINTER);
}

TEST(UserActionLog, TheLogIsCleanedUpOnceOlderThanSixDays)
{
    CDSAppUtils::LogUserClear();
    CDSAppUtils::LogUserAction(L"Started\n");
    CComBSTR path = LogPath();
    const auto& logged = CDSFileUtils::GetFileLog().at(L"ReportBug");
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged.back().path, path.Str());
    EXPECT_EQ(logged.back().flags, DWORD(CDSFileUtils::TempFile_OlderThanSixDays));

    CDSFileUtils files;
    fs::path file = WideToUtf8(path.Str());
    ASSERT_EQ(files.EraseTempFiles(L"ReportBug", false), S_OK);
    EXPECT_TRUE(fs::exists(file)) << "a fresh log is kept";
    // The clean-up's rule for the log, with the clock moved on from the log's creation.
    const std::time_t now = std::time(nullptr);
    TempFileFacts facts;
    ASSERT_TRUE(ReadTempFileFacts(path.Str(), now + 6 * 24 * 3600 + 60, facts));
    EXPECT_FALSE(TempFileRuleHolds(logged.back().flags, facts)) << "six days is not older";
    ASSERT_TRUE(ReadTempFileFacts(path.Str(), now + 8 * 24 * 3600, facts));
    EXPECT_TRUE(TempFileRuleHolds(logged.back().flags, facts));
}

TEST(UserActionLog, ALogThatCannotBeOpenedLeavesRecordsUnwritten)
{
    fs::path file = WideToUtf8(LogPath().Str());
    fs::path folder = file.parent_path();
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder belongs";
    CDSAppUtils::LogUserClear();
    CDSAppUtils::LogUserAction(L"Lost\n");
    EXPECT_FALSE(fs::is_directory(folder));
    fs::remove(folder);

    CDSAppUtils::LogUserAction(L"Kept\n");
    EXPECT_EQ(ReadAll(LogPath()), "Kept\n") << "the next record opens the log again";
}

} // namespace
