#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "production/PictureSaving.h"

#include "platform/ResultCodes.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Eight bands of rows in colours of their own, so that where each row went can be told.
constexpr DWORD kBands[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                             0xFF00FFFF, 0xFFFF00FF, 0xFF808080, 0xFFFFFFFF};

class ImageFiles : public ProductionTest
{
protected:
    static BgraImage Banded(int width, int height)
    {
        BgraImage image(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.SetPixel(x, y, kBands[y * 8 / height] ^ DWORD(x & 1));
        return image;
    }

    static std::vector<unsigned char> Bytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
    }

    static uint32_t Word(const std::vector<unsigned char>& bytes, size_t at)
    {
        return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
               uint32_t(bytes[at + 3]) << 24;
    }

    static uint16_t Half(const std::vector<unsigned char>& bytes, size_t at)
    {
        return uint16_t(bytes[at] | bytes[at + 1] << 8);
    }

    // The names in the scratch folder, to see that no temporary file stays behind.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    static HRESULT EncoderThatFails(const BgraImage&, const std::wstring&) { return E_FAIL; }
};

// A subpicture whose encoder save fails is still written, by the library's own bitmap writer:
// the headers byte for byte and the pixels in buffer order, rows top to bottom.
TEST_F(ImageFiles, RawBitmapHoldsTheBufferAsItIs)
{
    BgraImage picture = Banded(720, 480);
    std::wstring path = m_folder.File("subpicture.BMP");
    ASSERT_EQ(S_OK, SavePicture(picture, path, nullptr, &EncoderThatFails));
    std::vector<unsigned char> bytes = Bytes(path);
    ASSERT_EQ(1382454u, bytes.size());
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    EXPECT_EQ(1382454u, Word(bytes, 2));
    EXPECT_EQ(0u, Word(bytes, 6));
    EXPECT_EQ(54u, Word(bytes, 10));
    EXPECT_EQ(40u, Word(bytes, 14));
    EXPECT_EQ(720u, Word(bytes, 18));
    EXPECT_EQ(uint32_t(-480), Word(bytes, 22));
    EXPECT_EQ(1u, Half(bytes, 26));
    EXPECT_EQ(32u, Half(bytes, 28));
    EXPECT_EQ(0u, Word(bytes, 30));
    EXPECT_EQ(0u, Word(bytes, 34));
    EXPECT_EQ(2835u, Word(bytes, 38));
    EXPECT_EQ(2835u, Word(bytes, 42));
    EXPECT_EQ(0u, Word(bytes, 46));
    EXPECT_EQ(0u, Word(bytes, 50));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 54, picture.Data(), picture.ByteSize()));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(path, loaded));
    EXPECT_EQ(picture.PixelAt(5, 470), loaded.PixelAt(5, 470));
}

TEST_F(ImageFiles, OnlyBitmapsAndSubpicturesFallBackToTheRawWriter)
{
    BgraImage picture = Banded(16, 16);
    std::wstring written;
    ASSERT_EQ(S_OK, SavePicture(picture, m_folder.File("MenuSPU_1.spu"), &written));
    EXPECT_EQ(m_folder.File("MenuSPU_1.spu.BMP"), written);
    EXPECT_EQ(54u + 16 * 16 * 4, fs::file_size(written));
    EXPECT_EQ(E_IMAGE_NO_ENCODER, SavePicture(picture, m_folder.File("menu.spu")));
    EXPECT_EQ(E_FAIL, SavePicture(picture, m_folder.File("still.png"), nullptr, &EncoderThatFails));
    EXPECT_EQ(std::set<std::string>{"MenuSPU_1.spu.BMP"}, Names());
}

TEST_F(ImageFiles, ExtensionChoosesTheEncoderAndTheOutSizeTheScale)
{
    BgraImage picture = Banded(64, 48);
    std::wstring png = m_folder.File("still.png");
    ASSERT_EQ(S_OK, CDSProductionUtils::SaveImage_32(picture.Data(), 64, 48, png.c_str()));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(png, loaded));
    EXPECT_EQ(0, std::memcmp(loaded.Data(), picture.Data(), picture.ByteSize()));

    BgraImage large = Banded(256, 192);
    std::wstring jpeg = m_folder.File("small.JPG");
    ASSERT_EQ(S_OK, CDSProductionUtils::SaveImage_32(large.Data(), 256, 192, jpeg.c_str(), nullptr,
                                                     64, 48));
    ASSERT_EQ(S_OK, LoadImageFile(jpeg, loaded));
    EXPECT_EQ(64, loaded.Width());
    EXPECT_EQ(48, loaded.Height());
    EXPECT_COLOUR_NEAR(kBands[0], loaded.PixelAt(32, 2), 24);
    EXPECT_COLOUR_NEAR(kBands[7], loaded.PixelAt(32, 45), 24);
    EXPECT_EQ((std::set<std::string>{"small.JPG", "still.png"}), Names());
}

TEST_F(ImageFiles, FailedSavesLeaveNothingBehind)
{
    BgraImage picture = Banded(8, 8);
    std::wstring nowhere = m_folder.File("missing/still.png");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              CDSProductionUtils::SaveImage_32(picture.Data(), 8, 8, nowhere.c_str()));
    EXPECT_EQ(E_SAVEIMAGE32_CANT_CREATE_BITMAP,
              CDSProductionUtils::SaveImage_32(picture.Data(), 0, 8, nowhere.c_str()));
    EXPECT_TRUE(StackHolds(L"CreateBitmapIndirect"));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::SaveImage_32(nullptr, 8, 8, nowhere.c_str()));
    EXPECT_TRUE(Names().empty());
}

