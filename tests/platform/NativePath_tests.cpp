#include "platform/NativePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NativePath, ConvertsThroughUtf8WhateverTheLocale)
{
    // The tests run in the C locale, where the library's own conversion would throw.
    EXPECT_EQ("/tmp/Vid\xC3\xA9os/\xE6\x98\xA0.png",
              NativePath(L"/tmp/Vid\u00E9os/\u6620.png").native());
    EXPECT_EQ(L"/tmp/Vid\u00E9os/\U0001F3AC.png",
              WidePath(std::filesystem::path("/tmp/Vid\xC3\xA9os/\xF0\x9F\x8E\xAC.png")));
    EXPECT_EQ(L"bad\uFFFD", WidePath(std::filesystem::path("bad\xFF")));
}

TEST(NativePath, ExtensionIsThatOfTheFileNameOnly)
{
    EXPECT_EQ(L".dmsm", PathExtension(L"/a.b/Vid\u00E9o.dmsm"));
    EXPECT_EQ(L".PNG", PathExtension(L"x.tar.PNG"));
    EXPECT_EQ(L"", PathExtension(L"/a.b/noextension"));
    EXPECT_EQ(L"", PathExtension(L"/home/.hidden"));
    EXPECT_EQ(L"", PathExtension(L".."));
    EXPECT_EQ(L".", PathExtension(L"trailing."));
}

TEST(NativePath, PathsLongerThanTheSystemTakesAreRefused)
{
    const HRESULT tooLong = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    EXPECT_EQ(S_OK, CheckPathLength(std::wstring(kMaxPathBytes, L'a')));
    EXPECT_EQ(tooLong, CheckPathLength(std::wstring(kMaxPathBytes + 1, L'a')));
    // "é" takes two bytes of UTF-8: the limit counts bytes, not characters.
    EXPECT_EQ(S_OK, CheckPathLength(std::wstring(kMaxPathBytes / 2, L'\u00E9')));
    EXPECT_EQ(tooLong, CheckPathLength(std::wstring(kMaxPathBytes / 2, L'\u00E9') + L"a"));
    EXPECT_EQ(tooLong, CheckPathLength(std::wstring(L"a\0b", 3)));
    EXPECT_EQ(tooLong, CheckPathLength(std::wstring(size_t(50) << 20, L'/')));
}

} // namespace
