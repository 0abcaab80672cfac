// demo: the whole job on embedded defaults, and what it leaves is a project the other commands
// take.
#include "ReelmarkTest.h"

#include <filesystem>

using DemoCommand = ReelmarkTest;

TEST_F(DemoCommand, MakesAValidatedProjectWithMenuPicturesFromItsClips)
{
    std::string out = Path("demo-out");
    RunResult run = Run({"demo", "--out", out, "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    ASSERT_EQ(3u, report["clips"].size());
    ASSERT_EQ(3u, report["titles"].size());
    for (const nlohmann::json& title : report["titles"]) {
        EXPECT_EQ(3, title["chapters"]) << title;
        EXPECT_TRUE(title["chapterMenu"]) << title;
    }
    // The main menu and one chapter menu for each title.
    ASSERT_EQ(4u, report["pages"].size());
    for (const nlohmann::json& page : report["pages"]) {
        for (const char* key : {"picture", "subpicture"})
            EXPECT_TRUE(std::filesystem::is_regular_file(page[key].get<std::string>())) << page;
        for (const auto& [state, file] : page["highlights"].items())
            EXPECT_TRUE(std::filesystem::is_regular_file(file.get<std::string>())) << state;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(report["contactSheet"].get<std::string>()));
    EXPECT_TRUE(report["validation"]["burnable"]);
    EXPECT_EQ(0, report["validation"]["counts"]["fatal"]);
    EXPECT_NE(std::string::npos,
              ReadFile(report["validation"]["text"]).find("Nothing stops the burn."));

    std::string project = report["project"];
    EXPECT_EQ(out + "/demo.dmsd", project);
    EXPECT_EQ(0, Run({"validate", project}).status);
    int userTitles = 0;
    nlohmann::json info = Run({"info", project, "--json"}).Json();
    for (const nlohmann::json& title : info["titles"])
        userTitles += title["kind"] == "user";
    EXPECT_EQ(3, userTitles);

    // A second run makes it all again in the same place.
    RunResult again = Run({"demo", "--out", out});
    ASSERT_EQ(0, again.status) << again.err;
    EXPECT_EQ(0u, again.out.find("The demo is in " + out + "/\n")) << again.out;
}
