// A chapter menu page of a shipped theme rendered by the engine: its chapter buttons with their
// numbers, its index buttons and its navigation buttons show where the theme puts them, and
// nothing shows where a button of the template has no counterpart on the page. The page is
// written to a PNG file under the build tree (CHAPTERS_OUTPUT_DIR) for people to look at.
#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionLink.h"
#include "platform/Image.h"

#include "support/ChainProject.h"
#include "support/ColourCheck.h"
#include "support/ErrorStackText.h"
#include "support/FrameGrab.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct PixelRect
{
    int left, top, right, bottom;
};

PixelRect PixelsOf(IDSMenuElement* element)
{
    FloatRect extent{};
    EXPECT_EQ(S_OK, element->GetExtent(&extent));
    return {int((extent.left + 1) / 2 * kWidth), int((1 - extent.top) / 2 * kHeight),
            int((extent.right + 1) / 2 * kWidth), int((1 - extent.bottom) / 2 * kHeight)};
}

// The share of the element's pixels that the frame shows apart from the background.
double ChangedShare(const BgraImage& frame, const BgraImage& background, IDSMenuElement* element)
{
    PixelRect rect = PixelsOf(element);
    int changed = 0;
    int area = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x, ++area)
            changed += ColourDistance(frame.PixelAt(x, y), background.PixelAt(x, y)) > 6 ? 1 : 0;
    }
    return area ? double(changed) / area : 0.0;
}

class ChapterMenuPicture : public ChainProject
{
protected:
    // The page over its background, one second in.
    static BgraImage Render(IDSMenu* page)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, page->GetProduction(&production));
        EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production)
                            ->AddSourceFile(0, Background(page), 0.0, 0.0, VARIANT_FALSE, nullptr));
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(CComQIPtr<IKVEProductionData>(production), 1.0, kWidth,
                                     kHeight, frame));
        return frame;
    }

    // The page's background alone, in a production of the page's shape.
    static BgraImage RenderBackground(IDSMenu* page)
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, MenuBackgroundProduction(page, production));
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(production, 1.0, kWidth, kHeight, frame));
        return frame;
    }

    static CComBSTR Background(IDSMenu* page)
    {
        CComBSTR background;
        EXPECT_EQ(S_OK, page->get_Background(&background));
        return background;
    }
};

TEST_F(ChapterMenuPicture, FirstPageShowsItsChaptersIndexButtonsAndWaysOn)
{
    UseShippedTheme();
    CComPtr<IDSTitle> title =
        AddTitleWithChapters(L"Harbour", 90, {10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(root, &button, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(button)) << KVUGetErrorStackText();
    IDSMenu* page = CDSMenuUtils::GetLinkedMenu(button);
    ASSERT_TRUE(page);
    ASSERT_EQ(2u, DSMenuChainVec(page).size());

    BgraImage frame = Render(page);
    BgraImage background = RenderBackground(page);
    ASSERT_FALSE(frame.Empty());
    EXPECT_EQ(S_OK, SaveImageFile(frame, CHAPTERS_OUTPUT_DIR L"/chapter_menu_page1.png"));

    // Six chapters, each a framed picture with its number below it.
    std::vector<CComPtr<IDSMenuButton>> chapters = GetButtonList(page, ButtonType_Command);
    ASSERT_EQ(6u, chapters.size());
    for (size_t k = 0; k < chapters.size(); ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(std::to_wstring(k + 1), ButtonText(chapters[k]));
        EXPECT_GT(ChangedShare(frame, background, ThumbnailOf(chapters[k])), 0.5);
        EXPECT_GT(ChangedShare(frame, background, CDSMenuUtils::GetTextElement(chapters[k])), 0.03);
    }
    // Two index buttons for the two pages, and nothing in the place of the template's third.
    std::vector<CComPtr<IDSMenuButton>> index = GetButtonList(page, ButtonType_ChapterRange);
    ASSERT_EQ(2u, index.size());
    EXPECT_EQ((std::vector<std::wstring>{L"1-6", L"7-8"}), IndexLabels(page));
    for (const CComPtr<IDSMenuButton>& range : index)
        EXPECT_GT(ChangedShare(frame, background, range), 0.2);
    CComPtr<IDSMenu> chapterTemplate = CDSMenuUtils::GetMenuTemplate(page);
    EXPECT_LT(
        ChangedShare(frame, background, GetButtonList(chapterTemplate, ButtonType_ChapterRange)[2]),
        0.01);
    // Next, Up and Home lead on; the first page has no way back to a previous page.
    for (ULONG kind : {ButtonType_Next, ButtonType_Up, ButtonType_Home}) {
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(page, kind);
        ASSERT_EQ(1u, buttons.size()) << "kind " << kind;
        EXPECT_GT(ChangedShare(frame, background, buttons[0]), 0.2) << "kind " << kind;
    }
    EXPECT_TRUE(GetButtonList(page, ButtonType_Prev).empty());
    EXPECT_LT(
        ChangedShare(frame, background, GetButtonList(chapterTemplate, ButtonType_Prev).front()),
        0.01);
}

} // namespace
