// validate on real projects: a themed DVD with real clips, and what spoils it.
#include "DiscProject.h"
#include "ReelmarkTest.h"

#include "dsutils/DSMenuUtils.h"
#include "platform/StringConv.h"

#include <filesystem>

using nlohmann::json;

class ValidateCommand : public ReelmarkTest
{
protected:
    ValidateCommand()
    {
        m_disc.AddButton(m_main, m_beach);
        m_disc.AddButton(m_main, m_party);
    }

    // The findings of a kind.
    static std::vector<json> FindingsOf(const json& report, const std::string& kind)
    {
        std::vector<json> found;
        for (const json& finding : report["findings"]) {
            if (finding["kind"] == kind)
                found.push_back(finding);
        }
        return found;
    }

    static std::string Id(IUnknown* object) { return std::to_string(IdOf(object)); }

    DiscProject m_disc{AspectRatio_4x3, L"Aurora"};
    CComPtr<IDSTitle> m_beach = AddClipTitle(m_disc.project, m_folder, "Beach", "beach.mp4");
    CComPtr<IDSTitle> m_party = AddClipTitle(m_disc.project, m_folder, "Party", "party.mkv");
    CComPtr<IDSMenu> m_main = m_disc.AddMenu(MenuType_Main, L"Holiday");
};

TEST_F(ValidateCommand, ThemedProjectWithItsClipsIsReadyToBurn)
{
    std::string project = Save(m_disc.project, "holiday.dmsd");
    RunResult run = Run({"validate", project, "--json"});
    ASSERT_EQ(0, run.status) << run.err << run.out;
    json report = run.Json();
    EXPECT_EQ(project, report["project"]);
    EXPECT_TRUE(report["burnable"].get<bool>());
    EXPECT_EQ(0, report["counts"]["fatal"]) << run.out;
    const json& reachability = report["reachability"];
    ASSERT_EQ(1u, reachability["starts"].size());
    EXPECT_EQ("root menu", reachability["starts"][0]["start"]);
    EXPECT_EQ(IdOf(m_main), reachability["starts"][0]["id"]);
    EXPECT_EQ(3u, reachability["reachable"].size());
    EXPECT_TRUE(reachability["unreachableMenus"].empty());
    EXPECT_TRUE(reachability["unreachableTitles"].empty());

    RunResult text = Run({"validate", project});
    EXPECT_EQ(0, text.status);
    EXPECT_EQ(0u, text.out.find("Project   " + project + "\nFindings  0 fatal, ")) << text.out;
    EXPECT_NE(std::string::npos, text.out.find("  starts with   menu \"Holiday\" (menu " +
                                               Id(m_main) + ") (root menu)\n"))
        << text.out;
    EXPECT_NE(std::string::npos, text.out.find("  reachable     1 menu, 2 titles\n")) << text.out;
    EXPECT_NE(std::string::npos, text.out.find("  unreachable   none\n")) << text.out;
    EXPECT_NE(std::string::npos, text.out.find("\nNothing stops the burn.\n")) << text.out;
}

TEST_F(ValidateCommand, MissingClipStopsTheBurnWithStatusOne)
{
    std::string project = Save(m_disc.project, "holiday.dmsd");
    std::string before = ReadFile(project);
    std::string clip = WideToUtf8(m_folder.File("party.mkv"));
    std::filesystem::remove(clip);

    RunResult run = Run({"validate", project, "--json"});
    EXPECT_EQ(1, run.status) << run.err;
    EXPECT_EQ("", run.err);
    json report = run.Json();
    EXPECT_FALSE(report["burnable"].get<bool>());
    EXPECT_EQ(1, report["counts"]["fatal"]);
    std::vector<json> missing = FindingsOf(report, "title-file-missing");
    ASSERT_EQ(1u, missing.size()) << run.out;
    EXPECT_EQ("fatal", missing[0]["severity"]);
    EXPECT_EQ(3, missing[0]["code"]);
    EXPECT_EQ(clip, missing[0]["file"]);
    EXPECT_EQ(json::array({{{"kind", "title"}, {"id", IdOf(m_party)}, {"name", "Party"}}}),
              missing[0]["objects"]);

    RunResult text = Run({"validate", project});
    EXPECT_EQ(1, text.status);
    EXPECT_NE(std::string::npos,
              text.out.find("  fatal    title \"Party\" (title " + Id(m_party) +
                            "): a file the title plays is missing or cannot be loaded: '" + clip +
                            "'\n"))
        << text.out;
    EXPECT_NE(std::string::npos, text.out.find("\nBurning is blocked by 1 fatal finding.\n"))
        << text.out;
    EXPECT_EQ(before, ReadFile(project));
}

