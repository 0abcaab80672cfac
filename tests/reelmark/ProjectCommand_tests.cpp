// The frame of commands that work on a project: the project is written back only after a
// command that changes projects succeeded.
#include "ReelmarkTest.h"

#include "ProjectCommand.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <functional>
#include <sstream>

namespace {

// Renames the project and ends with the status it is given.
class RenameCommand : public ProjectCommand
{
public:
    RenameCommand(ExitStatus status, bool changes, std::function<void()> meanwhile)
        : m_status(status), m_changes(changes), m_meanwhile(std::move(meanwhile))
    {}
    std::string Name() const override { return "rename"; }
    std::string Summary() const override { return "Renames"; }
    std::string Examples() const override { return ""; }

protected:
    bool ChangesProject() const override { return m_changes; }
    ExitStatus RunOn(ProjectDocument& document, Console&) override
    {
        document.Project()->put_Name(CComBSTR(L"Renamed"));
        if (m_meanwhile)
            m_meanwhile();
        return m_status;
    }

private:
    ExitStatus m_status;
    bool m_changes;
    std::function<void()> m_meanwhile;
};

} // namespace

class ProjectCommandFrame : public ReelmarkTest
{
protected:
    ExitStatus RunRename(ExitStatus status, bool changes, const std::string& project,
                         std::function<void()> meanwhile = {})
    {
        RenameCommand command(status, changes, std::move(meanwhile));
        CLI::App app;
        command.Define(app);
        app.parse(project, false);
        return command.Run(m_console);
    }

    std::string NameIn(const std::string& path)
    {
        CComBSTR name;
        Load(path)->get_Name(&name);
        return WideToUtf8(name.m_str ? name.m_str : L"");
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
    Console m_console{m_out, m_err, false};
};

TEST_F(ProjectCommandFrame, SuccessfulChangeIsSaved)
{
    std::string project = Save(NewProject(), "p.dmsd");
    EXPECT_EQ(ExitStatus::Success, RunRename(ExitStatus::Success, true, project));
    EXPECT_EQ("Renamed", NameIn(project));
    EXPECT_EQ("", m_err.str());
}

TEST_F(ProjectCommandFrame, FailedOrReadOnlyCommandsLeaveTheFileAlone)
{
    std::string project = Save(NewProject(), "p.dmsd");
    std::string before = ReadFile(project);
    EXPECT_EQ(ExitStatus::Failure, RunRename(ExitStatus::Failure, true, project));
    EXPECT_EQ(ExitStatus::Findings, RunRename(ExitStatus::Findings, true, project));
    EXPECT_EQ(ExitStatus::Success, RunRename(ExitStatus::Success, false, project));
    EXPECT_EQ(before, ReadFile(project));
}

TEST_F(ProjectCommandFrame, FailedSaveIsReportedAndKeepsTheFile)
{
    std::filesystem::create_directories(Path("discs"));
    std::string project = Save(NewProject(), "discs/p.dmsd");
    std::string before = ReadFile(project);
    // While the command runs, its folder is moved away and a file takes the folder's name, so
    // that nothing can be written there.
    std::string away = Path("discs.away");
    auto blockFolder = [&] {
        std::filesystem::rename(Path("discs"), away);
        WriteFile(Path("discs"), "not a folder");
    };
    EXPECT_EQ(ExitStatus::Failure, RunRename(ExitStatus::Success, true, project, blockFolder));
    EXPECT_EQ(0u, m_err.str().find("reelmark: cannot save '" + project + "'")) << m_err.str();
    EXPECT_NE(std::string::npos, m_err.str().find("the file is unchanged")) << m_err.str();
    EXPECT_EQ(before, ReadFile(away + "/p.dmsd"));
}
