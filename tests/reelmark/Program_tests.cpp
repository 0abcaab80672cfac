// The program's frame, run as a person runs it: help, exit statuses and one-line errors.
#include "ReelmarkTest.h"

#include "CommandRegistry.h"

class Program : public ReelmarkTest
{};

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
    RunResult hint = Run({"menus", "--frobnicate"});
    EXPECT_NE(std::string::npos, hint.err.find("reelmark menus --help"));
}

TEST_F(Program, MissingProjectIsOneLineAndStatusThree)
{
    std::string missing = Path("nowhere.dmsd");
    for (const char* command : {"info", "menus"}) {
        RunResult run = Run({command, missing});
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
        for (const char* command : {"info", "menus"}) {
            RunResult run = Run({command, file});
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
