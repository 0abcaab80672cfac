#include "platform/Config.h"
#include "platform/StringConv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class ConfigTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder =
            fs::temp_directory_path() /
            ("config-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }
    std::wstring File() const { return Utf8ToWide((m_folder / "settings.ini").string()); }

    fs::path m_folder;
};

TEST_F(ConfigTest, MissingFileAnswersTheDefaultsOfTheDiscLimits)
{
    CDSConfig config(File());
    EXPECT_EQ(config.GetCapability(DSConfig_MaxTitlesPerProject, 0), 99);
    EXPECT_EQ(config.GetCapability(DSConfig_MaxTitlesPerProject, 4), 99);
    EXPECT_EQ(config.GetCapability(DSConfig_MaxChaptersPerTitle), 99);
    EXPECT_EQ(config.GetCapability(DSConfig_MaxButtonsPerMenu, 0), 36);
    EXPECT_EQ(config.GetCapability(DSConfig_MaxButtonsPerMenu, 0x1000), 18);
    EXPECT_EQ(config.GetString(DSConfig_TempFolder), CComBSTR(L""));
    EXPECT_FALSE(config.GetBool(DSConfig_WebReporting));
    EXPECT_EQ(config.GetNumber(12345), 0);
}

TEST_F(ConfigTest, WritesAreSavedAtOnceAndReadByAnotherInstance)
{
    CDSConfig writer(File());
    ASSERT_EQ(writer.SetString(DSConfig_TempFolder, L"/data/tmp\nwith = signs\\"), S_OK);
    ASSERT_EQ(writer.SetCapability(DSConfig_MaxButtonsPerMenu, 0x1000, 12), S_OK);
    ASSERT_EQ(writer.SetBool(DSConfig_WebReporting, true), S_OK);

    CDSConfig reader(File());
    EXPECT_EQ(reader.GetString(DSConfig_TempFolder), CComBSTR(L"/data/tmp\nwith = signs\\"));
    EXPECT_EQ(reader.GetCapability(DSConfig_MaxButtonsPerMenu, 0x1000), 12);
    EXPECT_EQ(reader.GetCapability(DSConfig_MaxButtonsPerMenu, 0), 36);
    EXPECT_TRUE(reader.GetBool(DSConfig_WebReporting));
}

TEST_F(ConfigTest, DamagedLinesFallBackToDefaultsWithoutLosingTheGoodOnes)
{
    {
        std::ofstream out(m_folder / "settings.ini", std::ios::binary);
        out << "[settings]\ngarbage without equals\n30=not a number\n8=1\n\xff\xfe=\x01\n";
    }
    CDSConfig config(File());
    EXPECT_EQ(config.GetCapability(DSConfig_MaxChaptersPerTitle), 99);
    EXPECT_EQ(config.GetNumber(DSConfig_DefaultTVStandardSD), 1);
}

TEST_F(ConfigTest, FailedWriteReturnsItsErrorAndKeepsWhatWasSaved)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    CDSConfig config(File());
    ASSERT_EQ(config.SetNumber(DSConfig_DefaultAspect, 1), S_OK);
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(config.SetNumber(DSConfig_DefaultAspect, 0), E_ACCESSDENIED);
    EXPECT_EQ(config.GetNumber(DSConfig_DefaultAspect), 1);
    fs::permissions(m_folder, fs::perms::owner_all);
    EXPECT_EQ(CDSConfig(File()).GetNumber(DSConfig_DefaultAspect), 1);
}

TEST_F(ConfigTest, WriteOverADirectoryFailsAndKeepsTheOldValue)
{
    CDSConfig config(File());
    ASSERT_EQ(config.SetNumber(DSConfig_DefaultAspect, 1), S_OK);
    // What an earlier write left beside the file does not stand in the way.
    fs::create_directories(m_folder / "settings.ini.tmp" / "blocker");
    ASSERT_EQ(config.SetNumber(DSConfig_DefaultAspect, 0), S_OK);
    fs::remove(m_folder / "settings.ini");
    fs::create_directories(m_folder / "settings.ini" / "blocker");
    EXPECT_TRUE(FAILED(config.SetNumber(DSConfig_DefaultAspect, 1)));
    EXPECT_EQ(config.GetNumber(DSConfig_DefaultAspect), 0);
}

TEST_F(ConfigTest, LinesAndFilesLongerThanAnyTheSystemWritesArePassedOver)
{
    {
        std::ofstream out(m_folder / "settings.ini", std::ios::binary);
        out << "[settings]\n33=" << std::string(size_t(50) << 20, 'x') << "\n8=1\n";
    }
    CDSConfig config(File());
    EXPECT_EQ(config.GetString(DSConfig_TempFolder), CComBSTR(L""));
    // What lies beyond the first megabyte is not read either.
    EXPECT_EQ(config.GetNumber(DSConfig_DefaultTVStandardSD), 0);
    {
        std::ofstream out(m_folder / "settings.ini", std::ios::binary);
        out << "33=" << std::string(9000, 'y') << "\n8=1\n";
    }
    ASSERT_EQ(config.Reload(), S_OK);
    EXPECT_EQ(config.GetString(DSConfig_TempFolder), CComBSTR(L""));
    EXPECT_EQ(config.GetNumber(DSConfig_DefaultTVStandardSD), 1);
}

TEST_F(ConfigTest, StringsLongerThanAPathAreRefusedAndNothingIsStored)
{
    CDSConfig config(File());
    std::wstring longest(4096, L'p');
    ASSERT_EQ(config.SetString(DSConfig_TempFolder, longest.c_str()), S_OK);
    EXPECT_EQ(config.SetString(DSConfig_TempFolder, (longest + L"p").c_str()),
              HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    CDSConfig reader(File());
    EXPECT_EQ(reader.GetString(DSConfig_TempFolder), CComBSTR(longest.c_str()));
    // A path of backslashes, each written as two, still reads back.
    std::wstring escaped(4096, L'\\');
    ASSERT_EQ(config.SetString(DSConfig_NewTempFolder, escaped.c_str()), S_OK);
    ASSERT_EQ(reader.Reload(), S_OK);
    EXPECT_EQ(reader.GetString(DSConfig_NewTempFolder), CComBSTR(escaped.c_str()));
}

} // namespace
