// Chapter menus kept in step with their title's chapters: after chapters are added, deleted and
// moved, an updated menu is what a freshly generated one would be.
#include "dsutils/DSAppUtils.h"
#include "dsutils/DSChapterList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "support/ChainProject.h"
#include "support/ErrorStackText.h"

#include <utility>

namespace {

using Labels = std::vector<std::wstring>;

// The places of the command buttons of every page of the chain.
std::vector<std::pair<float, float>> ButtonPlaces(IDSMenu* menu)
{
    std::vector<std::pair<float, float>> places;
    for (const CComPtr<IDSMenu>& page : DSMenuChainVec(menu)) {
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
            float x = 0.0f;
            float y = 0.0f;
            EXPECT_EQ(S_OK, button->GetPosition(&x, &y));
            places.emplace_back(x, y);
        }
    }
    return places;
}

class UpdatingChapterMenus : public ChainProject
{
protected:
    // A title of five chapters, every ten seconds, with its chapter menu on pages of four.
    void SetUp() override
    {
        UseSmallTheme(4, 3);
        title = AddTitleWithChapters(L"Harbour", 200, {10.0, 20.0, 30.0, 40.0});
        ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(title, &menu, root));
        ASSERT_EQ(S_OK, CDSAppUtils::ArrangeButtonsInChain(menu));
    }

    CDSChapterList Chapters()
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, title->GetProduction(&production));
        return CDSChapterList(production);
    }

    // Updates the menu and compares it, page by page and button by button, with a menu
    // generated afresh for the title (then removed again).
    void ExpectUpdateGivesAFreshMenu()
    {
        ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu)) << KVUGetErrorStackText();
        CComPtr<IDSMenu> fresh;
        ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(title, &fresh, root));
        ASSERT_EQ(S_OK, CDSAppUtils::ArrangeButtonsInChain(fresh));
        EXPECT_EQ(DescribeChain(fresh), DescribeChain(menu));
        EXPECT_EQ(ButtonPlaces(fresh), ButtonPlaces(menu));
        for (const CComPtr<IDSMenu>& page : DSMenuChainVec(fresh))
            ASSERT_EQ(S_OK, CDSMenuUtils::DeleteMenu(page));
    }

    // The command button that keeps the marker ID.
    CComPtr<IDSMenuButton> ButtonOfMarker(LONG markerId)
    {
        for (const CComPtr<IDSMenu>& page : DSMenuChainVec(menu)) {
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
                LONG id = 0;
                EXPECT_EQ(S_OK, button->get_ChapterMarkerID(&id));
                if (id == markerId)
                    return button;
            }
        }
        return nullptr;
    }

    CComPtr<IDSTitle> title;
    CComPtr<IDSMenu> menu;
};

TEST_F(UpdatingChapterMenus, AddedChaptersGetButtonsInChapterOrderOnNewPages)
{
    InsertChapters(title, {15.0, 55.0, 65.0, 75.0});
    LONG menus = MenuCount();
    ExpectUpdateGivesAFreshMenu();
    EXPECT_EQ(menus + 1, MenuCount());
    DSMenuChainVec chain(menu);
    ASSERT_EQ(3u, chain.size());
    EXPECT_EQ((Labels{L"5", L"6", L"7", L"8"}), CommandLabels(chain[1]));
    EXPECT_EQ((Labels{L"1-4", L"5-8", L"9-9"}), IndexLabels(chain[2]));
}

TEST_F(UpdatingChapterMenus, DeletedChaptersLoseTheirButtonsAndEmptyPagesGo)
{
    InsertChapters(title, {50.0, 60.0, 70.0, 80.0});
    ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu));
    ASSERT_EQ(3u, DSMenuChainVec(menu).size());
    LONG menus = MenuCount();
    CDSChapterList chapters = Chapters();
    for (LONG chapter : {9, 7, 4, 2, 3})
        ASSERT_EQ(S_OK, chapters.DeleteChapter(chapter));
    ExpectUpdateGivesAFreshMenu();
    EXPECT_EQ(menus - 2, MenuCount());
    ASSERT_EQ(1u, DSMenuChainVec(menu).size());
    EXPECT_EQ((Labels{L"1", L"2", L"3", L"4"}), CommandLabels(menu));
    // One page leaves one index button of the theme's three.
    EXPECT_EQ((Labels{L"1-4"}), IndexLabels(menu));
}

