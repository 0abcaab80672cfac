#include "ThemeTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionData.h"

#include "platform/Image.h"
#include "platform/TaskMemory.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 480;

struct Pixel
{
    int x;
    int y;
};

// The pixel of a point of menu space.
Pixel PixelOf(float x, float y)
{
    return {int((x + 1.0f) / 2.0f * kWidth), int((1.0f - y) / 2.0f * kHeight)};
}

// How many pixels of the menu-space box (centre and size) pass the test.
int CountIn(const BgraImage& frame, float x, float y, float width, float height,
            const std::function<bool(DWORD)>& test)
{
    Pixel from = PixelOf(x - width / 2, y + height / 2);
    Pixel to = PixelOf(x + width / 2, y - height / 2);
    int count = 0;
    for (int py = from.y; py < to.y; ++py)
        for (int px = from.x; px < to.x; ++px)
            count += test(frame.PixelAt(px, py)) ? 1 : 0;
    return count;
}

bool IsYellow(DWORD pixel)
{
    return ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 200 && (pixel & 0xFF) < 80;
}

bool IsWhite(DWORD pixel)
{
    return ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 200 && (pixel & 0xFF) > 200;
}

class ThemedMenuPicture : public ThemedProject
{
protected:
    // The menu's frame half a second in, over its background picture.
    BgraImage Render(IDSMenu* menu)
    {
        CComBSTR background;
        EXPECT_EQ(S_OK, menu->get_Background(&background));
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, menu->GetProduction(&production));
        CComQIPtr<IEditData> edit(production);
        EXPECT_EQ(S_OK, edit->AddSourceFile(0, background, 0.0, 0.0, VARIANT_FALSE, nullptr));
        CComPtr<IKVEGraphManager> graph;
        EXPECT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
        EXPECT_EQ(S_OK, graph->SetProduction(production));
        BYTE* pixels = nullptr;
        EXPECT_EQ(S_OK, graph->ExtractThumbnail(0.5, SIZE{kWidth, kHeight}, &pixels));
        std::unique_ptr<BYTE, decltype(&CoTaskMemFree)> owned(pixels, &CoTaskMemFree);
        BgraImage frame;
        EXPECT_EQ(S_OK, BgraImage::FromBuffer(pixels, kWidth, kHeight, frame));
        return frame;
    }
};

TEST_F(ThemedMenuPicture, ButtonsAndTextsAreDrawnWhereTheTemplatePutsThem)
{
    CComPtr<IDSMenuButton> command;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_main, &command, ButtonType_Command, 0));
    ASSERT_EQ(S_OK, FirstOverlayOf(command, OverlayType_Thumbnail)
                        ->put_Source(CComBSTR(Picture("user.png", kUserThumbnail))));
    ASSERT_EQ(S_OK, FirstTextOf(command, TextType_Label)->put_Label(CComBSTR(L"Holiday")));
    CComPtr<IDSMenuButton> next;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_main, &next, ButtonType_Next, 0));
    CComPtr<IDSMenuText> title;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddText(m_main, &title));
    ASSERT_EQ(S_OK, title->put_Label(CComBSTR(L"WELCOME")));
    ASSERT_EQ(S_OK, title->SetSize(1.2f, 0.2f));

    BgraImage frame = Render(m_main);
    EXPECT_EQ(S_OK, SaveImageFile(frame, THEMES_OUTPUT_DIR L"/themed_main_menu.png"));

    using L = TestThemeLayout;
    // The user's thumbnail in the template's thumbnail place, on the theme's background.
    Pixel thumbnail = PixelOf(L::kCommandX, L::kCommandY + L::kThumbnailY);
    EXPECT_EQ(frame.PixelAt(thumbnail.x, thumbnail.y), kUserThumbnail);
    Pixel beside = PixelOf(L::kCommandX + L::kThumbnailWidth / 2 + 0.05f, L::kCommandY);
    EXPECT_EQ(frame.PixelAt(beside.x, beside.y), kThemeBackground);
    // The label below it, white, and nothing of it above the thumbnail.
    EXPECT_GT(CountIn(frame, L::kCommandX, L::kCommandY + L::kLabelY, 0.6f, 0.16f, IsWhite), 40);
    EXPECT_EQ(CountIn(frame, L::kCommandX, 0.5f, 0.6f, 0.1f, IsWhite), 0);
    // The Next arrow and the theme's logo.
    Pixel arrow = PixelOf(L::kNextX, L::kNextY);
    EXPECT_EQ(frame.PixelAt(arrow.x, arrow.y), 0xFFFFFFFFu);
    Pixel logo = PixelOf(0.85f, 0.85f);
    EXPECT_EQ(frame.PixelAt(logo.x, logo.y), 0xFFFFFFFFu);
    // The new text in the title's yellow at the centre, and no yellow elsewhere.
    EXPECT_GT(CountIn(frame, 0.0f, 0.0f, 1.2f, 0.2f, IsYellow), 100);
    EXPECT_EQ(CountIn(frame, 0.0f, -0.5f, 1.2f, 0.2f, IsYellow), 0);
}

} // namespace
