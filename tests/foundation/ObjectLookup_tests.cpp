#include "dsutils/DSTags.h"

#include "FakeModel.h"

#include "platform/ErrorStack.h"

#include <gtest/gtest.h>

namespace {

class Lookup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_menu = m_project->AddMenu(1, MenuType_Main);
        m_title = m_project->AddTitle(2, TitleType_User);
        m_plain = m_project->AddElement<FakeButton>(m_menu, 3, ButtonType_Command);
        m_labelled = m_project->AddElement<FakeButton>(m_menu, 4, ButtonType_Command);
        m_project->AddText(m_labelled, 5, TextType_Label, L"Play");
        m_project->AddElement<FakeText>(m_menu, 6, 0);
        m_project->AddElement<FakeOverlay>(m_menu, 7, OverlayType_Generic);
    }

    CComPtr<FakeProject> m_project = FakeProject::Create();
    CComPtr<FakeMenu> m_menu;
    CComPtr<FakeTitle> m_title;
    CComPtr<FakeButton> m_plain;
    CComPtr<FakeButton> m_labelled;
};

TEST_F(Lookup, ObjectTypeSaysWhatAnIDStandsFor)
{
    IUnknown* project = m_project->GetUnknown();
    EXPECT_EQ(GetDVDObjectType(project, 1), DVDObject_Menu);
    EXPECT_EQ(GetDVDObjectType(project, 2), DVDObject_Title);
    EXPECT_EQ(GetDVDObjectType(project, 3), DVDObject_Button);
    EXPECT_EQ(GetDVDObjectType(project, 4), DVDObject_TextButton);
    EXPECT_EQ(GetDVDObjectType(project, 5), DVDObject_Text);
    EXPECT_EQ(GetDVDObjectType(project, 7), DVDObject_Overlay);
    EXPECT_EQ(GetDVDObjectType(project, 99), DVDObject_None);
    EXPECT_EQ(GetDVDObjectType(m_menu->GetUnknown(), 1), DVDObject_None);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(Lookup, ProjectIsFoundFromEveryKindOfObject)
{
    IDSProjectData* project = m_project;
    EXPECT_EQ(GetProject(m_plain->GetUnknown()).p, project);
    EXPECT_EQ(GetProject(static_cast<IDSMenuButton*>(m_plain)).p, project);
    EXPECT_EQ(GetProject(static_cast<IDSMenu*>(m_menu)).p, project);
    EXPECT_EQ(GetProject(static_cast<IDSTitle*>(m_title)).p, project);
    EXPECT_EQ(GetProject(m_project->GetUnknown()), nullptr);
    m_plain->menu = nullptr;
    EXPECT_EQ(GetProject(static_cast<IDSMenuButton*>(m_plain)), nullptr);
    EXPECT_EQ(GetProject(static_cast<IDSMenuOverlay*>(nullptr)), nullptr);
}

TEST_F(Lookup, FindersAnswerOnlyForTheirKind)
{
    EXPECT_EQ(FindMenu(m_project, 1).p, static_cast<IDSMenu*>(m_menu));
    EXPECT_EQ(FindTitle(m_project, 2).p, static_cast<IDSTitle*>(m_title));
    EXPECT_EQ(FindMenuButton(m_project, 4).p, static_cast<IDSMenuButton*>(m_labelled));
    EXPECT_NE(FindMenuText(m_project, 5), nullptr);
    EXPECT_NE(FindMenuOverlay(m_project, 7), nullptr);
    EXPECT_EQ(FindMenuButton(m_project, 5), nullptr);
    EXPECT_EQ(FindTitle(m_project, 1), nullptr);
    EXPECT_EQ(FindMenu(m_project, 99), nullptr);
    EXPECT_EQ(FindMenu(nullptr, 1), nullptr);
}

} // namespace
