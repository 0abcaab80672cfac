#include "dsutils/DSFileUtils.h"

#include "support/ScopedEnvironment.h"
#include "support/ScratchFolder.h"

#include "platform/Config.h"
#include "platform/DebugOutput.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using FU = CDSFileUtils;

// Every test runs in a home of its own, a scratch folder below the test program's home, so
// that nothing touches a real user's folders.
class FileUtils : public ::testing::Test
{
protected:
    void SetUp() override { CDSFileUtils::ClearFileLog(); }
    void TearDown() override { CDSFileUtils::ClearFileLog(); }

    fs::path Temp() const { return m_home / "tmp" / "Reelmark_Temp"; }

    static std::wstring W(const fs::path& path) { return Utf8ToWide(path.string()); }

    static fs::path P(const CComBSTR& path) { return fs::path(WideToUtf8(path.View())); }

    static void Write(const fs::path& path, size_t size = 1)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    }

    // Makes the file look last written this many days and an hour ago.
    static void Age(const fs::path& path, int days)
    {
        auto when = fs::file_time_type::clock::now() - std::chrono::hours(24 * days + 1);
        fs::last_write_time(path, when);
    }

    // A temporary file of the category, logged with flags, written with size bytes.
    fs::path LoggedFile(const wchar_t* category, const wchar_t* name, DWORD flags, size_t size = 1)
    {
        CComBSTR path;
        EXPECT_EQ(
            m_files.GetFilePath(FU::DirTemp, category, true, name, L"bin", false, path, flags),
            S_OK);
        Write(P(path), size);
        return P(path);
    }

    ScratchFolder m_scratch;
    fs::path m_home = m_scratch.Path();
    ScopedEnvironment m_homeVariable{"REELMARK_HOME", m_home.c_str()};
    ScopedEnvironment m_contentVariable{"REELMARK_CONTENT", (m_home / "content").c_str()};
    ScopedEnvironment m_pluginsVariable{"REELMARK_PLUGINS", nullptr};
    CDSFileUtils m_files;
};

// ---- folders

TEST_F(FileUtils, EveryFolderKindMapsToItsFolder)
{
    ScopedEnvironment language("REELMARK_UI_LANGUAGE", "1031");
    const fs::path data = m_home / ".local/share";
    const fs::path content = m_home / "content";
    const std::pair<FU::DirectoryType, fs::path> expected[] = {
        {FU::DirContent, content},
        {FU::DirUserThemes4x3, data / "Corvane/DVD/4x3/Themes"},
        {FU::DirUserThemes16x9, data / "Corvane/DVD/16x9/Themes"},
        {FU::DirThemes4x3, content / "DVD/4x3/Themes"},
        {FU::DirLocalThemes4x3, content / "1031/DVD/4x3/Themes/"},
        {FU::DirThemes16x9, content / "DVD/16x9/Themes"},
        {FU::DirLocalThemes16x9, content / "1031/DVD/16x9/Themes/"},
        {FU::DirButtons4x3, content / "DVD/4x3/Button"},
        {FU::DirLocalButtons4x3, content / "1031/DVD/4x3/Button/"},
        {FU::DirText4x3, content / "DVD/4x3/Text"},
        {FU::DirOverlays4x3, content / "DVD/4x3/Overlay"},
        {FU::DirButtons16x9, content / "DVD/16x9/Button"},
        {FU::DirLocalButtons16x9, content / "1031/DVD/16x9/Button/"},
        {FU::DirText16x9, content / "DVD/16x9/Text"},
        {FU::DirOverlays16x9, content / "DVD/16x9/Overlay"},
        {FU::DirMandatory, content / "DVD/Mandatory"},
        {FU::DirImportButtons, data / "Corvane/Reelmark9/ReelmarkImport/ButtonFiles"},
        {FU::DirImportBackgrounds, data / "Corvane/Reelmark9/ReelmarkImport/Backgrounds"},
        {FU::DirTemp, Temp()},
        {FU::DirAppData, data / "Corvane/Reelmark9/"},
        {FU::DirMyVideos, m_home / "Videos"},
        {FU::DirPlugins, content / "plugins"},
        {FU::DirImport, data / "Corvane/Reelmark9/ReelmarkImport"},
    };
    for (const auto& [type, folder] : expected) {
        CComBSTR found;
        EXPECT_EQ(m_files.GetDirectory(type, nullptr, found), S_OK) << type;
        EXPECT_EQ(found.Str(), W(folder)) << type;
    }
}

