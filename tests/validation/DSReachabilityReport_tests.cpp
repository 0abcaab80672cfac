#include "dsutils/DSReachabilityReport.h"

#include "ValidationProject.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSTags.h"

#include "support/ErrorStackText.h"

#include <nlohmann/json.hpp>

namespace {

using Step = CDSReachabilityReport::Step;

std::vector<LONG> IdsOf(const std::vector<CDSReachabilityReport::Object>& objects)
{
    std::vector<LONG> ids;
    for (const auto& object : objects)
        ids.push_back(object.id);
    return ids;
}

std::vector<LONG> IdsOf(const std::vector<Step>& path)
{
    std::vector<LONG> ids;
    for (const Step& step : path)
        ids.push_back(step.object.id);
    return ids;
}

void SetCommands(IUnknown* object, std::initializer_list<DiscCommandParams> entries)
{
    CCommandList commands(object);
    ASSERT_EQ(S_OK, commands.Erase(0));
    for (const DiscCommandParams& entry : entries)
        ASSERT_EQ(S_OK,
                  commands.InsertCmd(commands.size(), entry.command, entry.param1, entry.param2));
    ASSERT_EQ(S_OK, commands.Commit());
}

class ReachabilityTest : public ValidationProjectTest
{
protected:
    CDSReachabilityReport Build()
    {
        CDSReachabilityReport report;
        EXPECT_EQ(S_OK, report.Build(project));
        return report;
    }
};

// The root menu leads to a title, to a sub-menu that forms a loop with another, and to a
// chapter menu whose buttons play a second title from its chapters; a chain of two pages that
// nothing leads to, and a title nothing plays, stand beside them.
class MenuTreeTest : public ReachabilityTest
{
protected:
    MenuTreeTest()
    {
        SetLabel(CComQIPtr<IDSMenuElement>(AddText(root)), L"Main");
        EXPECT_EQ(S_OK, chaptered->put_Name(CComBSTR(L"Holiday")));
        AddLink(root, direct);
        toLoop = AddLink(root, loopA);
        toChapters = AddLink(root, chapters);
        dead = AddLink(root, nullptr);
        SetCommands(dead, {{DiscCommand_PlayTitle, 9999, 1, nullptr}});
        loopBack = AddLink(loopA, loopB);
        AddLink(loopB, loopA);
        AddLink(loopB, root, ButtonType_Up);
        firstChapter = AddLink(chapters, chaptered);
        SetCommands(AddLink(chapters, nullptr),
                    {{DiscCommand_PlayTitle, GetID(chaptered), 2, nullptr}});
        AddLink(pageOne, pageTwo, ButtonType_Next);
        AddLink(pageTwo, pageOne, ButtonType_Prev);
        AddLink(pageTwo, direct);
        Tagged(AddClipTitle(), TitleType_Private);
        Tagged(AddMenu(project), MenuType_MainTemplate);
    }

