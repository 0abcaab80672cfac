#include "platform/Bstr.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Bstr, LengthComesFromThePrefixSoEmbeddedZerosCount)
{
    const wchar_t text[] = {L'a', L'\0', L'b'};
    BSTR s = SysAllocStringLen(text, 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(SysStringByteLen(s), 3 * sizeof(wchar_t));
    EXPECT_EQ(s[3], L'\0');
    EXPECT_TRUE(SysReAllocString(&s, L"longer text"));
    EXPECT_STREQ(s, L"longer text");
    SysFreeString(s);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    SysFreeString(nullptr);
}

TEST(Bstr, ComparisonTreatsNullAsEmptyAndCanIgnoreCase)
{
    CComBSTR upper(L"Menu");
    CComBSTR lower(L"menu");
    CComBSTR empty(L"");
    EXPECT_EQ(VarBstrCmp(nullptr, empty, LOCALE_USER_DEFAULT, 0), VARCMP_EQ);
    EXPECT_EQ(VarBstrCmp(upper, lower, LOCALE_USER_DEFAULT, 0), VARCMP_LT);
    EXPECT_EQ(VarBstrCmp(lower, upper, LOCALE_USER_DEFAULT, 0), VARCMP_GT);
    EXPECT_EQ(VarBstrCmp(upper, lower, LOCALE_USER_DEFAULT, NORM_IGNORECASE), VARCMP_EQ);
    EXPECT_EQ(VarBstrCmp(CComBSTR(L"\u00C4RGER"), CComBSTR(L"\u00E4rger"), LOCALE_USER_DEFAULT,
                         NORM_IGNORECASE),
              VARCMP_EQ);
    EXPECT_EQ(VarBstrCmp(lower, CComBSTR(L"menus"), LOCALE_USER_DEFAULT, 0), VARCMP_LT);
    EXPECT_TRUE(CComBSTR() == empty);
    EXPECT_TRUE(upper != lower);
    EXPECT_TRUE(upper == L"Menu");
}

TEST(Bstr, CComBSTROwnsExactlyOneCopy)
{
    CComBSTR original(L"title");
    CComBSTR copy(original);
    EXPECT_NE(copy.m_str, original.m_str);
    copy.Append(L" 1");
    EXPECT_EQ(original, CComBSTR(L"title"));
    EXPECT_EQ(copy, CComBSTR(L"title 1"));

    CComBSTR moved(std::move(copy));
    EXPECT_EQ(copy.m_str, nullptr);
    BSTR handedOut = moved.Detach();
    EXPECT_EQ(moved.m_str, nullptr);
    CComBSTR adopted;
    adopted.Attach(handedOut);
    EXPECT_EQ(adopted, CComBSTR(L"title 1"));

    // An out argument through operator& frees the old text first.
    BSTR* slot = &adopted;
    EXPECT_EQ(*slot, nullptr);
    *slot = SysAllocString(L"replaced");
    EXPECT_EQ(adopted.Length(), 8u);
}

TEST(Bstr, AppendingToItselfAndNarrowTextWork)
{
    CComBSTR twice(L"ab");
    twice.AppendBSTR(twice);
    EXPECT_EQ(twice, CComBSTR(L"abab"));
    CComBSTR narrow("Gr\xC3\xBC\xC3\x9F"
                    "e");
    EXPECT_EQ(narrow, CComBSTR(L"Gr\u00FC\u00DFe"));
    narrow.ToUpper();
    EXPECT_EQ(narrow.Length(), 5u);
    CComBSTR joined;
    BSTR result = nullptr;
    ASSERT_EQ(VarBstrCat(CComBSTR(L"a"), nullptr, &result), S_OK);
    joined.Attach(result);
    EXPECT_EQ(joined, CComBSTR(L"a"));
}

TEST(Bstr, BstrTextIsAnOrdinaryWideStringForTheCLibrary)
{
    _bstr_t inline_text(L"clip.png");
    EXPECT_EQ(std::wcscmp(static_cast<const wchar_t*>(inline_text), L"clip.png"), 0);
    EXPECT_EQ(inline_text.length(), 8u);
    _bstr_t none;
    EXPECT_STREQ(static_cast<const wchar_t*>(none), L"");
}

} // namespace