TEST_F(FileUtils, ContentFoldersAreFoundWithoutRegardToCase)
{
    fs::create_directories(m_home / "content/dvd/4X3/button");
    fs::create_directories(m_home / "content/DVD/MANDATORY");
    CComBSTR found;
    ASSERT_EQ(m_files.GetDirectory(FU::DirButtons4x3, nullptr, found), S_OK);
    EXPECT_EQ(found.Str(), W(m_home / "content/dvd/4X3/button"));
    ASSERT_EQ(m_files.GetDirectory(FU::DirMandatory, L"SP_Pattern.png", found), S_OK);
    EXPECT_EQ(found.Str(), W(m_home / "content/DVD/MANDATORY/SP_Pattern.png"));
}

TEST_F(FileUtils, SubfolderIsAppendedOnceAndMadeOnRequest)
{
    BSTR found = nullptr;
    ASSERT_EQ(m_files.GetDirectory(FU::DirMyVideos, L"Projects/2024", &found, true), S_OK);
    EXPECT_STREQ(found, W(m_home / "Videos/Projects/2024").c_str());
    EXPECT_TRUE(fs::is_directory(m_home / "Videos/Projects/2024"));
    SysFreeString(found);
}

TEST_F(FileUtils, FolderThatCannotBeMadeIsAFailure)
{
    Write(m_home / "Videos");
    CComBSTR found;
    EXPECT_EQ(m_files.GetDirectory(FU::DirMyVideos, L"sub", found, true),
              HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
    ASSERT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_NE(KVUGetErrorStack()[0].find(L"MakeFolder(folder)"), std::wstring::npos);
}

TEST_F(FileUtils, UnknownKindLeavesTheOutputAlone)
{
    CComBSTR found(L"kept");
    EXPECT_EQ(m_files.GetDirectory(static_cast<FU::DirectoryType>(99), L"x", found), S_OK);
    EXPECT_EQ(found, CComBSTR(L"kept"));
    EXPECT_EQ(m_files.GetFilePath(static_cast<FU::DirectoryType>(99), nullptr, false, L"a", L"b",
                                  false, found, 0),
              E_INVALIDARG);
}

TEST_F(FileUtils, TemporaryFolderFollowsTheUsersSetting)
{
    CDSConfig config;
    fs::create_directories(m_home / "scratch");
    ASSERT_EQ(config.SetString(DSConfig_TempFolder, W(m_home / "scratch").c_str()), S_OK);
    CComBSTR found;
    EXPECT_EQ(m_files.GetDirectory(FU::DirTemp, nullptr, found), S_OK);
    EXPECT_EQ(found.Str(), W(m_home / "scratch/Reelmark_Temp"));

    ASSERT_EQ(config.SetString(DSConfig_TempFolder, W(m_home / "gone").c_str()), S_OK);
    EXPECT_EQ(m_files.GetDirectory(FU::DirTemp, nullptr, found), S_OK);
    EXPECT_EQ(found.Str(), W(m_home / ".local/share/Corvane/Reelmark9/Reelmark_Temp"));
}

// ---- file names

TEST_F(FileUtils, UniqueNamesCountUpAndAreLoggedUnderTheirCategory)
{
    CComBSTR first, second;
    ASSERT_EQ(m_files.GetFilePath(FU::DirTemp, L"Menus", true, L"bg", L"png", true, first, 0),
              S_OK);
    EXPECT_EQ(P(first), Temp() / "Menus/bg.png");
    Write(P(first));
    ASSERT_EQ(m_files.GetFilePath(FU::DirTemp, L"Menus", true, L"bg", L"png", true, second, 0),
              S_OK);
    EXPECT_EQ(P(second), Temp() / "Menus/bg_1.png");

    const FU::FileList& logged = FU::GetFileLog().at(L"Menus");
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0].path, first.Str());
    EXPECT_EQ(logged[1].path, second.Str());
}

