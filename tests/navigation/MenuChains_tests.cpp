#include "MenuChainTest.h"

#include "dsutils/DSMenuChainVec.h"

#include "platform/ResultCodes.h"

#include "support/ChainProject.h"

#include <stdexcept>

namespace {

using MenuChainsTest = MenuChainTest;

TEST_F(MenuChainsTest, ChainVecHoldsThePagesFromFirstToLast)
{
    CComPtr<IDSMenu> page2 = Page(MenuType_Main);
    CComPtr<IDSMenu> page3 = Page(MenuType_Main);
    model.Chain({root, page2, page3});
    DSMenuChainVec chain(page2);
    ASSERT_EQ(3u, chain.size());
    EXPECT_EQ(root.p, chain.First());
    EXPECT_EQ(page2.p, chain[1]);
    EXPECT_EQ(page3.p, chain[2]);
    EXPECT_THROW(chain[3], std::out_of_range);
    EXPECT_THROW(chain[-1], std::out_of_range);

    DSMenuChainVec copy(chain);
    chain = DSMenuChainVec(nullptr);
    EXPECT_TRUE(chain.empty());
    EXPECT_EQ(nullptr, chain.First());
    EXPECT_EQ(page3.p, copy[2]);
}

TEST_F(MenuChainsTest, ChainVecTakesEachPageOfALoopOnce)
{
    CComPtr<IDSMenu> page2 = Page(MenuType_Main);
    CComPtr<IDSMenu> page3 = Page(MenuType_Main);
    model.Chain({root, page2, page3});
    model.AddLinkedButton(page3, ButtonType_Next, root);
    DSMenuChainVec chain(page3);
    ASSERT_EQ(3u, chain.size());
    EXPECT_EQ(root.p, chain[0]);
    EXPECT_EQ(page3.p, chain[2]);
}

TEST_F(MenuChainsTest, AvailablePageIsTheFirstWithRoom)
{
    CComPtr<IDSTitle> title = model.AddTitle(L"Harbour");
    CComPtr<IDSMenu> page2 = Page(MenuType_Main);
    CComPtr<IDSMenu> page3 = Page(MenuType_Main);
    AddChapterButtons(root, title, kPageCapacity);
    EXPECT_EQ(nullptr, CDSMenuUtils::FindAvailableMenu(root));

    model.Chain({root, page2, page3});
    AddChapterButtons(page2, title, kPageCapacity - 1);
    EXPECT_EQ(page2.p, CDSMenuUtils::FindAvailableMenu(page3));
    AddChapterButtons(page2, title, 1);
    EXPECT_EQ(page3.p, CDSMenuUtils::FindAvailableMenu(root));
    EXPECT_EQ(nullptr, CDSMenuUtils::FindAvailableMenu(nullptr));
}

TEST_F(MenuChainsTest, AppendedPageGetsPrevUpAndHomeAndTheLastPageANext)
{
    CComPtr<IDSTitle> title = model.AddTitle(L"Harbour");
    CComPtr<IDSMenu> chapters = Page(MenuType_Chapter);
    model.AddLinkedButton(root, ButtonType_Command, chapters);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkNavButton(chapters, ButtonType_Up, root));
    AddChapterButtons(chapters, title, kPageCapacity);
    CComPtr<IDSMenu> page2 = Page(MenuType_Chapter);

    ASSERT_EQ(S_OK, CDSMenuUtils::LinkMenuToChain(chapters, page2));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetNextMenu(chapters));
    EXPECT_EQ(chapters.p, CDSMenuUtils::GetPrevMenu(page2));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(page2));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(page2));
    EXPECT_EQ(1u, Buttons(chapters, ButtonType_Next).size());
    EXPECT_EQ(3u, Buttons(page2, ButtonType_Navigation).size());
    EXPECT_EQ(page2.p, CDSMenuUtils::FindAvailableMenu(chapters));

    float x = 0.0f;
    float y = 0.0f;
    ASSERT_EQ(S_OK, Buttons(page2, ButtonType_Prev)[0]->GetPosition(&x, &y));
    EXPECT_FLOAT_EQ(NavButtonX(ButtonType_Prev), x);
    EXPECT_FLOAT_EQ(kNavButtonY, y);
}

TEST_F(MenuChainsTest, PageIsAppendedAfterTheLastPageOfTheChain)
{
    CComPtr<IDSMenu> page2 = Page(MenuType_Main);
    CComPtr<IDSMenu> page3 = Page(MenuType_Main);
    model.Chain({root, page2});
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkMenuToChain(root, page3));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetNextMenu(root));
    EXPECT_EQ(page3.p, CDSMenuUtils::GetNextMenu(page2));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetPrevMenu(page3));
    // The root page has no menu above it, so neither has the new page.
    EXPECT_TRUE(Buttons(page3, ButtonType_Up).empty());
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(page3));
}

