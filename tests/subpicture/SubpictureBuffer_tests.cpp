// The pixel work of subpictures: rendered pixels reduced to the colour classes, classes mapped to
// a state's colours inside a button's region, and pictures padded to the disc's width.
#include "subpicture/SubpictureBuffer.h"

#include "dsutils/SubPicture.h"

#include "platform/ErrorStack.h"
#include "platform/TaskMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr DWORD kRed = kSubpictureRed;
constexpr DWORD kGreen = kSubpictureGreen;
constexpr DWORD kBlue = kSubpictureBlue;

DWORD Argb(DWORD alpha, DWORD red, DWORD green, DWORD blue)
{
    return alpha << 24 | red << 16 | green << 8 | blue;
}

// A picture in a block of the task allocator, as the engine hands one out.
class Picture
{
public:
    Picture(int width, int height, DWORD fill) : m_width(width), m_height(height)
    {
        m_pixels = static_cast<BYTE*>(CoTaskMemAlloc(size_t(width) * size_t(height) * 4));
        for (int i = 0; i < width * height; ++i)
            std::memcpy(m_pixels + size_t(i) * 4, &fill, 4);
    }
    ~Picture() { CoTaskMemFree(m_pixels); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    DWORD At(int x, int y) const
    {
        DWORD pixel = 0;
        std::memcpy(&pixel, m_pixels + (size_t(y) * size_t(m_width) + size_t(x)) * 4, 4);
        return pixel;
    }
    void Set(int x, int y, DWORD pixel)
    {
        std::memcpy(m_pixels + (size_t(y) * size_t(m_width) + size_t(x)) * 4, &pixel, 4);
    }
    BYTE* Bytes() { return m_pixels; }
    BYTE** Address() { return &m_pixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // How many pixels of the rectangle (edges included) hold the value.
    int CountIn(const RECT& rc, DWORD value) const
    {
        int count = 0;
        for (LONG y = rc.top; y <= rc.bottom; ++y)
            for (LONG x = rc.left; x <= rc.right; ++x)
                count += At(x, y) == value ? 1 : 0;
        return count;
    }

private:
    int m_width;
    int m_height;
    BYTE* m_pixels;
};

// The first map turns red into white at contrast 7 (white is itself a source colour) and the
// other classes into colours that are none; the second gives every class a colour of its own.
constexpr SPUColorMap kFirstMap = {{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF},
                                   {0x7F112233, 0x7FFFFFFF, 0xFF445566, 0x00778899}};
constexpr SPUColorMap kSecondMap = {{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF},
                                    {0xFFABCDEF, 0xFF0A0B0C, 0xFF0D0E0F, 0xFF101112}};

TEST(SubpictureReduction, TransparentGreyWhiteAndBlackAreBackground)
{
    for (DWORD pixel : {Argb(0, 0xFF, 0, 0), Argb(0, 0, 0xFF, 0), Argb(0, 0, 0, 0xFF), 0u})
        EXPECT_EQ(ReduceSubpicturePixel(pixel), 0u) << std::hex << pixel;
    EXPECT_EQ(ReduceSubpicturePixel(0xFF000000), 0u);
    for (DWORD alpha : {0x01u, 0x40u, 0x80u, 0xFFu})
        EXPECT_EQ(ReduceSubpicturePixel(Argb(alpha, 0xFF, 0xFF, 0xFF)), 0u) << alpha;
    for (DWORD pixel :
         {Argb(0xFF, 0x80, 0x80, 0x80), Argb(0x40, 0x20, 0x20, 0x20), Argb(0xFF, 0xFE, 0xFE, 0xFE)})
        EXPECT_EQ(ReduceSubpicturePixel(pixel), 0u) << std::hex << pixel;
}

TEST(SubpictureReduction, GreenAndBlueLoseTheTransparencyAndMustPassHalfStrength)
{
    // A = 0x80 leaves 0xFF − 0x7F = 0x80 of the green: enough. A = 0x7F leaves 0x7F: not.
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x80, 0, 0xFF, 0)), kGreen);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x7F, 0, 0xFF, 0)), 0u);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x80, 0, 0, 0xFF)), kBlue);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x7F, 0, 0, 0xFF)), 0u);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0xFF, 0, 0, 0x80)), kBlue);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0xFF, 0, 0, 0x7F)), 0u);
    // The strongest channel wins: green over a weaker red, blue over a weaker green.
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0xFF, 0x80, 0xFF, 0)), kGreen);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0xFF, 0, 0xC0, 0xF0)), kBlue);
    // A strong red keeps a green that is only as strong.
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0xFF, 0xC0, 0xC0, 0)), kRed);
}

