#include "dsutils/DSTags.h"

#include "support/ProjectTest.h"

#include <initializer_list>
#include <vector>

namespace {

std::vector<int> Ordinals(std::initializer_list<IUnknown*> objects)
{
    std::vector<int> ordinals;
    for (IUnknown* object : objects)
        ordinals.push_back(GetOrdinal(object));
    return ordinals;
}

class Names : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
};

TEST_F(Names, MenuOrdinalCountsMainAndChapterMenusOnly)
{
    CComPtr<IDSMenu> main = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> transition = Tagged(AddMenu(m_project), MenuType_Transition);
    CComPtr<IDSMenu> chapter = Tagged(AddMenu(m_project), MenuType_Chapter);
    EXPECT_EQ(Ordinals({main, transition, chapter}), (std::vector<int>{1, 0, 2}));
}

TEST_F(Names, ButtonOrdinalCountsCommandButtonsOfItsMenu)
{
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    AddText(menu);
    CComPtr<IDSMenuButton> first = Tagged(AddButton(menu), ButtonType_Command);
    CComPtr<IDSMenuButton> next = Tagged(AddButton(menu), ButtonType_Next);
    CComPtr<IDSMenuButton> second = Tagged(AddButton(menu), ButtonType_Command);
    EXPECT_EQ(Ordinals({first, next, second}), (std::vector<int>{1, 0, 2}));
    ASSERT_EQ(S_OK, CComQIPtr<IDSMenuElementList>(menu)->RemoveElement(IdOf(second), nullptr));
    EXPECT_EQ(GetOrdinal(second), 0);
}

TEST_F(Names, TitleOrdinalCountsEveryTitleAndStrangersHaveNone)
{
    Tagged(AddTitle(m_project), TitleType_Private);
    CComPtr<IDSTitle> title = Tagged(AddTitle(m_project), TitleType_User);
    CComPtr<IDSTitle> stranger = AddTitle(m_project);
    ASSERT_EQ(S_OK, m_project->RemoveTitle(IdOf(stranger), nullptr));
    EXPECT_EQ(GetOrdinal(title), 2);
    EXPECT_EQ(GetOrdinal(stranger), 0);
    EXPECT_EQ(GetOrdinal(m_project), 0);
    EXPECT_EQ(GetOrdinal(nullptr), 0);
}

TEST_F(Names, MenuIsNamedByItsFirstText)
{
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    SetLabel(AddButton(menu), L"button");
    SetLabel(AddText(menu), L"Holiday 2024");
    SetLabel(AddText(menu), L"later");
    bool fromText = false;
    EXPECT_EQ(GetDisplayName(menu, &fromText), CComBSTR(L"Holiday 2024"));
    EXPECT_TRUE(fromText);
}

TEST_F(Names, ButtonIsNamedByItsLabelElseByItself)
{
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> button = Tagged(AddButton(menu), ButtonType_Command);
    ASSERT_EQ(S_OK, button->put_Name(CComBSTR(L"Style 3")));
    bool fromText = true;
    EXPECT_EQ(GetDisplayName(button, &fromText), CComBSTR(L"Style 3"));
    EXPECT_FALSE(fromText);
    SetLabel(button, L"own text");
    EXPECT_EQ(GetDisplayName(button, nullptr), CComBSTR(L"own text"));
    SetLabel(AddText(button), L"caption");
    SetLabel(Tagged(AddText(button), TextType_Label), L"Chapter 1");
    EXPECT_EQ(GetDisplayName(button, &fromText), CComBSTR(L"Chapter 1"));
    EXPECT_TRUE(fromText);
}

TEST_F(Names, TitleIsNamedByItsNameAndOtherObjectsByNothing)
{
    CComPtr<IDSTitle> title = Tagged(AddTitle(m_project), TitleType_User);
    ASSERT_EQ(S_OK, title->put_Name(CComBSTR(L"Beach")));
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuOverlay> overlay = AddOverlay(menu);
    SetLabel(overlay, L"caption");
    EXPECT_EQ(GetDisplayName(title, nullptr), CComBSTR(L"Beach"));
    EXPECT_EQ(GetDisplayName(overlay, nullptr), CComBSTR(L""));
    EXPECT_EQ(GetDisplayName(menu, nullptr), CComBSTR(L""));
    EXPECT_EQ(GetDisplayName(nullptr, nullptr), CComBSTR(L""));
}

} // namespace
