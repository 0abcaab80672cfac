// The program's frame, run as a person runs it: help, exit statuses and one-line errors.
#include "ReelmarkTest.h"

#include "CommandRegistry.h"

#include "platform/ErrorReport.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "support/ScopedEnvironment.h"

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

class Program : public ReelmarkTest
{
protected:
    // Every command that works on a project, with the arguments after PROJECT.
    static const std::vector<std::vector<std::string>> kProjectCommands;

    static std::vector<std::string> WithProject(std::vector<std::string> command,
                                                const std::string& project)
    {
        command.insert(command.begin() + 1, project);
        return command;
    }
};

const std::vector<std::vector<std::string>> Program::kProjectCommands = {
    {"info"},
    {"menus"},
    {"validate"},
    {"theme", "Ember"},
    {"render", "--out", "pictures"},
    {"chapters", "1", "list"},
    {"add", "clip.mp4"}};

TEST_F(Program, EveryCommandHasHelpWithExamples)
{
    for (const std::unique_ptr<Command>& command : CreateCommands()) {
        std::string name = command->Name();
        RunResult help = Run({name, "--help"});
        EXPECT_EQ(0, help.status) << name;
        EXPECT_NE(std::string::npos, help.out.find("Usage: reelmark " + name)) << help.out;
        EXPECT_NE(std::string::npos, help.out.find(command->Summary())) << help.out;
        EXPECT_NE(std::string::npos, help.out.find("Examples:\n  reelmark " + name)) << help.out;
        EXPECT_EQ(command->Reports(), help.out.find("--json") != std::string::npos) << help.out;
        EXPECT_EQ("", help.err) << name;
    }
}

TEST_F(Program, ProgramHelpListsTheCommandsButNotDeveloperOnes)
{
    RunResult help = Run({"--help"});
    EXPECT_EQ(0, help.status);
    for (const std::unique_ptr<Command>& command : CreateCommands()) {
        bool listed = help.out.find("  " + command->Name() + " ") != std::string::npos;
        EXPECT_EQ(!command->Hidden(), listed) << command->Name() << "\n" << help.out;
    }
    EXPECT_NE(std::string::npos, help.out.find("Exit status: 0"));
    RunResult version = Run({"--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ("reelmark " DSUTILS_VERSION "\n", version.out);
}

TEST_F(Program, UsageErrorsAreOneLineWithStatusTwo)
{
    EXPECT_ONE_LINE_FAILURE(Run({}), 2, "no command given");
    EXPECT_ONE_LINE_FAILURE(Run({"frobnicate"}), 2, "unknown command 'frobnicate'");
    EXPECT_ONE_LINE_FAILURE(Run({"info"}), 2, "PROJECT is required");
    EXPECT_ONE_LINE_FAILURE(Run({"info", "a.dmsd", "--bogus"}), 2, "--bogus");
    EXPECT_ONE_LINE_FAILURE(Run({"themes", "--aspect", "5:4"}), 2, "5:4");
    EXPECT_ONE_LINE_FAILURE(Run({"clips", "--seconds", "soon"}), 2, "soon");
    EXPECT_ONE_LINE_FAILURE(Run({"buttons", "--aspect", "1:1"}), 2, "1:1");
    EXPECT_ONE_LINE_FAILURE(Run({"theme", Path("a.dmsd")}), 2, "THEME is required");
    RunResult hint = Run({"menus", "--frobnicate"});
    EXPECT_NE(std::string::npos, hint.err.find("reelmark menus --help"));
}

TEST_F(Program, MissingProjectIsOneLineAndStatusThree)
{
    std::string missing = Path("nowhere.dmsd");
    for (const auto& command : kProjectCommands) {
        RunResult run = Run(WithProject(command, missing));
        EXPECT_ONE_LINE_FAILURE(run, 3, "no project file at '" + missing + "'");
    }
    EXPECT_ONE_LINE_FAILURE(Run({"info", m_folder.Path().string()}), 3, "is a folder");
}

TEST_F(Program, MalformedProjectIsOneLineAndLeftAsItWas)
{
    std::string broken = Path("broken.dmsd");
    const std::string garbage = "<DSProject><Title Name=\"half";
    WriteFile(broken, garbage);
    std::string other = Path("other.dmsd");
    WriteFile(other, "<?xml version=\"1.0\"?><html><body/></html>");
    for (const std::string& file : {broken, other}) {
        for (const auto& command : kProjectCommands) {
            RunResult run = Run(WithProject(command, file));
            EXPECT_ONE_LINE_FAILURE(run, 3, "'" + file + "' is not a project file");
        }
    }
    EXPECT_EQ(garbage, ReadFile(broken));
}

TEST_F(Program, VerboseShowsTheErrorStackUnderTheLine)
{
    std::string broken = Path("broken.dmsd");
    WriteFile(broken, "not xml at all");
    RunResult run = Run({"info", broken, "--verbose"});
    EXPECT_EQ(3, run.status);
    std::vector<std::string> lines = run.ErrLines();
    ASSERT_GE(lines.size(), 2u) << run.err;
    EXPECT_EQ(0u, lines[0].find("reelmark: '" + broken + "' is not a project file"));
    EXPECT_NE(std::string::npos, lines[1].find("*** Error")) << run.err;
    EXPECT_EQ(0u, lines[1].find("    "));
}

TEST_F(Program, CrashLeavesADumpAndAnErrorReport)
{
    // A home of the test's own, so that the report is the program's and nobody else's is lost.
    std::string home = Path("home");
    std::filesystem::create_directories(std::filesystem::path(home) / "tmp");
    ScopedEnvironment movedHome("REELMARK_HOME", home.c_str());
    std::wstring dump = SystemTempFolder() + L"/Reelmark.dmp";
    std::filesystem::path reports = ErrorReportFolder();
    // The clips take long enough to make that the program is caught at work; their folder
    // appears once the handler is in place.
    std::filesystem::path clips = m_folder.Path() / "clips";
    std::error_code error;
    StartedRun started = Start({"clips", "--out", clips.string(), "--seconds", "60"});
    for (int waited = 0; waited < 600 && !std::filesystem::exists(clips, error); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(started.pid, SIGSEGV);
    RunResult run = Wait(started);

    EXPECT_EQ(SIGSEGV, run.signal) << run.err;
    EXPECT_GT(std::filesystem::file_size(dump, error), 0u);
    std::string report = ReadFile((reports / "Crash_Reelmark.txt").string());
    EXPECT_NE(std::string::npos, report.find(WideToUtf8(dump))) << report;
}
