#include "MenuChainTest.h"

#include "dsutils/DSMenuChainVec.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/PathService.h"
#include "platform/ResultCodes.h"

#include "support/ChainProject.h"

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

namespace {

// Menus made from the templates of a shipped theme.
class ThemedPages : public ChainProject
{
protected:
    // The root menu's chain grown to the pages given, each full of buttons that play a title.
    DSMenuChainVec FullPages(int pages)
    {
        CComPtr<IDSTitle> title = AddTitleWithChapters(L"Harbour", 5, {});
        IDSMenu* page = root;
        for (int k = 0; k < pages; ++k) {
            if (k > 0)
                page = CDSMenuUtils::FindAvailableMenu(root, true);
            EXPECT_TRUE(page);
            FillWithTitleButtons(page, title);
        }
        return DSMenuChainVec(root);
    }

    static std::wstring BackgroundOf(IDSMenu* menu)
    {
        CComBSTR background;
        EXPECT_EQ(S_OK, menu->get_Background(&background));
        return background.Str();
    }
};

TEST_F(ThemedPages, NewMenuTakesItsTemplatesLookAndLoopsOnItself)
{
    UseShippedTheme();
    CComPtr<IDSMenu> mainTemplate = CDSMenuUtils::GetMenuTemplate(root);
    ASSERT_TRUE(mainTemplate);
    EXPECT_EQ(MenuType_MainTemplate, GetTag(mainTemplate));
    EXPECT_EQ(MenuType_Main, GetTag(root));
    EXPECT_EQ(BackgroundOf(mainTemplate), BackgroundOf(root));
    EXPECT_EQ(CDSMenuUtils::LayoutGetBtnCount(mainTemplate), CDSMenuUtils::LayoutGetBtnCount(root));
    EXPECT_EQ(1u, GetTextList(root, kAllTags).size());
    EXPECT_TRUE(GetButtonList(root, kAllTags).empty());
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_JumpMenu, GetID(root), 1)},
              CommandTuples(root));
    EXPECT_EQ(0u, GetFlag(root) & MenuFlag_Still);

    CComPtr<IDSMenu> chapters;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Chapter, &chapters));
    EXPECT_EQ(MenuType_Chapter, GetTag(chapters));
    EXPECT_EQ(MenuType_ChapterTemplate, GetTag(CDSMenuUtils::GetMenuTemplate(chapters)));
}

TEST_F(ThemedPages, ChosenTemplateIsTakenOnlyForMenusItServes)
{
    UseShippedTheme();
    CComPtr<IDSProjectData> ember;
    ASSERT_EQ(S_OK,
              CMenuStyleUtil::Load(
                  ResolveContentPath(L"%CONTENT%/DVD/4x3/Themes/Ember.dmsd").c_str(), &ember));
    CComPtr<IDSMenu> emberMain;
    ASSERT_EQ(S_OK, CDSMenuUtils::CopyTemplates(project, ember, &emberMain));
    CComPtr<IDSMenu> emberChapter;
    ASSERT_EQ(S_OK, CDSMenuUtils::FindTemplateByMenuType(project, emberMain, MenuType_Chapter,
                                                         &emberChapter));

    CComPtr<IDSMenu> chosen;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Chapter, &chosen,
                                          ULONG(GetID(emberChapter))));
    EXPECT_EQ(GetID(emberChapter), GetTemplateID(chosen));
    // A main-menu template does not serve a chapter menu: the root's own ring does.
    CComPtr<IDSMenu> fallback;
    ASSERT_EQ(S_OK,
              CDSMenuUtils::AddMenu(project, MenuType_Chapter, &fallback, ULONG(GetID(emberMain))));
    EXPECT_NE(GetID(emberChapter), GetTemplateID(fallback));
    EXPECT_EQ(MenuType_ChapterTemplate, GetTag(CDSMenuUtils::GetMenuTemplate(fallback)));
}

TEST_F(ThemedPages, MenusOfDiscsThatCannotPlayMotionMenusAreStill)
{
    UseShippedTheme();
    EXPECT_FALSE(CDSMenuUtils::MenuShouldBeStill(root));
    ASSERT_EQ(S_OK, project->put_DiscFormat(DiscFormat_DVD2));
    EXPECT_TRUE(CDSMenuUtils::MenuShouldBeStill(root));
    CComPtr<IDSMenu> still;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &still));
    EXPECT_EQ(ULONG(MenuFlag_Still), GetFlag(still) & MenuFlag_Still);

    ASSERT_EQ(S_OK, CDSMenuUtils::DeleteMenu(still));
    EXPECT_FALSE(CDSMenuUtils::MenuShouldBeStill(still)) << "a menu in no project";
    EXPECT_FALSE(CDSMenuUtils::MenuShouldBeStill(nullptr));
}

TEST_F(ThemedPages, AProjectWithoutTemplatesMakesNoMenu)
{
    LONG menus = MenuCount();
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(E_ADDMENU_NO_TEMPLATE, CDSMenuUtils::AddMenu(project, MenuType_Main, &menu));
    EXPECT_TRUE(StackHolds(L"E_ADDMENU_NO_TEMPLATE"));
    EXPECT_EQ(nullptr, menu.p);
    EXPECT_EQ(menus, MenuCount());
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::AddMenu(nullptr, MenuType_Main, &menu));
    UseShippedTheme();
    EXPECT_EQ(E_POINTER, CDSMenuUtils::AddMenu(project, MenuType_Main, nullptr));
}

TEST_F(ThemedPages, RemovingTheMiddleOfThreePagesJoinsTheOthers)
{
    UseShippedTheme();
    DSMenuChainVec chain = FullPages(3);
    ASSERT_EQ(3u, chain.size());
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(chain[1]));
    EXPECT_EQ(chain[2], CDSMenuUtils::GetNextMenu(chain[0]));
    EXPECT_EQ(chain[0], CDSMenuUtils::GetPrevMenu(chain[2]));
    EXPECT_EQ(1u, GetButtonList(chain[0], ButtonType_Next).size());
    EXPECT_EQ(1u, GetButtonList(chain[2], ButtonType_Prev).size());
    EXPECT_EQ(2u, DSMenuChainVec(chain[2]).size());
}

TEST_F(ThemedPages, RemovingTheOnlyPageOfAChapterMenuMakesTheButtonAbovePlayTheTitle)
{
    UseShippedTheme();
    CComPtr<IDSTitle> title = AddTitleWithChapters(L"Harbour", 30, {10.0, 20.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, title, &button));
    CComPtr<IDSMenu> chapters = CDSMenuUtils::GetLinkedMenu(button);
    ASSERT_TRUE(chapters);
    LONG menus = MenuCount();
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkRemoveMenu(chapters));
    EXPECT_EQ(menus - 1, MenuCount());
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_PlayTitle, GetID(title), 0)},
              CommandTuples(button));
}

} // namespace
