#include "platform/PathService.h"

#include "platform/StringConv.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

TEST(PathService, MacrosExpandInAnyCaseAndLeaveOtherTextAlone)
{
    ScopedEnvironment content("REELMARK_CONTENT", "/opt/reel/content");
    ScopedEnvironment plugins("REELMARK_PLUGINS", nullptr);
    EXPECT_EQ(ExpandPathMacros(L"%CONTENT%/DVD/Mandatory/a.png"),
              L"/opt/reel/content/DVD/Mandatory/a.png");
    EXPECT_EQ(ExpandPathMacros(L"%plugins%/KVTransitionPlugIns.xml"),
              L"/opt/reel/content/plugins/KVTransitionPlugIns.xml");
    EXPECT_EQ(ExpandPathMacros(L"100% sure %CONTENT"), L"100% sure %CONTENT");
    EXPECT_EQ(ExpandPathMacros(L"%CONTENT%%CONTENT%"), L"/opt/reel/content/opt/reel/content");
}

// A content folder and a plug-ins folder of a test, with files written into them.
class ContentPaths : public ::testing::Test
{
protected:
    void Touch(const std::string& relative)
    {
        std::filesystem::path file = m_folder.Path() / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    std::wstring Under(const std::string& relative) const
    {
        return (m_folder.Path() / relative).wstring();
    }

    ScratchFolder m_folder;
    ScopedEnvironment m_content{"REELMARK_CONTENT", (m_folder.Path() / "content").string().c_str()};
    ScopedEnvironment m_plugins{"REELMARK_PLUGINS", (m_folder.Path() / "plugins").string().c_str()};
};

TEST_F(ContentPaths, ContentFilesAreFoundWithoutRegardToCase)
{
    Touch("content/DVD/Mandatory/SP_Pattern.png");
    Touch("plugins/KVTransitionPlugIns.xml");
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/DVD/MANDATORY/SP_Pattern.png"),
              Under("content/DVD/Mandatory/SP_Pattern.png"));
    EXPECT_EQ(ResolveContentPath(Under("content/dvd/mandatory/sp_pattern.PNG")),
              Under("content/DVD/Mandatory/SP_Pattern.png"));
    EXPECT_EQ(ResolveContentPath(L"%PLUGINS%//kvtransitionplugins.XML"),
              Under("plugins/KVTransitionPlugIns.xml"));
}

TEST_F(ContentPaths, AFolderOfTheExactNameThatLeadsNowhereIsPassedOver)
{
    Touch("content/DVD/Mandatory/x.png");
    Touch("content/dvd/4X3/button/a.xml");
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/DVD/4x3/Button/a.xml"),
              Under("content/dvd/4X3/button/a.xml"));
}

TEST_F(ContentPaths, TheExactNameWinsOverOthersOfAnotherCase)
{
    Touch("content/Button/a.xml");
    Touch("content/Button/A.xml");
    Touch("content/Button/B.XML");
    Touch("content/Button/b.Xml");
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/Button/A.xml"), Under("content/Button/A.xml"));
    // Neither "B.XML" nor "b.Xml" is the name asked for: the first in name order serves.
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/button/b.xml"), Under("content/Button/B.XML"));
}

TEST_F(ContentPaths, PathsOutsideTheContentOrMatchingNothingStayAsWritten)
{
    Touch("content/DVD/bg.png");
    Touch("user/Movie.png");
    EXPECT_EQ(ResolveContentPath(Under("user/movie.png")), Under("user/movie.png"));
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/DVD/missing.png"), Under("content/DVD/missing.png"));
    EXPECT_EQ(ResolveContentPath(L"%CONTENT%/dvd/BG.png/deeper"),
              Under("content/dvd/BG.png/deeper"));
    EXPECT_EQ(ResolveContentPath(L"moniker::dvdproduction_3"), L"moniker::dvdproduction_3");
    EXPECT_EQ(ResolveContentPath(L""), L"");
}

TEST(PathService, ReelmarkHomeMovesEveryUserFolder)
{
    ScopedEnvironment home("REELMARK_HOME", "/sandbox/home");
    ScopedEnvironment data("XDG_DATA_HOME", "/elsewhere/data");
    std::wstring folder;
    ASSERT_EQ(GetShellFolderPath(CSIDL_APPDATA, folder), S_OK);
    EXPECT_EQ(folder, L"/sandbox/home/.local/share");
    ASSERT_EQ(GetShellFolderPath(CSIDL_MYVIDEO, folder), S_OK);
    EXPECT_EQ(folder, L"/sandbox/home/Videos");
    EXPECT_EQ(UserConfigFolder(), L"/sandbox/home/.config");
    EXPECT_EQ(SystemTempFolder(), L"/sandbox/home/tmp");
    EXPECT_EQ(GetShellFolderPath(5, folder), E_INVALIDARG);
}

TEST(PathService, XdgVariablesServeWithoutReelmarkHome)
{
    ScopedEnvironment home("REELMARK_HOME", nullptr);
    ScopedEnvironment data("XDG_DATA_HOME", "/xdg/data");
    ScopedEnvironment config("XDG_CONFIG_HOME", "/xdg/config");
    std::wstring folder;
    ASSERT_EQ(GetShellFolderPath(CSIDL_APPDATA, folder), S_OK);
    EXPECT_EQ(folder, L"/xdg/data");
    EXPECT_EQ(UserConfigFolder(), L"/xdg/config");
}

TEST(PathService, PathAppendPutsOneSeparatorBetweenParts)
{
    EXPECT_EQ(PathAppend(L"/a/", L"/b"), L"/a/b");
    EXPECT_EQ(PathAppend(L"/a", L"b/c"), L"/a/b/c");
    EXPECT_EQ(PathAppend(L"/a", L""), L"/a");
    EXPECT_EQ(PathAppend(L"", L"b"), L"b");
}

} // namespace
