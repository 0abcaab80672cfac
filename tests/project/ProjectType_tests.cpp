#include "MenuProjectTest.h"

#include "dsutils/DSEncodeParams.h"

namespace {

class ProjectTypeTest : public MenuProjectTest
{
protected:
    // A project of the format and aspect ratio with three titles with buttons, the first with
    // a chapter menu, and a transition on every title button.
    void Build(LONG format, AspectRatio aspect, bool fitToDisc = true)
    {
        ASSERT_EQ(S_OK, CDSAppUtils::NewProject(m_project, format, aspect, fitToDisc, false, 0));
        ChapterTitle("one.mp4", 6, {2, 4});
        ChapterTitle("two.mp4", 3, {});
        ChapterTitle("three.mp4", 3, {});
        ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true))
            << KVUGetErrorStackText();
        std::wstring clip = LongClip("transition.mp4", 2);
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(Root(), ButtonType_Command)) {
            CCommandList commands(button.p);
            ASSERT_EQ(S_OK, commands.SetTransitionClip(CComBSTR(clip)));
            ASSERT_EQ(S_OK, commands.Commit());
        }
    }

    int TransitionCount()
    {
        int count = 0;
        for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main)) {
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, ButtonType_Command))
                count += CCommandList(button.p).FindTransition() >= 0 ? 1 : 0;
        }
        return count;
    }

    template <class T> T Property(HRESULT (IDSProjectData::*get)(T*))
    {
        T value{};
        EXPECT_EQ(S_OK, (m_project->*get)(&value));
        return value;
    }

    AspectRatio Aspect() { return CDSEncodeParams(m_project).GetAspectRatio(); }

    std::vector<LONG> MenuIds()
    {
        std::vector<LONG> ids;
        for (const CComPtr<IDSMenu>& menu : Menus(kAllTags))
            ids.push_back(GetID(menu));
        return ids;
    }

    // Every title plays from a button of the root chain, itself or through its chapter menu.
    void ExpectEveryTitleOnTheMenus()
    {
        std::vector<std::wstring> shown;
        for (const std::vector<std::wstring>& page : ChainTitles(Root()))
            shown.insert(shown.end(), page.begin(), page.end());
        EXPECT_EQ((std::vector<std::wstring>{L"one", L"two", L"three"}), shown);
    }

    bool EveryTitleEndsWithoutMenus()
    {
        for (const CComPtr<IDSTitle>& title : GetTitleList(m_project, kAllTags)) {
            CCommandList commands(title.p);
            if (commands.size() == 0 || commands[0].command != DiscCommand_MenulessTitleEnd)
                return false;
        }
        return true;
    }

    bool NoTitleEndsWithoutMenus()
    {
        for (const CComPtr<IDSTitle>& title : GetTitleList(m_project, kAllTags)) {
            if (CCommandList(title.p).FindNonTransition() >= 0 &&
                CCommandList(title.p)[0].command == DiscCommand_MenulessTitleEnd)
                return false;
        }
        return true;
    }
};

TEST_F(ProjectTypeTest, TheSameFormatChangesNothing)
{
    Build(1, AspectRatio_4x3, false);
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_DVD, false));
    EXPECT_EQ(VARIANT_FALSE, Property(&IDSProjectData::get_FitToDisc));
    EXPECT_EQ(AspectRatio_4x3, Aspect());
    EXPECT_EQ(menus, MenuIds());
    EXPECT_EQ(3, TransitionCount());
}

TEST_F(ProjectTypeTest, FromDVDToBluRayMenusAreRebuiltOnlyWhenTheAspectChanged)
{
    Build(1, AspectRatio_4x3, false);
    LONG oldRoot = GetID(Root());
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_BluRay, true))
        << KVUGetErrorStackText();
    EXPECT_EQ(DiscFormat_BluRay, Property(&IDSProjectData::get_DiscFormat));
    EXPECT_EQ(SZ_BD25, Property(&IDSProjectData::get_DiscSize));
    EXPECT_EQ(VARIANT_TRUE, Property(&IDSProjectData::get_FitToDisc));
    EXPECT_EQ(AspectRatio_16x9, Aspect());
    EXPECT_EQ(DiscFormat_BluRay, CDSEncodeParams(m_project).GetFormat());
    EXPECT_EQ(nullptr, FindMenu(m_project, ULONG(oldRoot)).p);
    EXPECT_EQ(0, TransitionCount());
    EXPECT_TRUE(Menus(MenuType_Transition).empty());
    EXPECT_FALSE(Menus(MenuType_Chapter).empty());
    ExpectEveryTitleOnTheMenus();
    ExpectEveryLinkSound();

    // A 16:9 DVD keeps its menus, but not its transitions.
    Build(1, AspectRatio_16x9);
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(3, TransitionCount());
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_BluRay, true));
    EXPECT_EQ(0, TransitionCount());
    std::vector<LONG> kept = MenuIds();
    EXPECT_EQ(menus, kept);
    ExpectEveryLinkSound();
}

