#include "MenuProjectTest.h"

#include "dsutils/DSEncodeParams.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/NativePath.h"
#include "platform/PathService.h"

#include <filesystem>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

class RegenerateMenusTest : public MenuProjectTest
{
protected:
    // Five titles of 1, 2, 4, 7 and 13 chapters, with buttons on the root menu but no chapter
    // menus.
    void FiveTitles()
    {
        ChapterTitle("one.mp4", 4, {});
        ChapterTitle("two.mp4", 4, {2});
        ChapterTitle("four.mp4", 8, {2, 4, 6});
        ChapterTitle("seven.mp4", 8, {1, 2, 3, 4, 5, 6});
        ChapterTitle("thirteen.mp4", 14, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        for (const CComPtr<IDSTitle>& title : GetTitleList(m_project, kAllTags))
            ASSERT_EQ(S_OK, CDSAppUtils::AddButton(Root(), title, true, nullptr));
    }

    std::vector<std::wstring> TemplateNames()
    {
        std::vector<std::wstring> names;
        for (const CComPtr<IDSMenu>& menu : Menus(kTemplateTags))
            names.push_back(GetName(menu));
        return names;
    }

    static std::wstring GetName(IDSMenu* menu)
    {
        CComBSTR name;
        EXPECT_EQ(S_OK, menu->get_Name(&name));
        return name.Str();
    }

    void SetAspect(AspectRatio aspect)
    {
        CDSEncodeParams encoding(m_project);
        encoding.SetAspectRatio(aspect);
        ASSERT_EQ(S_OK, encoding.Write());
    }

    // The chapters the chain of a chapter menu plays, page by page, each page checked to lead
    // up to the page above and home to the root menu.
    std::vector<int> ChapterMenuChapters(IDSMenu* chapterMenu, IDSMenu* pageAbove)
    {
        std::vector<int> chapters;
        for (const CComPtr<IDSMenu>& page : DSMenuChainVec(chapterMenu)) {
            EXPECT_EQ(GetID(pageAbove), GetID(CDSMenuUtils::GetUpMenu(page)));
            EXPECT_EQ(GetID(Root()), GetID(CDSMenuUtils::GetHomeMenu(page)));
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
                int chapter = 0;
                CDSMenuUtils::GetLinkedTitle(button, &chapter, false);
                chapters.push_back(chapter);
            }
        }
        return chapters;
    }
};

TEST_F(RegenerateMenusTest, FiveTitlesGetButtonsInOrderAndChapterMenusOnEveryPage)
{
    MakeProject(1, AspectRatio_4x3);
    FiveTitles();
    std::vector<std::wstring> templates = TemplateNames();
    LONG oldRoot = GetID(Root());

    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true))
        << KVUGetErrorStackText();
    EXPECT_EQ(nullptr, FindMenu(m_project, ULONG(oldRoot)).p);
    EXPECT_EQ(templates, TemplateNames());
    ExpectEveryLinkSound();

    // The root chain shows the titles in project order, each page filled before the next.
    std::vector<std::wstring> shown;
    int capacity = CDSMenuUtils::LayoutGetBtnCount(Root());
    std::vector<std::vector<std::wstring>> pages = ChainTitles(Root());
    for (size_t k = 0; k < pages.size(); ++k) {
        if (k + 1 < pages.size()) {
            EXPECT_EQ(size_t(capacity), pages[k].size());
        }
        shown.insert(shown.end(), pages[k].begin(), pages[k].end());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"one", L"two", L"four", L"seven", L"thirteen"}), shown);

    // Every title of several chapters has a chapter menu that plays each chapter once, in
    // order, over as many pages as it needs; the title of one chapter is played straight.
    std::map<std::wstring, int> chapterCounts = {
        {L"one", 1}, {L"two", 2}, {L"four", 4}, {L"seven", 7}, {L"thirteen", 13}};
    size_t chapterPages = 0;
    for (const CComPtr<IDSMenu>& page : DSMenuChainVec(Root())) {
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
            std::wstring name = NameOfTitle(button);
            IDSMenu* chapterMenu = CDSMenuUtils::GetLinkedMenu(button);
            if (chapterCounts[name] == 1) {
                EXPECT_EQ(nullptr, chapterMenu);
                continue;
            }
            ASSERT_NE(nullptr, chapterMenu) << name;
            std::vector<int> expected(size_t(chapterCounts[name]));
            for (size_t c = 0; c < expected.size(); ++c)
                expected[c] = int(c) + 1;
            EXPECT_EQ(expected, ChapterMenuChapters(chapterMenu, page)) << name;
            chapterPages += DSMenuChainVec(chapterMenu).size();
            if (name == L"thirteen") {
                EXPECT_GT(DSMenuChainVec(chapterMenu).size(), 1u);
            }
        }
    }
    EXPECT_EQ(chapterPages, Menus(MenuType_Chapter).size());
}

