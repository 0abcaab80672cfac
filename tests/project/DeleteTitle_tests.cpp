#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "support/ChainProject.h"

namespace {

class DeleteTitleTest : public ProjectOpsTest
{
protected:
    CComPtr<IDSMenuButton> ButtonFor(IDSMenu* menu, IDSTitle* title)
    {
        CComPtr<IDSMenuButton> button =
            Placed(AddButton(menu), ButtonType_Command, 0.0f, 0.0f, 0.3f, 0.2f);
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
        return button;
    }

    std::vector<LONG> ButtonIds(IDSMenu* menu)
    {
        std::vector<LONG> ids;
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, ButtonType_Command))
            ids.push_back(IdOf(button));
        return ids;
    }

    CComPtr<IDSMenu> m_main = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSTitle> m_kept = AddTitle(m_project);
    CComPtr<IDSTitle> m_gone = AddTitle(m_project);
};

TEST_F(DeleteTitleTest, TheTitleAndTheButtonsThatPlayItGo)
{
    CComPtr<IDSMenuButton> kept = ButtonFor(m_main, m_kept);
    ButtonFor(m_main, m_gone);
    ButtonFor(m_main, m_gone);
    ASSERT_EQ(S_OK, CDSAppUtils::DeleteTitle(m_project, m_gone));
    EXPECT_EQ(1, TitleCount(m_project));
    EXPECT_EQ(nullptr, FindTitle(m_project, IdOf(m_gone)).p);
    EXPECT_EQ(std::vector<LONG>{IdOf(kept)}, ButtonIds(m_main));
}

TEST_F(DeleteTitleTest, TheButtonsLeftCloseTheGap)
{
    CDSLayout oneRow(2, 1, LayoutStyle_Rows, Justify_Center, Justify_Center, Weight_LastLinesFull);
    ASSERT_EQ(S_OK, m_main->put_ButtonLayout(oneRow));
    FloatRect area{0.1f, 0.1f, 0.9f, 0.9f};
    ASSERT_EQ(S_OK, m_main->put_LayoutRect(&area));
    CComPtr<IDSMenuButton> gone = ButtonFor(m_main, m_gone);
    CComPtr<IDSMenuButton> kept = ButtonFor(m_main, m_kept);
    ASSERT_EQ(S_OK, CDSMenuUtils::LayoutArrangeButtons(m_main, true));
    float goneX = 0, goneY = 0, keptX = 0, keptY = 0;
    ASSERT_EQ(S_OK, gone->GetPosition(&goneX, &goneY));
    ASSERT_EQ(S_OK, kept->GetPosition(&keptX, &keptY));
    ASSERT_TRUE(goneX != keptX || goneY != keptY);

    ASSERT_EQ(S_OK, CDSAppUtils::DeleteTitle(m_project, m_gone));
    float x = 0, y = 0;
    ASSERT_EQ(S_OK, kept->GetPosition(&x, &y));
    // The button left takes the first place of the layout.
    EXPECT_FLOAT_EQ(goneX, x);
    EXPECT_FLOAT_EQ(goneY, y);
}

TEST_F(DeleteTitleTest, ATitleOfNoProjectChangesNothing)
{
    ButtonFor(m_main, m_gone);
    ASSERT_EQ(S_OK, CDSAppUtils::DeleteTitle(m_project, m_gone));
    std::vector<LONG> buttons = ButtonIds(m_main);
    EXPECT_EQ(E_INVALIDARG, CDSAppUtils::DeleteTitle(m_project, m_gone));
    EXPECT_TRUE(StackHolds(L"pProj->RemoveTitle(lTitleID, NULL)"));
    EXPECT_EQ(1, TitleCount(m_project));
    EXPECT_EQ(buttons, ButtonIds(m_main));
    EXPECT_EQ(E_POINTER, CDSAppUtils::DeleteTitle(m_project, nullptr));
    EXPECT_EQ(E_POINTER, CDSAppUtils::DeleteTitle(nullptr, m_kept));
}

// A root menu of pages of two buttons.
class DeleteTitleFromChain : public ChainProject
{
protected:
    void SetUp() override { UseSmallTheme(2, 0); }

    CComPtr<IDSTitle> TitleWithButton(const wchar_t* name)
    {
        CComPtr<IDSTitle> title = AddTitleWithChapters(name, 2, {});
        CComPtr<IDSMenuButton> button;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(CDSMenuUtils::FindAvailableMenu(root, true),
                                                &button, ButtonType_Command));
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
        return title;
    }
};

TEST_F(DeleteTitleFromChain, TheButtonsMoveForwardAndThePageLeftEmptyGoes)
{
    CComPtr<IDSTitle> first = TitleWithButton(L"Dunes");
    TitleWithButton(L"Delta");
    TitleWithButton(L"Fjord");
    LONG menus = MenuCount();
    ASSERT_EQ(2, DSMenuChainVec(root).size());

    ASSERT_EQ(S_OK, CDSAppUtils::DeleteTitle(project, first)) << KVUGetErrorStackText();
    EXPECT_EQ(1, DSMenuChainVec(root).size());
    EXPECT_EQ(nullptr, CDSMenuUtils::GetNextMenu(root));
    EXPECT_EQ(menus - 1, MenuCount());
    std::vector<std::wstring> titles;
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(root, ButtonType_Command))
        titles.push_back(
            GetDisplayName(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), nullptr).Str());
    EXPECT_EQ((std::vector<std::wstring>{L"Delta", L"Fjord"}), titles);
}

} // namespace
