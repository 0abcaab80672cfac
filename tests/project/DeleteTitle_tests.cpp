#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

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

} // namespace
