#include "dsutils/DSTags.h"

#include "FakeModel.h"

#include <gtest/gtest.h>

namespace {

class Names : public ::testing::Test
{
protected:
    CComPtr<FakeProject> m_project = FakeProject::Create();
};

TEST_F(Names, MenuOrdinalCountsMainAndChapterMenusOnly)
{
    CComPtr<FakeMenu> main = m_project->AddMenu(1, MenuType_Main);
    CComPtr<FakeMenu> transition = m_project->AddMenu(2, MenuType_Transition);
    CComPtr<FakeMenu> chapter = m_project->AddMenu(3, MenuType_Chapter);
    EXPECT_EQ(GetOrdinal(main->GetUnknown()), 1);
    EXPECT_EQ(GetOrdinal(chapter->GetUnknown()), 2);
    EXPECT_EQ(GetOrdinal(transition->GetUnknown()), 0);
}

TEST_F(Names, ButtonOrdinalCountsCommandButtonsOfItsMenu)
{
    CComPtr<FakeMenu> menu = m_project->AddMenu(1, MenuType_Main);
    m_project->AddElement<FakeText>(menu, 2, 0);
    CComPtr<FakeButton> first = m_project->AddElement<FakeButton>(menu, 3, ButtonType_Command);
    CComPtr<FakeButton> next = m_project->AddElement<FakeButton>(menu, 4, ButtonType_Next);
    CComPtr<FakeButton> second = m_project->AddElement<FakeButton>(menu, 5, ButtonType_Command);
    EXPECT_EQ(GetOrdinal(first->GetUnknown()), 1);
    EXPECT_EQ(GetOrdinal(second->GetUnknown()), 2);
    EXPECT_EQ(GetOrdinal(next->GetUnknown()), 0);
    second->menu = nullptr;
    EXPECT_EQ(GetOrdinal(second->GetUnknown()), 0);
}

TEST_F(Names, TitleOrdinalCountsEveryTitleAndStrangersHaveNone)
{
    m_project->AddTitle(1, TitleType_Private);
    CComPtr<FakeTitle> title = m_project->AddTitle(2, TitleType_User);
    CComPtr<FakeTitle> stranger = FakeTitle::Create();
    EXPECT_EQ(GetOrdinal(title->GetUnknown()), 2);
    EXPECT_EQ(GetOrdinal(stranger->GetUnknown()), 0);
    EXPECT_EQ(GetOrdinal(m_project->GetUnknown()), 0);
    EXPECT_EQ(GetOrdinal(nullptr), 0);
}

TEST_F(Names, MenuIsNamedByItsFirstText)
{
    CComPtr<FakeMenu> menu = m_project->AddMenu(1, MenuType_Main);
    m_project->AddElement<FakeButton>(menu, 2, ButtonType_Command)->label = L"button";
    m_project->AddElement<FakeText>(menu, 3, 0)->label = L"Holiday 2024";
    m_project->AddElement<FakeText>(menu, 4, 0)->label = L"later";
    bool fromText = false;
    EXPECT_EQ(GetDisplayName(menu->GetUnknown(), &fromText), CComBSTR(L"Holiday 2024"));
    EXPECT_TRUE(fromText);
}

TEST_F(Names, ButtonIsNamedByItsLabelElseByItself)
{
    CComPtr<FakeMenu> menu = m_project->AddMenu(1, MenuType_Main);
    CComPtr<FakeButton> button = m_project->AddElement<FakeButton>(menu, 2, ButtonType_Command);
    button->name = L"Style 3";
    bool fromText = true;
    EXPECT_EQ(GetDisplayName(button->GetUnknown(), &fromText), CComBSTR(L"Style 3"));
    EXPECT_FALSE(fromText);
    button->label = L"own text";
    EXPECT_EQ(GetDisplayName(button->GetUnknown(), nullptr), CComBSTR(L"own text"));
    m_project->AddText(button, 3, 0, L"caption");
    m_project->AddText(button, 4, TextType_Label, L"Chapter 1");
    EXPECT_EQ(GetDisplayName(button->GetUnknown(), &fromText), CComBSTR(L"Chapter 1"));
    EXPECT_TRUE(fromText);
}

TEST_F(Names, TitleIsNamedByItsNameAndOtherObjectsByNothing)
{
    CComPtr<FakeTitle> title = m_project->AddTitle(1, TitleType_User, L"Beach");
    CComPtr<FakeMenu> menu = m_project->AddMenu(2, MenuType_Main);
    CComPtr<FakeOverlay> overlay = m_project->AddElement<FakeOverlay>(menu, 3, 0);
    overlay->label = L"caption";
    EXPECT_EQ(GetDisplayName(title->GetUnknown(), nullptr), CComBSTR(L"Beach"));
    EXPECT_EQ(GetDisplayName(overlay->GetUnknown(), nullptr), CComBSTR(L""));
    EXPECT_EQ(GetDisplayName(menu->GetUnknown(), nullptr), CComBSTR(L""));
    EXPECT_EQ(GetDisplayName(nullptr, nullptr), CComBSTR(L""));
}

} // namespace