TEST_F(UpdatingChapterMenus, MovedChaptersKeepTheirButtonsRelinkedToTheNewNumbers)
{
    CDSChapterList chapters = Chapters();
    std::vector<CComPtr<IDSMenuButton>> firstPage = GetButtonList(menu, ButtonType_Command);
    LONG moved = 0;
    ASSERT_EQ(S_OK, firstPage[1]->get_ChapterMarkerID(&moved));
    LONG buttonId = GetID(firstPage[1]);
    // Chapter 2 (10 s) moves behind chapter 5 (40 s).
    ASSERT_EQ(S_OK, chapters.SetChapterTime(2, 45.0));
    ExpectUpdateGivesAFreshMenu();
    CComPtr<IDSMenuButton> button = ButtonOfMarker(moved);
    ASSERT_TRUE(button);
    EXPECT_EQ(buttonId, GetID(button));
    EXPECT_EQ(L"5", ButtonText(button));
    EXPECT_EQ((std::vector<int>{5}), PlayedChapters(DSMenuChainVec(menu)[1]));
}

TEST_F(UpdatingChapterMenus, UnchangedChaptersKeepTheirOwnLabels)
{
    CComPtr<IDSMenuButton> opening = ButtonOfMarker(-1);
    ASSERT_EQ(S_OK, CDSMenuUtils::GetTextElement(opening)->put_Label(CComBSTR(L"Opening")));
    InsertChapters(title, {60.0});
    ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu));
    EXPECT_EQ(L"Opening", ButtonText(opening));
    EXPECT_EQ(opening.p, GetButtonList(menu, ButtonType_Command).front().p);
}

TEST_F(UpdatingChapterMenus, EveryChapterKeepsOneButtonAndOtherButtonsStayBehindThem)
{
    // A copy of chapter 3's button, put in front of the page, stands for the same chapter, and
    // a button the user added plays another title.
    CComPtr<IDSMenuButton> third = GetButtonList(menu, ButtonType_Command)[2];
    CComPtr<IDSMenuElement> copy;
    ASSERT_EQ(S_OK, third->Copy(&copy));
    ASSERT_EQ(S_OK, CComQIPtr<IDSMenuElementList>(menu.p)->InsertElement(1, copy));
    CComPtr<IDSTitle> other = AddTitleWithChapters(L"Meadow", 5, {});
    CComPtr<IDSMenuButton> extra;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(menu, &extra, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(extra, other));

    ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu));
    DSMenuChainVec chain(menu);
    ASSERT_EQ(2u, chain.size());
    EXPECT_EQ((Labels{L"1", L"2", L"3", L"4"}), CommandLabels(chain[0]));
    // Of the two buttons of chapter 3, the first in page order stays.
    EXPECT_TRUE(GetButtonList(chain[0], ButtonType_Command)[2].IsEqualObject(copy));
    std::vector<CComPtr<IDSMenuButton>> last = GetButtonList(chain[1], ButtonType_Command);
    ASSERT_EQ(2u, last.size());
    EXPECT_EQ(L"5", ButtonText(last[0]));
    EXPECT_EQ(extra.p, last[1].p);
}

TEST_F(UpdatingChapterMenus, AllChaptersGoneLeaveTheFirstChapterOnOnePage)
{
    InsertChapters(title, {50.0});
    ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu));
    CDSChapterList chapters = Chapters();
    ASSERT_EQ(S_OK, chapters.Clear());
    ASSERT_EQ(S_OK, CDSMenuUtils::UpdateChapterMenus(title, menu));
    ASSERT_EQ(1u, DSMenuChainVec(menu).size());
    EXPECT_EQ((Labels{L"1"}), CommandLabels(menu));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::UpdateChapterMenus(nullptr, menu));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::UpdateChapterMenus(title, nullptr));
}

} // namespace
