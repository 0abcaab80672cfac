// render: the pictures of every menu page of a real project, checked on their pixels.
#include "CommandLineProject.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"
#include "dsutils/SubPicture.h"
#include "platform/Image.h"
#include "platform/StringConv.h"
#include "support/ClipWriter.h"
#include "support/ColourCheck.h"

#include <filesystem>

namespace {

BgraImage Picture(const nlohmann::json& file)
{
    BgraImage image;
    EXPECT_EQ(S_OK, LoadImageFile(Utf8ToWide(file.get<std::string>()), image)) << file;
    return image;
}

// Where a point of menu space (x right, y up, both -1 … 1) lies in a picture.
POINT PlaceOf(const BgraImage& picture, float x, float y)
{
    return {LONG((x + 1) / 2 * picture.Width()), LONG((1 - y) / 2 * picture.Height())};
}

// How near the pixel comes to the left half of any frame of the test clips.
int DistanceToClip(DWORD pixel)
{
    int nearest = 255;
    for (int frame = 0; frame < 50; ++frame)
        nearest = std::min(nearest, ColourDistance(pixel, LeftColourOfFrame(frame)));
    return nearest;
}

int DifferingPixels(const BgraImage& a, const BgraImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x)
            differing += ColourDistance(a.PixelAt(x, y), b.PixelAt(x, y)) > 8;
    }
    return differing;
}

} // namespace

class RenderCommand : public CommandLineProject
{
protected:
    std::string m_project = MakeProject("holiday.dmsd", {Clip("beach.mp4"), Clip("party.mp4")},
                                        {"--chapters-at", "1", "--chapter-menus"});
    std::string m_out = Path("pictures");
};

TEST_F(RenderCommand, EveryPageIsPicturedWithItsSubpictureHighlightsAndTheSheet)
{
    RunResult run = Run({"render", m_project, "--out", m_out, "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    ASSERT_EQ(3u, report["pages"].size()) << report.dump(2);
    EXPECT_EQ("main", report["pages"][0]["kind"]);
    EXPECT_EQ("chapter", report["pages"][1]["kind"]);

    for (const nlohmann::json& page : report["pages"]) {
        BgraImage picture = Picture(page["picture"]);
        ASSERT_EQ(640, picture.Width());
        ASSERT_EQ(480, picture.Height());
        EXPECT_EQ(0xFFu, picture.PixelAt(320, 240) >> 24);

        // The subpicture holds the colour classes only, and the buttons' highlights.
        BgraImage subpicture = Picture(page["subpicture"]);
        EXPECT_EQ(720, subpicture.Width());
        int pattern = 0;
        for (int y = 0; y < subpicture.Height(); y += 2) {
            for (int x = 0; x < subpicture.Width(); x += 2) {
                DWORD pixel = subpicture.PixelAt(x, y);
                ASSERT_TRUE(pixel == kSubpictureBackground || pixel == kSubpictureRed ||
                            pixel == kSubpictureGreen || pixel == kSubpictureBlue)
                    << std::hex << pixel;
                pattern += pixel == kSubpictureRed;
            }
        }
        EXPECT_GT(pattern, 0);

        // Each highlight is the picture with the buttons lit, differently for each state.
        BgraImage normal = Picture(page["highlights"]["normal"]);
        BgraImage selected = Picture(page["highlights"]["selected"]);
        int lit = DifferingPixels(picture, selected);
        EXPECT_GT(lit, 100);
        EXPECT_LT(lit, 640 * 480 / 3);
        EXPECT_GT(DifferingPixels(normal, selected), 100);
    }

    // The main menu's buttons show the clips in their thumbnails.
    CComPtr<IDSProjectData> project = Load(m_project);
    BgraImage main = Picture(report["pages"][0]["picture"]);
    for (const CComPtr<IDSMenuButton>& button :
         GetButtonList(CDSMenuUtils::GetRootMenu(project), ButtonType_Command)) {
        std::vector<CComPtr<IDSMenuOverlay>> thumbnails =
            GetOverlayList(button, OverlayType_Thumbnail);
        ASSERT_EQ(1u, thumbnails.size());
        FloatRect extent{};
        ASSERT_EQ(S_OK, thumbnails.front()->GetExtent(&extent));
        POINT place = PlaceOf(main, extent.left + (extent.right - extent.left) / 4,
                              (extent.top + extent.bottom) / 2);
        EXPECT_LT(DistanceToClip(main.PixelAt(place.x, place.y)), 40)
            << std::hex << main.PixelAt(place.x, place.y);
    }

    // The sheet shows every page scaled to a cell, in a row.
    BgraImage sheet = Picture(report["contactSheet"]);
    EXPECT_EQ(16 + 3 * (320 + 16), sheet.Width());
    BgraImage second = Picture(report["pages"][1]["picture"]);
    EXPECT_COLOUR_NEAR(second.PixelAt(320, 240), sheet.PixelAt(16 + 336 + 160, 16 + 120), 24);
}

TEST_F(RenderCommand, TextNamesThePicturesAndAFolderThatCannotBeMadeIsOneLine)
{
    RunResult run = Run({"render", m_project, "--out", m_out});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(0u, run.out.find("Pictured 3 menu pages; all of them at a glance: " + m_out +
                               "/contact-sheet.png\n  " + m_out + "/01-main.png  main menu"))
        << run.out;
    std::string file = Path("plain");
    WriteFile(file, "");
    EXPECT_ONE_LINE_FAILURE(Run({"render", m_project, "--out", file + "/pictures"}), 3,
                            "cannot make the folder");
}
