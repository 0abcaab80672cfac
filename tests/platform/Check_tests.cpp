#include "platform/Check.h"
#include "platform/DebugOutput.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

HRESULT Leaf(HRESULT result)
{
    return result;
}

// The line of each check site, recorded as the site runs.
struct Lines
{
    int inner = 0;
    int outer = 0;
    int null = 0;
    int shortForm = 0;
    int privateCode = 0;
};

HRESULT Inner(HRESULT result, Lines& lines)
{
    KVUClearErrorStack();
    lines.inner = __LINE__ + 1;
    CHECK_HR(Leaf(result));
    return S_OK;
}

HRESULT Outer(HRESULT result, Lines& lines)
{
    KVUClearErrorStack();
    lines.outer = __LINE__ + 1;
    CHECK_HR(Inner(result, lines));
    return S_OK;
}

HRESULT NeedsPointer(int* pMenu, Lines& lines)
{
    KVUClearErrorStack();
    lines.null = __LINE__ + 1;
    CHECK_NULL(pMenu);
    return S_OK;
}

HRESULT ShortForm(Lines& lines)
{
    KVUClearErrorStack();
    lines.shortForm = __LINE__ + 1;
    CHECK_HR_SHORT(Leaf(E_INVALIDARG));
    return S_OK;
}

HRESULT PrivateCode(Lines& lines)
{
    KVUClearErrorStack();
    lines.privateCode = __LINE__ + 1;
    RETURN_CODE(E_SAVEIMAGE32_CANT_CREATE_BITMAP);
}

std::wstring Position(int line)
{
    return L"./Check_tests.cpp(" + std::to_wstring(line) + L")";
}

TEST(Check, NullPointerLeavesExactlyOneNullMessage)
{
    Lines lines;
    KVUReportError(L"left over from an earlier call");
    EXPECT_EQ(NeedsPointer(nullptr, lines), E_POINTER);
    auto stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_EQ(stack[0], Position(lines.null) + L": *** Error NULL = pMenu\n");
}

TEST(Check, InnerCodeIsPassedUpUnchangedWithOneMessagePerLevel)
{
    Lines lines;
    const HRESULT code = E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED;
    EXPECT_EQ(Outer(code, lines), code);
    auto stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 2u);
    std::wstring text = ResultCodeText(code);
    EXPECT_EQ(stack[0], Position(lines.inner) + L": *** Error " + text + L" = Leaf(result)\n");
    EXPECT_EQ(stack[1],
              Position(lines.outer) + L": *** Error " + text + L" = Inner(result, lines)\n");
    EXPECT_NE(text.find(L"E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED"), std::wstring::npos);
    EXPECT_NE(text.find(L"0xC201006D"), std::wstring::npos);
}

TEST(Check, SuccessLeavesTheStackEmpty)
{
    Lines lines;
    EXPECT_EQ(Outer(S_FALSE, lines), S_OK);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST(Check, ShortFormAndPrivateCodesCarryTheCodeText)
{
    Lines lines;
    EXPECT_EQ(ShortForm(lines), E_INVALIDARG);
    auto stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_EQ(stack[0],
              Position(lines.shortForm) + L": *** Error " + ResultCodeText(E_INVALIDARG) + L"\n");

    EXPECT_EQ(PrivateCode(lines), E_SAVEIMAGE32_CANT_CREATE_BITMAP);
    stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_EQ(stack[0], Position(lines.privateCode) + L": " +
                            ResultCodeText(E_SAVEIMAGE32_CANT_CREATE_BITMAP) + L"\n");
}

TEST(Check, TraceGoesToTheDebugOutputNotTheStack)
{
    KVUClearErrorStack();
    DebugOutputCapture capture;
    TRACE_LINE("deleted %d of %s", 3, "files");
    ASSERT_EQ(capture.Lines().size(), 1u);
    EXPECT_EQ(capture.Lines()[0], Position(__LINE__ - 2) + L": deleted 3 of files\n");
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST(ErrorString, TheThreeConstructorsGiveTheirTexts)
{
    KVUErrStr fromCode(E_POINTER);
    EXPECT_EQ(std::wstring(fromCode), L"E_POINTER (0x80004003): A required pointer is null");
    KVUErrStr wide(L"%ls has %d", L"menu", 3);
    EXPECT_STREQ(wide.m_pszText, L"menu has 3");
    KVUErrStr narrow("%s has %d", "menu", 3);
    EXPECT_STREQ(narrow.m_pszText, L"menu has 3");
    KVUErrStr unknown(static_cast<HRESULT>(0x80991234u));
    EXPECT_STREQ(unknown.m_pszText, L"0x80991234: unknown result code");
}

} // namespace