TEST_F(MenuChainsTest, AppendingStopsAtTheFirstFailingLink)
{
    // A page whose template has a Home button but no Prev button: the Home link would work, but
    // the failed Prev link ends the append.
    CComPtr<IDSMenu> homeOnly = model.AddMenu(MenuType_MainTemplate);
    model.AddButton(homeOnly, ButtonType_Home);
    CComPtr<IDSMenu> page2 = model.AddMenu(MenuType_Main);
    ASSERT_EQ(S_OK, page2->put_TemplateID(GetID(homeOnly)));
    EXPECT_EQ(E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON, CDSMenuUtils::LinkMenuToChain(root, page2));
    EXPECT_TRUE(StackHolds(L"LinkNavButton(pNewMenu, ButtonType_Prev, pLast)"));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetNextMenu(root));
    EXPECT_TRUE(Buttons(page2, ButtonType_Navigation).empty());

    // A chain whose last page cannot have a Next button: the new page is left alone.
    CComPtr<IDSMenu> bareTemplate = model.AddMenu(MenuType_MainTemplate);
    CComPtr<IDSMenu> bare = model.AddMenu(MenuType_Main);
    ASSERT_EQ(S_OK, bare->put_TemplateID(GetID(bareTemplate)));
    CComPtr<IDSMenu> page3 = Page(MenuType_Main);
    EXPECT_EQ(E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON, CDSMenuUtils::LinkMenuToChain(bare, page3));
    EXPECT_TRUE(StackHolds(L"LinkNavButton(pLast, ButtonType_Next, pNewMenu)"));
    EXPECT_TRUE(Buttons(page3, ButtonType_Navigation).empty());
}

TEST_F(MenuChainsTest, AppendingNeedsAChainAndAPage)
{
    CComPtr<IDSMenu> page2 = Page(MenuType_Main);
    EXPECT_EQ(E_LINKMENUTOCHAIN_NO_CHAIN, CDSMenuUtils::LinkMenuToChain(nullptr, page2));
    EXPECT_TRUE(StackHolds(L"E_LINKMENUTOCHAIN_NO_CHAIN"));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkMenuToChain(root, nullptr));
    EXPECT_TRUE(Buttons(root, ButtonType_Next).empty());
}

} // namespace

namespace {

// Chains of a shipped theme's menus that grow pages as they fill.
class GrowingChains : public ChainProject
{
protected:
    // A main menu hung under the root menu, full of buttons that play a title.
    CComPtr<IDSMenu> FullSubMenu()
    {
        CComPtr<IDSMenu> sub;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &sub));
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, nullptr, false));
        FillWithTitleButtons(sub, AddTitleWithChapters(L"Harbour", 5, {}));
        return sub;
    }
};

TEST_F(GrowingChains, AFullSinglePageGetsASecondPageWithPrevUpAndHome)
{
    UseShippedTheme();
    CComPtr<IDSMenu> sub = FullSubMenu();
    LONG menus = MenuCount();
    EXPECT_EQ(nullptr, CDSMenuUtils::FindAvailableMenu(sub, false));
    EXPECT_EQ(menus, MenuCount());

    IDSMenu* page2 = CDSMenuUtils::FindAvailableMenu(sub, true);
    ASSERT_TRUE(page2) << KVUGetErrorStackText();
    EXPECT_EQ(menus + 1, MenuCount());
    EXPECT_EQ(MenuType_Main, GetTag(page2));
    EXPECT_EQ(GetTemplateID(sub), GetTemplateID(page2));
    EXPECT_TRUE(GetButtonList(page2, ButtonType_Command).empty());
    EXPECT_EQ(page2, CDSMenuUtils::GetNextMenu(sub));
    EXPECT_EQ(sub.p, CDSMenuUtils::GetPrevMenu(page2));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(page2));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(page2));
    EXPECT_TRUE(GetButtonList(page2, ButtonType_Next).empty());
    EXPECT_TRUE(GetButtonList(sub, ButtonType_Prev).empty());
    // The navigation buttons stand where the template has them.
    CComPtr<IDSMenu> mainTemplate = CDSMenuUtils::GetMenuTemplate(page2);
    float x = 0, y = 0, tx = 1, ty = 1;
    ASSERT_EQ(S_OK, GetButtonList(page2, ButtonType_Prev)[0]->GetPosition(&x, &y));
    ASSERT_EQ(S_OK, GetButtonList(mainTemplate, ButtonType_Prev)[0]->GetPosition(&tx, &ty));
    EXPECT_FLOAT_EQ(tx, x);
    EXPECT_FLOAT_EQ(ty, y);
    // The new page has room, so it is found again rather than another one made.
    EXPECT_EQ(page2, CDSMenuUtils::FindAvailableMenu(sub, true));
    EXPECT_EQ(menus + 1, MenuCount());
}

TEST_F(GrowingChains, APageThatCannotBeLinkedIsTakenOutAgain)
{
    UseSmallTheme(2, 0);
    CComPtr<IDSMenu> mainTemplate = CDSMenuUtils::GetMenuTemplate(root);
    ASSERT_EQ(S_OK,
              CDSMenuUtils::DeleteElement(GetButtonList(mainTemplate, ButtonType_Prev).front()));
    FillWithTitleButtons(root, AddTitleWithChapters(L"Harbour", 5, {}));
    LONG menus = MenuCount();
    EXPECT_EQ(nullptr, CDSMenuUtils::FindAvailableMenu(root, true));
    EXPECT_TRUE(StackHolds(L"LinkMenuToChain(pLast, spNewMenu)"));
    EXPECT_TRUE(StackHolds(L"LinkNavButton(pNewMenu, ButtonType_Prev, pLast)"));
    EXPECT_EQ(menus, MenuCount());
    EXPECT_TRUE(GetButtonList(root, ButtonType_Next).empty());
    EXPECT_EQ(nullptr, CDSMenuUtils::FindAvailableMenu(nullptr, true));
}

} // namespace
