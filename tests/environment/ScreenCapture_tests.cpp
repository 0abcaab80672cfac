#include "dsutils/DSAppUtils.h"

#include "platform/Clipboard.h"
#include "platform/Image.h"
#include "platform/Window.h"
#include "support/ErrorStackText.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr DWORD kRed = MakeArgb(255, 220, 30, 30);
constexpr DWORD kBlue = MakeArgb(255, 30, 60, 200);
constexpr DWORD kWhite = MakeArgb(255, 255, 255, 255);

// A picture of two halves, red over blue, with a white bar across the middle.
BgraImage Halves(int width, int height)
{
    BgraImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, y < height / 2 ? kRed : kBlue);
    }
    for (int x = width / 4; x < width * 3 / 4; ++x)
        picture.SetPixel(x, height / 2, kWhite);
    return picture;
}

BgraImage Saved(const std::wstring& path)
{
    BgraImage picture;
    EXPECT_EQ(LoadImageFile(path, picture), S_OK);
    return picture;
}

// Every test starts with an empty clipboard and no active window.
class ScreenCapture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(ClipboardOtherProgram().Clear(), S_OK);
        ASSERT_EQ(GetActiveWindow(), nullptr);
    }
    void TearDown() override
    {
        if (m_window)
            DestroyWindow(m_window);
    }

    ScratchFolder m_folder;
    HWND m_window = nullptr;
};

TEST_F(ScreenCapture, APictureOnTheClipboardIsSavedAndTakenOff)
{
    ASSERT_EQ(ClipboardOtherProgram().CopyPicture(Halves(40, 30)), S_OK);
    std::wstring path = m_folder.File("clipboard.png");
    ASSERT_EQ(CDSAppUtils::CaptureScreenToFile(path.c_str(), CDSAppUtils::Capture_ClipboardPicture),
              S_OK);

    BgraImage saved = Saved(path);
    ASSERT_EQ(saved.Width(), 40);
    ASSERT_EQ(saved.Height(), 30);
    EXPECT_EQ(saved.PixelAt(3, 3), kRed);
    EXPECT_EQ(saved.PixelAt(20, 15), kWhite);
    EXPECT_EQ(saved.PixelAt(36, 27), kBlue);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
}

TEST_F(ScreenCapture, TheActiveWindowIsSavedAsItIsShown)
{
    ASSERT_EQ(ClipboardOtherProgram().CopyPicture(BgraImage(4, 4)), S_OK);
    BgraImage shown = Halves(64, 48);
    shown.SetPixel(0, 0, MakeArgb(0, 10, 10, 10));
    m_window = CreateStandInWindow(POINT{200, 100}, shown);
    SetActiveWindow(m_window);
    std::wstring path = m_folder.File("window.png");
    ASSERT_EQ(CDSAppUtils::CaptureScreenToFile(path.c_str(), 0), S_OK);

    BgraImage saved = Saved(path);
    ASSERT_EQ(saved.Width(), 64);
    ASSERT_EQ(saved.Height(), 48);
    EXPECT_EQ(saved.PixelAt(0, 0), MakeArgb(255, 10, 10, 10)) << "the screen is opaque";
    EXPECT_EQ(saved.PixelAt(32, 24), kWhite);
    EXPECT_EQ(saved.PixelAt(60, 40), kBlue);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB)) << "without the flag the clipboard is left";
}

TEST_F(ScreenCapture, WithoutAnActiveWindowItFailsAndSaysWhy)
{
    std::wstring path = m_folder.File("nothing.png");
    EXPECT_EQ(CDSAppUtils::CaptureScreenToFile(path.c_str(), CDSAppUtils::Capture_ClipboardPicture),
              HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(StackHolds(L"no window is active"));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(CDSAppUtils::CaptureScreenToFile(nullptr, 0), E_POINTER);
}

TEST_F(ScreenCapture, APictureThatCannotBeSavedStaysOnTheClipboard)
{
    ASSERT_EQ(ClipboardOtherProgram().CopyPicture(Halves(8, 8)), S_OK);
    std::wstring path = m_folder.File("capture.unknown");
    EXPECT_EQ(CDSAppUtils::CaptureScreenToFile(path.c_str(), CDSAppUtils::Capture_ClipboardPicture),
              E_IMAGE_NO_ENCODER);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
}

} // namespace