TEST_F(FileUtils, AlwaysFlagReplacesTheOldFileInsteadOfCountingUp)
{
    Write(Temp() / "Menus/bg.png");
    CComBSTR path;
    ASSERT_EQ(m_files.GetFilePath(FU::DirTemp, L"Menus", true, L"bg", L"png", true, path,
                                  FU::TempFile_Always),
              S_OK);
    EXPECT_EQ(P(path), Temp() / "Menus/bg.png");
    EXPECT_FALSE(fs::exists(Temp() / "Menus/bg.png"));
}

TEST_F(FileUtils, AlwaysFlagDeletesNothingOutsideTheTemporaryFolder)
{
    fs::path precious = m_home / "Videos/clip.TMP";
    Write(precious);
    CComBSTR path;
    ASSERT_EQ(m_files.GetFilePath(FU::DirNone, W(m_home / "Videos").c_str(), false, L"clip",
                                  nullptr, true, path, FU::TempFile_Always),
              S_OK);
    EXPECT_TRUE(fs::exists(precious));
    EXPECT_EQ(P(path), m_home / "Videos/clip_1.TMP");
}

TEST_F(FileUtils, ProjectNamesAreUniqueInTheVideosFolder)
{
    Write(m_home / "Videos/Reelmark_Temp.DMSD");
    CComBSTR path;
    ASSERT_EQ(m_files.GetProjectFilename(path, true), S_OK);
    EXPECT_EQ(P(path), m_home / "Videos/Reelmark_Temp_1.DMSD");
    EXPECT_TRUE(FU::GetFileLog().empty());

    ASSERT_EQ(m_files.GetFilePath(FU::DirMyVideos, nullptr, false, L"/elsewhere/My Disc", L"xml",
                                  true, path, 0),
              S_OK);
    EXPECT_EQ(P(path), m_home / "Videos/My Disc.DMSD");
}

TEST(FileUtilsNames, ProjectFilesAreRecognisedByTheirWholeExtension)
{
    EXPECT_TRUE(FU::IsDVDProjectFile(L"/home/u/Videos/Holiday.DMSD"));
    EXPECT_TRUE(FU::IsDVDProjectFile(L"holiday.dmsd"));
    EXPECT_FALSE(FU::IsDVDProjectFile(L"holiday.dms"));
    EXPECT_FALSE(FU::IsDVDProjectFile(L"holiday.dmsd.bak"));
    EXPECT_FALSE(FU::IsDVDProjectFile(L"/a.dmsd/holiday"));
    EXPECT_FALSE(FU::IsDVDProjectFile(nullptr));
}

// ---- file search

TEST_F(FileUtils, SearchFindsMatchingFilesInNameOrderSkippingFolders)
{
    fs::path folder = m_home / "styles";
    for (const char* name : {"b.xml", "A.XML", "c.xml", "d.png", "a2.xml"})
        Write(folder / name);
    fs::create_directories(folder / "b2.xml");

    std::vector<std::wstring> found;
    CComBSTR file;
    HRESULT hr = m_files.FindFile(W(folder / "*.xml").c_str(), &file);
    for (; hr == S_OK; hr = m_files.FindNextFileW(&file))
        found.push_back(fs::path(WideToUtf8(file.View())).filename().wstring());
    EXPECT_EQ(hr, E_FINDFILE_NO_MORE_FILES);
    EXPECT_EQ(found, (std::vector<std::wstring>{L"A.XML", L"a2.xml", L"b.xml", L"c.xml"}));
}

TEST_F(FileUtils, SearchWithoutMatchOrOutputFails)
{
    CComBSTR file;
    EXPECT_EQ(m_files.FindFile(W(m_home / "missing/*.xml").c_str(), &file),
              E_FINDFILE_NO_MORE_FILES);
    EXPECT_EQ(m_files.FindNextFileW(&file), E_FINDFILE_NO_MORE_FILES);
    EXPECT_EQ(m_files.FindFile(L"*.xml", nullptr), E_POINTER);
    ASSERT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_NE(KVUGetErrorStack()[0].find(L"*** Error NULL = ppstrFoundFile"), std::wstring::npos);
}

