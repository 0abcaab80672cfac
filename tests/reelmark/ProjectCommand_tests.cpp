// The frame of commands that work on a project: the project is written back only after a
// command that changes projects succeeded.
#include "ReelmarkTest.h"

#include "ProjectCommand.h"

#include "platform/StringConv.h"

#include <sstream>

namespace {

// Renames the project and ends with the status it is given.
class RenameCommand : public ProjectCommand
{
public:
    RenameCommand(ExitStatus status, bool changes) : m_status(status), m_changes(changes) {}
    std::string Name() const override { return "rename"; }
    std::string Summary() const override { return "Renames"; }
    std::string Examples() const override { return ""; }

protected:
    bool ChangesProject() const override { return m_changes; }
    ExitStatus RunOn(ProjectDocument& document, Console&) override
    {
        document.Project()->put_Name(CComBSTR(L"Renamed"));
        return m_status;
    }

private:
    ExitStatus m_status;
    bool m_changes;
};

} // namespace

class ProjectCommandFrame : public ReelmarkTest
{
protected:
    ExitStatus RunRename(ExitStatus status, bool changes, const std::string& project)
    {
        RenameCommand command(status, changes);
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
    std::string project = Save(NewProject(), "p.dmsd");
    std::string before = ReadFile(project);
    // Every temporary name the save could write to beside the project is taken.
    for (int i = 0; i < 1000; ++i)
        WriteFile(project + ".saving" + std::to_string(i), "");
    EXPECT_EQ(ExitStatus::Failure, RunRename(ExitStatus::Success, true, project));
    EXPECT_EQ(0u, m_err.str().find("reelmark: cannot save '" + project + "'")) << m_err.str();
    EXPECT_NE(std::string::npos, m_err.str().find("the file is unchanged")) << m_err.str();
    EXPECT_EQ(before, ReadFile(project));
}
