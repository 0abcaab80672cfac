#include "ThemeTest.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "support/ErrorStackText.h"

#include "platform/Config.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

std::wstring NameOfProject(IDSProjectData* project)
{
    CComBSTR name;
    EXPECT_EQ(S_OK, project->get_Name(&name));
    return name.Str();
}

std::wstring Setting(int key)
{
    return CDSConfig().GetString(key).Str();
}

void WriteText(const std::wstring& path, const char* text)
{
    std::ofstream(WideToUtf8(path)) << text;
}

class LoadDefault : public ThemeTest
{
protected:
    // Asks for the default theme of a project of that kind.
    HRESULT LoadFor(bool b4x3, IDSProjectData* current = nullptr)
    {
        m_theme.Release();
        return CMenuStyleUtil::LoadDefault(b4x3, &m_theme, m_path, current);
    }

    ::testing::AssertionResult IsFallback()
    {
        std::vector<CComPtr<IDSMenu>> menus = GetMenuList(m_theme, kAllTags);
        if (menus.size() == 1 && GetTag(menus.front()) == 12u)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << menus.size() << " menus";
    }

    CComPtr<IDSProjectData> m_theme;
    CComBSTR m_path = L"unchanged";
};

TEST_F(LoadDefault, SettingThatNamesALoadableThemeIsTaken)
{
    std::wstring folder = ThemeFolder(true);
    WriteTheme(folder, L"A.dmsd");
    std::wstring chosen = WriteTheme(folder, L"B.dmsd");
    ASSERT_EQ(S_OK, CDSConfig().SetString(DSConfig_DefaultTheme4x3, chosen.c_str()));
    ASSERT_EQ(S_OK, LoadFor(true));
    EXPECT_EQ(NameOfProject(m_theme), L"B.dmsd");
    EXPECT_EQ(m_path.Str(), chosen);
}

TEST_F(LoadDefault, DeletedSettingFileLeadsToTheFolderAndTheFirstThemeIsWrittenBack)
{
    std::wstring folder = ThemeFolder(true);
    std::wstring deleted = WriteTheme(folder, L"0_deleted.dmsd");
    std::filesystem::remove(std::filesystem::path(deleted));
    std::wstring first = WriteTheme(folder, L"Autumn.dmsd");
    WriteTheme(folder, L"Winter.dmsd");
    ASSERT_EQ(S_OK, CDSConfig().SetString(DSConfig_DefaultTheme4x3, deleted.c_str()));
    ASSERT_EQ(S_OK, LoadFor(true));
    EXPECT_EQ(NameOfProject(m_theme), L"Autumn.dmsd");
    EXPECT_EQ(m_path.Str(), first);
    EXPECT_EQ(Setting(DSConfig_DefaultTheme4x3), first);
    EXPECT_EQ(Setting(DSConfig_DefaultTheme16x9), L"");
}

TEST_F(LoadDefault, HDProjectWithoutHDThemesTakesTheFirstThemeAndStoresItAsTheHDDefault)
{
    std::wstring folder = ThemeFolder(false);
    std::wstring first = WriteTheme(folder, L"B.dmsd");
    WriteTheme(folder, L"C.dmsd");
    WriteTheme(ThemeFolder(true), L"A.dmsd");
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_BluRay));
    ASSERT_EQ(S_OK, LoadFor(false, m_project));
    EXPECT_EQ(NameOfProject(m_theme), L"B.dmsd");
    EXPECT_EQ(Setting(DSConfig_DefaultThemeHD), first);
    EXPECT_EQ(Setting(DSConfig_DefaultTheme16x9), L"");
}

TEST_F(LoadDefault, HDProjectPrefersHDThemesAndAStandardProjectTakesAnyTheme)
{
    std::wstring folder = ThemeFolder(false);
    WriteTheme(folder, L"A.dmsd");
    WriteTheme(folder, L"HD_Z.dmsd");
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_AVCHD));
    ASSERT_EQ(S_OK, LoadFor(false, m_project));
    EXPECT_EQ(NameOfProject(m_theme), L"HD_Z.dmsd");
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_DVD));
    ASSERT_EQ(S_OK, LoadFor(false, m_project));
    EXPECT_EQ(NameOfProject(m_theme), L"A.dmsd");
}

