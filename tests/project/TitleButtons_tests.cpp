#include "MenuProjectTest.h"

#include "dsutils/DSTags.h"

#include "platform/Config.h"

namespace {

class TitleButtonsTest : public MenuProjectTest
{
protected:
    void SetUp() override { MakeProject(1, AspectRatio_4x3); }

    CComPtr<IDSTitle> ClipTitle(const char* name)
    {
        CComPtr<IDSTitle> title;
        EXPECT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, CComBSTR(Clip(name)), &title));
        return title;
    }

    HRESULT AddWithButton(const char* name, IDSMenuButton** button = nullptr)
    {
        return CDSAppUtils::AddTitleWithButton(m_project, CComBSTR(Clip(name)), button, nullptr);
    }

    size_t ButtonCount(IDSMenu* menu) { return GetButtonList(menu, kAllTags).size(); }

    static void LimitButtons(LONG limit)
    {
        ASSERT_EQ(S_OK, CDSConfig().SetCapability(DSConfig_MaxButtonsPerMenu, 0, limit));
    }
};

TEST_F(TitleButtonsTest, AButtonPlaysItsTitleShowsItsNameAndItsPicture)
{
    CComPtr<IDSTitle> title = ClipTitle("harbour.mp4");
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSAppUtils::AddButton(Root(), title, true, &button)) << KVUGetErrorStackText();
    EXPECT_EQ(ButtonType_Command, GetTag(button) & ButtonType_Command);
    int chapter = -1;
    EXPECT_EQ(IdOf(title), GetID(CDSMenuUtils::GetLinkedTitle(button, &chapter, true)));
    EXPECT_EQ(L"harbour", std::wstring(GetDisplayName(button, nullptr).Str()));
    CComPtr<IDSMenuOverlay> thumbnail = GetOverlayList(button, OverlayType_Thumbnail).front();
    LONG sourceType = 0;
    LONG sourceId = 0;
    ASSERT_EQ(S_OK, thumbnail->GetSourceType(&sourceType, &sourceId));
    EXPECT_EQ(LONG(OverlaySource_ButtonLink), sourceType);
    CComBSTR source;
    ASSERT_EQ(S_OK, thumbnail->get_Source(&source));
    EXPECT_FALSE(source.IsEmpty());

    // A button may lead to a menu too: it is labelled with the menu's name.
    CComPtr<IDSMenu> other;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(m_project, MenuType_Main, &other));
    CComPtr<IDSMenuButton> toMenu;
    ASSERT_EQ(S_OK, CDSAppUtils::AddButton(Root(), other, false, &toMenu));
    EXPECT_EQ(GetID(other), GetID(CDSMenuUtils::GetLinkedMenu(toMenu)));
    EXPECT_EQ(std::wstring(GetDisplayName(other, nullptr).Str()),
              std::wstring(GetDisplayName(toMenu, nullptr).Str()));
}

TEST_F(TitleButtonsTest, ARefusedButtonLeavesTheMenuAsItWas)
{
    CComPtr<IDSTitle> title = ClipTitle("harbour.mp4");
    size_t before = ButtonCount(Root());
    CComPtr<IDSMenuButton> button;

    LimitButtons(LONG(before));
    EXPECT_EQ(E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED,
              CDSAppUtils::AddButton(Root(), title, true, &button));
    EXPECT_TRUE(StackHolds(L"validator.CheckMaxButtonsPerMenu(pMenu)"));
    LimitButtons(36);

    CComPtr<IDSProjectData> stranger = NewProject();
    CComPtr<IDSTitle> foreign = AddTitle(stranger);
    EXPECT_EQ(E_INVALIDARG, CDSAppUtils::AddButton(Root(), foreign, true, &button));
    EXPECT_TRUE(StackHolds(L"not in the project of its menu"));
    CComPtr<IDSMenuButton> notATarget = AddButton(Root());
    before = ButtonCount(Root());
    EXPECT_EQ(E_INVALIDARG, CDSAppUtils::AddButton(Root(), notATarget, true, &button));
    EXPECT_EQ(nullptr, button.p);
    EXPECT_EQ(before, ButtonCount(Root()));
    EXPECT_EQ(E_POINTER, CDSAppUtils::AddButton(nullptr, title, true, &button));
    EXPECT_EQ(E_POINTER, CDSAppUtils::AddButton(Root(), nullptr, true, &button));
}

TEST_F(TitleButtonsTest, TitlesFillTheRootMenuAndThenANewPage)
{
    int capacity = CDSMenuUtils::LayoutGetBtnCount(Root());
    ASSERT_GT(capacity, 0);
    std::vector<std::wstring> names;
    for (int k = 0; k <= capacity; ++k) {
        std::string name = "clip" + std::to_string(k);
        names.push_back(std::wstring(name.begin(), name.end()));
        CComPtr<IDSMenuButton> button;
        ASSERT_EQ(S_OK, AddWithButton((name + ".mp4").c_str(), &button.p))
            << KVUGetErrorStackText();
        ASSERT_NE(nullptr, button.p);
        ASSERT_EQ(k + 1, TitleCount(m_project));
        ASSERT_EQ(k < capacity ? 1 : 2, DSMenuChainVec(Root()).size()) << k;
    }
    std::vector<std::vector<std::wstring>> pages = ChainTitles(Root());
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ(std::vector<std::wstring>(names.begin(), names.end() - 1), pages[0]);
    EXPECT_EQ(std::vector<std::wstring>{names.back()}, pages[1]);
    ExpectEveryLinkSound();
}

