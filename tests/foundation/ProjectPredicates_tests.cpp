#include "dsutils/DSTags.h"

#include "support/ProjectTest.h"

#include "ProjectData.h"

namespace {

// A real project whose settings cannot be read. The object model always answers these reads,
// so the safe answers the predicates give for an unreadable project can only be seen by
// making the reads fail.
class UnreadableProject : public objectmodel::CProjectData
{
public:
    static CComPtr<IDSProjectData> Make()
    {
        CComPtr<IDSProjectData> project;
        project.Attach(new UnreadableProject);
        return project;
    }

    HRESULT get_TVStandard(TVStandard*) override { return E_FAIL; }
    HRESULT get_DiscFormat(DiscFormat*) override { return E_FAIL; }
    HRESULT get_MenuCount(LONG*) override { return E_FAIL; }
    HRESULT get_AspectRatio(AspectRatio*) override { return E_FAIL; }

protected:
    ~UnreadableProject() override = default;
};

void SetAspectRatio(IUnknown* object, AspectRatio aspect)
{
    ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(object)->put_AspectRatio(aspect));
}

class Predicates : public ProjectTest
{
protected:
    // A menu that was in the project and left it.
    CComPtr<IDSMenu> Stranger()
    {
        CComPtr<IDSMenu> menu = AddMenu(m_project);
        EXPECT_EQ(S_OK, m_project->RemoveMenu(IdOf(menu), nullptr));
        return menu;
    }

    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> m_button = AddButton(m_menu);
    CComPtr<IDSProjectData> m_unreadable = UnreadableProject::Make();
};

TEST_F(Predicates, NTSCUnlessTheProjectSaysPAL)
{
    EXPECT_TRUE(IsNTSC(m_button));
    ASSERT_EQ(S_OK, m_project->put_TVStandard(TVStandard_PAL));
    EXPECT_FALSE(IsNTSC(m_button));
    EXPECT_FALSE(IsNTSC(m_project));
    ASSERT_EQ(S_OK, m_unreadable->put_TVStandard(TVStandard_PAL));
    EXPECT_TRUE(IsNTSC(AddMenu(m_unreadable)));
    EXPECT_TRUE(IsNTSC(Stranger()));
    EXPECT_TRUE(IsNTSC(nullptr));
}

TEST_F(Predicates, AspectRatioOfEncodingParametersAndOfMenusThroughTheirProject)
{
    CComPtr<IDSTitle> title = Tagged(AddTitle(m_project), TitleType_User);
    SetAspectRatio(title, AspectRatio_16x9);
    EXPECT_TRUE(IsAspectRatio16x9(title));
    EXPECT_FALSE(IsAspectRatio16x9(m_button));
    SetAspectRatio(m_project, AspectRatio_16x9);
    EXPECT_TRUE(IsAspectRatio16x9(m_menu));
    EXPECT_TRUE(IsAspectRatio16x9(m_button));
    EXPECT_FALSE(IsAspectRatio4x3(m_button));
}

TEST_F(Predicates, WithoutEncodingParametersTheAnswerIs4x3)
{
    SetAspectRatio(m_unreadable, AspectRatio_16x9);
    EXPECT_TRUE(IsAspectRatio4x3(m_unreadable));
    EXPECT_TRUE(IsAspectRatio4x3(AddMenu(m_unreadable)));
    SetAspectRatio(m_project, AspectRatio_16x9);
    EXPECT_TRUE(IsAspectRatio4x3(Stranger()));
    EXPECT_TRUE(IsAspectRatio4x3(nullptr));
}

TEST_F(Predicates, DiscFormatFamilies)
{
    DiscFormat format = DiscFormat_None;
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_DVD4));
    EXPECT_TRUE(IsDVDProject(m_project, &format));
    EXPECT_EQ(format, DiscFormat_DVD4);
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_SVCD));
    EXPECT_FALSE(IsDVDProject(m_project, &format));
    EXPECT_EQ(format, DiscFormat_SVCD);
    EXPECT_FALSE(IsHDProject(m_project));
    for (DiscFormat hd : {DiscFormat_BluRay, DiscFormat_HDDVD2, DiscFormat_AVCHD}) {
        ASSERT_EQ(S_OK, m_project->put_DiscFormat(hd));
        EXPECT_TRUE(IsHDProject(m_project)) << hd;
        EXPECT_FALSE(IsDVDProject(m_project));
    }
    EXPECT_FALSE(IsHDProject(nullptr));
}

TEST_F(Predicates, FormatThatCannotBeReadIsNeitherFamily)
{
    ASSERT_EQ(S_OK, m_unreadable->put_DiscFormat(DiscFormat_DVD));
    DiscFormat format = DiscFormat_AVCHD;
    EXPECT_FALSE(IsDVDProject(m_unreadable, &format));
    EXPECT_EQ(format, DiscFormat_AVCHD);
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_DVD));
    EXPECT_FALSE(IsDVDProject(m_menu, &format));
    ASSERT_EQ(S_OK, m_unreadable->put_DiscFormat(DiscFormat_BluRay));
    EXPECT_FALSE(IsHDProject(m_unreadable));
}

TEST_F(Predicates, MenulessWhenNoMainOrChapterMenuRemains)
{
    EXPECT_FALSE(IsMenuless(m_project));
    ASSERT_EQ(S_OK, m_menu->put_Tag(MenuType_Transition));
    Tagged(AddMenu(m_project), MenuType_MainTemplate);
    EXPECT_TRUE(IsMenuless(m_project));
    Tagged(AddMenu(m_project), MenuType_Chapter);
    EXPECT_FALSE(IsMenuless(m_project));
    EXPECT_FALSE(IsMenuless(nullptr));
    EXPECT_FALSE(IsMenuless(m_unreadable));
}

} // namespace