TEST_F(ProjectTypeTest, FromBluRayToDVDTwoTheWideMenusAndTransitionsStay)
{
    Build(7, AspectRatio_16x9);
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_DVD2, false))
        << KVUGetErrorStackText();
    EXPECT_EQ(DiscFormat_DVD2, Property(&IDSProjectData::get_DiscFormat));
    EXPECT_EQ(AspectRatio_16x9, Aspect());
    EXPECT_EQ(menus, MenuIds());
    EXPECT_EQ(3, TransitionCount());
}

TEST_F(ProjectTypeTest, OtherFormatsAreRefusedAndAVCHDHasNoIntro)
{
    Build(1, AspectRatio_4x3);
    EXPECT_EQ(E_FAIL, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_VCD, false));
    EXPECT_TRUE(StackHolds(L"Project Type is invalid"));
    EXPECT_EQ(DiscFormat_DVD, Property(&IDSProjectData::get_DiscFormat));

    CComPtr<IDSTitle> intro = Tagged(AddTitle(m_project), TitleType_FirstPlay);
    CCommandList start(m_project.p);
    start[0] = DiscCommandParams{DiscCommand_PlayTitle, GetID(intro), 0, nullptr};
    ASSERT_EQ(S_OK, start.Commit());
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeProjectType(m_project, DiscFormat_AVCHD, false))
        << KVUGetErrorStackText();
    EXPECT_EQ(nullptr, CDSMenuUtils::GetFirstPlayTitle(m_project));
    EXPECT_EQ(3, TitleCount(m_project));
    ExpectEveryLinkSound();
    EXPECT_EQ(E_POINTER, CDSAppUtils::ChangeProjectType(nullptr, DiscFormat_DVD, false));
}

TEST_F(ProjectTypeTest, ConvertingToMenulessLeavesNoMenusAndTitlesThatPlayOn)
{
    Build(1, AspectRatio_4x3);
    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_DVD,
                                                    CDSAppUtils::ConvertProject_Menuless))
        << KVUGetErrorStackText();
    EXPECT_TRUE(IsMenuless(m_project));
    EXPECT_TRUE(Menus(MenuType_Main | MenuType_Chapter | MenuType_Transition).empty());
    EXPECT_FALSE(Menus(MenuType_MainTemplate).empty());
    EXPECT_TRUE(EveryTitleEndsWithoutMenus());
    EXPECT_EQ(3, TitleCount(m_project));
    ExpectEveryLinkSound();

    // Asked again, nothing is to do.
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_DVD,
                                                    CDSAppUtils::ConvertProject_Menuless));
    EXPECT_EQ(menus, MenuIds());
}

TEST_F(ProjectTypeTest, ConvertingToMenusRebuildsThemForEveryTitle)
{
    Build(2, AspectRatio_4x3);
    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_DVD2,
                                                    CDSAppUtils::ConvertProject_Menuless));
    ASSERT_TRUE(IsMenuless(m_project));

    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_BluRay, 0))
        << KVUGetErrorStackText();
    EXPECT_EQ(DiscFormat_BluRay, Property(&IDSProjectData::get_DiscFormat));
    EXPECT_FALSE(IsMenuless(m_project));
    ExpectEveryTitleOnTheMenus();
    EXPECT_TRUE(NoTitleEndsWithoutMenus());
    ExpectEveryLinkSound();
}

TEST_F(ProjectTypeTest, ConvertingMenusToDVDTwoOrAVideoCDDropsTheChapterMenus)
{
    Build(1, AspectRatio_4x3);
    ASSERT_FALSE(Menus(MenuType_Chapter).empty());
    LONG root = GetID(Root());
    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_DVD2, 0))
        << KVUGetErrorStackText();
    EXPECT_TRUE(Menus(MenuType_Chapter).empty());
    EXPECT_EQ(root, GetID(Root()));
    ExpectEveryTitleOnTheMenus();
    ExpectEveryLinkSound();

    ASSERT_EQ(S_OK, CDSAppUtils::ConvertProjectType(m_project, DiscFormat_VCD, 0))
        << KVUGetErrorStackText();
    EXPECT_EQ(DiscFormat_VCD, Property(&IDSProjectData::get_DiscFormat));
    for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main))
        EXPECT_TRUE(GetFlag(menu) & MenuFlag_Still);
    ExpectEveryLinkSound();
    EXPECT_EQ(E_FAIL, CDSAppUtils::ConvertProjectType(m_project, DiscFormat(12), 0));
}

} // namespace
