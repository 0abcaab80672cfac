// theme on a real project: a 4:3 DVD made with the shipped theme Aurora, its menus and their
// buttons, given the look of Ember.
#include "DiscProject.h"
#include "ReelmarkTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"
#include "model/KVEProductionData.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "support/FrameGrab.h"

#include <filesystem>
#include <set>

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;
constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

CComPtr<IDSProjectData> LoadTheme(const wchar_t* file)
{
    CComPtr<IDSProjectData> theme;
    EXPECT_EQ(S_OK, CMenuStyleUtil::Load(file, &theme));
    return theme;
}

std::wstring BackgroundOf(IDSMenu* menu)
{
    CComBSTR background;
    EXPECT_EQ(S_OK, menu->get_Background(&background));
    return background.Str();
}

std::vector<std::wstring> BackgroundsOf(const std::vector<CComPtr<IDSMenu>>& menus)
{
    std::vector<std::wstring> backgrounds;
    for (const CComPtr<IDSMenu>& menu : menus)
        backgrounds.push_back(BackgroundOf(menu));
    return backgrounds;
}

BgraImage Render(IDSMenu* menu)
{
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_OK, menu->GetProduction(&production));
    BgraImage frame;
    EXPECT_EQ(S_OK, ExtractFrame(CComQIPtr<IKVEProductionData>(production), 1.0, kFrameWidth,
                                 kFrameHeight, frame));
    return frame;
}

// Writes a rendered menu under the build tree for people to look at.
void WritePreview(const BgraImage& frame, const std::string& name)
{
    std::filesystem::path folder = REELMARK_PREVIEWS;
    std::filesystem::create_directories(folder);
    EXPECT_EQ(S_OK, SaveImageFile(frame, (folder / (name + ".png")).wstring()));
}

// A pixel of the button's frame: just left of its thumbnail, half way down.
POINT FramePlace(IDSMenuButton* button)
{
    std::vector<CComPtr<IDSMenuOverlay>> thumbnails = GetOverlayList(button, OverlayType_Thumbnail);
    EXPECT_EQ(1u, thumbnails.size());
    FloatRect extent{};
    EXPECT_EQ(S_OK, thumbnails.front()->GetExtent(&extent));
    return {LONG((extent.left + 1) / 2 * kFrameWidth) - 4,
            LONG((1 - (extent.top + extent.bottom) / 2) / 2 * kFrameHeight)};
}

// The colour of the frame of the template's first command button, as the template shows it.
DWORD FramePixel(IDSMenu* menuTemplate)
{
    POINT place = FramePlace(GetButtonList(menuTemplate, ButtonType_Command).front());
    return Render(menuTemplate).PixelAt(place.x, place.y);
}

} // namespace

class ThemeCommand : public ReelmarkTest
{
protected:
    ThemeCommand()
    {
        m_disc.AddButton(m_main, m_beach);
        m_disc.AddButton(m_main, m_chapters);
        m_disc.AddButton(m_chapters, m_party);
        m_project = Save(m_disc.project, "holiday.dmsd");
    }

    // Every menu names an existing template, and the templates form one closed ring.
    static void ExpectOneRingThatEveryMenuUses(IDSProjectData* project)
    {
        std::vector<CComPtr<IDSMenu>> templates = GetMenuList(project, kTemplateTags);
        ASSERT_FALSE(templates.empty());
        std::set<LONG> ring;
        IDSMenu* step = templates.front();
        for (size_t i = 0; i < templates.size(); ++i) {
            ASSERT_TRUE(step) << "the ring breaks after " << i << " templates";
            ring.insert(GetID(step));
            step = FindMenu(project, GetTemplateID(step));
        }
        EXPECT_EQ(templates.size(), ring.size());
        EXPECT_EQ(GetID(templates.front()), GetID(step));
        for (const CComPtr<IDSMenu>& menu : GetMenuList(project, kAllTags))
            EXPECT_EQ(1u, ring.count(GetTemplateID(menu))) << "menu " << GetID(menu);
    }

    DiscProject m_disc{AspectRatio_4x3, L"Aurora"};
    CComPtr<IDSTitle> m_beach = AddClipTitle(m_disc.project, m_folder, "Beach", "beach.mp4");
    CComPtr<IDSTitle> m_party = AddClipTitle(m_disc.project, m_folder, "Party", "party.mp4");
    CComPtr<IDSMenu> m_main = m_disc.AddMenu(MenuType_Main, L"Holiday");
    CComPtr<IDSMenu> m_chapters = m_disc.AddMenu(MenuType_Chapter, L"Party");
    std::string m_project;
};