// The letterbox picture of a 720 × 480 subpicture holds the picture in rows 60 to 419, with
// every row taken whole from the picture, and transparent rows above and below.
TEST_F(ImageFiles, LetterboxSqueezesThePictureBetweenEmptyBands)
{
    BgraImage picture = Banded(720, 480);
    std::wstring path = m_folder.File("menu.png");
    CComBSTR letterbox;
    ASSERT_EQ(S_OK,
              CDSProductionUtils::SaveImage_32(picture.Data(), 720, 480, path.c_str(), &letterbox));
    EXPECT_EQ(m_folder.File("menu_ltrbx.png"), letterbox.Str());
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(letterbox.Str(), loaded));
    std::set<DWORD> colours(std::begin(kBands), std::end(kBands));
    for (int y = 0; y < 480; ++y) {
        DWORD pixel = loaded.PixelAt(0, y);
        if (y < 60 || y > 419)
            EXPECT_EQ(0u, pixel) << "row " << y;
        else
            EXPECT_TRUE(colours.count(pixel)) << "row " << y << std::hex << " " << pixel;
    }
    EXPECT_EQ(kBands[0], loaded.PixelAt(0, 60));
    EXPECT_EQ(kBands[7], loaded.PixelAt(0, 419));
    EXPECT_EQ(kBands[3], loaded.PixelAt(0, 60 + 3 * 45 + 1));
}

TEST_F(ImageFiles, LetterboxTakesTheNextNameWhenItsOwnCannotBeDeleted)
{
    BgraImage picture = Banded(32, 16);
    std::wstring path = m_folder.File("menu.bmp");
    std::ofstream(m_folder.Path() / "menu_ltrbx.bmp") << "stale";
    CComBSTR letterbox;
    ASSERT_EQ(S_OK,
              CDSProductionUtils::SaveImage_32(picture.Data(), 32, 16, path.c_str(), &letterbox));
    EXPECT_EQ(m_folder.File("menu_ltrbx.bmp"), letterbox.Str());
    // A folder of the name is not the library's to delete.
    fs::create_directories(m_folder.Path() / "menu_ltrbx.bmp.d");
    fs::remove(m_folder.Path() / "menu_ltrbx.bmp");
    fs::rename(m_folder.Path() / "menu_ltrbx.bmp.d", m_folder.Path() / "menu_ltrbx.bmp");
    std::ofstream(m_folder.Path() / "menu_ltrbx.bmp" / "kept") << "kept";
    ASSERT_EQ(S_OK,
              CDSProductionUtils::SaveImage_32(picture.Data(), 32, 16, path.c_str(), &letterbox));
    EXPECT_EQ(m_folder.File("menu_ltrbx1.bmp"), letterbox.Str());
    EXPECT_TRUE(fs::exists(m_folder.Path() / "menu_ltrbx.bmp" / "kept"));
}

// Rows of 5 pixels take 15 bytes and are padded to 16.
TEST_F(ImageFiles, TwentyFourBitRowsArePaddedToFourBytes)
{
    std::vector<BYTE> bgr(5 * 3 * 3);
    for (size_t i = 0; i < bgr.size(); ++i)
        bgr[i] = BYTE(i * 5);
    std::wstring path = m_folder.File("rows.dat");
    ASSERT_EQ(S_OK, CDSProductionUtils::SaveImage_24(bgr.data(), 5, 3, path.c_str()));
    std::vector<unsigned char> bytes = Bytes(path);
    ASSERT_EQ(54u + 16 * 3, bytes.size());
    EXPECT_EQ(54u + 16 * 3, Word(bytes, 2));
    EXPECT_EQ(24u, Half(bytes, 28));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 54 + 16, bgr.data() + 15, 15));
    EXPECT_EQ(0, bytes[54 + 15]);
    fs::rename(path, m_folder.Path() / "rows.bmp");
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(m_folder.File("rows.bmp"), loaded));
    EXPECT_EQ(MakeArgb(255, bgr[20], bgr[19], bgr[18]), loaded.PixelAt(1, 1));

    ASSERT_EQ(S_OK, CDSProductionUtils::SaveImage_24(bgr.data(), 5, 3, path.c_str(), 10, 6));
    EXPECT_EQ(54u + 32 * 6, fs::file_size(path));
}

TEST_F(ImageFiles, ProductionFormSavesTheFrameAtItsTime)
{
    AddSource(m_title, MakeClip(m_folder, "clip.mp4"));
    std::wstring path = m_folder.File("frame.png");
    ASSERT_EQ(S_OK, CDSProductionUtils::SaveImage_32(StoryboardOf(m_title), nullptr, 64, 48,
                                                     path.c_str(), 0.33));
    BgraImage loaded;
    ASSERT_EQ(S_OK, LoadImageFile(path, loaded));
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(8), loaded.PixelAt(8, 24), 24);
    EXPECT_COLOUR_NEAR(RightColourOfFrame(8), loaded.PixelAt(56, 24), 24);
    EXPECT_EQ(E_NOINTERFACE,
              CDSProductionUtils::SaveImage_32(m_title, nullptr, 64, 48, path.c_str(), 0.0));
    EXPECT_TRUE(StackHolds(L"GetImage_32(pProduction, pGM, nX, nY, &pImage, dTime)"));
}

} // namespace
