// chapters: a title's chapters listed and changed, with its chapter menu kept in step.
#include "CommandLineProject.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

class ChaptersCommand : public CommandLineProject
{
protected:
    // The chapter buttons of the menu the title's main-menu button leads to, by label.
    std::vector<std::wstring> ChapterButtons()
    {
        CComPtr<IDSProjectData> project = Load(m_project);
        IDSMenu* root = CDSMenuUtils::GetRootMenu(project);
        std::vector<std::wstring> labels;
        if (!root)
            return labels;
        IDSMenu* chapters =
            CDSMenuUtils::GetLinkedMenu(GetButtonList(root, ButtonType_Command).front());
        for (IDSMenu* page = chapters; page; page = CDSMenuUtils::GetNextMenu(page)) {
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command))
                labels.push_back(GetDisplayName(button, nullptr).Str());
        }
        return labels;
    }

    static std::vector<double> Times(const nlohmann::json& report)
    {
        std::vector<double> times;
        for (const nlohmann::json& chapter : report["chapters"])
            times.push_back(std::round(chapter["time"].get<double>() * 100) / 100);
        return times;
    }

    std::string m_project =
        MakeProject("holiday.dmsd", {Clip("beach.mp4")}, {"--chapters-at", "1", "--chapter-menus"});
};

TEST_F(ChaptersCommand, AddRemoveAndMoveKeepTheChapterMenuInStep)
{
    RunResult listed = Run({"chapters", m_project, "1", "list", "--json"});
    ASSERT_EQ(0, listed.status) << listed.err;
    nlohmann::json report = listed.Json();
    EXPECT_EQ("beach", report["title"]["name"]);
    EXPECT_EQ(1, report["title"]["number"]);
    EXPECT_EQ((std::vector<double>{0.0, 1.0}), Times(report));
    EXPECT_EQ(0, report["chapterMenusUpdated"]);
    EXPECT_EQ(2u, ChapterButtons().size());

    RunResult added = Run({"chapters", m_project, "BEACH", "add", "1.5", "0:01.25", "--json"});
    ASSERT_EQ(0, added.status) << added.err;
    EXPECT_EQ((std::vector<double>{0.0, 1.0, 1.25, 1.5}), Times(added.Json()));
    EXPECT_EQ(1, added.Json()["chapterMenusUpdated"]);
    EXPECT_EQ(4u, ChapterButtons().size());

    ASSERT_EQ(0, Run({"chapters", m_project, "1", "remove", "2", "4"}).status);
    nlohmann::json left = Run({"chapters", m_project, "1", "list", "--json"}).Json();
    EXPECT_EQ((std::vector<double>{0.0, 1.25}), Times(left));
    EXPECT_EQ(2u, ChapterButtons().size());

    RunResult moved = Run({"chapters", m_project, "1", "move", "2", "1.75"});
    ASSERT_EQ(0, moved.status) << moved.err;
    EXPECT_EQ("'beach' has 2 chapters; 1 chapter menu updated\n"
              "  1  00:00:00.00\n"
              "  2  00:00:01.75\n",
              moved.out);
    EXPECT_EQ(2u, ChapterButtons().size());
    EXPECT_EQ(0, Run({"validate", m_project}).status);
}

TEST_F(ChaptersCommand, WrongChaptersTimesAndTitlesLeaveTheProjectAsItWas)
{
    std::string before = ReadFile(m_project);
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "7", "list"}), 3,
                            "no title '7' in the project (it has 1)");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "add", "half"}), 2, "bad time 'half'");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "add", "0.5"}), 3,
                            "no chapter can start at 0.50 s of 'beach'");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "add", "1.5", "9"}), 3,
                            "the title ends at 2.0");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "remove", "1"}), 3,
                            "no chapter 1 to change in 'beach': it has chapters 1 to 2");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "move", "2"}), 2,
                            "move needs a chapter number and a time");
    EXPECT_ONE_LINE_FAILURE(Run({"chapters", m_project, "1", "shuffle"}), 2, "ACTION");
    EXPECT_EQ(before, ReadFile(m_project));
}
