#include "LinkOperations.h"

#include "dsutils/DSMenuChainVec.h"

#include "support/ChainProject.h"

namespace {

class SubMenus : public ChainProject
{
protected:
    void SetUp() override
    {
        UseShippedTheme();
        ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &sub));
    }

    CComPtr<IDSMenu> sub;
};

TEST_F(SubMenus, SubMenuHangsUnderANewButtonOfItsParent)
{
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, &button, false));
    EXPECT_EQ(std::vector<CComPtr<IDSMenuButton>>{button}, GetButtonList(root, ButtonType_Command));
    EXPECT_EQ(std::vector<Command>{Command(DiscCommand_JumpMenu, GetID(sub), 0)},
              CommandTuples(button));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(sub));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(sub));
}

TEST_F(SubMenus, AFullParentGrowsAPageForTheButtonWhenAPageIsSought)
{
    FillWithTitleButtons(root, AddTitleWithChapters(L"Harbour", 5, {}));
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, &button, true));
    DSMenuChainVec chain(root);
    ASSERT_EQ(2u, chain.size());
    EXPECT_EQ(std::vector<CComPtr<IDSMenuButton>>{button},
              GetButtonList(chain[1], ButtonType_Command));
    EXPECT_EQ(chain[1], CDSMenuUtils::GetUpMenu(sub));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(sub));
}

TEST_F(SubMenus, VideoCDMenusHaveNoHomeButton)
{
    ASSERT_EQ(S_OK, project->put_DiscFormat(DiscFormat_VCD));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, nullptr, false));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(sub));
    EXPECT_TRUE(GetButtonList(sub, ButtonType_Home).empty());
}

TEST_F(SubMenus, MissingMenusAreReported)
{
    CComPtr<IDSMenuButton> button;
    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkSubMenu(nullptr, root, &button, false));
    EXPECT_TRUE(StackHolds(L"NULL = pMenu"));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkSubMenu(sub, nullptr, &button, true));
    EXPECT_TRUE(StackHolds(L"NULL = pParentMenu"));
    EXPECT_EQ(nullptr, button.p);
    EXPECT_TRUE(GetButtonList(root, ButtonType_Command).empty());
}

} // namespace
