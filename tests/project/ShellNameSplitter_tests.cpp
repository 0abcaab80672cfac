#include "project/ShellNameSplitter.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellNameSplitter, PlainPathsSplitAndComposeAsTheyStand)
{
    CQTRShellNameSplitter split(L"/home/me/holiday.clip.MP4");
    EXPECT_EQ(L"", split.GetProtocol());
    EXPECT_EQ(L"/home/me/", split.GetPath());
    EXPECT_EQ(L"holiday.clip", split.GetFileName());
    EXPECT_EQ(L"MP4", split.GetExtension());
    EXPECT_EQ(L"/home/me/holiday.clip.MP4", split.Compose());
    EXPECT_TRUE(split.IsLocal());
    EXPECT_EQ(L"/home/me/holiday.clip.MP4", split.GetLocalPath());
    // A relative name with a colon is no protocol without ":/".
    EXPECT_EQ(L"", CQTRShellNameSplitter(L"take:2.avi").GetProtocol());
}

TEST(ShellNameSplitter, ExtensionsBelongToTheFileNameOnly)
{
    EXPECT_EQ(L"", CQTRShellNameSplitter(L"/videos.d/README").GetExtension());
    EXPECT_EQ(L"", CQTRShellNameSplitter(L"/home/me/.profile").GetExtension());
    EXPECT_EQ(L".profile", CQTRShellNameSplitter(L"/home/me/.profile").GetFileName());
    CQTRShellNameSplitter trailingDot(L"clip.");
    EXPECT_EQ(L"", trailingDot.GetExtension());
    EXPECT_EQ(L"clip.", trailingDot.Compose());
}

TEST(ShellNameSplitter, FileNamesComposeCanonicallyAndDecodeToLocalPaths)
{
    CQTRShellNameSplitter single(L"FILE:/home/me/My%20Clip.Mts");
    EXPECT_EQ(L"FILE", single.GetProtocol());
    EXPECT_EQ(L"Mts", single.GetExtension());
    EXPECT_EQ(L"file:///home/me/My%20Clip.Mts", single.Compose());
    EXPECT_TRUE(single.IsLocal());
    EXPECT_EQ(L"/home/me/My Clip.Mts", single.GetLocalPath());

    EXPECT_EQ(L"/tmp/caf\u00e9.mp4",
              CQTRShellNameSplitter(L"file:///tmp/caf%C3%A9.mp4").GetLocalPath());
    EXPECT_EQ(L"/tmp/100%zz.mp4", CQTRShellNameSplitter(L"file:///tmp/100%zz.mp4").GetLocalPath());
    EXPECT_EQ(L"/x.ts", CQTRShellNameSplitter(L"file://localhost/x.ts").GetLocalPath());
}

TEST(ShellNameSplitter, OtherProtocolsAndHostsAreNotLocal)
{
    CQTRShellNameSplitter web(L"HTTP://Host.example/a/b.ts");
    EXPECT_EQ(L"Host.example", web.GetHost());
    EXPECT_EQ(L"/a/", web.GetPath());
    EXPECT_EQ(L"http://Host.example/a/b.ts", web.Compose());
    EXPECT_FALSE(web.IsLocal());
    EXPECT_EQ(L"", web.GetLocalPath());
    EXPECT_FALSE(CQTRShellNameSplitter(L"file://server/share/x.avi").IsLocal());
}

} // namespace
