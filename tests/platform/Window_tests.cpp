#include "platform/Window.h"

#include <gtest/gtest.h>

namespace {

TEST(Window, TheActiveWindowShowsItsPictureWhereItStands)
{
    BgraImage picture(30, 20);
    picture.Fill(MakeArgb(255, 10, 20, 30));
    picture.SetPixel(0, 0, MakeArgb(0, 1, 2, 3));
    HWND window = CreateStandInWindow(POINT{100, 50}, picture);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr) << "a new window is not active until made so";

    HWND before = SetActiveWindow(window);
    EXPECT_EQ(GetActiveWindow(), window);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect, (RECT{100, 50, 130, 70}));
    BgraImage shown;
    ASSERT_EQ(CopyWindowPicture(window, shown), S_OK);
    EXPECT_EQ(shown.PixelAt(29, 19), MakeArgb(255, 10, 20, 30));
    EXPECT_EQ(shown.PixelAt(0, 0), MakeArgb(255, 1, 2, 3)) << "the screen is opaque";

    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(GetWindowRect(window, &rect));
    EXPECT_EQ(CopyWindowPicture(window, shown), HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(SetActiveWindow(window), nullptr);
    EXPECT_FALSE(DestroyWindow(window));
    if (before)
        SetActiveWindow(before);
}

TEST(Window, AWindowNeedsAPicture)
{
    EXPECT_EQ(CreateStandInWindow(POINT{0, 0}, BgraImage()), nullptr);
    HWND window = CreateStandInWindow(POINT{0, 0}, BgraImage(2, 2));
    EXPECT_EQ(SetWindowPicture(window, BgraImage()), E_INVALIDARG);
    ASSERT_EQ(SetWindowPicture(window, BgraImage(5, 6)), S_OK);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect, (RECT{0, 0, 5, 6}));
    DestroyWindow(window);
}

} // namespace
