#include "foundation/DirectoryListing.h"

#include <gtest/gtest.h>

namespace {

TEST(Wildcard, StarAndQuestionMarkMatchAnyCase)
{
    EXPECT_TRUE(MatchesWildcard(L"Thumbnail_T*", L"thumbnail_t12_1.PNG"));
    EXPECT_TRUE(MatchesWildcard(L"*.xml", L"Style.XML"));
    EXPECT_TRUE(MatchesWildcard(L"b?.png", L"B1.png"));
    EXPECT_FALSE(MatchesWildcard(L"b?.png", L"b.png"));
    EXPECT_FALSE(MatchesWildcard(L"*.xml", L"style.xml.bak"));
}

TEST(Wildcard, StarBacksUpToFindALaterMatch)
{
    EXPECT_TRUE(MatchesWildcard(L"*a*b", L"xaxxaxb"));
    EXPECT_TRUE(MatchesWildcard(L"a*a*a", L"aaa"));
    EXPECT_FALSE(MatchesWildcard(L"a*a*a", L"aa"));
    EXPECT_TRUE(MatchesWildcard(L"**", L""));
}

TEST(Wildcard, AnyExtensionAlsoMatchesNamesWithoutOne)
{
    EXPECT_TRUE(MatchesWildcard(L"*.*", L"readme"));
    EXPECT_TRUE(MatchesWildcard(L"*.*", L"a.b.c"));
    EXPECT_TRUE(MatchesWildcard(L"log.*", L"LOG"));
    EXPECT_FALSE(MatchesWildcard(L"log.*", L"logs"));
}

TEST(SearchPattern, SplitsAtTheLastSeparator)
{
    std::wstring folder, name;
    SplitSearchPattern(L"/a/b/*.xml", folder, name);
    EXPECT_EQ(folder, L"/a/b");
    EXPECT_EQ(name, L"*.xml");
    SplitSearchPattern(L"/x*", folder, name);
    EXPECT_EQ(folder, L"/");
    EXPECT_EQ(name, L"x*");
    SplitSearchPattern(L"*.png", folder, name);
    EXPECT_EQ(folder, L"");
    EXPECT_EQ(name, L"*.png");
}

} // namespace
