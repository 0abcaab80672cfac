// The chapter menus of single buttons, made, updated and removed the way the application asks
// for them, and the removal of a title's chapter menus.
#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/ResultCodes.h"

#include "support/ChainProject.h"
#include "support/ErrorStackText.h"

#include <set>
#include <utility>

namespace {

class ChapterMenuButtons : public ChainProject
{
protected:
    void SetUp() override { UseShippedTheme(); }

    // A button of the root menu that plays the title.
    CComPtr<IDSMenuButton> TitleButton(IDSTitle* title)
    {
        CComPtr<IDSMenuButton> button;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(root, &button, ButtonType_Command));
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
        return button;
    }

    // Whether the button plays the title from its start and leads to no menu.
    static bool PlaysFromTheStart(IDSMenuButton* button, IDSTitle* title)
    {
        int chapter = -1;
        return CDSMenuUtils::GetLinkedTitle(button, &chapter, true) == title && chapter == 0 &&
               !CDSMenuUtils::GetLinkedMenu(button);
    }

    bool InProject(IDSMenu* menu) { return CDSMenuUtils::GetMenuById(project, GetID(menu)); }
};

TEST_F(ChapterMenuButtons, TitleButtonGetsAChapterMenuLaidOutUnderItsMenu)
{
    CComPtr<IDSTitle> title = AddTitleWithChapters(L"Harbour", 90, {20.0, 40.0, 60.0});
    CComPtr<IDSMenuButton> button = TitleButton(title);
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(button)) << KVUGetErrorStackText();
    IDSMenu* menu = CDSMenuUtils::GetLinkedMenu(button);
    ASSERT_TRUE(menu);
    EXPECT_EQ(MenuType_Chapter, GetTag(menu));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(menu));
    EXPECT_EQ(title.p, CDSAppUtils::GetLinkedChapterTitle(button, nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"1", L"2", L"3", L"4"}), CommandLabels(menu));
    // Laid out: each button in a place of its own.
    std::set<std::pair<float, float>> places;
    for (const CComPtr<IDSMenuButton>& chapter : GetButtonList(menu, ButtonType_Command)) {
        float x = 0.0f;
        float y = 0.0f;
        ASSERT_EQ(S_OK, chapter->GetPosition(&x, &y));
        places.emplace(x, y);
    }
    EXPECT_EQ(4u, places.size());

    // Asked again after the title gained chapters, the button's chapter menu is updated.
    InsertChapters(title, {70.0, 75.0, 80.0});
    LONG menus = MenuCount();
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(button)) << KVUGetErrorStackText();
    EXPECT_EQ(menu, CDSMenuUtils::GetLinkedMenu(button));
    EXPECT_EQ(menus + 1, MenuCount());
    EXPECT_EQ(2u, DSMenuChainVec(menu).size());
}

TEST_F(ChapterMenuButtons, ATitleOfOneChapterKeepsItsButtonPlayingIt)
{
    CComPtr<IDSTitle> title = AddTitleWithChapters(L"Harbour", 30, {});
    CComPtr<IDSMenuButton> button = TitleButton(title);
    LONG menus = MenuCount();
    EXPECT_EQ(S_FALSE, CDSAppUtils::MakeChapterMenuBtn(button));
    EXPECT_TRUE(PlaysFromTheStart(button, title));
    EXPECT_EQ(menus, MenuCount());

    CComPtr<IDSMenuButton> nowhere;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(root, &nowhere, ButtonType_Command));
    EXPECT_EQ(E_POINTER, CDSAppUtils::MakeChapterMenuBtn(nowhere));
    EXPECT_EQ(E_POINTER, CDSAppUtils::MakeChapterMenuBtn(nullptr));
    EXPECT_TRUE(StackHolds(L"NULL = pBtn"));
}

TEST_F(ChapterMenuButtons, UpdatingNeedsAChapterMenuThatPlaysATitle)
{
    CComPtr<IDSMenu> sub;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &sub));
    CComPtr<IDSMenuButton> toSub;
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, &toSub, false));
    EXPECT_EQ(E_UPDATECHAPTERMENUSFROMBTN_NO_CHAPTER_MENU,
              CDSAppUtils::UpdateChapterMenusFromBtn(toSub));

    CComPtr<IDSMenu> empty;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Chapter, &empty));
    CComPtr<IDSMenuButton> toEmpty;
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(empty, root, &toEmpty, false));
    EXPECT_EQ(E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE,
              CDSAppUtils::UpdateChapterMenusFromBtn(toEmpty));
    EXPECT_TRUE(StackHolds(L"NULL = spTitle.GetInterfacePtr()"));
    EXPECT_EQ(E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE, CDSAppUtils::MakeChapterMenuBtn(toEmpty));
    EXPECT_EQ(E_POINTER, CDSAppUtils::UpdateChapterMenusFromBtn(nullptr));
}

