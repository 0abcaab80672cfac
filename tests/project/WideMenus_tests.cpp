// Menus of 16:9 projects, looked at: a new menu's storyboard takes the project's shape, so its
// background fills the frame, and the thumbnails of 4:3 clips fill their frames on it.
#include "MenuProjectTest.h"

#include "dsutils/DSEncodeParams.h"

#include "support/ColourCheck.h"
#include "support/FrameGrab.h"

#include "model/KVEProductionInfo.h"

#include "platform/StringConv.h"

#include <filesystem>

namespace {

class WideMenusTest : public MenuProjectTest
{
protected:
    // The root menu resolved and drawn at the middle of its first second, written under the
    // build tree for a person to look at.
    void Render(const char* name, BgraImage& frame)
    {
        ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuProduction(Root(), nullptr, true))
            << KVUGetErrorStackText();
        CComPtr<IUnknown> production;
        ASSERT_EQ(S_OK, Root()->GetProduction(&production));
        ASSERT_EQ(S_OK, ExtractFrame(CComQIPtr<IKVEProductionData>(production), 0.5, kWidth,
                                     kHeight, frame));
        std::filesystem::create_directories(DSUTILS_TEST_PICTURES);
        EXPECT_EQ(S_OK, SaveImageFile(frame, Utf8ToWide(std::string(DSUTILS_TEST_PICTURES) + "/" +
                                                        name + ".png")));
    }

    double StoryboardShape(IDSMenu* menu)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, menu->GetProduction(&production));
        CComPtr<IUnknown> object;
        EXPECT_EQ(S_OK, CComQIPtr<IKVEProductionData>(production)->GetProductionObj(&object));
        double shape = 0.0;
        EXPECT_EQ(S_OK, CComQIPtr<IProductionInfo>(object)->get_AspectRatio(&shape));
        return shape;
    }

    // A background drawn in another shape than the frame's leaves black bands at its edges, the
    // same at the top as at the bottom, where themes may be dark of their own.
    static void ExpectNoBands(const BgraImage& frame)
    {
        for (int y : {1, kHeight / 2}) {
            for (int x : {8, kWidth - 9}) {
                EXPECT_GT(ColourDistance(0xFF000000, frame.PixelAt(x, y)), 12)
                    << "a black band at " << x << ", " << y;
            }
        }
    }

    // The frame's pixel at a fraction across and down a menu-space rectangle.
    static DWORD PixelIn(const BgraImage& frame, const FloatRect& rect, float across, float down)
    {
        float x = rect.left + (rect.right - rect.left) * across;
        float y = rect.top + (rect.bottom - rect.top) * down;
        return frame.PixelAt(int((x + 1) / 2 * kWidth), int((1 - y) / 2 * kHeight));
    }

    // Each title's thumbnail shows the first frame of its clip near the top and the bottom of
    // its frame, not in a thin strip across the middle.
    static void ExpectThumbnailsFillTheirFrames(IDSMenu* menu, const BgraImage& frame)
    {
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(menu, ButtonType_Command);
        ASSERT_FALSE(buttons.empty());
        for (const CComPtr<IDSMenuButton>& button : buttons) {
            FloatRect thumbnail{};
            ASSERT_EQ(S_OK,
                      GetOverlayList(button, OverlayType_Thumbnail).front()->GetExtent(&thumbnail));
            for (float down : {0.2f, 0.5f, 0.8f}) {
                EXPECT_COLOUR_NEAR(LeftColourOfFrame(0), PixelIn(frame, thumbnail, 0.25f, down), 60)
                    << NameOfTitle(button) << " at " << down << " down";
            }
        }
    }

    // The root menu, rebuilt, is wide, fills its frame and shows its thumbnails whole.
    void ExpectAWholeWideRoot(const char* picture)
    {
        EXPECT_NEAR(16.0 / 9.0, StoryboardShape(Root()), 0.01);
        BgraImage frame;
        Render(picture, frame);
        ExpectNoBands(frame);
        ExpectThumbnailsFillTheirFrames(Root(), frame);
    }

    static constexpr int kWidth = 384;
    static constexpr int kHeight = 216;
};

TEST_F(WideMenusTest, AWideDVDShowsItsBackgroundAndFourByThreeThumbnailsFullFrame)
{
    MakeProject(DiscFormat_DVD, AspectRatio_16x9);
    EXPECT_NEAR(16.0 / 9.0, StoryboardShape(Root()), 0.01);
    ChapterTitle("Harbour.mp4", 4, {});
    ChapterTitle("Meadow.mp4", 4, {});
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, true))
        << KVUGetErrorStackText();
    ExpectAWholeWideRoot("WideMenus_NewDVD");
}

TEST_F(WideMenusTest, AStandardMenuKeptByARebuildTakesTheWideShape)
{
    MakeProject(DiscFormat_DVD, AspectRatio_4x3);
    EXPECT_NEAR(4.0 / 3.0, StoryboardShape(Root()), 0.01);
    ChapterTitle("Harbour.mp4", 4, {});
    CDSEncodeParams encoding(m_project);
    encoding.SetAspectRatio(AspectRatio_16x9);
    ASSERT_EQ(S_OK, encoding.Write());
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, Root(), false, true))
        << KVUGetErrorStackText();
    ExpectAWholeWideRoot("WideMenus_KeptMenu");
}

TEST_F(WideMenusTest, AChangeToAWideFormatRebuildsTheMenusWide)
{
    MakeProject(DiscFormat_DVD, AspectRatio_4x3);
    ChapterTitle("Harbour.mp4", 4, {});
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_BluRay, false))
        << KVUGetErrorStackText();
    ASSERT_TRUE(IsAspectRatio16x9(m_project));
    for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main | MenuType_Chapter))
        EXPECT_NEAR(16.0 / 9.0, StoryboardShape(menu), 0.01) << GetID(menu);

    BgraImage frame;
    Render("WideMenus_ChangedToBluRay", frame);
    ExpectNoBands(frame);
}

} // namespace