// ---- deletion by rules

TEST_F(FileUtils, SizeRuleDeletesOnlyFilesLargerThanItsLimit)
{
    fs::path over = LoggedFile(L"Images", L"over", FU::TempFile_Over1KB, 1025);
    fs::path at = LoggedFile(L"Images", L"at", FU::TempFile_Over1KB, 1024);
    fs::path big = LoggedFile(L"Images", L"big", FU::TempFile_Over10KB, 10241);
    EXPECT_EQ(m_files.EraseTempFiles(L"Images", false), S_OK);
    EXPECT_FALSE(fs::exists(over));
    EXPECT_TRUE(fs::exists(at));
    EXPECT_FALSE(fs::exists(big));
    EXPECT_EQ(FU::GetFileLog().at(L"Images").size(), 3u);
}

TEST_F(FileUtils, AgeRulesCountFromCreationNotFromTheLastWrite)
{
    // Files made now but looking last written long ago are young: they stay.
    fs::path day = LoggedFile(L"Titles", L"day", FU::TempFile_OlderThanADay);
    fs::path week = LoggedFile(L"Titles", L"week", FU::TempFile_OlderThanSixDays);
    Age(day, 2);
    Age(week, 8);
    EXPECT_EQ(m_files.EraseTempFiles(L"Titles", false), S_OK);
    EXPECT_TRUE(fs::exists(day));
    EXPECT_TRUE(fs::exists(week));
}

TEST_F(FileUtils, FilesWithoutRulesGoOnlyWhenForced)
{
    fs::path plain = LoggedFile(L"Projects", L"plain", 0);
    fs::path always = LoggedFile(L"Menus", L"always", FU::TempFile_Always);
    EXPECT_EQ(m_files.EraseTempFiles(nullptr, false), S_OK);
    EXPECT_TRUE(fs::exists(plain));
    EXPECT_FALSE(fs::exists(always));
    EXPECT_EQ(m_files.EraseTempFiles(L"", true), S_OK);
    EXPECT_FALSE(fs::exists(plain));
}

TEST_F(FileUtils, LoggedNameThatBecameAFolderIsNotDeleted)
{
    CComBSTR path;
    ASSERT_EQ(m_files.GetFilePath(FU::DirTemp, L"Menus", true, L"dir", nullptr, false, path,
                                  FU::TempFile_Always),
              S_OK);
    fs::create_directories(P(path));
    EXPECT_EQ(m_files.EraseTempFiles(L"Menus", false), S_OK);
    EXPECT_TRUE(fs::is_directory(P(path)));
}

TEST_F(FileUtils, MissingLoggedFileIsTracedAndPassedOver)
{
    CComBSTR path;
    ASSERT_EQ(m_files.GetFilePath(FU::DirTemp, L"Menus", true, L"never", L"png", false, path,
                                  FU::TempFile_Always),
              S_OK);
    DebugOutputCapture trace;
    EXPECT_EQ(m_files.EraseTempFiles(L"Menus", false), S_OK);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_NE(trace.Lines()[0].find(L"*** Temp file not created: " + path.Str()),
              std::wstring::npos);
}

// ---- deletion by folder and pattern

TEST_F(FileUtils, WholeCategoryIsEmptiedOfFilesOnly)
{
    Write(Temp() / "OnDiscCache/Thumbnail_T1_1.PNG");
    Write(Temp() / "OnDiscCache/readme");
    fs::create_directories(Temp() / "OnDiscCache/keep");
    Write(Temp() / "Menus/bg.png");
    EXPECT_EQ(m_files.EraseTempFiles(L"OnDiscCache", true), S_OK);
    EXPECT_FALSE(fs::exists(Temp() / "OnDiscCache/Thumbnail_T1_1.PNG"));
    EXPECT_FALSE(fs::exists(Temp() / "OnDiscCache/readme"));
    EXPECT_TRUE(fs::is_directory(Temp() / "OnDiscCache/keep"));
    EXPECT_TRUE(fs::exists(Temp() / "Menus/bg.png"));
    EXPECT_TRUE(FU::GetFileLog().empty());
}

