#include "ReelmarkTest.h"

#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"
#include "platform/StringConv.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

extern char** environ;

nlohmann::json RunResult::Json() const
{
    try {
        return nlohmann::json::parse(out);
    } catch (const nlohmann::json::parse_error& error) {
        ADD_FAILURE() << "not JSON: " << error.what() << "\n" << out;
        return nullptr;
    }
}

std::vector<std::string> RunResult::ErrLines() const
{
    std::vector<std::string> lines;
    std::istringstream stream(err);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

RunResult ReelmarkTest::Run(const std::vector<std::string>& arguments)
{
    return Wait(Start(arguments));
}

StartedRun ReelmarkTest::Start(const std::vector<std::string>& arguments)
{
    return StartProgram(REELMARK_BINARY, arguments);
}

RunResult ReelmarkTest::RunOnTerminal(const std::vector<std::string>& arguments)
{
    // The words are single-quoted for the shell that script starts.
    std::string command = "'" REELMARK_BINARY "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    return Wait(StartProgram("/usr/bin/script", {"-qec", command, "/dev/null"}));
}

StartedRun ReelmarkTest::StartProgram(const std::string& program,
                                      const std::vector<std::string>& arguments)
{
    StartedRun started;
    started.outFile = Path("run" + std::to_string(++m_runs) + ".out");
    started.errFile = Path("run" + std::to_string(m_runs) + ".err");
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, started.outFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, started.errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int spawned =
        posix_spawn(&started.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot run " << program;
        started.pid = -1;
    }
    return started;
}

RunResult ReelmarkTest::Wait(const StartedRun& started)
{
    RunResult result;
    if (started.pid <= 0)
        return result;
    int status = 0;
    waitpid(started.pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.out = ReadFile(started.outFile);
    result.err = ReadFile(started.errFile);
    return result;
}

std::string ReelmarkTest::Save(IDSProjectData* project, const std::string& name)
{
    std::string path = Path(name);
    CComPtr<IDSProjectFile> files;
    EXPECT_EQ(S_OK, files.CoCreateInstance(CLSID_CDSProjectFile));
    EXPECT_EQ(S_OK, files->SaveProject(CComBSTR(Utf8ToWide(path)), project));
    return path;
}

CComPtr<IDSProjectData> ReelmarkTest::Load(const std::string& path)
{
    CComPtr<IDSProjectFile> files;
    EXPECT_EQ(S_OK, files.CoCreateInstance(CLSID_CDSProjectFile));
    CComPtr<IDSProjectData> project = NewProject();
    EXPECT_EQ(S_OK, files->LoadProject(CComBSTR(Utf8ToWide(path)), project));
    return project;
}

std::string ReelmarkTest::Path(const std::string& name) const
{
    return (m_folder.Path() / name).string();
}

std::string ReelmarkTest::ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void ReelmarkTest::WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
