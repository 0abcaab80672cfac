#include "MenuChainTest.h"

namespace {

// A root menu whose command button leads to a chain of chapter-menu pages under it.
class MenuPagesTest : public MenuChainTest
{
protected:
    // Chains the pages under the root menu's command button: each has Up and Home buttons to the
    // root and chapter buttons of the title.
    void HangUnderRoot(std::initializer_list<IDSMenu*> pages)
    {
        rootButton = model.AddLinkedButton(root, ButtonType_Command, *pages.begin());
        model.Chain(pages);
        int chapter = 1;
        for (IDSMenu* pPage : pages) {
            model.AddLinkedButton(pPage, ButtonType_Up, root);
            model.AddLinkedButton(pPage, ButtonType_Home, root);
            CComPtr<IDSMenuButton> spButton = model.AddButton(pPage, ButtonType_Command);
            SetCommands(spButton, {Cmd(DiscCommand_PlayTitle, GetID(title), chapter++)});
        }
    }

    LONG MenuCount()
    {
        LONG count = -1;
        EXPECT_EQ(S_OK, model.project->get_MenuCount(&count));
        return count;
    }

    bool InProject(IDSMenu* pMenu)
    {
        return CDSMenuUtils::GetMenuById(model.project, GetID(pMenu)) == pMenu;
    }

    CComPtr<IDSTitle> title = model.AddTitle(L"Harbour");
    CComPtr<IDSMenu> page1 = Page(MenuType_Chapter);
    CComPtr<IDSMenu> page2 = Page(MenuType_Chapter);
    CComPtr<IDSMenu> page3 = Page(MenuType_Chapter);
    CComPtr<IDSMenuButton> rootButton;
};

TEST_F(MenuPagesTest, DeletedMenuLeavesTheProjectAndItsLinksStay)
{
    HangUnderRoot({page1});
    LONG before = MenuCount();
    ASSERT_EQ(S_OK, CDSMenuUtils::DeleteMenu(page1));
    EXPECT_EQ(before - 1, MenuCount());
    EXPECT_FALSE(InProject(page1));
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_JumpMenu, GetID(page1), 0)},
              CommandTuples(rootButton));

    EXPECT_EQ(nullptr, CDSMenuUtils::GetMenuById(model.project, GetID(title)));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::DeleteMenu(page1));
    EXPECT_TRUE(StackHolds(L"NULL = spProject"));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::DeleteMenu(nullptr));
}

TEST_F(MenuPagesTest, RemovingTheMiddlePageJoinsItsNeighbours)
{
    HangUnderRoot({page1, page2, page3});
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(page2));
    EXPECT_FALSE(InProject(page2));
    EXPECT_EQ(page3.p, CDSMenuUtils::GetNextMenu(page1));
    EXPECT_EQ(page1.p, CDSMenuUtils::GetPrevMenu(page3));
    EXPECT_EQ(1u, Buttons(page1, ButtonType_Next).size());
    EXPECT_EQ(1u, Buttons(page3, ButtonType_Prev).size());
    EXPECT_EQ(page1.p, CDSMenuUtils::GetLinkedMenu(rootButton));
}

TEST_F(MenuPagesTest, RemovingTheFirstPageHandsTheButtonAboveToTheNext)
{
    HangUnderRoot({page1, page2, page3});
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(page1));
    EXPECT_FALSE(InProject(page1));
    EXPECT_TRUE(Buttons(page2, ButtonType_Prev).empty());
    EXPECT_EQ(page3.p, CDSMenuUtils::GetNextMenu(page2));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetLinkedMenu(rootButton));
    EXPECT_EQ(page2.p, CDSMenuUtils::GetFirstMenuInChain(page3));
}

TEST_F(MenuPagesTest, RemovingTheLastPageEndsTheChainBeforeIt)
{
    HangUnderRoot({page1, page2, page3});
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(page3));
    EXPECT_FALSE(InProject(page3));
    EXPECT_TRUE(Buttons(page2, ButtonType_Next).empty());
    EXPECT_EQ(page2.p, CDSMenuUtils::GetLastMenuInChain(page1));
    EXPECT_EQ(page1.p, CDSMenuUtils::GetLinkedMenu(rootButton));
}

TEST_F(MenuPagesTest, RemovingTheOnlyChapterPageMakesTheButtonAbovePlayTheTitle)
{
    HangUnderRoot({page1});
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(page1));
    EXPECT_FALSE(InProject(page1));
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_PlayTitle, GetID(title), 0)},
              CommandTuples(rootButton));
}

TEST_F(MenuPagesTest, RemovingTheOnlyPageOfAMainMenuLeavesTheButtonAbove)
{
    CComPtr<IDSMenu> submenu = Page(MenuType_Main);
    rootButton = model.AddLinkedButton(root, ButtonType_Command, submenu);
    model.AddLinkedButton(submenu, ButtonType_Up, root);
    model.AddLinkedButton(submenu, ButtonType_Command, title);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(submenu));
    EXPECT_FALSE(InProject(submenu));
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_JumpMenu, GetID(submenu), 0)},
              CommandTuples(rootButton));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkRemoveMenu(nullptr));
}

} // namespace