TEST_F(FileUtils, PatternDeletesMatchingFilesAndTracesEach)
{
    Write(Temp() / "OnDiscCache/Thumbnail_T1_1.PNG");
    Write(Temp() / "OnDiscCache/thumbnail_t2_1.png");
    Write(Temp() / "OnDiscCache/Other.png");
    DebugOutputCapture trace;
    EXPECT_EQ(m_files.EraseFiles(W(Temp() / "OnDiscCache/Thumbnail_T*").c_str()), S_OK);
    EXPECT_FALSE(fs::exists(Temp() / "OnDiscCache/Thumbnail_T1_1.PNG"));
    EXPECT_FALSE(fs::exists(Temp() / "OnDiscCache/thumbnail_t2_1.png"));
    EXPECT_TRUE(fs::exists(Temp() / "OnDiscCache/Other.png"));
    ASSERT_EQ(trace.Lines().size(), 2u);
    EXPECT_NE(trace.Lines()[0].find(W(Temp() / "OnDiscCache/Thumbnail_T1_1.PNG") + L" deleted"),
              std::wstring::npos);
}

TEST_F(FileUtils, NothingOutsideTheTemporaryFolderIsDeleted)
{
    fs::path victim = m_home / "Videos/movie.mpg";
    Write(victim);
    fs::create_directories(Temp());
    fs::create_symlink(m_home / "Videos", Temp() / "link");
    const std::wstring patterns[] = {
        W(m_home / "Videos/*.*"),
        W(Temp() / "../../Videos/*.*"),
        W(Temp() / "link/*.*"),
        L"*.*",
    };
    for (const std::wstring& pattern : patterns) {
        DebugOutputCapture trace;
        EXPECT_EQ(m_files.EraseFiles(pattern.c_str()), E_ACCESSDENIED) << WideToUtf8(pattern);
        EXPECT_EQ(trace.Lines().size(), 1u);
    }
    EXPECT_EQ(m_files.RecursiveEraseDirectory(W(m_home / "Videos").c_str()), E_ACCESSDENIED);
    EXPECT_EQ(m_files.RecursiveEraseDirectory(W(Temp() / "link/").c_str()), E_ACCESSDENIED);
    EXPECT_EQ(m_files.EraseTempFiles(L"../../Videos", true), E_ACCESSDENIED);
    EXPECT_EQ(m_files.EraseTempFiles(W(m_home / "Videos").c_str(), true), E_ACCESSDENIED);
    EXPECT_EQ(m_files.EraseTempFiles(L"../../Videos", false), E_ACCESSDENIED);
    EXPECT_TRUE(fs::exists(victim));
}

TEST_F(FileUtils, LoggedFileOutsideTheTemporaryFolderIsKept)
{
    fs::path escaped = LoggedFile(L"Menus", L"../../../Videos/escaped", FU::TempFile_Always);
    EXPECT_EQ(escaped.lexically_normal(), m_home / "Videos/escaped.bin");
    EXPECT_EQ(m_files.EraseTempFiles(L"Menus", false), S_OK);
    EXPECT_EQ(m_files.EraseTempFiles(nullptr, true), S_OK);
    EXPECT_TRUE(fs::exists(escaped));
}

TEST_F(FileUtils, FolderInsideTheTemporaryFolderIsErasedWithItsContents)
{
    Write(Temp() / "Projects/p1/a/b.bin");
    EXPECT_EQ(m_files.RecursiveEraseDirectory(W(Temp() / "Projects/p1").c_str()), S_OK);
    EXPECT_FALSE(fs::exists(Temp() / "Projects/p1"));
    EXPECT_TRUE(fs::is_directory(Temp() / "Projects"));
    EXPECT_EQ(m_files.RecursiveEraseDirectory(W(Temp() / "Projects/p1").c_str()), S_OK);
}

