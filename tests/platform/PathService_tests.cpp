#include "platform/PathService.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
