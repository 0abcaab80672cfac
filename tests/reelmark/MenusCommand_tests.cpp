// menus on a real project: two main pages joined by Next and Prev, a chapter menu under a
// button, and a main menu nothing leads to.
#include "ReelmarkTest.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"

using nlohmann::json;

class MenusCommand : public ReelmarkTest
{
protected:
    MenusCommand()
    {
        EXPECT_EQ(S_OK, m_beach->put_Name(CComBSTR(L"Beach")));
        EXPECT_EQ(S_OK, m_party->put_Name(CComBSTR(L"Party")));
        Name(m_main1, L"Holiday disc");
        Name(m_chapters, L"Party");
        Name(m_extras, L"Extras");
        CDSMenuUtils::LinkCmd(Command(m_main1, L"Beach"), m_beach.p);
        CDSMenuUtils::LinkCmd(Command(m_main1, L"Party chapters"), m_chapters.p);
        CDSMenuUtils::LinkCmd(Tagged(AddButton(m_main1), ButtonType_Next), m_main2.p);
        PlayChapter(Command(m_main2, L"Cake"), m_party, 2);
        CDSMenuUtils::LinkCmd(Tagged(AddButton(m_main2), ButtonType_Prev), m_main1.p);
        PlayChapter(Command(m_chapters, L"Start"), m_party, 1);
        PlayChapter(Command(m_chapters, L"Cake"), m_party, 2);
        CDSMenuUtils::LinkCmd(Tagged(AddButton(m_chapters), ButtonType_Up), m_main1.p);
        CDSMenuUtils::LinkCmd(Command(m_extras, L"Beach again"), m_beach.p);
        Command(m_extras, L"Nothing");
    }

    static void Name(IDSMenu* menu, const wchar_t* name) { SetLabel(AddText(menu), name); }

    static CComPtr<IDSMenuButton> Command(IDSMenu* menu, const wchar_t* label)
    {
        CComPtr<IDSMenuButton> button = Tagged(AddButton(menu), ButtonType_Command);
        SetLabel(Tagged(AddText(button), TextType_Label), label);
        return button;
    }

    static void PlayChapter(IDSMenuButton* button, IDSTitle* title, LONG chapter)
    {
        CCommandList commands;
        ASSERT_EQ(S_OK, commands.Init(button));
        ASSERT_EQ(S_OK, commands.ReplaceCommand(DiscCommand_PlayTitle, IdOf(title), chapter));
        ASSERT_EQ(S_OK, commands.Commit());
    }

    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSTitle> m_beach = AddTitle(m_project);
    CComPtr<IDSTitle> m_party = AddTitle(m_project);
    CComPtr<IDSMenu> m_main1 = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> m_main2 = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> m_chapters = Tagged(AddMenu(m_project), MenuType_Chapter);
    CComPtr<IDSMenu> m_extras = Tagged(AddMenu(m_project), MenuType_Main);
};