TEST_F(TitleButtonsTest, ATitleWhoseButtonIsRefusedIsTakenOutAgain)
{
    ASSERT_EQ(S_OK, AddWithButton("first.mp4"));
    LimitButtons(LONG(ButtonCount(Root())));
    LONG menus = 0;
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menus));
    EXPECT_EQ(E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED, AddWithButton("second.mp4"));
    EXPECT_EQ(1, TitleCount(m_project));
    LONG menusAfter = 0;
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menusAfter));
    EXPECT_EQ(menus, menusAfter);
    EXPECT_TRUE(StackHolds(L"AddButton(spMenu, spTitle, true, ppButton)"));

    // A file that cannot be read adds nothing.
    LimitButtons(36);
    CComPtr<IDSMenuButton> button;
    std::wstring missing = m_folder.File("missing.mp4");
    EXPECT_TRUE(
        FAILED(CDSAppUtils::AddTitleWithButton(m_project, CComBSTR(missing), &button, nullptr)));
    EXPECT_EQ(nullptr, button.p);
    EXPECT_EQ(1, TitleCount(m_project));
    EXPECT_EQ(1u, GetButtonList(Root(), ButtonType_Command).size());
}

TEST_F(TitleButtonsTest, AMenulessProjectGetsTheTitleWithoutAButton)
{
    ASSERT_EQ(S_OK, CDSAppUtils::NewProject(m_project, 1, AspectRatio_4x3, true, true, 0));
    CComPtr<IDSMenuButton> button;
    CComPtr<IDSTitle> title;
    EXPECT_EQ(S_FALSE,
              CDSAppUtils::AddTitleWithButton(m_project, CComBSTR(Clip("a.mp4")), &button, &title));
    EXPECT_EQ(nullptr, button.p);
    ASSERT_NE(nullptr, title.p);
    EXPECT_TRUE(IsMenuless(m_project));
}

TEST_F(TitleButtonsTest, SeveralTitlesGoOnInOrderAndABadFileIsReported)
{
    std::wstring bad = m_folder.File("broken.mp4");
    {
        FILE* file = fopen(std::string(bad.begin(), bad.end()).c_str(), "w");
        ASSERT_NE(nullptr, file);
        fputs("not a video", file);
        fclose(file);
    }
    CComVariant files = Names({Clip("one.mp4"), bad, Clip("three.mp4")});
    LONG added = -1;
    EXPECT_EQ(E_ADDTITLESWITHBUTTON_FAILED,
              CDSAppUtils::AddTitlesWithButton(m_project, files, false, &added));
    EXPECT_EQ(2, added);
    EXPECT_TRUE(StackHolds(L"broken.mp4 could not be added"));
    EXPECT_EQ(2, TitleCount(m_project));
    std::vector<std::vector<std::wstring>> pages = ChainTitles(Root());
    EXPECT_EQ((std::vector<std::vector<std::wstring>>{{L"one", L"three"}}), pages);

    // The title limit ends a run; what was added before stays.
    ASSERT_EQ(S_OK, CDSConfig().SetCapability(DSConfig_MaxTitlesPerProject, 0, 3));
    files = Names({Clip("four.mp4"), Clip("five.mp4")});
    EXPECT_EQ(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED,
              CDSAppUtils::AddTitlesWithButton(Root(), files, false, &added));
    EXPECT_EQ(1, added);
    EXPECT_EQ(3, TitleCount(m_project));
    EXPECT_EQ(E_INVALIDARG, CDSAppUtils::AddTitlesWithButton(m_project, CComVariant(), false));
    ExpectEveryLinkSound();
}

TEST_F(TitleButtonsTest, TitlesWithChaptersGetChapterMenusBehindTheirButtons)
{
    CComPtr<IDSProjectData> scratch = NewProject();
    std::wstring production = ProductionFile("chapters.dmsm", LongClip("long.mp4", 12), 4.0 / 3);
    // The production file keeps chapters at 4 and 8 seconds.
    {
        CComPtr<IDSTitle> title;
        ASSERT_EQ(S_OK, CDSAppUtils::AddTitle(scratch, CComBSTR(production), &title));
        CDSChapterList chapters(StoryboardOf(title).p);
        ASSERT_EQ(S_OK, chapters.InsertChapter(4.0, nullptr));
        ASSERT_EQ(S_OK, chapters.InsertChapter(8.0, nullptr));
        ASSERT_EQ(S_OK, StoryboardOf(title)->SaveAsProduction(CComBSTR(production)));
    }
    CComVariant files = Names({production, Clip("short.mp4")});
    ASSERT_EQ(S_OK, CDSAppUtils::AddTitlesWithButton(m_project, files, true))
        << KVUGetErrorStackText();
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(Root(), ButtonType_Command);
    ASSERT_EQ(2u, buttons.size());
    IDSMenu* chapterMenu = CDSMenuUtils::GetLinkedMenu(buttons[0]);
    ASSERT_NE(nullptr, chapterMenu);
    EXPECT_TRUE(GetTag(chapterMenu) & MenuType_Chapter);
    EXPECT_EQ(3u, GetButtonList(chapterMenu, ButtonType_Command).size());
    // A title of one chapter is played straight from its button.
    EXPECT_EQ(nullptr, CDSMenuUtils::GetLinkedMenu(buttons[1]));
    EXPECT_EQ(L"short", NameOfTitle(buttons[1]));
    ExpectEveryLinkSound();
}

} // namespace
