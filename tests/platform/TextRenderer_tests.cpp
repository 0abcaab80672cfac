#include "platform/TextRenderer.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWhite = MakeArgb(255, 255, 255, 255);
constexpr DWORD kBlack = MakeArgb(255, 0, 0, 0);

// The bounding box of the pixels that differ from the background.
RECT Ink(const BgraImage& image, DWORD background)
{
    RECT ink{image.Width(), image.Height(), -1, -1};
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.PixelAt(x, y) == background)
                continue;
            ink.left = std::min<LONG>(ink.left, x);
            ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1);
            ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    }
    return ink;
}

BgraImage BlackCanvas()
{
    BgraImage image;
    BgraImage::Create(400, 200, kBlack, image);
    return image;
}

TextFont Font(double size)
{
    TextFont font;
    font.pixelSize = size;
    return font;
}

TEST(TextRenderer, DrawsInItsColourInsideTheBoxOnly)
{
    BgraImage image = BlackCanvas();
    TextRenderer renderer;
    RECT box{100, 50, 300, 150};
    ASSERT_EQ(S_OK, renderer.DrawText(image, L"Play Movie", box, Font(40), MakeArgb(255, 255, 0, 0),
                                      DT_LEFT | DT_TOP));
    RECT ink = Ink(image, kBlack);
    EXPECT_GE(ink.left, box.left);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.right, box.right);
    EXPECT_LE(ink.bottom, box.bottom);
    EXPECT_LT(ink.left, ink.right);
    bool solid = false;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            solid = solid || image.PixelAt(x, y) == MakeArgb(255, 255, 0, 0);
    EXPECT_TRUE(solid);
}

TEST(TextRenderer, CentredSingleLineSitsInTheMiddleOfTheBox)
{
    BgraImage image = BlackCanvas();
    TextRenderer renderer;
    ASSERT_EQ(S_OK, renderer.DrawText(image, L"MENU", RECT{0, 0, 400, 200}, Font(30), kWhite,
                                      DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    RECT ink = Ink(image, kBlack);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 200, 6);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 100, 12);
}

TEST(TextRenderer, BottomAlignedTextEndsAtTheBoxBottom)
{
    BgraImage image = BlackCanvas();
    TextRenderer renderer;
    ASSERT_EQ(S_OK, renderer.DrawText(image, L"Credits", RECT{0, 0, 400, 200}, Font(30), kWhite,
                                      DT_CENTER | DT_BOTTOM | DT_SINGLELINE));
    RECT ink = Ink(image, kBlack);
    EXPECT_GT(ink.top, 150);
}

TEST(TextRenderer, TextWiderThanTheBoxIsCutAtItsEdge)
{
    BgraImage image = BlackCanvas();
    TextRenderer renderer;
    ASSERT_EQ(S_OK, renderer.DrawText(image, L"A very long title that cannot fit",
                                      RECT{10, 10, 110, 100}, Font(40), kWhite, DT_LEFT));
    EXPECT_EQ(110, Ink(image, kBlack).right);
}

TEST(TextRenderer, WordBreakPutsWordsThatDoNotFitOnNewLines)
{
    TextRenderer renderer;
    SIZE one{};
    SIZE wrapped{};
    ASSERT_EQ(S_OK, renderer.MeasureText(L"Scene Selection Menu", Font(20), 1000, DT_LEFT, one));
    ASSERT_EQ(S_OK, renderer.MeasureText(L"Scene Selection Menu", Font(20), one.cx / 2,
                                         DT_WORDBREAK, wrapped));
    EXPECT_GE(wrapped.cy, 2 * one.cy);
    EXPECT_LE(wrapped.cx, one.cx / 2);
}

TEST(TextRenderer, LineFeedsStartNewLinesUnlessSingleLine)
{
    TextRenderer renderer;
    SIZE two{};
    SIZE single{};
    ASSERT_EQ(S_OK, renderer.MeasureText(L"one\ntwo", Font(20), 400, DT_LEFT, two));
    ASSERT_EQ(S_OK, renderer.MeasureText(L"one\ntwo", Font(20), 400, DT_SINGLELINE, single));
    EXPECT_EQ(2 * single.cy, two.cy);
}

} // namespace