TEST_F(MenusCommand, JsonHoldsChainsPagesButtonsAndTargets)
{
    std::string project = Save(m_project, "holiday.dmsd");
    RunResult run = Run({"menus", project, "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    json report = run.Json();
    EXPECT_EQ(IdOf(m_main1), report["root"]);
    ASSERT_EQ(3u, report["menus"].size());

    const json& main = report["menus"][0];
    EXPECT_EQ("main", main["kind"]);
    EXPECT_EQ("Holiday disc", main["name"]);
    EXPECT_TRUE(main["reachable"].get<bool>());
    ASSERT_EQ(2u, main["pages"].size());
    EXPECT_EQ(IdOf(m_main2), main["pages"][1]["id"]);
    const json& buttons = main["pages"][0]["buttons"];
    ASSERT_EQ(3u, buttons.size());
    EXPECT_EQ("Beach", buttons[0]["label"]);
    EXPECT_EQ(1, buttons[0]["number"]);
    EXPECT_EQ(json({{"type", "title"}, {"id", IdOf(m_beach)}, {"name", "Beach"}, {"chapter", 1}}),
              buttons[0]["target"]);
    EXPECT_EQ("chapter", buttons[1]["target"]["kind"]);
    EXPECT_EQ(IdOf(m_chapters), buttons[1]["target"]["chain"]);
    EXPECT_EQ("next", buttons[2]["kind"]);
    EXPECT_TRUE(buttons[2]["number"].is_null());
    EXPECT_EQ(2, buttons[2]["target"]["page"]);
    EXPECT_EQ(2, main["pages"][1]["buttons"][0]["target"]["chapter"]);

    const json& chapters = report["menus"][1];
    EXPECT_EQ("chapter", chapters["kind"]);
    EXPECT_EQ("Party", chapters["title"]["name"]);
    EXPECT_TRUE(chapters["reachable"].get<bool>());

    const json& extras = report["menus"][2];
    EXPECT_FALSE(extras["reachable"].get<bool>());
    EXPECT_TRUE(extras["pages"][0]["buttons"][1]["target"].is_null());
}

TEST_F(MenusCommand, TextIsATreeFromTheRootMenu)
{
    std::string project = Save(m_project, "holiday.dmsd");
    RunResult run = Run({"menus", project});
    ASSERT_EQ(0, run.status) << run.err;
    auto main = "Main menu \"Holiday disc\" (menu " + std::to_string(IdOf(m_main1)) + ")";
    std::string expected = main +
                           ", 2 pages\n"
                           "  page 1 (menu " +
                           std::to_string(IdOf(m_main1)) +
                           ")\n"
                           "    1. Beach  plays title \"Beach\" (title " +
                           std::to_string(IdOf(m_beach)) +
                           ")\n"
                           "    2. Party chapters  goes to chapter menu \"Party\" (menu " +
                           std::to_string(IdOf(m_chapters)) +
                           ")\n"
                           "        Chapter menu \"Party\" (menu " +
                           std::to_string(IdOf(m_chapters)) + ") for title \"Party\", 1 page\n";
    EXPECT_EQ(0u, run.out.find(expected)) << run.out;
    EXPECT_NE(std::string::npos,
              run.out.find("            [Up]  goes to main menu \"Holiday disc\""))
        << run.out;
    EXPECT_NE(std::string::npos, run.out.find("    [Next]  goes to page 2\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("1. Cake  plays title \"Party\" (title " +
                                              std::to_string(IdOf(m_party)) + ") from chapter 2"))
        << run.out;
    EXPECT_NE(std::string::npos,
              run.out.find("Main menu \"Extras\" (menu " + std::to_string(IdOf(m_extras)) +
                           "), 1 page, no viewer can reach it\n"))
        << run.out;
    EXPECT_NE(std::string::npos, run.out.find("2. Nothing  leads nowhere")) << run.out;
}

TEST_F(MenusCommand, ProjectWithoutMenusSaysSo)
{
    std::string project = Save(NewProject(), "bare.dmsd");
    RunResult run = Run({"menus", project});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("No menus\n", run.out);
    json report = Run({"menus", project, "--json"}).Json();
    EXPECT_TRUE(report["root"].is_null());
    EXPECT_TRUE(report["menus"].empty());
}

TEST_F(MenusCommand, MenuReachedWhenATitleEndsIsReachable)
{
    // No button leads to Extras, but the disc shows it when Beach has played.
    CCommandList endOfBeach;
    ASSERT_EQ(S_OK, endOfBeach.Init(m_beach.p));
    ASSERT_EQ(S_OK, endOfBeach.ReplaceCommand(DiscCommand_JumpMenu, IdOf(m_extras), 0));
    ASSERT_EQ(S_OK, endOfBeach.Commit());
    std::string project = Save(m_project, "holiday.dmsd");
    json report = Run({"menus", project, "--json"}).Json();
    ASSERT_EQ(3u, report["menus"].size());
    EXPECT_EQ(IdOf(m_extras), report["menus"][2]["id"]);
    EXPECT_TRUE(report["menus"][2]["reachable"].get<bool>());
    EXPECT_EQ(std::string::npos, Run({"menus", project}).out.find("no viewer can reach"));
}
