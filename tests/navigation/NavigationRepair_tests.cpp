#include "LinkOperations.h"

#include "platform/ResultCodes.h"

namespace {

// A root menu, a template with one navigation button of each kind, and a sub-menu made from
// that template.
class NavigationRepairTest : public ::testing::Test
{
protected:
    NavigationRepairTest()
    {
        for (ULONG kind : {ButtonType_Next, ButtonType_Prev, ButtonType_Home, ButtonType_Up})
            model.AddButton(templateMenu, kind, 0.1f * kind, -0.8f);
        sub->put_TemplateID(GetID(templateMenu));
    }

    std::vector<CComPtr<IDSMenuButton>> Buttons(IDSMenu* pMenu, ULONG mask)
    {
        return GetButtonList(pMenu, mask);
    }

    NavigationProject model;
    CComPtr<IDSMenu> templateMenu = model.AddMenu(MenuType_MainTemplate);
    CComPtr<IDSMenu> root = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> sub = model.AddMenu(MenuType_Main);
};

TEST_F(NavigationRepairTest, NavButtonIsCopiedFromTheTemplate)
{
    ASSERT_EQ(CDSMenuUtils::LinkNavButton(sub, ButtonType_Up, root), S_OK);
    std::vector<CComPtr<IDSMenuButton>> up = Buttons(sub, ButtonType_Up);
    ASSERT_EQ(up.size(), 1u);
    float x = 0.0f;
    float y = 0.0f;
    ASSERT_EQ(up[0]->GetPosition(&x, &y), S_OK);
    EXPECT_FLOAT_EQ(x, 0.8f);
    EXPECT_EQ(CDSMenuUtils::GetUpMenu(sub), root.p);
}

TEST_F(NavigationRepairTest, ExistingNavButtonIsRelinkedNotDoubled)
{
    CComPtr<IDSMenu> other = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(sub, ButtonType_Up, other);
    ASSERT_EQ(CDSMenuUtils::LinkNavButton(sub, ButtonType_Up, root), S_OK);
    EXPECT_EQ(Buttons(sub, ButtonType_Up).size(), 1u);
    EXPECT_EQ(CDSMenuUtils::GetUpMenu(sub), root.p);
    EXPECT_EQ(CDSMenuUtils::LinkNavButton(sub, ButtonType_Up, nullptr), S_FALSE);
}

TEST_F(NavigationRepairTest, NavButtonNeedsATemplateThatHasOne)
{
    EXPECT_EQ(CDSMenuUtils::LinkNavButton(root, ButtonType_Home, sub), E_LINKNAVBUTTON_NO_TEMPLATE);
    CComPtr<IDSMenu> bare = model.AddMenu(MenuType_ChapterTemplate);
    sub->put_TemplateID(GetID(bare));
    EXPECT_EQ(CDSMenuUtils::LinkNavButton(sub, ButtonType_Home, root),
              E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON);
    EXPECT_TRUE(StackHolds(L"E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON"));
    EXPECT_TRUE(Buttons(sub, kAllTags).empty());
}

TEST_F(NavigationRepairTest, ChainWalksStopAtPagesSeenBefore)
{
    CComPtr<IDSMenu> page2 = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> page3 = model.AddMenu(MenuType_Main);
    model.Chain({sub, page2, page3});
    EXPECT_EQ(CDSMenuUtils::GetFirstMenuInChain(page3), sub.p);
    EXPECT_EQ(CDSMenuUtils::GetLastMenuInChain(sub), page3.p);
    model.AddLinkedButton(page3, ButtonType_Next, sub);
    EXPECT_EQ(CDSMenuUtils::GetLastMenuInChain(page2), sub.p);
    EXPECT_EQ(CDSMenuUtils::GetFirstMenuInChain(nullptr), nullptr);
}

TEST_F(NavigationRepairTest, MenuWithoutUpPrevOrHomeIsADeadEnd)
{
    CComPtr<IDSMenu> page2 = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(sub, ButtonType_Next, page2);
    EXPECT_TRUE(CDSMenuUtils::CheckDeadEnd(sub));
    model.AddLinkedButton(page2, ButtonType_Prev, sub);
    EXPECT_FALSE(CDSMenuUtils::CheckDeadEnd(page2));
    EXPECT_FALSE(CDSMenuUtils::CheckDeadEnd(nullptr));
}

TEST_F(NavigationRepairTest, DeletingTheOnlyWayBackStrandsTheUser)
{
    CComPtr<IDSMenuButton> up = model.AddLinkedButton(sub, ButtonType_Up, root);
    CComPtr<IDSMenuButton> next = model.AddLinkedButton(sub, ButtonType_Next, root);
    CComPtr<IDSMenuButton> command = model.AddLinkedButton(sub, ButtonType_Command, root);
    EXPECT_TRUE(CDSMenuUtils::CheckDeadEndBtn(up));
    EXPECT_TRUE(CDSMenuUtils::CheckDeadEndBtn(next));
    EXPECT_FALSE(CDSMenuUtils::CheckDeadEndBtn(command));
    CComPtr<IDSMenuButton> home = model.AddLinkedButton(sub, ButtonType_Home, root);
    EXPECT_FALSE(CDSMenuUtils::CheckDeadEndBtn(up));
    EXPECT_FALSE(CDSMenuUtils::CheckDeadEndBtn(home));
}

TEST_F(NavigationRepairTest, RootMenuLosesOnlyItsFirstUpAndHomeButtons)
{
    model.AddLinkedButton(root, ButtonType_Up, sub);
    model.AddLinkedButton(root, ButtonType_Up, sub);
    model.AddLinkedButton(root, ButtonType_Home, sub);
    model.AddLinkedButton(root, ButtonType_Home, sub);
    ASSERT_EQ(CDSMenuUtils::ValidateMenuLinks(root), S_OK);
    EXPECT_EQ(Buttons(root, ButtonType_Up).size(), 1u);
    EXPECT_EQ(Buttons(root, ButtonType_Home).size(), 1u);
}

TEST_F(NavigationRepairTest, HomeButtonIsPointedAtTheRootMenu)
{
    model.AddLinkedButton(root, ButtonType_Command, sub);
    model.AddLinkedButton(sub, ButtonType_Home, sub);
    ASSERT_EQ(CDSMenuUtils::ValidateMenuLinks(sub), S_OK);
    EXPECT_EQ(CDSMenuUtils::GetHomeMenu(sub), root.p);
}

TEST_F(NavigationRepairTest, UpButtonWithoutATargetIsDeleted)
{
    model.AddButton(sub, ButtonType_Up);
    ASSERT_EQ(CDSMenuUtils::ValidateMenuLinks(sub), S_OK);
    EXPECT_TRUE(Buttons(sub, ButtonType_Up).empty());
}

TEST_F(NavigationRepairTest, UpButtonFindsThePageThatLeadsHere)
{
    CComPtr<IDSMenu> parent1 = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> parent2 = model.AddMenu(MenuType_Main);
    model.Chain({parent1, parent2});
    model.AddLinkedButton(parent2, ButtonType_Command, sub);
    model.AddLinkedButton(sub, ButtonType_Up, parent1);
    ASSERT_EQ(CDSMenuUtils::ValidateMenuLinks(sub), S_OK);
    EXPECT_EQ(CDSMenuUtils::GetUpMenu(sub), parent2.p);
}

TEST_F(NavigationRepairTest, UpButtonToAPageThatDoesNotLeadHereIsDeleted)
{
    CComPtr<IDSMenu> stranger = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(sub, ButtonType_Up, stranger);
    ASSERT_EQ(CDSMenuUtils::ValidateMenuLinks(sub), S_OK);
    EXPECT_TRUE(Buttons(sub, ButtonType_Up).empty());
    EXPECT_EQ(CDSMenuUtils::ValidateMenuLinks(nullptr), E_POINTER);
    EXPECT_TRUE(StackHolds(L"NULL = pMenu"));
}

TEST_F(NavigationRepairTest, AllMainAndChapterMenusAreRepaired)
{
    CComPtr<IDSMenu> chapters = model.AddMenu(MenuType_Chapter);
    model.AddLinkedButton(root, ButtonType_Up, sub);
    model.AddButton(chapters, ButtonType_Up);
    ASSERT_EQ(CDSMenuUtils::ValidateLinksForAllMenus(model.project), S_OK);
    EXPECT_TRUE(Buttons(root, ButtonType_Up).empty());
    EXPECT_TRUE(Buttons(chapters, ButtonType_Up).empty());
    EXPECT_EQ(CDSMenuUtils::ValidateLinksForAllMenus(nullptr), E_POINTER);
}

TEST_F(NavigationRepairTest, ButtonsOfMainMenusPlayingTheTitleAreRemoved)
{
    CComPtr<IDSTitle> title = model.AddTitle(L"Gone");
    CComPtr<IDSTitle> kept = model.AddTitle(L"Kept");
    CComPtr<IDSMenu> chapters = model.AddMenu(MenuType_Chapter);
    model.AddLinkedButton(root, ButtonType_Command, title);
    model.AddLinkedButton(sub, ButtonType_Command, title);
    model.AddLinkedButton(sub, ButtonType_Command, kept);
    model.AddLinkedButton(chapters, ButtonType_Command, title);
    EXPECT_EQ(CDSMenuUtils::RemoveAllButtonsLinkedToTitle(model.project, GetID(title)), 2);
    EXPECT_TRUE(Buttons(root, ButtonType_Command).empty());
    EXPECT_EQ(Buttons(sub, ButtonType_Command).size(), 1u);
    EXPECT_EQ(Buttons(chapters, ButtonType_Command).size(), 1u);
}

} // namespace
