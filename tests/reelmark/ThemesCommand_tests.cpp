// themes over a content folder and a user folder of the test's own.
#include "ReelmarkTest.h"

#include "platform/Config.h"
#include "platform/StringConv.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>

using nlohmann::json;

class ThemesCommand : public ReelmarkTest
{
protected:
    ThemesCommand()
    {
        SaveTheme("content/DVD/4x3/Themes/Classic.dmsd", L"Classic blue",
                  MenuType_MainTemplate | MenuType_ChapterTemplate);
        SaveTheme("content/DVD/4x3/Themes/Plain.dmsd", L"", MenuType_MainTemplate);
        SaveTheme("content/DVD/16x9/Themes/HD_Wide.dmsd", L"Wide",
                  MenuType_MainTemplate | MenuType_ChapterTemplate);
        WriteFile(Path("content/DVD/16x9/Themes/notes.txt"), "not a theme");
        std::filesystem::create_directories(Path(kUserThemes));
        WriteFile(Path(kUserThemes + "/Broken.dmsd"), "<DSProject");
    }

    void SaveTheme(const std::string& file, const wchar_t* title, ULONG tag)
    {
        std::filesystem::create_directories(std::filesystem::path(Path(file)).parent_path());
        CComPtr<IDSProjectData> theme = NewProject();
        EXPECT_EQ(S_OK, theme->put_Name(CComBSTR(title)));
        Tagged(AddMenu(theme), tag);
        Save(theme, file);
    }

    static const std::string kUserThemes;
    std::string m_contentFolder = Path("content");
    std::string m_homeFolder = Path("home");
    ScopedEnvironment m_content{"REELMARK_CONTENT", m_contentFolder.c_str()};
    ScopedEnvironment m_home{"REELMARK_HOME", m_homeFolder.c_str()};
};

const std::string ThemesCommand::kUserThemes = "home/.local/share/Corvane/DVD/16x9/Themes";

TEST_F(ThemesCommand, JsonListsShippedAndUserThemesWithWhatTheyOffer)
{
    ASSERT_EQ(S_OK,
              CDSConfig().SetString(DSConfig_DefaultTheme4x3,
                                    Utf8ToWide(Path("content/DVD/4x3/Themes/Plain.dmsd")).c_str()));
    RunResult run = Run({"themes", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    json report = run.Json();
    EXPECT_EQ(json({"4:3", "16:9"}), report["aspects"]);
    EXPECT_EQ(6u, report["folders"].size());
    ASSERT_EQ(4u, report["themes"].size()) << run.out;

    const json& classic = report["themes"][0];
    EXPECT_EQ("Classic", classic["name"]);
    EXPECT_EQ("Classic blue", classic["title"]);
    EXPECT_EQ("4:3", classic["aspect"]);
    EXPECT_EQ("shipped", classic["origin"]);
    EXPECT_TRUE(classic["readable"].get<bool>());
    EXPECT_FALSE(classic["default"].get<bool>());
    EXPECT_EQ(json({{"main", 1}, {"chapter", 1}}), classic["templates"]);
    EXPECT_EQ(json({{"main", 1}, {"chapter", 0}}), report["themes"][1]["templates"]);
    EXPECT_TRUE(report["themes"][1]["default"].get<bool>());
    EXPECT_EQ(json({"4:3"}), report["themes"][1]["defaultFor"]);

    const json& wide = report["themes"][2];
    EXPECT_EQ("HD_Wide", wide["name"]);
    EXPECT_EQ("16:9", wide["aspect"]);
    EXPECT_TRUE(wide["highDefinition"].get<bool>());
    EXPECT_EQ(json({"16:9", "hd"}), wide["defaultFor"]);

    const json& broken = report["themes"][3];
    EXPECT_EQ("user", broken["origin"]);
    EXPECT_FALSE(broken["readable"].get<bool>());
    EXPECT_EQ("malformed or not a theme", broken["problem"]);
}

TEST_F(ThemesCommand, AspectChoosesTheFoldersAndTextNamesEachTheme)
{
    RunResult run = Run({"themes", "--aspect", "16:9"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(std::string::npos, run.out.find("4:3")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("16:9 themes\n")) << run.out;
    EXPECT_NE(
        std::string::npos,
        run.out.find("  HD_Wide \"Wide\"  shipped, main and chapter menus, high definition, the "
                     "default for 16:9 projects, the default for high-definition projects\n"))
        << run.out;
    EXPECT_NE(std::string::npos,
              run.out.find("  Broken  user, cannot be used: malformed or not a theme\n"))
        << run.out;

    RunResult classic = Run({"themes", "--aspect", "4:3"});
    EXPECT_NE(std::string::npos,
              classic.out.find("  Classic \"Classic blue\"  shipped, main and chapter menus, "
                               "the default for 4:3 projects\n"))
        << classic.out;
    EXPECT_NE(std::string::npos, classic.out.find("  Plain  shipped, main menus only\n"))
        << classic.out;
}

TEST_F(ThemesCommand, NoThemesAnywhereIsNotAnError)
{
    std::filesystem::remove_all(Path("content"));
    std::filesystem::remove_all(Path("home"));
    RunResult run = Run({"themes"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("4:3 themes\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("  none found\n")) << run.out;
    EXPECT_TRUE(Run({"themes", "--json"}).Json()["themes"].empty());
}

TEST_F(ThemesCommand, DefaultIsWhatANewProjectTakesAndTheSettingsStayAsTheyWere)
{
    // A default that names a deleted file gives way to the first theme of the folder.
    std::wstring deleted = Utf8ToWide(Path("content/DVD/4x3/Themes/Deleted.dmsd"));
    ASSERT_EQ(S_OK, CDSConfig().SetString(DSConfig_DefaultTheme4x3, deleted.c_str()));
    std::string settings = ReadFile(WideToUtf8(CDSConfig().Path()));

    json report = Run({"themes", "--aspect", "4:3", "--json"}).Json();
    ASSERT_EQ(2u, report["themes"].size());
    EXPECT_EQ(json({"4:3"}), report["themes"][0]["defaultFor"]);
    EXPECT_EQ(json::array(), report["themes"][1]["defaultFor"]);
    EXPECT_EQ(settings, ReadFile(WideToUtf8(CDSConfig().Path())));
}
