// The fixture of the program's tests: runs the built reelmark as a person would, with its
// output and exit status captured, on projects the test writes with the object model and on
// media it makes.
#pragma once

#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

struct RunResult
{
    int status = -1;
    std::string out;
    std::string err;

    // The standard output as JSON; a parse failure fails the test and gives null.
    nlohmann::json Json() const;
    // The lines of the standard error.
    std::vector<std::string> ErrLines() const;
};

class ReelmarkTest : public ProjectTest
{
protected:
    // Runs reelmark with the arguments; the environment is the test's.
    RunResult Run(const std::vector<std::string>& arguments);
    // Runs reelmark with the arguments on a terminal of its own (a pseudo-terminal that
    // script(1) opens), whose output comes back as standard output.
    RunResult RunOnTerminal(const std::vector<std::string>& arguments);

    // Writes the project to a file of the scratch folder and gives its path.
    std::string Save(IDSProjectData* project, const std::string& name);

    std::string Path(const std::string& name) const;
    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& bytes);

    ScratchFolder m_folder;

private:
    RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

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