    CComPtr<IDSMenu> root = AddLoopingMenu();
    CComPtr<IDSMenu> loopA = AddLoopingMenu();
    CComPtr<IDSMenu> loopB = AddLoopingMenu();
    CComPtr<IDSMenu> chapters = AddLoopingMenu(MenuType_Chapter);
    CComPtr<IDSMenu> pageOne = AddLoopingMenu();
    CComPtr<IDSMenu> pageTwo = AddLoopingMenu();
    CComPtr<IDSTitle> direct = AddClipTitle();
    CComPtr<IDSTitle> chaptered = AddClipTitle();
    CComPtr<IDSTitle> unplayed = AddClipTitle();
    CComPtr<IDSMenuButton> toLoop;
    CComPtr<IDSMenuButton> toChapters;
    CComPtr<IDSMenuButton> dead;
    CComPtr<IDSMenuButton> loopBack;
    CComPtr<IDSMenuButton> firstChapter;
};

TEST_F(MenuTreeTest, ListsWhatNoViewerReachesAndButtonsLeadingNowhere)
{
    CDSReachabilityReport report = Build();
    EXPECT_EQ((std::vector<LONG>{GetID(pageOne), GetID(pageTwo)}),
              IdsOf(report.GetUnreachableMenus()));
    EXPECT_EQ((std::vector<LONG>{GetID(unplayed)}), IdsOf(report.GetUnreachableTitles()));
    ASSERT_EQ(1u, report.GetDeadButtons().size());
    EXPECT_EQ(GetID(dead), report.GetDeadButtons()[0].buttonId);
    EXPECT_EQ(GetID(root), report.GetDeadButtons()[0].menuId);
    EXPECT_EQ((std::vector<LONG>{9999}), report.GetDeadButtons()[0].unknownTargets);
    for (IUnknown* reached :
         {static_cast<IUnknown*>(root.p), static_cast<IUnknown*>(loopA.p),
          static_cast<IUnknown*>(loopB.p), static_cast<IUnknown*>(chapters.p),
          static_cast<IUnknown*>(direct.p), static_cast<IUnknown*>(chaptered.p)}) {
        EXPECT_TRUE(report.IsReachable(GetID(reached))) << GetID(reached);
    }
}

TEST_F(MenuTreeTest, ShortestPathsFollowTheButtonsPressed)
{
    CDSReachabilityReport report = Build();
    ASSERT_EQ(1u, report.GetStarts().size());
    EXPECT_EQ("root menu", report.GetStarts()[0].start);

    // Through the chapter menu only.
    std::vector<Step> path = report.GetPath(GetID(chaptered));
    EXPECT_EQ((std::vector<LONG>{GetID(root), GetID(chapters), GetID(chaptered)}), IdsOf(path));
    ASSERT_EQ(3u, path.size());
    EXPECT_EQ(CDSReachabilityReport::Step_Start, path[0].kind);
    EXPECT_EQ(GetID(toChapters), path[1].buttonId);
    EXPECT_EQ(CDSReachabilityReport::Step_Button, path[2].kind);
    EXPECT_EQ(GetID(firstChapter), path[2].buttonId);
    EXPECT_EQ(L"Holiday", path[2].object.name);

    // Into the loop and round it: the walk ends, and the far menu is two presses away.
    path = report.GetPath(GetID(loopB));
    EXPECT_EQ((std::vector<LONG>{GetID(root), GetID(loopA), GetID(loopB)}), IdsOf(path));
    EXPECT_EQ(GetID(loopBack), path[2].buttonId);
    EXPECT_TRUE(report.GetPath(GetID(pageOne)).empty());
}

TEST_F(MenuTreeTest, WritesItselfAsJson)
{
    std::string text;
    ASSERT_EQ(S_OK, Build().WriteJson(text));
    nlohmann::json json = nlohmann::json::parse(text);
    EXPECT_EQ("root menu", json["starts"][0]["start"]);
    EXPECT_EQ("Main", json["starts"][0]["name"]);
    EXPECT_EQ(GetID(pageOne), json["unreachableMenus"][0]["id"]);
    EXPECT_EQ("menu", json["unreachableMenus"][0]["kind"]);
    EXPECT_EQ(GetID(unplayed), json["unreachableTitles"][0]["id"]);
    EXPECT_EQ(9999, json["deadButtons"][0]["unknownTargets"][0]);
    for (const nlohmann::json& reached : json["reachable"]) {
        if (reached["id"] != GetID(chaptered))
            continue;
        EXPECT_EQ("Holiday", reached["name"]);
        ASSERT_EQ(3u, reached["path"].size());
        EXPECT_EQ("button", reached["path"][2]["via"]);
        EXPECT_EQ(GetID(firstChapter), reached["path"][2]["button"]);
        return;
    }
    ADD_FAILURE() << "the chaptered title is not among the reachable";
}

TEST_F(ReachabilityTest, DiscStartsWithProjectCommandsFirstPlayAndRootMenu)
{
    CComPtr<IDSMenu> root = AddLoopingMenu();
    CComPtr<IDSMenu> jumped = AddLoopingMenu();
    CComPtr<IDSTitle> intro = Tagged(AddClipTitle(), TitleType_FirstPlay);
    CComPtr<IDSTitle> afterIntro = AddClipTitle();
    SetCommands(project, {{DiscCommand_JumpMenu, GetID(jumped), 0, nullptr}});
    SetCommands(intro, {{DiscCommand_PlayTitle, GetID(afterIntro), 1, nullptr}});

    CDSReachabilityReport report = Build();
    ASSERT_EQ(3u, report.GetStarts().size());
    EXPECT_EQ("project commands", report.GetStarts()[0].start);
    EXPECT_EQ(GetID(jumped), report.GetStarts()[0].object.id);
    EXPECT_EQ("first-play title", report.GetStarts()[1].start);
    EXPECT_EQ("root menu", report.GetStarts()[2].start);
    std::vector<Step> path = report.GetPath(GetID(afterIntro));
    EXPECT_EQ((std::vector<LONG>{GetID(intro), GetID(afterIntro)}), IdsOf(path));
    EXPECT_EQ(CDSReachabilityReport::Step_End, path[1].kind);
}

TEST_F(ReachabilityTest, TransitionMenusLieOnTheWayAndLeadOn)
{
    CComPtr<IDSMenu> root = AddLoopingMenu();
    CComPtr<IDSMenu> target = AddLoopingMenu();
    CComPtr<IDSMenu> afterTransition = AddLoopingMenu();
    CComPtr<IDSMenu> transition = AddLoopingMenu(MenuType_Transition);
    SetCommands(transition, {{DiscCommand_JumpMenu, GetID(afterTransition), 0, nullptr}});
    CComPtr<IDSMenuButton> button = AddLink(root, target);
    CCommandList commands(button.p);
    ASSERT_EQ(S_OK, commands.InsertCmd(0, DiscCommand_TransitionClip, GetID(transition), 0));
    ASSERT_EQ(S_OK, commands.Commit());

    CDSReachabilityReport report = Build();
    EXPECT_TRUE(report.GetUnreachableMenus().empty());
    EXPECT_EQ(2u, report.GetPath(GetID(target)).size());
    EXPECT_EQ((std::vector<LONG>{GetID(root), GetID(transition), GetID(afterTransition)}),
              IdsOf(report.GetPath(GetID(afterTransition))));
}

TEST_F(ReachabilityTest, TitlesOfADiscWithoutMenusPlayOneAfterAnother)
{
    std::vector<CComPtr<IDSTitle>> titles;
    for (int i = 0; i < 3; ++i) {
        titles.push_back(AddClipTitle());
        SetCommands(titles.back(), {{DiscCommand_MenulessTitleEnd, 0, 0, nullptr}});
    }
    CDSReachabilityReport report = Build();
    ASSERT_EQ(1u, report.GetStarts().size());
    EXPECT_EQ("first title", report.GetStarts()[0].start);
    EXPECT_EQ((std::vector<LONG>{GetID(titles[0]), GetID(titles[1]), GetID(titles[2])}),
              IdsOf(report.GetPath(GetID(titles[2]))));
    EXPECT_TRUE(report.GetUnreachableTitles().empty());
}

TEST_F(ReachabilityTest, ObjectThatIsNoProjectIsRefusedAndAnEarlierReportDropped)
{
    AddClipTitle();
    CDSReachabilityReport report = Build();
    ASSERT_FALSE(report.GetReachable().empty());
    EXPECT_EQ(E_POINTER, report.Build(AddLoopingMenu()));
    EXPECT_TRUE(StackHolds(L"*** Error NULL = (IDSProjectData*) spProject"));
    EXPECT_TRUE(report.GetReachable().empty());
    EXPECT_TRUE(report.GetStarts().empty());
}

} // namespace