TEST_F(LoadDefault, HDThemesThatDoNotLoadGiveTheFallbackWithoutASecondSearch)
{
    std::wstring folder = ThemeFolder(false);
    WriteTheme(folder, L"A.dmsd");
    WriteText(folder + L"/HD_broken.dmsd", "<DSProject><Menus>");
    ASSERT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_BluRay));
    ASSERT_EQ(S_OK, LoadFor(false, m_project));
    EXPECT_TRUE(IsFallback());
    EXPECT_EQ(m_path.Str(), L"unchanged");
    EXPECT_EQ(Setting(DSConfig_DefaultThemeHD), L"");
}

TEST_F(LoadDefault, EmptyFolderGivesTheFallbackThemeWithItsBluePanel)
{
    ThemeFolder(true);
    ASSERT_EQ(S_OK, LoadFor(true));
    ASSERT_TRUE(IsFallback());
    EXPECT_EQ(m_path.Str(), L"unchanged");
    CComPtr<IDSMenu> menu = GetMenuList(m_theme, kAllTags).front();
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(menu, kAllTags);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(GetTag(buttons[0]), ULONG(ButtonType_Command));
    std::vector<CComPtr<IDSMenuElement>> children = GetElementList(buttons[0], kAllTags);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(GetTag(children[0]), ULONG(OverlayType_Thumbnail));
    float width = 0.0f;
    float height = 0.0f;
    ASSERT_EQ(S_OK, children[0]->GetSize(&width, &height));
    EXPECT_FLOAT_EQ(width, 0.4f);
    EXPECT_FLOAT_EQ(height, 0.4f);
    FloatRect area = {};
    ASSERT_EQ(S_OK, menu->get_LayoutRect(&area));
    EXPECT_FLOAT_EQ(area.left, -0.9f);
    EXPECT_FLOAT_EQ(area.top, 0.8f);
    EXPECT_FLOAT_EQ(area.right, 0.9f);
    EXPECT_FLOAT_EQ(area.bottom, -0.8f);
    ULONG layout = 0;
    ASSERT_EQ(S_OK, menu->get_ButtonLayout(&layout));
    EXPECT_EQ(layout, 0x01500C21u);
    EXPECT_EQ(std::filesystem::path(BackgroundOf(menu)).filename(),
              "Default_Background_0_0_255.DMSM");
}

TEST_F(LoadDefault, SecondFallbackReusesTheBluePanelFile)
{
    ThemeFolder(false);
    ASSERT_EQ(S_OK, LoadFor(false));
    std::filesystem::path panel(BackgroundOf(GetMenuList(m_theme, kAllTags).front()));
    // Marks the file so that a rewrite would show.
    auto marked = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(panel, marked);
    ASSERT_EQ(S_OK, LoadFor(false));
    ASSERT_TRUE(IsFallback());
    EXPECT_EQ(std::filesystem::last_write_time(panel), marked);
}

TEST_F(LoadDefault, HostileFilesInTheFolderArePassedOver)
{
    std::wstring folder = ThemeFolder(true);
    WriteText(folder + L"/a_garbage.dmsd", "\x01\x02 not a theme");
    std::filesystem::create_directories(std::filesystem::path(folder + L"/b_folder.dmsd"));
    ASSERT_EQ(0, mkfifo(WideToUtf8(folder + L"/c_pipe.dmsd").c_str(), 0600));
    std::filesystem::create_symlink("/dev/zero", std::filesystem::path(folder + L"/d_device.dmsd"));
    WriteText(folder + L"/e_empty.dmsd", "");
    ASSERT_EQ(S_OK, LoadFor(true));
    EXPECT_TRUE(IsFallback());
    std::wstring good = WriteTheme(folder, L"f_good.dmsd");
    ASSERT_EQ(S_OK, LoadFor(true));
    EXPECT_EQ(m_path.Str(), good);
}

class LoadTheme : public ThemeTest
{};

