#include "platform/Dib.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = compression;
    return header;
}

std::vector<BYTE> Packed(const BITMAPINFOHEADER& header, size_t pixelBytes)
{
    std::vector<BYTE> data(sizeof(header) + pixelBytes, 0);
    std::memcpy(data.data(), &header, sizeof(header));
    return data;
}

TEST(Dib, APictureTravelsThroughAPackedBitmapOpaque)
{
    BgraImage picture(3, 2);
    picture.SetPixel(0, 0, MakeArgb(255, 200, 0, 0));
    picture.SetPixel(2, 1, MakeArgb(40, 0, 0, 90));
    HGLOBAL block = nullptr;
    ASSERT_EQ(CreatePackedDib(picture, &block), S_OK);
    BITMAPINFOHEADER header;
    std::memcpy(&header, GlobalLock(block), sizeof(header));
    GlobalUnlock(block);
    EXPECT_GT(header.biHeight, 0) << "rows are written bottom to top";

    BgraImage read;
    ASSERT_EQ(ReadPackedDib(block, read), S_OK);
    ASSERT_EQ(read.Width(), 3);
    ASSERT_EQ(read.Height(), 2);
    EXPECT_EQ(read.PixelAt(0, 0), MakeArgb(255, 200, 0, 0));
    EXPECT_EQ(read.PixelAt(2, 1), MakeArgb(255, 0, 0, 90));
    EXPECT_EQ(read.PixelAt(1, 1), MakeArgb(255, 0, 0, 0));
    GlobalFree(block);
    EXPECT_EQ(ReadPackedDib(block, read), E_HANDLE);
    EXPECT_EQ(CreatePackedDib(BgraImage(), &block), E_INVALIDARG);
}

TEST(Dib, TwentyFourBitRowsArePaddedAndReadInEitherOrder)
{
    // 3 pixels of 3 bytes are padded to 12 bytes a row.
    for (LONG height : {2, -2}) {
        std::vector<BYTE> data = Packed(Header(3, height, 24), 24);
        BYTE* pixels = data.data() + sizeof(BITMAPINFOHEADER);
        pixels[0] = 0x11;      // first stored row, first pixel, blue
        pixels[12 + 8] = 0x22; // second stored row, third pixel, red
        BgraImage read;
        ASSERT_EQ(ReadPackedDib(data.data(), data.size(), read), S_OK);
        int firstRowAt = height > 0 ? 1 : 0;
        EXPECT_EQ(read.PixelAt(0, firstRowAt), MakeArgb(255, 0, 0, 0x11));
        EXPECT_EQ(read.PixelAt(2, 1 - firstRowAt), MakeArgb(255, 0x22, 0, 0));
    }
}

TEST(Dib, StandardMasksAfterTheHeaderAreRead)
{
    BITMAPINFOHEADER header = Header(1, 1, 32, BI_BITFIELDS);
    std::vector<BYTE> data = Packed(header, 12 + 4);
    const DWORD masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    std::memcpy(data.data() + sizeof(header), masks, sizeof(masks));
    data.back() = 0; // the pixel's fourth byte
    data[data.size() - 2] = 0x7F;
    BgraImage read;
    ASSERT_EQ(ReadPackedDib(data.data(), data.size(), read), S_OK);
    EXPECT_EQ(read.PixelAt(0, 0), MakeArgb(255, 0x7F, 0, 0));

    const DWORD swapped[3] = {0x000000FFu, 0x0000FF00u, 0x00FF0000u};
    std::memcpy(data.data() + sizeof(header), swapped, sizeof(swapped));
    EXPECT_EQ(ReadPackedDib(data.data(), data.size(), read), E_IMAGE_UNREADABLE);
}

TEST(Dib, MalformedOrUnsupportedBitmapsAreRefused)
{
    struct Case
    {
        const char* what;
        BITMAPINFOHEADER header;
        size_t pixelBytes;
    };
    BITMAPINFOHEADER palette = Header(2, 2, 32);
    palette.biClrUsed = 200;
    BITMAPINFOHEADER bigHeader = Header(1, 1, 32);
    bigHeader.biSize = 4096;
    BITMAPINFOHEADER planes = Header(1, 1, 32);
    planes.biPlanes = 2;
    const Case cases[] = {
        {"rows missing", Header(4, 4, 32), 4 * 4 * 4 - 1},
        {"8 bits a pixel", Header(4, 4, 8), 64},
        {"compressed", Header(4, 4, 32, 1), 64},
        {"no height", Header(4, 0, 32), 64},
        {"lowest height", Header(4, INT_MIN, 32), 64},
        {"too wide", Header(kMaxImageSide + 1, 1, 32), 64},
        {"negative width", Header(-4, 4, 32), 64},
        {"palette beyond the data", palette, 64},
        {"header beyond the data", bigHeader, 64},
        {"two planes", planes, 64},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> data = Packed(c.header, c.pixelBytes);
        BgraImage read;
        EXPECT_EQ(ReadPackedDib(data.data(), data.size(), read), E_IMAGE_UNREADABLE) << c.what;
        EXPECT_TRUE(read.Empty()) << c.what;
    }
    BgraImage read;
    EXPECT_EQ(ReadPackedDib(nullptr, 100, read), E_IMAGE_UNREADABLE);
    std::vector<BYTE> shortHeader(39, 0);
    EXPECT_EQ(ReadPackedDib(shortHeader.data(), shortHeader.size(), read), E_IMAGE_UNREADABLE);
}

} // namespace
