#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/TaskMemory.h"
#include "support/ColourCheck.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr DWORD kRed = MakeArgb(255, 255, 0, 0);
constexpr DWORD kGreen = MakeArgb(255, 0, 255, 0);
constexpr DWORD kBlue = MakeArgb(255, 0, 0, 255);
constexpr DWORD kHalfWhite = MakeArgb(128, 255, 255, 255);

// A 64 × 48 picture in four quadrants: red, green / blue, half-transparent white.
BgraImage Quadrants()
{
    BgraImage image(64, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            bool right = x >= 32;
            bool bottom = y >= 24;
            image.SetPixel(x, y, bottom ? (right ? kHalfWhite : kBlue) : (right ? kGreen : kRed));
        }
    }
    return image;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ImageFile, PngRoundTripKeepsEveryPixelAndAlpha)
{
    ScratchFolder folder;
    BgraImage original = Quadrants();
    ASSERT_EQ(S_OK, SaveImageFile(original, folder.File("quadrants.png")));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(folder.File("quadrants.png"), loaded));
    ASSERT_EQ(64, loaded.Width());
    ASSERT_EQ(48, loaded.Height());
    EXPECT_EQ(0, std::memcmp(original.Data(), loaded.Data(), original.ByteSize()));
}

TEST(ImageFile, PathsOutsideAsciiAreWrittenAndReadWhateverTheLocale)
{
    ScratchFolder folder;
    std::filesystem::create_directories(folder.Path() / "Vid\xC3\xA9os");
    std::wstring path = folder.File("Vid\xC3\xA9os/\xE6\x98\xA0\xE7\x94\xBB.PNG");
    ASSERT_EQ(S_OK, SaveImageFile(Quadrants(), path));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() /
                                                 "Vid\xC3\xA9os/\xE6\x98\xA0\xE7\x94\xBB.PNG"));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(path, loaded));
    EXPECT_EQ(kRed, loaded.PixelAt(0, 0));
}

TEST(ImageFile, BmpRoundTripKeepsEveryPixel)
{
    ScratchFolder folder;
    BgraImage original = Quadrants();
    ASSERT_EQ(S_OK, SaveImageFile(original, folder.File("quadrants.bmp")));
    EXPECT_EQ("BM", ReadBytes(folder.File("quadrants.bmp")).substr(0, 2));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(folder.File("quadrants.bmp"), loaded));
    EXPECT_EQ(kRed, loaded.PixelAt(3, 3));
    EXPECT_EQ(kBlue, loaded.PixelAt(3, 40));
    EXPECT_EQ(kGreen, loaded.PixelAt(60, 3));
}

TEST(ImageFile, JpegRoundTripKeepsColoursCloseAndComesBackOpaque)
{
    ScratchFolder folder;
    ASSERT_EQ(S_OK, SaveImageFile(Quadrants(), folder.File("quadrants.JPG")));
    EXPECT_EQ("\xFF\xD8", ReadBytes(folder.File("quadrants.JPG")).substr(0, 2));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(folder.File("quadrants.JPG"), loaded));
    EXPECT_LE(ColourDistance(kRed, loaded.PixelAt(8, 8)), 12);
    EXPECT_LE(ColourDistance(kBlue, loaded.PixelAt(8, 40)), 12);
    EXPECT_EQ(0xFFu, loaded.PixelAt(56, 40) >> 24);
}

TEST(ImageFile, TiffAndTargaAreWrittenByExtension)
{
    ScratchFolder folder;
    for (const char* name : {"q.tif", "q.tiff", "q.tga"}) {
        ASSERT_EQ(S_OK, SaveImageFile(Quadrants(), folder.File(name))) << name;
        BgraImage loaded;
        ASSERT_EQ(S_OK, LoadImageFile(folder.File(name), loaded)) << name;
        EXPECT_EQ(kHalfWhite, loaded.PixelAt(50, 40)) << name;
    }
}

TEST(ImageFile, UnknownExtensionWritesNothing)
{
    ScratchFolder folder;
    EXPECT_EQ(E_IMAGE_NO_ENCODER, SaveImageFile(Quadrants(), folder.File("picture.xyz")));
    EXPECT_EQ(E_IMAGE_NO_ENCODER, SaveImageFile(Quadrants(), folder.File("picture")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("picture.xyz")));
    EXPECT_EQ(1u, KVUGetErrorStack().size());
}

TEST(ImageFile, SavingIntoAMissingFolderFailsWithAFileError)
{
    ScratchFolder folder;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              SaveImageFile(Quadrants(), folder.File("missing/picture.png")));
}

