#include "dsutils/TmpStr.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

TEST(TmpStr, NarrowAndWideFormatsGiveTheSameText)
{
    TmpStr wide(L"moniker::dvdproduction_%d %ls %.2f", 42, L"menu", 1.5);
    TmpStr narrow("moniker::dvdproduction_%d %ls %.2f", 42, L"menu", 1.5);
    EXPECT_STREQ(wide, L"moniker::dvdproduction_42 menu 1.50");
    EXPECT_STREQ(narrow, wide);
}

TEST(TmpStr, TextLongerThanAnyFixedBufferIsKeptWhole)
{
    std::wstring long_text(5000, L'x');
    TmpStr text(L"[%ls]", long_text.c_str());
    EXPECT_EQ(std::wcslen(text), 5002u);
}

TEST(TmpStr, CopiesOwnTheirTextSoEitherMayGoFirst)
{
    TmpStr kept(L"kept");
    {
        TmpStr original(L"original %d", 1);
        TmpStr copy(original);
        kept = original;
        EXPECT_NE(static_cast<wchar_t*>(kept), static_cast<wchar_t*>(original));
        EXPECT_STREQ(copy, L"original 1");
    }
    EXPECT_STREQ(kept, L"original 1");
    TmpStr moved(std::move(kept));
    EXPECT_STREQ(moved, L"original 1");
    kept = moved;
    EXPECT_STREQ(kept, L"original 1");
}

} // namespace