TEST(SubpictureReduction, RedKeepsItsClassHoweverTransparent)
{
    for (DWORD alpha : {0x01u, 0x40u, 0x80u, 0xC0u, 0xFFu}) {
        EXPECT_EQ(ReduceSubpicturePixel(Argb(alpha, 0x60, 0, 0)), kRed) << alpha;
        EXPECT_EQ(ReduceSubpicturePixel(Argb(alpha, 0x55, 0, 0)), kRed) << alpha;
        EXPECT_EQ(ReduceSubpicturePixel(Argb(alpha, 0x54, 0, 0)), 0u) << alpha;
    }
}

TEST(SubpictureReduction, AChannelWeakerThanTheTransparencyNeverWins)
{
    // B − t = 0x10 − 0x80 is below zero; read as a byte it would be 0x90, a blue highlight.
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x7F, 0, 0, 0x10)), 0u);
    // With some red about, the pixel stays red instead of turning blue.
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x7F, 0x60, 0, 0x10)), kRed);
    EXPECT_EQ(ReduceSubpicturePixel(Argb(0x01, 0x60, 0x10, 0x20)), kRed);
}

TEST(SubpictureReduction, EveryPixelOfABufferIsReducedInPlace)
{
    // An odd size, so that whatever the loop does in blocks, the last pixels are reached too.
    const DWORD rendered[] = {Argb(0xFF, 0xFF, 0, 0), 0xFF000000, Argb(0x80, 0, 0xFF, 0),
                              Argb(0xFF, 0, 0, 0xFF), 0xFFFFFFFF, Argb(0x7F, 0, 0, 0x10),
                              Argb(0x20, 0x60, 0, 0)};
    Picture picture(7, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            picture.Set(x, y, rendered[(x + y) % 7]);
    ReduceSubpicture(picture.Bytes(), 7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(picture.At(x, y), ReduceSubpicturePixel(rendered[(x + y) % 7]))
                << x << "," << y;
    EXPECT_EQ(picture.At(1, 2), kBlue);
}

// Pictures whose runs of 16 pixels are each of one kind: opaque black, the pattern, smoothed
// pattern edges over black, the classes of a reduced picture, or anything at all; some runs
// have one stray pixel. The picture is not a whole number of runs wide.
std::vector<DWORD> RunsOfEveryKind(std::mt19937& random, size_t count)
{
    std::vector<DWORD> pixels(count);
    auto any = [&] { return DWORD(random()); };
    for (size_t start = 0; start < count; start += 16) {
        int kind = int(random() % 6);
        for (size_t i = start; i < std::min(count, start + 16); ++i) {
            DWORD red = DWORD(random() % 256) << 16;
            const DWORD classes[4] = {0, kRed, kGreen, kBlue};
            const DWORD choices[6] = {
                0xFF000000, kRed, 0xFF000000 | red, classes[random() % 2], classes[random() % 4],
                any()};
            pixels[i] = choices[kind];
        }
        if (random() % 4 == 0)
            pixels[std::min(count - 1, start + random() % 16)] = any();
    }
    return pixels;
}

TEST(SubpictureReduction, RunsReduceExactlyAsTheirPixelsDo)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        std::vector<DWORD> pixels = RunsOfEveryKind(random, 733 * 5);
        std::vector<DWORD> reduced = pixels;
        ReduceSubpicture(reinterpret_cast<BYTE*>(reduced.data()), 733, 5);
        for (size_t i = 0; i < pixels.size(); ++i)
            ASSERT_EQ(reduced[i], ReduceSubpicturePixel(pixels[i]))
                << std::hex << "pixel 0x" << pixels[i] << " at " << std::dec << i;
    }
}

// One pixel mapped as a player maps it: alpha set aside, nothing stays nothing, the first
// source that matches gives the colour, and no match gives nothing.
DWORD MappedAsAPlayerDoes(DWORD pixel, const SPUColorMap& map)
{
    DWORD colour = pixel & 0xFFFFFF;
    if (colour == 0)
        return 0;
    for (int k = 0; k < 4; ++k) {
        if (colour == (map.source[k] & 0xFFFFFF))
            return map.target[k];
    }
    return 0;
}

