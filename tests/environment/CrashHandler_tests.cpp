#include "dsutils/DSAppUtils.h"

#include "platform/ErrorStack.h"
#include "support/ErrorStackText.h"
#include "support/FileText.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct CrashCase
{
    const char* how;
    int signal;
    const char* signalLine;
    const char* crashingFunction;
    // A fault happens in the crashing function itself, so the backtrace starts there; a signal
    // sent by abort starts in the C library.
    bool startsInIt;
};

void PrintTo(const CrashCase& crash, std::ostream* out)
{
    *out << crash.how;
}

// Runs the crash program with a home of its own. The sanitizers' handlers are switched on
// for every fatal signal, so that the crash handler must take each signal over from them,
// but their alternate signal stack is not, so that the handler runs on its own.
class CrashHandler : public ::testing::TestWithParam<CrashCase>
{
protected:
    // The program's wait status.
    int RunChild(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), CRASH_CHILD_PATH);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::string home = "REELMARK_HOME=" + m_home.Path().string();
        std::string asan = "ASAN_OPTIONS=handle_segv=1:handle_sigbus=1:handle_sigfpe=1:"
                           "handle_sigill=1:handle_abort=1:use_sigaltstack=0:detect_leaks=0";
        char* envp[] = {home.data(), asan.data(), nullptr};
        pid_t child = 0;
        EXPECT_EQ(posix_spawn(&child, CRASH_CHILD_PATH, nullptr, nullptr, argv.data(), envp), 0);
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        return status;
    }

    fs::path DumpOf(const std::string& name) const
    {
        return m_home.Path() / "tmp" / (name + ".dmp");
    }
    fs::path Reports() const { return m_home.Path() / ".local/share/Corvane/ErrorReports"; }

    ScratchFolder m_home;
};

TEST_P(CrashHandler, TheCrashLeavesAReportAndEndsTheProcessByItsSignal)
{
    const CrashCase& crash = GetParam();
    int status = RunChild({crash.how, "Reelmark", "--again", "Other"});
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), crash.signal);

    std::string dump = ReadFileText(DumpOf("Reelmark"));
    EXPECT_NE(dump.find("Crash name: Reelmark\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find(crash.signalLine), std::string::npos) << dump;
    EXPECT_NE(dump.find("Program: " CRASH_CHILD_PATH "\n"), std::string::npos) << dump;
    EXPECT_TRUE(std::regex_search(dump, std::regex("\nProgram build ID: [0-9a-f]{16,}\n")));
    EXPECT_NE(dump.find("Library: dsutils " DSUTILS_TEST_VERSION "\n"), std::string::npos);
    size_t backtrace = dump.find("\nBacktrace:\n");
    ASSERT_NE(backtrace, std::string::npos) << dump;
    size_t crashingFrame = dump.find(crash.crashingFunction, backtrace);
    EXPECT_NE(crashingFrame, std::string::npos) << dump;
    size_t firstFrameEnd = dump.find('\n', backtrace + std::strlen("\nBacktrace:\n"));
    if (crash.startsInIt) {
        EXPECT_LT(crashingFrame, firstFrameEnd) << "the handler's own frames are left out";
    }
    EXPECT_FALSE(fs::exists(DumpOf("Other"))) << "a second registration changes nothing";

    std::string stored = ReadFileText(Reports() / "Crash_Reelmark.txt");
    EXPECT_EQ(stored, "Report: Crash_Reelmark\nKind: crash\nAttachment: " +
                          DumpOf("Reelmark").string() + "\n\n" + dump);
}

const CrashCase kCrashes[] = {
    {"segv", SIGSEGV, "Signal: 11 (SIGSEGV), code 1\nFault address: 0x0000000000000010\n",
     "(CrashChildWriteToBadAddress+", true},
    {"overflow", SIGSEGV, "Signal: 11 (SIGSEGV), code ", "(CrashChildRecurse+", true},
    {"bus", SIGBUS, "Signal: 7 (SIGBUS), code 2\nFault address: 0x",
     "(CrashChildReadPastMappedFile+", true},
    {"fpe", SIGFPE, "Signal: 8 (SIGFPE), code 1\nFault address: 0x", "(CrashChildDivideByZero+",
     true},
    {"ill", SIGILL, "Signal: 4 (SIGILL), code 2\nFault address: 0x", "(CrashChildExecuteTrap+",
     true},
    {"abrt", SIGABRT, "Signal: 6 (SIGABRT), code -6\nSent by process: ", "(CrashChildAbort+",
     false},
};

INSTANTIATE_TEST_SUITE_P(FatalSignals, CrashHandler, ::testing::ValuesIn(kCrashes),
                         [](const auto& info) { return std::string(info.param.how); });

class CrashHandlerAlone : public CrashHandler
{};

TEST_F(CrashHandlerAlone, WithoutTheReportingClassTheDumpIsStillWritten)
{
    int status = RunChild({"segv", "Quiet", "--no-reporter"});
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);
    EXPECT_NE(ReadFileText(DumpOf("Quiet")).find("Signal: 11 (SIGSEGV)"), std::string::npos);
    EXPECT_FALSE(fs::exists(Reports()));
}

TEST(CrashHandlerName, ANameIsRequired)
{
    EXPECT_EQ(CDSAppUtils::RegisterCrashHandler(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(CDSAppUtils::RegisterCrashHandler(L"", nullptr), E_INVALIDARG);
}

} // namespace
