#include "EngineTestSupport.h"

#include "FrameRenderer.h"
#include "MenuDrawer.h"
#include "Production.h"

namespace {

constexpr DWORD kBlue = 0xFF0000FF;
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kGreen = 0xFF00FF00;
constexpr DWORD kYellow = 0xFFFFFF00;

class MenuDrawing : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_production = NewProduction();
        ASSERT_EQ(S_OK, Edit(m_production)->AddSolidColor(0, 0x0000FF, nullptr));
    }

    // A 200 × 100 frame of the blue background with the elements drawn over it.
    BgraImage Draw(const std::vector<DrawnElement>& elements, double time = 1.0)
    {
        MediaCache cache;
        TextRenderer text;
        FrameRenderer renderer(cache, text);
        BgraImage frame;
        EXPECT_EQ(S_OK, renderer.Render(m_production, time, 200, 100, frame));
        MenuSnapshot menu{elements};
        EXPECT_EQ(S_OK, DrawMenu(renderer, *ProductionOf(m_production), menu, time, frame, 0));
        return frame;
    }

    // A picture whose left half is red and right half green.
    std::wstring SplitPicture(const char* name)
    {
        BgraImage picture(40, 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                picture.SetPixel(x, y, x < 20 ? kRed : kGreen);
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, SaveImageFile(picture, path));
        return path;
    }

    // An overlay in the top-right quarter: centre (150, 25), 50 × 25 pixels.
    static DrawnElement Overlay(const std::wstring& source)
    {
        DrawnElement overlay;
        overlay.source = source;
        overlay.x = 0.5;
        overlay.y = 0.5;
        overlay.width = 0.5;
        overlay.height = 0.5;
        return overlay;
    }

    CComPtr<IKVEProductionData> m_production;
};

TEST_F(MenuDrawing, PictureIsScaledIntoTheOverlayExtent)
{
    BgraImage frame = Draw({Overlay(SplitPicture("split.png"))});
    EXPECT_EQ(kRed, frame.PixelAt(130, 25));
    EXPECT_EQ(kGreen, frame.PixelAt(170, 25));
    EXPECT_EQ(kRed, frame.PixelAt(126, 14));
    EXPECT_EQ(kGreen, frame.PixelAt(173, 36));
    EXPECT_EQ(kBlue, frame.PixelAt(123, 25));
    EXPECT_EQ(kBlue, frame.PixelAt(177, 25));
    EXPECT_EQ(kBlue, frame.PixelAt(150, 40));
    EXPECT_EQ(kBlue, frame.PixelAt(50, 75));
}

TEST_F(MenuDrawing, AlphaMaskHidesWhereItIsDark)
{
    BgraImage mask(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            mask.SetPixel(x, y, y < 5 ? 0xFFFFFFFF : 0xFF000000);
    std::wstring maskPath = m_folder.File("mask.png");
    ASSERT_EQ(S_OK, SaveImageFile(mask, maskPath));
    DrawnElement overlay = Overlay(SplitPicture("split.png"));
    overlay.alphaMask = maskPath;
    BgraImage frame = Draw({overlay});
    EXPECT_EQ(kRed, frame.PixelAt(130, 16));
    EXPECT_EQ(kBlue, frame.PixelAt(130, 34));
}

TEST_F(MenuDrawing, RotationTurnsTheOverlayAboutItsCentre)
{
    DrawnElement overlay = Overlay(SplitPicture("split.png"));
    overlay.rotation = 90.0;
    BgraImage frame = Draw({overlay});
    // Turned clockwise, the red left half is on top and the overlay stands upright.
    EXPECT_EQ(kRed, frame.PixelAt(150, 10));
    EXPECT_EQ(kGreen, frame.PixelAt(150, 40));
    EXPECT_EQ(kBlue, frame.PixelAt(130, 25));
}

TEST_F(MenuDrawing, LaterElementsAreDrawnOverEarlierOnes)
{
    CComPtr<IKVEProductionData> yellow = NewProduction();
    ASSERT_EQ(S_OK, Edit(yellow)->AddSolidColor(0, 0xFFFF00, nullptr));
    ASSERT_EQ(S_OK, m_production->SetSubProduction(CComBSTR(L"moniker::dvdproduction_3"), yellow));
    DrawnElement under = Overlay(SplitPicture("split.png"));
    DrawnElement over = Overlay(L"moniker::dvdproduction_3");
    over.width = 0.2;
    BgraImage frame = Draw({under, over});
    EXPECT_EQ(kYellow, frame.PixelAt(150, 25));
    EXPECT_EQ(kRed, frame.PixelAt(130, 25));
    frame = Draw({over, under});
    EXPECT_EQ(kGreen, frame.PixelAt(155, 25));
}

TEST_F(MenuDrawing, TextIsDrawnInItsColourInsideItsBox)
{
    DrawnElement text;
    text.kind = DrawnElement::Kind::Text;
    text.label = L"PLAY";
    text.x = -0.5;
    text.y = -0.5;
    text.width = 0.8;
    text.height = 0.6;
    text.fontSize = 0.2;
    text.colour = 0xFFFFFFFF;
    BgraImage frame = Draw({text});
    // The box is 80 × 30 pixels around (50, 75).
    int white = 0;
    int outside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (frame.PixelAt(x, y) == kBlue)
                continue;
            bool inside = x >= 10 && x < 90 && y >= 60 && y < 90;
            outside += inside ? 0 : 1;
            white += frame.PixelAt(x, y) == 0xFFFFFFFF ? 1 : 0;
        }
    }
    EXPECT_EQ(0, outside);
    EXPECT_GT(white, 20);
}

TEST_F(MenuDrawing, ElementsShowOnlyInTheirInterval)
{
    DrawnElement overlay = Overlay(SplitPicture("split.png"));
    overlay.shownFrom = 2.0;
    overlay.shownUntil = 3.0;
    EXPECT_EQ(kBlue, Draw({overlay}, 1.0).PixelAt(130, 25));
    EXPECT_EQ(kRed, Draw({overlay}, 2.5).PixelAt(130, 25));
}

TEST_F(MenuDrawing, UnreadableSourcesAreLeftOut)
{
    BgraImage frame = Draw({Overlay(m_folder.File("gone.png")), Overlay(L"moniker::none")});
    EXPECT_EQ(kBlue, frame.PixelAt(150, 25));
}

} // namespace
