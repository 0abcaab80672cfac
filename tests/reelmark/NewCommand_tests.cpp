// new: a project of the format, TV standard, shape and theme asked for, written only when made.
#include "ReelmarkTest.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include <filesystem>

namespace {

std::vector<std::wstring> TemplateBackgrounds(IDSProjectData* project)
{
    std::vector<std::wstring> backgrounds;
    for (const CComPtr<IDSMenu>& menu :
         GetMenuList(project, MenuType_MainTemplate | MenuType_ChapterTemplate)) {
        CComBSTR background;
        EXPECT_EQ(S_OK, menu->get_Background(&background));
        backgrounds.push_back(background.Str());
    }
    return backgrounds;
}

} // namespace

using NewCommand = ReelmarkTest;

TEST_F(NewCommand, MakesTheProjectAskedForWithTheThemesTemplates)
{
    std::string project = Path("wide.dmsd");
    RunResult run = Run({"new", project, "--format", "DVD", "--tv", "pal", "--aspect", "16:9",
                         "--theme", "fern", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    EXPECT_EQ(project, report["project"]);
    EXPECT_EQ("dvd", report["format"]);
    EXPECT_EQ("pal", report["tv"]);
    EXPECT_EQ("16:9", report["aspect"]);
    EXPECT_EQ("Fern", report["theme"]["name"]);
    EXPECT_EQ(1, report["menus"]);

    nlohmann::json info = Run({"info", project, "--json"}).Json();
    EXPECT_EQ("pal", info["disc"]["tvStandard"]);
    EXPECT_EQ("16:9", info["disc"]["aspectRatio"]);
    EXPECT_EQ(576, info["encoding"]["resolution"]["height"]);
    CComPtr<IDSProjectData> fern;
    ASSERT_EQ(S_OK, CMenuStyleUtil::Load(L"%CONTENT%/DVD/16x9/Themes/Fern.dmsd", &fern));
    CComPtr<IDSProjectData> made = Load(project);
    EXPECT_EQ(TemplateBackgrounds(fern), TemplateBackgrounds(made));
    EXPECT_EQ(0, Run({"validate", project}).status);
}

TEST_F(NewCommand, DefaultsToAnNtscDvdWithTheDefaultTheme)
{
    std::string project = Path("plain.dmsd");
    RunResult run = Run({"new", project});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Made '" + project + "': DVD, NTSC, 4:3 menus with the default theme, 1 menu\n",
              run.out);
    nlohmann::json info = Run({"info", project, "--json"}).Json();
    EXPECT_EQ("dvd", info["disc"]["format"]);
    EXPECT_EQ("ntsc", info["disc"]["tvStandard"]);

    // High definition is wide unless asked otherwise.
    RunResult bluray = Run({"new", Path("hd.dmsd"), "--format", "bluray", "--json"});
    ASSERT_EQ(0, bluray.status) << bluray.err;
    EXPECT_EQ("16:9", bluray.Json()["aspect"]);
    RunResult narrow =
        Run({"new", Path("hd43.dmsd"), "--format", "bluray", "--aspect", "4:3", "--json"});
    ASSERT_EQ(0, narrow.status) << narrow.err;
    EXPECT_EQ("4:3", narrow.Json()["aspect"]);
}

TEST_F(NewCommand, RefusesWhatItCannotMakeAndWritesNothing)
{
    std::string existing = Path("existing.dmsd");
    WriteFile(existing, "keep me");
    EXPECT_ONE_LINE_FAILURE(Run({"new", existing}), 3, "'" + existing + "' already exists");
    EXPECT_EQ("keep me", ReadFile(existing));

    std::string project = Path("new.dmsd");
    EXPECT_ONE_LINE_FAILURE(Run({"new", project, "--theme", "Cobalt"}), 3,
                            "no theme called 'Cobalt' for 4:3 menus");
    EXPECT_ONE_LINE_FAILURE(Run({"new", project, "--format", "laserdisc"}), 2, "--format");
    EXPECT_ONE_LINE_FAILURE(Run({"new", project, "--aspect", "21:9"}), 2, "--aspect");
    EXPECT_ONE_LINE_FAILURE(Run({"new", Path("no/such/folder/p.dmsd")}), 3, "no folder");
    EXPECT_FALSE(std::filesystem::exists(project));
}
