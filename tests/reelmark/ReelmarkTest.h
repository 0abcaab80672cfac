// The fixture of the program's tests: runs the built reelmark as a person would, with its
// output and exit status captured, on projects the test writes with the object model and on
// media it makes.
#pragma once

#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include <nlohmann/json.hpp>

#include <sys/types.h>

#include <string>
#include <vector>

struct RunResult
{
    // The exit status; -1 when the program ended by a signal.
    int status = -1;
    // The signal that ended the program, 0 when it exited.
    int signal = 0;
    std::string out;
    std::string err;

    // The standard output as JSON; a parse failure fails the test and gives null.
    nlohmann::json Json() const;
    // The lines of the standard error.
    std::vector<std::string> ErrLines() const;
};

// A run of reelmark that has started and is not waited for yet.
struct StartedRun
{
    pid_t pid = -1;
    std::string outFile;
    std::string errFile;
};

class ReelmarkTest : public ProjectTest
{
protected:
    // Runs reelmark with the arguments; the environment is the test's.
    RunResult Run(const std::vector<std::string>& arguments);
    // Starts reelmark with the arguments and leaves it running; Wait waits for it to end.
    StartedRun Start(const std::vector<std::string>& arguments);
    static RunResult Wait(const StartedRun& started);
    // Runs reelmark with the arguments on a terminal of its own (a pseudo-terminal that
    // script(1) opens), whose output comes back as standard output.
    RunResult RunOnTerminal(const std::vector<std::string>& arguments);

    // Writes the project to a file of the scratch folder and gives its path.
    std::string Save(IDSProjectData* project, const std::string& name);
    // Reads the project a command wrote.
    static CComPtr<IDSProjectData> Load(const std::string& path);

    std::string Path(const std::string& name) const;
    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& bytes);

    ScratchFolder m_folder;

private:
    StartedRun StartProgram(const std::string& program, const std::vector<std::string>& arguments);

    int m_runs = 0;
};

// Expects a failure told in exactly one line on standard error.
#define EXPECT_ONE_LINE_FAILURE(run, expectedStatus, text)                                         \
    do {                                                                                           \
        const RunResult& failed_ = (run);                                                          \
        EXPECT_EQ((expectedStatus), failed_.status) << failed_.err;                                \
        ASSERT_EQ(1u, failed_.ErrLines().size()) << failed_.err;                                   \
        EXPECT_NE(std::string::npos, failed_.err.find(text)) << failed_.err;                       \
        EXPECT_EQ("", failed_.out);                                                                \
    } while (0)