TEST_F(ValidateCommand, WarningsAndUnreachableObjectsDoNotStopTheBurn)
{
    CComPtr<IDSMenu> extras = m_disc.AddMenu(MenuType_Main, L"Extras");
    CComPtr<IDSMenuButton> nowhere;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(extras, &nowhere, ButtonType_Command));
    CComPtr<IDSTitle> lonely = AddClipTitle(m_disc.project, m_folder, "Lonely", "lonely.mp4");
    std::string project = Save(m_disc.project, "holiday.dmsd");

    RunResult run = Run({"validate", project, "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    json report = run.Json();
    EXPECT_TRUE(report["burnable"].get<bool>());
    std::vector<json> dead = FindingsOf(report, "button-leads-nowhere");
    ASSERT_EQ(1u, dead.size()) << run.out;
    EXPECT_EQ("warning", dead[0]["severity"]);
    ASSERT_EQ(2u, dead[0]["objects"].size());
    EXPECT_EQ(IdOf(nowhere), dead[0]["objects"][0]["id"]);
    EXPECT_EQ("button", dead[0]["objects"][0]["kind"]);
    EXPECT_EQ(json({{"kind", "menu"}, {"id", IdOf(extras)}, {"name", "Extras"}}),
              dead[0]["objects"][1]);
    EXPECT_EQ(1u, FindingsOf(report, "menu-not-referenced").size());
    EXPECT_EQ(1u, FindingsOf(report, "title-not-referenced").size());
    const json& reachability = report["reachability"];
    EXPECT_EQ(IdOf(extras), reachability["unreachableMenus"][0]["id"]);
    EXPECT_EQ(IdOf(lonely), reachability["unreachableTitles"][0]["id"]);
    EXPECT_EQ(IdOf(nowhere), reachability["deadButtons"][0]["button"]);

    RunResult text = Run({"validate", project});
    EXPECT_EQ(0, text.status);
    // The button is labelled as its template's command button is.
    EXPECT_NE(std::string::npos,
              text.out.find("(button " + Id(nowhere) + "), menu \"Extras\" (menu " + Id(extras) +
                            "): the button leads nowhere\n"))
        << text.out;
    EXPECT_NE(std::string::npos,
              text.out.find("  unreachable   menu \"Extras\" (menu " + Id(extras) +
                            ")\n                title \"Lonely\" (title " + Id(lonely) + ")\n"))
        << text.out;
    EXPECT_NE(std::string::npos, text.out.find("Nothing stops the burn.")) << text.out;
}

TEST_F(ValidateCommand, ProjectWithNothingToPlayCannotBeBurned)
{
    std::string project = Save(NewProject(), "empty.dmsd");
    RunResult run = Run({"validate", project, "--json"});
    EXPECT_EQ(1, run.status) << run.err;
    std::vector<json> nothing = FindingsOf(run.Json(), "nothing-to-play");
    ASSERT_EQ(1u, nothing.size()) << run.out;
    EXPECT_TRUE(nothing[0]["objects"].empty());
    EXPECT_EQ("the project has nothing to play", nothing[0]["text"]);

    RunResult text = Run({"validate", project});
    EXPECT_NE(std::string::npos, text.out.find("  starts with   nothing\n")) << text.out;
}
