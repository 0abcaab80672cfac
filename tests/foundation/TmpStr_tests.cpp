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

TEST(TmpStr, NarrowArgumentsAreUtf8WhateverTheLocale)
{
    TmpStr narrow("name=%s", "caf\xC3\xA9");
    EXPECT_STREQ(narrow, L"name=caf\u00E9");
    TmpStr wide(L"%s|%-6s|%.3s|%5ls", "\xE6\x98\xA0\xE7\x94\xBB", "\xC3\xA9t\xC3\xA9", "abcdef",
                L"\u00E9");
    EXPECT_STREQ(wide, L"\u6620\u753B|\u00E9t\u00E9   |abc|    \u00E9");
    // Bytes that are no UTF-8 stand for themselves as replacement characters.
    EXPECT_STREQ(TmpStr("[%s]", "\xFF"), L"[\uFFFD]");
}

TEST(TmpStr, FormatsThatCannotBeProducedGiveTheEmptyTextAtOnce)
{
    EXPECT_STREQ(TmpStr(L"%d %"), L"");
    EXPECT_STREQ(TmpStr(L"%1$d", 5), L"");
    EXPECT_STREQ(TmpStr(L"%999999999999d", 5), L"");
    int written = 0;
    EXPECT_STREQ(TmpStr(L"%d%n", 5, &written), L"");
    EXPECT_EQ(0, written);
}

TEST(TmpStr, EveryConversionMatchesTheCLibrary)
{
    wchar_t expected[256];
    std::swprintf(
        expected, 256,
        L"%5d|%-5i|%+.3d|%05u|%#x|%X|%o|%lld|%zu|%hhd|%.2f|%10.3e|%g|%a|%c|%lc|%%|%*d|%-*.*ls|", 42,
        -7, 3, 9u, 255u, 0xABCu, 8u, -9000000000LL, size_t(12), 300, 3.14159, 12345.678, 0.0001,
        1.0, 'x', L'\u00E9', 6, 7, 5, 2, L"wide");
    TmpStr ours(
        L"%5d|%-5i|%+.3d|%05u|%#x|%X|%o|%lld|%zu|%hhd|%.2f|%10.3e|%g|%a|%c|%lc|%%|%*d|%-*.*ls|", 42,
        -7, 3, 9u, 255u, 0xABCu, 8u, -9000000000LL, size_t(12), 300, 3.14159, 12345.678, 0.0001,
        1.0, 'x', L'\u00E9', 6, 7, 5, 2, L"wide");
    EXPECT_STREQ(ours, expected);
}

} // namespace