TEST_F(LoadTheme, TemplateAudioSwitchesToAnAc3FileBesideIt)
{
    CComPtr<IDSProjectData> theme = NewTheme(L"Audio");
    CComPtr<IDSMenu> wav = AddMainTemplate(theme);
    CComPtr<IDSMenu> upper = AddChapterTemplate(theme);
    CComPtr<IDSMenu> alone = AddChapterTemplate(theme);
    CComPtr<IDSMenu> plainMenu = Tagged(::AddMenu(theme), MenuType_Main);
    WriteText(m_scratch.File("music.wav"), "");
    WriteText(m_scratch.File("music.ac3"), "");
    WriteText(m_scratch.File("song.ac3"), "");
    WriteText(m_scratch.File("other.wav"), "");
    ASSERT_EQ(S_OK, wav->put_Audio(CComBSTR(m_scratch.File("music.wav"))));
    ASSERT_EQ(S_OK, upper->put_Audio(CComBSTR(m_scratch.File("song.AC3"))));
    ASSERT_EQ(S_OK, alone->put_Audio(CComBSTR(m_scratch.File("other.wav"))));
    ASSERT_EQ(S_OK, plainMenu->put_Audio(CComBSTR(m_scratch.File("music.wav"))));
    std::wstring path = SaveTheme(theme, m_scratch.File("audio.dmsd"));

    CComPtr<IDSProjectData> loaded;
    ASSERT_EQ(S_OK, CMenuStyleUtil::Load(path.c_str(), &loaded));
    std::vector<CComPtr<IDSMenu>> menus = GetMenuList(loaded, kAllTags);
    ASSERT_EQ(menus.size(), 4u);
    std::wstring audio[4];
    for (size_t i = 0; i < 4; ++i) {
        CComBSTR text;
        ASSERT_EQ(S_OK, menus[i]->get_Audio(&text));
        audio[i] = text.Str();
    }
    EXPECT_EQ(audio[0], m_scratch.File("music.ac3"));
    EXPECT_EQ(audio[1], m_scratch.File("song.ac3"));
    EXPECT_EQ(audio[2], m_scratch.File("other.wav"));
    // Only templates are upgraded.
    EXPECT_EQ(audio[3], m_scratch.File("music.wav"));
}

TEST_F(LoadTheme, MissingOrBrokenFilesLoadNothing)
{
    CComPtr<IDSProjectData> theme;
    EXPECT_EQ(E_POINTER, CMenuStyleUtil::Load(L"x.dmsd", nullptr));
    EXPECT_EQ(E_INVALIDARG, CMenuStyleUtil::Load(m_scratch.File("missing.dmsd").c_str(), &theme));
    EXPECT_TRUE(KVUGetErrorStack().empty());
    WriteText(m_scratch.File("broken.dmsd"), "<DSProject>");
    EXPECT_TRUE(FAILED(CMenuStyleUtil::Load(m_scratch.File("broken.dmsd").c_str(), &theme)));
    EXPECT_FALSE(theme);
    EXPECT_TRUE(StackHolds(L"spFileService->LoadProject(bstrThemeFile, spTheme)"));
}

TEST_F(LoadTheme, AGivenProjectIsLoadedInto)
{
    std::wstring path = WriteTheme(m_scratch.Path().wstring(), L"T.dmsd");
    CComPtr<IDSProjectData> theme = NewProject();
    IDSProjectData* given = theme;
    ASSERT_EQ(S_OK, CMenuStyleUtil::Load(path.c_str(), &given));
    EXPECT_EQ(given, theme.p);
    EXPECT_EQ(GetMenuList(theme, kAllTags).size(), 2u);
}

TEST_F(LoadTheme, AThemeThatLacksContentLoadsAndSaysWhat)
{
    CComPtr<IDSProjectData> theme = NewTheme(L"Lacking");
    CComPtr<IDSMenu> chapters = AddChapterTemplate(theme);
    ASSERT_EQ(S_OK, chapters->put_Background(CComBSTR(m_scratch.File("gone.png"))));
    std::wstring path = SaveTheme(theme, m_scratch.File("lacking.dmsd"));
    CComPtr<IDSProjectData> loaded;
    ASSERT_EQ(S_OK, CMenuStyleUtil::Load(path.c_str(), &loaded));
    EXPECT_TRUE(StackHolds(L"the theme has no main-menu template"));
    EXPECT_TRUE(StackHolds(L"gone.png"));

    CComPtr<IDSProjectData> buttonless = NewTheme(L"Buttonless");
    Tagged(::AddMenu(buttonless), MenuType_MainTemplate);
    EXPECT_EQ(E_VERIFYACTIVETHEMECONTENT_INCOMPLETE,
              CDSAppUtils::VerifyActiveThemeContent(buttonless));
    EXPECT_TRUE(StackHolds(L"has no command button"));

    CComPtr<IDSProjectData> complete = NewTheme(L"Complete");
    AddMainTemplate(complete);
    AddChapterTemplate(complete);
    EXPECT_EQ(S_OK, CDSAppUtils::VerifyActiveThemeContent(complete));
}

} // namespace
