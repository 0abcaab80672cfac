#include "dsutils/DSTags.h"

#include "support/ProjectTest.h"

namespace {

// No object of a project has this ID: IDs are given from 1 upwards.
constexpr LONG kUnusedId = 9999;

class Lookup : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSTitle> m_title = Tagged(AddTitle(m_project), TitleType_User);
    CComPtr<IDSMenuButton> m_plain = Tagged(AddButton(m_menu), ButtonType_Command);
    CComPtr<IDSMenuButton> m_labelled = Tagged(AddButton(m_menu), ButtonType_Command);
    CComPtr<IDSMenuText> m_label = Tagged(AddText(m_labelled), TextType_Label);
    CComPtr<IDSMenuOverlay> m_overlay = Tagged(AddOverlay(m_menu), OverlayType_Generic);
};

TEST_F(Lookup, ObjectTypeSaysWhatAnIDStandsFor)
{
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_menu)), DVDObject_Menu);
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_title)), DVDObject_Title);
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_plain)), DVDObject_Button);
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_labelled)), DVDObject_TextButton);
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_label)), DVDObject_Text);
    EXPECT_EQ(GetDVDObjectType(m_project, IdOf(m_overlay)), DVDObject_Overlay);
    EXPECT_EQ(GetDVDObjectType(m_project, kUnusedId), DVDObject_None);
    EXPECT_EQ(GetDVDObjectType(m_menu, IdOf(m_menu)), DVDObject_None);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(Lookup, ProjectIsFoundFromEveryKindOfObject)
{
    EXPECT_EQ(GetProject(static_cast<IUnknown*>(m_plain)).p, m_project.p);
    EXPECT_EQ(GetProject(m_plain.p).p, m_project.p);
    EXPECT_EQ(GetProject(m_menu.p).p, m_project.p);
    EXPECT_EQ(GetProject(m_title.p).p, m_project.p);
    EXPECT_EQ(GetProject(static_cast<IUnknown*>(m_project)), nullptr);
    ASSERT_EQ(S_OK, CComQIPtr<IDSMenuElementList>(m_menu)->RemoveElement(IdOf(m_plain), nullptr));
    EXPECT_EQ(GetProject(m_plain.p), nullptr);
    EXPECT_EQ(GetProject(static_cast<IDSMenuOverlay*>(nullptr)), nullptr);
}

TEST_F(Lookup, FindersAnswerOnlyForTheirKind)
{
    EXPECT_EQ(FindMenu(m_project, IdOf(m_menu)).p, m_menu.p);
    EXPECT_EQ(FindTitle(m_project, IdOf(m_title)).p, m_title.p);
    EXPECT_EQ(FindMenuButton(m_project, IdOf(m_labelled)).p, m_labelled.p);
    EXPECT_EQ(FindMenuText(m_project, IdOf(m_label)).p, m_label.p);
    EXPECT_EQ(FindMenuOverlay(m_project, IdOf(m_overlay)).p, m_overlay.p);
    EXPECT_EQ(FindMenuButton(m_project, IdOf(m_label)), nullptr);
    EXPECT_EQ(FindTitle(m_project, IdOf(m_menu)), nullptr);
    EXPECT_EQ(FindMenu(m_project, kUnusedId), nullptr);
    EXPECT_EQ(FindMenu(nullptr, IdOf(m_menu)), nullptr);
}

} // namespace