TEST(SubpictureMapping, RunsMapExactlyAsTheirPixelsDo)
{
    std::mt19937 random(7);
    // The usual map, one whose pattern colour is also an earlier source, one whose pattern
    // colour is empty, and one of random sources.
    const SPUColorMap maps[] = {kSecondMap,
                                {{0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF}, {1, 2, 3, 4}},
                                {{0xFFFFFF, 0x000000, 0x00FF00, 0x0000FF}, {5, 6, 7, 8}},
                                {{0x123456, 0xFF0000, 0xABCDEF, 0x00FF00}, {9, 10, 11, 12}}};
    for (const SPUColorMap& map : maps) {
        for (int round = 0; round < 10; ++round) {
            std::vector<DWORD> pixels = RunsOfEveryKind(random, 733 * 6);
            std::vector<DWORD> mapped = pixels;
            RECT rect{LONG(random() % 40), 1, LONG(700 + random() % 33), 4};
            ASSERT_EQ(S_OK, MapColors(reinterpret_cast<BYTE*>(mapped.data()), 733, 6, map, rect));
            for (size_t i = 0; i < pixels.size(); ++i) {
                LONG x = LONG(i % 733), y = LONG(i / 733);
                bool inside =
                    x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
                ASSERT_EQ(mapped[i], inside ? MappedAsAPlayerDoes(pixels[i], map) : pixels[i])
                    << std::hex << "pixel 0x" << pixels[i] << " at " << std::dec << x << "," << y;
            }
            // A region as wide as the picture.
            mapped = pixels;
            ASSERT_EQ(S_OK, MapColors(reinterpret_cast<BYTE*>(mapped.data()), 733, 6, map,
                                      RECT{0, 0, 732, 5}));
            for (size_t i = 0; i < pixels.size(); ++i)
                ASSERT_EQ(mapped[i], MappedAsAPlayerDoes(pixels[i], map)) << i;
        }
    }
}

TEST(SubpictureMapping, ClassesBecomeTheTargetsAndAnythingElseNothing)
{
    Picture picture(4, 1, 0);
    picture.Set(0, 0, kRed);
    picture.Set(1, 0, kGreen);
    picture.Set(2, 0, kBlue);
    picture.Set(3, 0, 0x80123456);
    ASSERT_EQ(S_OK, MapColors(picture.Bytes(), 4, 1, kSecondMap, RECT{0, 0, 3, 0}));
    EXPECT_EQ(picture.At(0, 0), 0xFF0A0B0Cu);
    EXPECT_EQ(picture.At(1, 0), 0xFF0D0E0Fu);
    EXPECT_EQ(picture.At(2, 0), 0xFF101112u);
    EXPECT_EQ(picture.At(3, 0), 0u);
}

TEST(SubpictureMapping, RegionsReachingPastThePictureStopAtItsLastRowAndColumn)
{
    Picture picture(8, 6, kRed);
    // Right and bottom beyond the picture, top and bottom given upside down.
    ASSERT_EQ(S_OK, MapColors(picture.Bytes(), 8, 6, kFirstMap, RECT{5, 40, 20, 3}));
    EXPECT_EQ(picture.CountIn(RECT{5, 3, 7, 5}, 0x7FFFFFFFu), 9);
    EXPECT_EQ(picture.CountIn(RECT{0, 0, 7, 2}, kRed), 24);
    EXPECT_EQ(picture.CountIn(RECT{0, 3, 4, 5}, kRed), 15);
    // Left and top before the picture start at its first column and row; both edges count.
    Picture second(8, 6, kRed);
    ASSERT_EQ(S_OK, MapColors(second.Bytes(), 8, 6, kFirstMap, RECT{-3, -2, 1, 0}));
    EXPECT_EQ(second.CountIn(RECT{0, 0, 1, 0}, 0x7FFFFFFFu), 2);
    EXPECT_EQ(second.CountIn(RECT{0, 0, 7, 5}, kRed), 46);
    // A region wholly outside maps nothing.
    Picture third(8, 6, kRed);
    ASSERT_EQ(S_OK, MapColors(third.Bytes(), 8, 6, kFirstMap, RECT{9, 0, 12, 5}));
    EXPECT_EQ(third.CountIn(RECT{0, 0, 7, 5}, kRed), 48);
}

