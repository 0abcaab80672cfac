#include "platform/Clipboard.h"
#include "platform/GlobalMemory.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

HGLOBAL BlockOf(const char* text)
{
    size_t size = std::strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    return block;
}

std::string TextOf(HANDLE data)
{
    const char* text = static_cast<const char*>(GlobalLock(static_cast<HGLOBAL>(data)));
    std::string copy = text ? text : "";
    GlobalUnlock(static_cast<HGLOBAL>(data));
    return copy;
}

// Every test starts with a closed, empty clipboard and a window of this program.
class ClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(ClipboardOtherProgram().Clear(), S_OK);
        m_window = CreateStandInWindow(POINT{0, 0}, BgraImage(4, 4));
    }
    void TearDown() override
    {
        CloseClipboard();
        DestroyWindow(m_window);
    }

    HWND m_window = nullptr;
};

TEST(ClipboardFormats, ANameGivesOneFormatWhateverItsCase)
{
    UINT internal = RegisterClipboardFormatW(L"DSClipboard_Internal");
    EXPECT_GE(internal, kFirstRegisteredClipboardFormat);
    EXPECT_EQ(RegisterClipboardFormatW(L"dsclipboard_INTERNAL"), internal);
    UINT other = RegisterClipboardFormatW(L"Another format");
    EXPECT_GE(other, kFirstRegisteredClipboardFormat);
    EXPECT_NE(other, internal);
    EXPECT_EQ(RegisterClipboardFormatW(nullptr), 0u);
    EXPECT_EQ(RegisterClipboardFormatW(L""), 0u);
}

TEST_F(ClipboardTest, OnlyOneThreadOrProgramHoldsItOpen)
{
    ClipboardOtherProgram other;
    ASSERT_TRUE(OpenClipboard(m_window));
    EXPECT_EQ(GetOpenClipboardWindow(), m_window);
    EXPECT_TRUE(OpenClipboard(nullptr)) << "the holder may open it again";
    EXPECT_FALSE(other.Open());
    BOOL openedByThread = TRUE;
    std::thread([&] { openedByThread = OpenClipboard(nullptr); }).join();
    EXPECT_FALSE(openedByThread);

    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    ASSERT_TRUE(other.Open());
    EXPECT_FALSE(OpenClipboard(m_window));
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_TRUE(other.Close());
}

TEST_F(ClipboardTest, AWindowThatDoesNotExistCannotOpenIt)
{
    HWND gone = CreateStandInWindow(POINT{0, 0}, BgraImage(2, 2));
    ASSERT_TRUE(DestroyWindow(gone));
    EXPECT_FALSE(OpenClipboard(gone));
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST_F(ClipboardTest, DataIsTakenOnlyWhileOpenAndReplacedDataIsFreed)
{
    UINT format = RegisterClipboardFormatW(L"ClipboardTest data");
    HGLOBAL refused = BlockOf("refused");
    EXPECT_EQ(SetClipboardData(format, refused), nullptr);
    EXPECT_EQ(GlobalFree(refused), nullptr) << "a refused block stays the caller's";

    ASSERT_TRUE(OpenClipboard(m_window));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), m_window);
    HGLOBAL first = BlockOf("first");
    EXPECT_EQ(SetClipboardData(format, first), first);
    HGLOBAL second = BlockOf("second");
    EXPECT_EQ(SetClipboardData(format, second), second);
    EXPECT_EQ(GlobalSize(first), 0u) << "the replaced block is freed";
    HGLOBAL unformatted = BlockOf("x");
    EXPECT_EQ(SetClipboardData(0, unformatted), nullptr);
    GlobalFree(unformatted);
    EXPECT_EQ(TextOf(GetClipboardData(format)), "second");
    ASSERT_TRUE(CloseClipboard());

    EXPECT_TRUE(IsClipboardFormatAvailable(format));
    EXPECT_EQ(GetClipboardData(format), nullptr) << "reading needs the clipboard open";
}

TEST_F(ClipboardTest, AnotherProgramCopyingTakesDataAndOwnership)
{
    UINT format = RegisterClipboardFormatW(L"ClipboardTest data");
    ASSERT_TRUE(OpenClipboard(m_window));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL mine = BlockOf("mine");
    ASSERT_EQ(SetClipboardData(format, mine), mine);
    ASSERT_TRUE(CloseClipboard());
    DWORD sequence = GetClipboardSequenceNumber();

    ClipboardOtherProgram other;
    ASSERT_EQ(other.CopyText(L"copied elsewhere"), S_OK);

    EXPECT_NE(GetClipboardSequenceNumber(), sequence);
    EXPECT_FALSE(IsClipboardFormatAvailable(format));
    EXPECT_EQ(GlobalSize(mine), 0u);
    EXPECT_EQ(GetClipboardOwner(), other.Window());
    EXPECT_FALSE(IsWindow(other.Window()));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE text = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(static_cast<HGLOBAL>(text))),
                 L"copied elsewhere");
    GlobalUnlock(static_cast<HGLOBAL>(text));
}

TEST_F(ClipboardTest, AnotherProgramHoldingItOpenKeepsItFromCopying)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    ClipboardOtherProgram other;
    EXPECT_EQ(other.CopyText(L"text"), E_ACCESSDENIED);
    EXPECT_EQ(other.Copy(CF_HDROP, nullptr, 0), E_INVALIDARG);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST(GlobalMemory, LocksCountAndFreedOrMadeUpHandlesAreRefused)
{
    HGLOBAL block = GlobalAlloc(GHND, 8);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 8u);
    BYTE* bytes = static_cast<BYTE*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[7], 0) << "blocks are zero-filled";
    EXPECT_EQ(GlobalLock(block), bytes);
    EXPECT_TRUE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));

    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GlobalLock(block), nullptr);
    HGLOBAL next = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_NE(next, block) << "a freed handle never names a new block";
    GlobalFree(next);

    HGLOBAL madeUp = reinterpret_cast<HGLOBAL>(uintptr_t(0x1234));
    EXPECT_EQ(GlobalLock(madeUp), nullptr);
    EXPECT_EQ(GlobalSize(madeUp), 0u);
    EXPECT_EQ(GlobalAlloc(0x8000, 8), nullptr) << "unknown flags";
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, SIZE_MAX), nullptr);
}

} // namespace
