// add: titles from real clips with buttons on the main menu, chapters and chapter menus; a file
// or an argument that cannot be used leaves the project file as it was.
#include "CommandLineProject.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include <filesystem>

class AddCommand : public CommandLineProject
{
protected:
    std::string m_clip = Clip("beach.mp4");
};

TEST_F(AddCommand, TitlesGetButtonsChaptersAndChapterMenus)
{
    std::string project = MakeProject("holiday.dmsd", {}, {});
    std::string party = Clip("party.mp4");
    RunResult run = Run(
        {"add", project, m_clip, party, "--chapters-every", "0.9", "--chapter-menus", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    ASSERT_EQ(2u, report["titles"].size());
    EXPECT_EQ(1, report["rootPages"]);
    EXPECT_EQ("beach", report["titles"][0]["name"]);
    EXPECT_EQ(m_clip, report["titles"][0]["file"]);
    for (const nlohmann::json& title : report["titles"]) {
        EXPECT_EQ(3, title["chapters"]) << title;
        EXPECT_TRUE(title["chapterMenu"]) << title;
    }

    nlohmann::json info = Run({"info", project, "--json"}).Json();
    ASSERT_EQ(2u, info["titles"].size());
    EXPECT_NEAR(0.9, info["titles"][1]["chapters"][1]["time"].get<double>(), 0.01);
    EXPECT_NEAR(1.8, info["titles"][1]["chapters"][2]["time"].get<double>(), 0.01);
    CComPtr<IDSProjectData> saved = Load(project);
    IDSMenu* root = CDSMenuUtils::GetRootMenu(saved);
    ASSERT_TRUE(root);
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(root, ButtonType_Command);
    ASSERT_EQ(2u, buttons.size());
    for (const CComPtr<IDSMenuButton>& button : buttons) {
        IDSMenu* chapters = CDSMenuUtils::GetLinkedMenu(button);
        ASSERT_TRUE(chapters);
        EXPECT_TRUE(GetTag(chapters) & MenuType_Chapter);
        EXPECT_EQ(3u, GetButtonList(chapters, ButtonType_Command).size());
    }
    EXPECT_EQ(0, Run({"validate", project}).status);
}

TEST_F(AddCommand, ChaptersAtTimesAndPagesAddedAsTheMainMenuFills)
{
    std::string project = MakeProject("many.dmsd", {}, {});
    std::vector<std::string> add = {"add", project};
    // A path relative to where the program runs is kept as the file it names.
    for (int i = 0; i < 9; ++i)
        add.push_back(std::filesystem::relative(m_clip).string());
    add.insert(add.end(), {"--chapters-at", "1,1.5", "--json"});
    RunResult run = Run(add);
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    EXPECT_EQ(9u, report["titles"].size());
    EXPECT_LT(1, report["rootPages"].get<int>());
    EXPECT_EQ(m_clip, report["titles"][8]["file"]);
    EXPECT_EQ(3, report["titles"][8]["chapters"]);
    EXPECT_FALSE(report["titles"][8]["chapterMenu"]);
    nlohmann::json menus = Run({"menus", project, "--json"}).Json();
    size_t buttons = 0;
    for (const nlohmann::json& page : menus["menus"][0]["pages"])
        buttons += page["buttons"].size();
    EXPECT_LE(9u, buttons) << menus.dump(2);
    EXPECT_EQ(0, Run({"validate", project}).status);
}

TEST_F(AddCommand, UnusableFilesAndArgumentsLeaveTheProjectAsItWas)
{
    std::string project = MakeProject("keep.dmsd", {m_clip}, {});
    std::string before = ReadFile(project);
    std::string garbage = Path("noise.mp4");
    WriteFile(garbage, std::string(4096, 'x'));
    EXPECT_ONE_LINE_FAILURE(Run({"add", project, m_clip, garbage}), 3,
                            "cannot make a title of '" + garbage + "'");
    std::string missing = Path("missing.mp4");
    EXPECT_ONE_LINE_FAILURE(Run({"add", project, missing}), 3,
                            "no media file at '" + missing + "'");
    EXPECT_ONE_LINE_FAILURE(Run({"add", project, m_clip, "--chapters-every", "soon"}), 2,
                            "bad duration 'soon' for --chapters-every");
    EXPECT_ONE_LINE_FAILURE(Run({"add", project, m_clip, "--chapters-at", "1,1:75"}), 2,
                            "bad times '1,1:75' for --chapters-at");
    EXPECT_ONE_LINE_FAILURE(Run({"add", project, m_clip, "--chapters-at", "5"}), 3,
                            "no chapter can start at 5.00 s of 'beach': the title ends at 2.0");
    EXPECT_ONE_LINE_FAILURE(
        Run({"add", project, m_clip, "--chapters-at", "1", "--chapters-every", "1"}), 2,
        "excludes");
    EXPECT_EQ(before, ReadFile(project));
}