TEST(SubpictureMapping, ALaterButtonMapsWhatAnOverlappingOneMappedAgain)
{
    Picture picture(6, 1, kRed);
    picture.Set(0, 0, kGreen);
    ASSERT_EQ(S_OK, MapColors(picture.Bytes(), 6, 1, kFirstMap, RECT{0, 0, 3, 0}));
    ASSERT_EQ(picture.At(0, 0), 0xFF445566u);
    ASSERT_EQ(picture.At(1, 0), 0x7FFFFFFFu);
    ASSERT_EQ(S_OK, MapColors(picture.Bytes(), 6, 1, kSecondMap, RECT{0, 0, 5, 0}));
    // Where both lie: a first colour that is no source colour is lost, one that is (white)
    // becomes the second map's white.
    EXPECT_EQ(picture.At(0, 0), 0u);
    EXPECT_EQ(picture.At(1, 0), 0xFFABCDEFu);
    // Where only the later one lies, its own colours.
    EXPECT_EQ(picture.At(4, 0), 0xFF0A0B0Cu);
}

TEST(SubpictureMapping, RefusesAMissingOrEmptyPicture)
{
    EXPECT_EQ(E_POINTER, MapColors(nullptr, 4, 4, kFirstMap, RECT{0, 0, 1, 1}));
    Picture picture(2, 2, kRed);
    EXPECT_EQ(E_INVALIDARG, MapColors(picture.Bytes(), 0, 2, kFirstMap, RECT{0, 0, 1, 1}));
    EXPECT_EQ(picture.At(0, 0), kRed);
}

TEST(SubpicturePadding, APictureOf704IsCentredIn720BetweenTransparentColumns)
{
    Picture picture(704, 576, 0);
    for (int y = 0; y < 576; y += 5)
        for (int x = 0; x < 704; ++x)
            picture.Set(x, y, x % 2 ? kRed : kBlue);
    ASSERT_EQ(S_OK, PadSubpicture_32(picture.Address(), 704, 576, 720, 576));
    // Picture now holds the new 720 × 576 buffer (and frees it); the old one was freed.
    auto at = [&](int x, int y) {
        DWORD pixel = 0;
        std::memcpy(&pixel, picture.Bytes() + (size_t(y) * 720 + size_t(x)) * 4, 4);
        return pixel;
    };
    for (int y = 0; y < 576; y += 5) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(at(x, y), 0u);
            ASSERT_EQ(at(719 - x, y), 0u);
        }
        for (int x = 0; x < 704; ++x)
            ASSERT_EQ(at(x + 8, y), x % 2 ? kRed : kBlue);
    }
    EXPECT_EQ(at(100, 1), 0u);
}

TEST(SubpicturePadding, AnOddMarginLeavesTheLargerHalfBelowAndRight)
{
    Picture picture(3, 2, kRed);
    ASSERT_EQ(S_OK, PadSubpicture_32(picture.Address(), 3, 2, 6, 5));
    std::vector<DWORD> pixels(30);
    std::memcpy(pixels.data(), picture.Bytes(), 30 * 4);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixels[size_t(y * 6 + x)], (x >= 1 && x <= 3 && y >= 1 && y <= 2) ? kRed : 0u)
                << x << "," << y;
}

TEST(SubpicturePadding, RefusesToShrinkAndKeepsTheCallersPicture)
{
    Picture picture(720, 4, kRed);
    BYTE* before = picture.Bytes();
    EXPECT_EQ(E_INVALIDARG, PadSubpicture_32(picture.Address(), 720, 4, 704, 4));
    EXPECT_EQ(E_INVALIDARG, PadSubpicture_32(picture.Address(), 720, 4, 720, 3));
    EXPECT_EQ(E_INVALIDARG, PadSubpicture_32(picture.Address(), 0, 4, 720, 4));
    EXPECT_FALSE(KVUGetErrorStack().empty());
    EXPECT_EQ(picture.Bytes(), before);
    EXPECT_EQ(picture.At(719, 3), kRed);
    EXPECT_EQ(E_POINTER, PadSubpicture_32(nullptr, 704, 4, 720, 4));
    BYTE* none = nullptr;
    EXPECT_EQ(E_POINTER, PadSubpicture_32(&none, 704, 4, 720, 4));
}

} // namespace
