#include "dsutils/DSAppUtils.h"

#include "CrashReport.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>

namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
// How long a second crashing thread waits for the first one's report before it ends the
// process itself.
constexpr int kWaitForReportSeconds = 10;

// The crash report holds the process-wide crash name; it is complete before the handler is
// installed and only read afterwards.
CrashReport& TheReport()
{
    static CrashReport report;
    return report;
}

std::atomic<bool> g_bReporting{false};

// The handler also runs for a stack overflow, so it gets a stack of its own where the thread
// has none (sanitizers install one of their own).
alignas(16) char g_alternateStack[1 << 16];

void EnsureAlternateStack()
{
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
        return;
    stack_t ours{};
    ours.ss_sp = g_alternateStack;
    ours.ss_size = sizeof(g_alternateStack);
    sigaltstack(&ours, nullptr);
}

void WaitForOtherReport()
{
    timespec second{1, 0};
    for (int waited = 0; waited < kWaitForReportSeconds; ++waited)
        nanosleep(&second, nullptr);
}

// Runs on a fatal signal of any thread. Only one thread writes the report; the process ends
// when it re-raises, so another crashing thread waits for that.
void OnFatalSignal(int signal, siginfo_t* info, void* context)
{
    if (!g_bReporting.exchange(true))
        TheReport().WriteAndHandOver(signal, info, context);
    else
        WaitForOtherReport();
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    // The signal is blocked while the handler runs and arrives once it returns; a fault comes
    // again anyway when the failing instruction runs again.
    raise(signal);
}

HRESULT InstallHandler()
{
    struct sigaction action = {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals) {
        if (sigaction(signal, &action, nullptr) != 0)
            return HResultFromErrno(errno);
    }
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::RegisterCrashHandler(const wchar_t* name, HWND)
{
    KVUClearErrorStack();
    CHECK_NULL(name);
    if (!TheReport().Name().empty())
        return S_FALSE;
    if (!*name)
        CHECK_HR_TEXT(E_INVALIDARG, "*name");
    CHECK_HR(TheReport().Prepare(name));
    EnsureAlternateStack();
    CHECK_HR(InstallHandler());
    return S_OK;
}