TEST_F(RegenerateMenusTest, RegeneratingAgainGivesTheSameMenusAndKeepsNothingOld)
{
    MakeProject(1, AspectRatio_4x3);
    FiveTitles();
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true));
    LONG menus = 0;
    LONG titles = TitleCount(m_project);
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menus));
    std::vector<std::vector<std::wstring>> pages = ChainTitles(Root());

    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true));
    LONG menusAgain = 0;
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menusAgain));
    EXPECT_EQ(menus, menusAgain);
    EXPECT_EQ(titles, TitleCount(m_project));
    EXPECT_EQ(pages, ChainTitles(Root()));
    ExpectEveryLinkSound();
}

TEST_F(RegenerateMenusTest, TheKeptMenuStaysTheRootAndCommandsFindTheNewMenus)
{
    MakeProject(1, AspectRatio_4x3);
    FiveTitles();
    CComPtr<IDSMenu> root = Root();
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true));
    CComPtr<IDSMenu> firstRoot = Root();
    // The disc starts at the root menu, and a title ends there.
    CCommandList start(m_project.p);
    start[0] = DiscCommandParams{DiscCommand_JumpMenu, GetID(firstRoot), 0, nullptr};
    ASSERT_EQ(S_OK, start.Commit());
    CComPtr<IDSTitle> last = GetTitleList(m_project, kAllTags).back();
    CCommandList end(last.p);
    end[0] = DiscCommandParams{DiscCommand_JumpMenu, GetID(firstRoot), 0, nullptr};
    ASSERT_EQ(S_OK, end.Commit());

    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, true));
    EXPECT_EQ(nullptr, FindMenu(m_project, ULONG(GetID(firstRoot))).p);
    EXPECT_EQ(LONG(GetID(Root())), LONG(CCommandList(m_project.p)[0].param1));
    EXPECT_EQ(LONG(GetID(Root())), LONG(CCommandList(last.p)[0].param1));
    EXPECT_TRUE(Menus(MenuType_Chapter).empty());

    CComPtr<IDSMenu> kept = Root();
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, kept, true, true));
    EXPECT_EQ(GetID(kept), GetID(Root()));
    EXPECT_EQ(5u,
              GetButtonList(kept, ButtonType_Command).size() +
                  (DSMenuChainVec(kept).size() > 1
                       ? GetButtonList(CDSMenuUtils::GetNextMenu(kept), ButtonType_Command).size()
                       : 0));
    ExpectEveryLinkSound();

    // A chapter menu cannot be kept.
    LONG menus = 0;
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menus));
    EXPECT_EQ(E_INVALIDARG,
              CDSAppUtils::RegenerateMenus(m_project, Menus(MenuType_Chapter)[0], true, true));
    LONG menusAfter = 0;
    ASSERT_EQ(S_OK, m_project->get_MenuCount(&menusAfter));
    EXPECT_EQ(menus, menusAfter);
    EXPECT_EQ(E_POINTER, CDSAppUtils::RegenerateMenus(nullptr, nullptr, true, true));
}

