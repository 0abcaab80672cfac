#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

namespace {

class TextImage : public ProductionTest
{
protected:
    // The rows of a picture that hold a pixel of the ink colour.
    static std::vector<int> InkedRows(const BgraImage& image, DWORD fill)
    {
        std::vector<int> rows;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                if (ColourDistance(image.PixelAt(x, y), fill) > 96) {
                    rows.push_back(y);
                    break;
                }
            }
        }
        return rows;
    }

    BgraImage Saved(const char* name, DWORD crColour, const wchar_t* top, const wchar_t* middle,
                    const wchar_t* bottom)
    {
        std::wstring path = m_folder.File(name);
        BgraImage image;
        EXPECT_EQ(S_OK, CDSProductionUtils::CreateImageWithText(path.c_str(), 320, 240, crColour,
                                                                top, middle, bottom));
        EXPECT_EQ(S_OK, LoadImageFile(path, image));
        return image;
    }
};

// Each line lies in its own band: the top line in the top fifth, the middle line around the
// middle, the bottom line in the bottom fifth, and nothing in between.
TEST_F(TextImage, LinesStandAtTheTopTheMiddleAndTheBottom)
{
    const DWORD fill = 0xFFE0F0FF; // COLORREF 0x00FFF0E0
    BgraImage image = Saved("text.png", 0x00FFF0E0, L"Top line", L"Middle", L"Bottom");
    std::vector<int> rows = InkedRows(image, fill);
    ASSERT_FALSE(rows.empty());
    for (int y : rows)
        EXPECT_TRUE(y < 48 || (y > 100 && y < 140) || y > 192) << "ink on row " << y;
    EXPECT_LT(rows.front(), 10);
    EXPECT_GT(rows.back(), 228);
    EXPECT_TRUE(std::count_if(rows.begin(), rows.end(), [](int y) { return y > 100 && y < 140; }));
    // Text is centred: ink on the middle row of the middle line, none at the edges.
    int middle = rows[size_t(std::find_if(rows.begin(), rows.end(), [](int y) { return y > 100; }) -
                             rows.begin())] +
                 8;
    EXPECT_EQ(fill, image.PixelAt(5, middle));
    EXPECT_EQ(fill, image.PixelAt(314, middle));
    // Dark ink on a light fill.
    EXPECT_LE(ColourDistance(image.PixelAt(160, 0), fill), 0) << "the fill stands at the corner";
}

TEST_F(TextImage, InkContrastsWithTheFill)
{
    BgraImage dark = Saved("dark.png", 0x00200000, nullptr, L"MMMM", nullptr);
    DWORD brightest = 0;
    for (int y = 100; y < 140; ++y)
        for (int x = 100; x < 220; ++x)
            brightest = std::max(brightest, dark.PixelAt(x, y) & 0xFF);
    EXPECT_EQ(0xFFu, brightest);
}

TEST_F(TextImage, PatternWithoutTextIsTheFillAlone)
{
    std::wstring path = m_folder.File("SPU_16x9Pattern.png");
    ASSERT_EQ(S_OK, CDSProductionUtils::CreateImageWithText(path.c_str(), 320, 180, 0x0000FF));
    BgraImage image;
    ASSERT_EQ(S_OK, LoadImageFile(path, image));
    EXPECT_EQ(320, image.Width());
    EXPECT_EQ(180, image.Height());
    EXPECT_TRUE(InkedRows(image, 0xFFFF0000).empty());
    EXPECT_EQ(0xFFFF0000u, image.PixelAt(0, 0));
    EXPECT_EQ(E_INVALIDARG, CDSProductionUtils::CreateImageWithText(path.c_str(), 0, 180, 0));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::CreateImageWithText(nullptr, 8, 8, 0));
}

} // namespace