// ---- clean-up

TEST_F(FileUtils, CleanupEmptiesTheWorkingFoldersOnly)
{
    const char* emptied[] = {"StillThumbnailCache/a.png", "Menus/m.png", "VCD/EXT/x.dat",
                             "SubPicProd/s.bmp"};
    for (const char* file : emptied)
        Write(Temp() / file);
    Write(Temp() / "BurnLogs/log.txt");
    Write(Temp() / "ReportBug/UserOperations.txt");
    EXPECT_EQ(m_files.CleanupAllTempFiles(), S_OK);
    for (const char* file : emptied)
        EXPECT_FALSE(fs::exists(Temp() / file)) << file;
    EXPECT_TRUE(fs::exists(Temp() / "BurnLogs/log.txt"));
    EXPECT_TRUE(fs::exists(Temp() / "ReportBug/UserOperations.txt"));
}

TEST_F(FileUtils, CleanupMovesToTheChosenTemporaryFolder)
{
    Write(Temp() / "BurnLogs/log.txt");
    fs::create_directories(m_home / "bigdisk");
    CDSConfig config;
    ASSERT_EQ(config.SetString(DSConfig_NewTempFolder, W(m_home / "bigdisk").c_str()), S_OK);
    EXPECT_EQ(m_files.CleanupAllTempFiles(), S_OK);
    EXPECT_FALSE(fs::exists(Temp() / "BurnLogs/log.txt"));
    ASSERT_EQ(config.Reload(), S_OK);
    EXPECT_EQ(config.GetString(DSConfig_TempFolder).Str(), W(m_home / "bigdisk"));
    EXPECT_EQ(config.GetString(DSConfig_NewTempFolder), CComBSTR(L""));
}

TEST_F(FileUtils, CleanupIgnoresAChosenFolderThatDoesNotExist)
{
    Write(Temp() / "BurnLogs/log.txt");
    CDSConfig config;
    ASSERT_EQ(config.SetString(DSConfig_NewTempFolder, W(m_home / "gone").c_str()), S_OK);
    EXPECT_EQ(m_files.CleanupAllTempFiles(), S_OK);
    EXPECT_TRUE(fs::exists(Temp() / "BurnLogs/log.txt"));
    ASSERT_EQ(config.Reload(), S_OK);
    EXPECT_EQ(config.GetString(DSConfig_TempFolder), CComBSTR(L""));
}

// ---- cache names

TEST_F(FileUtils, ChapterStillNameComesFromTheSourcesIdentity)
{
    fs::path source = m_home / "Videos/holiday.mpg";
    Write(source);
    struct stat info = {};
    ASSERT_EQ(stat(source.c_str(), &info), 0);
    std::string expected = "CachedChapterStill_holiday_" +
                           std::to_string(static_cast<int>(uint64_t(info.st_ino) >> 32)) +
                           std::to_string(static_cast<int>(info.st_ino & 0xFFFFFFFFu)) +
                           std::to_string(static_cast<unsigned>(info.st_dev)) + "_12-50.png";
    CComBSTR still;
    ASSERT_EQ(m_files.ComposeChapterStillFilename(12.5, W(source).c_str(), &still), S_OK);
    EXPECT_EQ(P(still), Temp() / "StillThumbnailCache" / expected);
    EXPECT_TRUE(fs::is_directory(Temp() / "StillThumbnailCache"));
    const FU::FileList& logged = FU::GetFileLog().at(L"StillThumbnailCache");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].flags, DWORD(FU::TempFile_OlderThanSixDays));
}

TEST_F(FileUtils, ChapterStillOfAMissingSourceIsNotNamed)
{
    BSTR still = nullptr;
    EXPECT_EQ(m_files.ComposeChapterStillFilename(1.0, W(m_home / "none.mpg").c_str(), &still),
              S_FALSE);
    EXPECT_EQ(still, nullptr);
    EXPECT_EQ(m_files.ComposeChapterStillFilename(1.0, L"x", nullptr), E_POINTER);
}

} // namespace