// A content folder of the test's own: the 4:3 theme Aurora, and a 16:9 theme of the same name
// (the shipped Fern under that name), besides the shipped 16:9 themes Cobalt and Fern.
class RegenerateThemeTest : public RegenerateMenusTest
{
protected:
    void SetUp() override
    {
        fs::path shipped = NativePath(ResolveContentPath(L"%CONTENT%"));
        m_content = m_folder.Path() / "content";
        fs::create_directories(m_content / "DVD/4x3/Themes");
        fs::create_directories(m_content / "DVD/16x9/Themes");
        for (const char* part : {"Aurora", "Aurora.dmsd"})
            fs::copy(shipped / "DVD/4x3/Themes" / part, m_content / "DVD/4x3/Themes" / part,
                     fs::copy_options::recursive);
        for (const char* part : {"Fern", "Fern.dmsd", "Cobalt", "Cobalt.dmsd"})
            fs::copy(shipped / "DVD/16x9/Themes" / part, m_content / "DVD/16x9/Themes" / part,
                     fs::copy_options::recursive);
        fs::copy(shipped / "DVD/Mandatory", m_content / "DVD/Mandatory",
                 fs::copy_options::recursive);
        m_env = std::make_unique<ScopedEnvironment>("REELMARK_CONTENT", m_content.c_str());
        MakeProject(1, AspectRatio_4x3);
        ChapterTitle("one.mp4", 4, {2});
    }

    void ShipFernAsAurora()
    {
        fs::copy(m_content / "DVD/16x9/Themes/Fern.dmsd",
                 m_content / "DVD/16x9/Themes/Aurora.dmsd");
    }

    std::wstring MainTemplateName()
    {
        return GetName(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_MainTemplate));
    }

    fs::path m_content;
    std::unique_ptr<ScopedEnvironment> m_env;
};

TEST_F(RegenerateThemeTest, TheProjectsThemeFollowsTheAspectRatio)
{
    std::wstring aurora = MainTemplateName();
    ShipFernAsAurora();
    SetAspect(AspectRatio_16x9);
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, true))
        << KVUGetErrorStackText();
    std::wstring fern = MainTemplateName();
    EXPECT_NE(aurora, fern);
    EXPECT_NE(std::wstring::npos, fern.find(L"Fern")) << fern;

    // Back to 4:3: the project's theme is the 4:3 Aurora again.
    SetAspect(AspectRatio_4x3);
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, true));
    EXPECT_EQ(aurora, MainTemplateName());
    ExpectEveryLinkSound();
}

TEST_F(RegenerateThemeTest, WithoutTheProjectsThemeTheDefaultThemeServes)
{
    SetAspect(AspectRatio_16x9);
    // No 16:9 Aurora: the first 16:9 theme by name, Cobalt, is the default.
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, true))
        << KVUGetErrorStackText();
    EXPECT_NE(std::wstring::npos, MainTemplateName().find(L"Cobalt")) << MainTemplateName();
    // Asked for the default theme, the default theme serves even when the project's exists.
    ShipFernAsAurora();
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, false, false));
    EXPECT_NE(std::wstring::npos, MainTemplateName().find(L"Cobalt")) << MainTemplateName();
    EXPECT_EQ(1u, GetButtonList(Root(), ButtonType_Command).size());
}

TEST_F(RegenerateMenusTest, MotionAndStillMenus)
{
    MakeProject(1, AspectRatio_4x3);
    FiveTitles();
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, nullptr, true, true));
    ASSERT_EQ(S_OK, CDSAppUtils::MakeAllMotion(m_project, false));
    for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main | MenuType_Chapter))
        EXPECT_TRUE(GetFlag(menu) & MenuFlag_Still);
    ASSERT_EQ(S_OK, CDSAppUtils::MakeAllMotion(m_project, true));
    for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main | MenuType_Chapter))
        EXPECT_FALSE(GetFlag(menu) & MenuFlag_Still);
    for (const CComPtr<IDSMenu>& menu : Menus(kTemplateTags | MenuType_Transition))
        EXPECT_FALSE(GetFlag(menu) & MenuFlag_Still);
    EXPECT_EQ(E_POINTER, CDSAppUtils::MakeAllMotion(nullptr, true));
}

} // namespace
