// convert: a project of one disc format made one of another, with and without menus.
#include "CommandLineProject.h"

class ConvertCommand : public CommandLineProject
{
protected:
    std::string m_project = MakeProject("holiday.dmsd", {Clip("beach.mp4")}, {});
};

TEST_F(ConvertCommand, DvdBecomesBluRayAndThenAProjectWithoutMenus)
{
    RunResult run = Run({"convert", m_project, "--format", "bluray", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    nlohmann::json report = run.Json();
    EXPECT_EQ("dvd", report["from"]["format"]);
    EXPECT_EQ("4:3", report["from"]["aspect"]);
    EXPECT_EQ(1, report["from"]["menus"]);
    EXPECT_EQ("bluray", report["to"]["format"]);
    EXPECT_LE(1, report["to"]["menus"].get<int>());
    nlohmann::json info = Run({"info", m_project, "--json"}).Json();
    EXPECT_EQ("bluray", info["disc"]["format"]);
    EXPECT_EQ(0, Run({"validate", m_project}).status);

    RunResult menuless = Run({"convert", m_project, "--format", "dvd", "--menuless"});
    ASSERT_EQ(0, menuless.status) << menuless.err;
    EXPECT_EQ(0u, menuless.out.find("Converted '" + m_project + "' from Blu-ray, "))
        << menuless.out;
    EXPECT_NE(std::string::npos, menuless.out.find(" to DVD, ")) << menuless.out;
    EXPECT_NE(std::string::npos, menuless.out.find(", no menus\n")) << menuless.out;
    nlohmann::json menus = Run({"menus", m_project, "--json"}).Json();
    EXPECT_TRUE(menus["menus"].empty()) << menus.dump(2);
}

TEST_F(ConvertCommand, BadChoicesLeaveTheProjectAsItWas)
{
    std::string before = ReadFile(m_project);
    EXPECT_ONE_LINE_FAILURE(Run({"convert", m_project, "--format", "betamax"}), 2, "--format");
    EXPECT_ONE_LINE_FAILURE(Run({"convert", m_project}), 2, "--format");
    EXPECT_ONE_LINE_FAILURE(
        Run({"convert", m_project, "--format", "dvd", "--menuless", "--with-menus"}), 2,
        "excludes");
    EXPECT_EQ(before, ReadFile(m_project));
}