TEST(ImageFile, LoadingAMissingFileFailsWithFileNotFound)
{
    ScratchFolder folder;
    BgraImage image;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              LoadImageFile(folder.File("absent.png"), image));
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(KVUGetErrorStack().empty());
}

TEST(ImageFile, LoadingGarbageOrTruncatedDataFailsAsUnreadable)
{
    ScratchFolder folder;
    WriteBytes(folder.File("noise.png"), std::string(300, '\x5A'));
    WriteBytes(folder.File("empty.jpg"), "");
    ASSERT_EQ(S_OK, SaveImageFile(Quadrants(), folder.File("whole.png")));
    WriteBytes(folder.File("cut.png"), ReadBytes(folder.File("whole.png")).substr(0, 60));
    for (const char* name : {"noise.png", "empty.jpg", "cut.png"}) {
        BgraImage image;
        EXPECT_EQ(E_IMAGE_UNREADABLE, LoadImageFile(folder.File(name), image)) << name;
    }
}

TEST(ImageStretch, EnlargingKeepsEachQuadrantsColourAwayFromTheEdges)
{
    BgraImage large;
    ASSERT_EQ(S_OK, StretchImage(Quadrants(), 320, 240, large));
    EXPECT_EQ(kRed, large.PixelAt(40, 40));
    EXPECT_EQ(kGreen, large.PixelAt(280, 40));
    EXPECT_EQ(kBlue, large.PixelAt(40, 200));
    EXPECT_LE(ColourDistance(kHalfWhite, large.PixelAt(280, 200)), 1);
}

TEST(ImageStretch, ShrinkingAFineCheckerboardAveragesIt)
{
    BgraImage checker(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            checker.SetPixel(x, y,
                             (x + y) % 2 ? MakeArgb(255, 255, 255, 255) : MakeArgb(255, 0, 0, 0));
    BgraImage small;
    ASSERT_EQ(S_OK, StretchImage(checker, 8, 8, small));
    EXPECT_LE(ColourDistance(MakeArgb(255, 128, 128, 128), small.PixelAt(4, 4)), 8);
}

TEST(ImageStretch, StretchIntoReplacesOnlyTheTargetRows)
{
    BgraImage destination;
    ASSERT_EQ(S_OK, BgraImage::Create(100, 80, kGreen, destination));
    BgraImage red;
    ASSERT_EQ(S_OK, BgraImage::Create(10, 10, kRed, red));
    ASSERT_EQ(S_OK, StretchImageInto(red, destination, RECT{-20, 10, 200, 70}));
    EXPECT_EQ(kGreen, destination.PixelAt(50, 9));
    EXPECT_EQ(kRed, destination.PixelAt(0, 10));
    EXPECT_EQ(kRed, destination.PixelAt(99, 69));
    EXPECT_EQ(kGreen, destination.PixelAt(50, 70));
}

TEST(ImageStretch, RefusesImpossibleSizes)
{
    BgraImage result;
    EXPECT_EQ(E_INVALIDARG, StretchImage(Quadrants(), 0, 10, result));
    EXPECT_EQ(E_INVALIDARG, StretchImage(BgraImage(), 10, 10, result));
    EXPECT_EQ(E_INVALIDARG, StretchImage(Quadrants(), kMaxImageSide + 1, 10, result));
}

TEST(BgraImage, BlendingHalfTransparentWhiteOverOpaqueBlackGivesMidGrey)
{
    BgraImage image;
    ASSERT_EQ(S_OK, BgraImage::Create(1, 1, MakeArgb(255, 0, 0, 0), image));
    BlendPixelOver(image.Data(), kHalfWhite, 255);
    EXPECT_LE(ColourDistance(MakeArgb(255, 128, 128, 128), image.PixelAt(0, 0)), 1);
}

TEST(BgraImage, BlendingOverTransparencyKeepsTheColourAndItsAlpha)
{
    BgraImage image(1, 1);
    BlendPixelOver(image.Data(), MakeArgb(200, 10, 20, 30), 255);
    EXPECT_EQ(MakeArgb(200, 10, 20, 30), image.PixelAt(0, 0));
}

TEST(BgraImage, TaskMemoryCopyHoldsThePixels)
{
    BgraImage image = Quadrants();
    BYTE* pixels = nullptr;
    ASSERT_EQ(S_OK, image.CopyToTaskMemory(&pixels));
    EXPECT_EQ(0, std::memcmp(pixels, image.Data(), image.ByteSize()));
    CoTaskMemFree(pixels);
    EXPECT_EQ(E_POINTER, image.CopyToTaskMemory(nullptr));
}

} // namespace