TEST_F(ChapterMenuButtons, RemovingAButtonsChapterMenuPlaysTheTitleAndDeletesEveryPage)
{
    CComPtr<IDSTitle> title =
        AddTitleWithChapters(L"Harbour", 90, {10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0});
    CComPtr<IDSMenuButton> button = TitleButton(title);
    LONG menus = MenuCount();
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(button));
    DSMenuChainVec pages(CDSMenuUtils::GetLinkedMenu(button));
    ASSERT_EQ(2u, pages.size());

    ASSERT_EQ(S_OK, CDSAppUtils::RemoveChapMenusFromBtn(button));
    EXPECT_TRUE(PlaysFromTheStart(button, title));
    EXPECT_EQ(menus, MenuCount());
    EXPECT_FALSE(InProject(pages[0]));
    EXPECT_FALSE(InProject(pages[1]));

    EXPECT_EQ(E_POINTER, CDSAppUtils::RemoveChapMenusFromBtn(button));
    EXPECT_TRUE(StackHolds(L"NULL = spTitle.p"));
    EXPECT_EQ(E_POINTER, CDSAppUtils::RemoveChapMenusFromBtn(nullptr));
}

TEST_F(ChapterMenuButtons, RemovingAllChapterMenusFreesEveryButton)
{
    CComPtr<IDSTitle> harbour = AddTitleWithChapters(L"Harbour", 30, {10.0});
    CComPtr<IDSTitle> meadow = AddTitleWithChapters(L"Meadow", 30, {15.0});
    CComPtr<IDSMenuButton> toHarbour = TitleButton(harbour);
    CComPtr<IDSMenuButton> toMeadow = TitleButton(meadow);
    LONG menus = MenuCount();
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(toHarbour));
    ASSERT_EQ(S_OK, CDSAppUtils::MakeChapterMenuBtn(toMeadow));
    ASSERT_EQ(S_OK, CDSAppUtils::RemoveAllChapterMenus(project));
    EXPECT_TRUE(GetMenuList(project, MenuType_Chapter).empty());
    EXPECT_EQ(menus, MenuCount());
    EXPECT_TRUE(PlaysFromTheStart(toHarbour, harbour));
    EXPECT_TRUE(PlaysFromTheStart(toMeadow, meadow));
    EXPECT_EQ(S_FALSE, CDSAppUtils::RemoveAllChapterMenus(project));
    EXPECT_EQ(E_POINTER, CDSAppUtils::RemoveAllChapterMenus(nullptr));
}

TEST_F(ChapterMenuButtons, RemovingATitlesChapterMenusTakesTheButtonAboveToo)
{
    CComPtr<IDSTitle> harbour =
        AddTitleWithChapters(L"Harbour", 90, {10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0});
    CComPtr<IDSTitle> meadow = AddTitleWithChapters(L"Meadow", 30, {15.0});
    CComPtr<IDSMenuButton> toHarbour;
    CComPtr<IDSMenuButton> toMeadow;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, harbour, &toHarbour));
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, meadow, &toMeadow));
    DSMenuChainVec harbourPages(CDSMenuUtils::GetLinkedMenu(toHarbour));
    ASSERT_EQ(2u, harbourPages.size());
    LONG menus = MenuCount();

    ASSERT_EQ(S_OK, CDSMenuUtils::RemoveChapterMenus(project, GetID(harbour)));
    EXPECT_EQ(menus - 2, MenuCount());
    EXPECT_FALSE(InProject(harbourPages[0]));
    EXPECT_FALSE(InProject(harbourPages[1]));
    EXPECT_EQ(std::vector<CComPtr<IDSMenuButton>>{toMeadow},
              GetButtonList(root, ButtonType_Command));
    EXPECT_EQ(meadow.p, CDSAppUtils::GetLinkedChapterTitle(toMeadow, nullptr));
}

TEST_F(ChapterMenuButtons, RepairingMakesEveryButtonToAChapterMenuPlayItsTitle)
{
    CComPtr<IDSTitle> title = AddTitleWithChapters(L"Harbour", 30, {10.0});
    CComPtr<IDSMenuButton> fromRoot;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, title, &fromRoot));
    IDSMenu* menu = CDSMenuUtils::GetLinkedMenu(fromRoot);
    CComPtr<IDSMenu> sub;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &sub));
    CComPtr<IDSMenuButton> fromSub;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(sub, &fromSub, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(fromSub, menu));

    ASSERT_EQ(S_OK, CDSMenuUtils::RepairButtonToChapterMenu(menu));
    EXPECT_TRUE(PlaysFromTheStart(fromRoot, title));
    EXPECT_TRUE(PlaysFromTheStart(fromSub, title));
    EXPECT_TRUE(InProject(menu));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::RepairButtonToChapterMenu(nullptr));
}

} // namespace