TEST_F(ThemeCommand, ThemeTemplatesReplaceTheOldRingAndRestyleEveryMenu)
{
    const wchar_t* ember = L"%CONTENT%/DVD/4x3/Themes/Ember.dmsd";
    CComPtr<IDSProjectData> theme = LoadTheme(ember);
    std::vector<std::wstring> emberBackgrounds = BackgroundsOf(GetMenuList(theme, kTemplateTags));

    RunResult run = Run({"theme", m_project, "Ember"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Applied the theme Ember to 2 menus of '" + m_project +
                  "': 2 templates in place of 2\n",
              run.out);
    EXPECT_EQ("", run.err);

    CComPtr<IDSProjectData> project = Load(m_project);
    EXPECT_EQ(emberBackgrounds, BackgroundsOf(GetMenuList(project, kTemplateTags)));
    ExpectOneRingThatEveryMenuUses(project);
    CComPtr<IDSMenu> main = FindMenu(project, IdOf(m_main));
    CComPtr<IDSMenu> chapters = FindMenu(project, IdOf(m_chapters));
    ASSERT_TRUE(main && chapters);
    EXPECT_EQ(BackgroundOf(GetMenuList(theme, MenuType_MainTemplate).front()), BackgroundOf(main));
    EXPECT_EQ(BackgroundOf(GetMenuList(theme, MenuType_ChapterTemplate).front()),
              BackgroundOf(chapters));

    // The buttons keep their words and where they lead.
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(main, ButtonType_Command);
    ASSERT_EQ(2u, buttons.size());
    EXPECT_EQ(L"Beach", GetDisplayName(buttons[0], nullptr).Str());
    EXPECT_EQ(IdOf(m_beach), GetID(CDSMenuUtils::GetLinkedTitle(buttons[0], nullptr, false)));
    EXPECT_EQ(IdOf(m_chapters), GetID(CDSMenuUtils::GetLinkedMenu(buttons[1])));
    EXPECT_EQ(0, Run({"validate", m_project}).status);
}

// Menus are not resolved yet, so they show their elements over black: the buttons' frames show
// the theme.
TEST_F(ThemeCommand, MenusShowTheNewThemeOnScreen)
{
    CComPtr<IDSProjectData> aurora = LoadTheme(L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd");
    CComPtr<IDSProjectData> ember = LoadTheme(L"%CONTENT%/DVD/4x3/Themes/Ember.dmsd");
    BgraImage before = Render(m_main);
    WritePreview(before, "theme_Aurora_main");

    ASSERT_EQ(0, Run({"theme", m_project, "Ember"}).status);
    CComPtr<IDSMenu> main = FindMenu(Load(m_project), IdOf(m_main));
    BgraImage after = Render(main);
    WritePreview(after, "theme_Ember_main");

    DWORD auroraFrame = FramePixel(GetMenuList(aurora, MenuType_MainTemplate).front());
    DWORD emberFrame = FramePixel(GetMenuList(ember, MenuType_MainTemplate).front());
    EXPECT_GT(ColourDistance(auroraFrame, emberFrame), 60);
    for (IDSMenu* menu : {m_main.p, main.p}) {
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(menu, ButtonType_Command);
        ASSERT_EQ(2u, buttons.size());
        for (const CComPtr<IDSMenuButton>& button : buttons) {
            POINT place = FramePlace(button);
            EXPECT_COLOUR_NEAR(menu == m_main ? auroraFrame : emberFrame,
                               (menu == m_main ? before : after).PixelAt(place.x, place.y), 24);
        }
    }
}

TEST_F(ThemeCommand, ThemeIsFoundByNameWithoutRegardToCaseOrByPath)
{
    RunResult byName = Run({"theme", m_project, "ember", "--json"});
    ASSERT_EQ(0, byName.status) << byName.err;
    nlohmann::json report = byName.Json();
    EXPECT_EQ(m_project, report["project"]);
    EXPECT_EQ("Ember", report["theme"]["name"]);
    EXPECT_TRUE(std::filesystem::equivalent(
        ExpandPathMacros(L"%CONTENT%/DVD/4x3/Themes/Ember.dmsd"),
        std::filesystem::path(report["theme"]["file"].get<std::string>())))
        << report["theme"]["file"];
    EXPECT_EQ(2, report["menusStyled"]);
    EXPECT_EQ(2, report["templatesAdded"]);
    EXPECT_EQ(2, report["templatesRemoved"]);
    std::string aurora = WideToUtf8(ExpandPathMacros(L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd"));
    RunResult byPath = Run({"theme", m_project, aurora});
    ASSERT_EQ(0, byPath.status) << byPath.err;
    EXPECT_EQ(0u, byPath.out.find("Applied the theme Aurora to 2 menus")) << byPath.out;
    CComPtr<IDSProjectData> project = Load(m_project);
    EXPECT_EQ(2u, GetMenuList(project, kTemplateTags).size());
    ExpectOneRingThatEveryMenuUses(project);
}

TEST_F(ThemeCommand, ThemesThatCannotServeTheProjectAreOneLineAndLeaveItAlone)
{
    std::string before = ReadFile(m_project);
    EXPECT_ONE_LINE_FAILURE(Run({"theme", m_project, "Cobalt"}), 3,
                            "no theme called 'Cobalt' for 4:3 menus; 'reelmark themes --aspect "
                            "4:3' lists them");
    std::string missing = Path("nowhere.dmsd");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", m_project, missing}), 3,
                            "no theme file at '" + missing + "'");
    std::string broken = Path("broken.dmsd");
    WriteFile(broken, "<DSProject><Menu");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", m_project, broken}), 3,
                            "'" + broken + "' is not a theme: it is malformed or of another kind");
    std::string plain = Save(NewProject(), "plain.dmsd");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", m_project, plain}), 3,
                            "'" + plain + "' is not a theme: it has no menu templates");
    CComPtr<IDSProjectData> mainOnly = NewProject();
    Tagged(AddMenu(mainOnly), MenuType_MainTemplate);
    std::string partial = Save(mainOnly, "MainOnly.dmsd");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", m_project, partial}), 3,
                            "the theme 'MainOnly' has no template for chapter menus, which '" +
                                m_project + "' has");
    EXPECT_EQ(before, ReadFile(m_project));
}

TEST_F(ThemeCommand, WideProjectTakesItsThemesFromTheWideFolder)
{
    DiscProject wide(AspectRatio_16x9, L"Cobalt");
    CComPtr<IDSMenu> main = wide.AddMenu(MenuType_Main, L"Wide");
    std::string project = Save(wide.project, "wide.dmsd");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", project, "Ember"}), 3, "for 16:9 menus");
    RunResult run = Run({"theme", project, "Fern"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(0u, run.out.find("Applied the theme Fern to 1 menu of")) << run.out;
    ExpectOneRingThatEveryMenuUses(Load(project));
}
