// A program that registers the crash handler and then crashes, for the crash handler's tests:
//
//     crash_child <how> <crash name> [--again <second name>] [--no-reporter]
//
// how: segv (a write to a bad address), overflow (a recursion without end), bus (a read past the
// end of a mapped file), fpe (an integer division by zero), ill (an undefined instruction), abrt
// (abort). With --again the handler is registered a second time under another name, which must
// change nothing; with
// --no-reporter the error-reporting class is not registered. The crash functions are
// exported so that the backtrace names them. Exit codes other than a signal say what failed.
#include "dsutils/DSAppUtils.h"

#include "platform/ErrorReport.h"
#include "platform/StringConv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>

extern "C" {

__attribute__((noinline)) void CrashChildWriteToBadAddress()
{
    *reinterpret_cast<volatile int*>(uintptr_t(16)) = 1;
}

// Deeper than any stack: the recursion ends in an overflow.
volatile int g_recursionLimit = 1 << 30;

__attribute__((noinline)) int CrashChildRecurse(int depth)
{
    if (depth >= g_recursionLimit)
        return 0;
    volatile char frame[512];
    frame[depth % sizeof(frame)] = static_cast<char>(depth);
    return CrashChildRecurse(depth + 1) + frame[0];
}

__attribute__((noinline)) int CrashChildReadPastMappedFile()
{
    FILE* empty = std::tmpfile();
    void* mapped = mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fileno(empty), 0);
    return mapped == MAP_FAILED ? 0 : *static_cast<volatile int*>(mapped);
}

__attribute__((noinline, no_sanitize("integer-divide-by-zero"))) int
CrashChildDivideByZero(int dividend, int divisor)
{
    volatile int by = divisor;
    return dividend / by;
}

__attribute__((noinline)) void CrashChildExecuteTrap()
{
    __builtin_trap();
}

__attribute__((noinline)) void CrashChildAbort()
{
    // Called through a pointer that the compiler cannot see through, the call is not the
    // function's last instruction, so its return address still lies inside it.
    void (*volatile abortNow)() = std::abort;
    abortNow();
}
}

namespace {

bool HasFlag(int argc, char** argv, const char* flag)
{
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0)
            return true;
    }
    return false;
}

const char* SecondName(int argc, char** argv)
{
    for (int i = 3; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--again") == 0)
            return argv[i + 1];
    }
    return nullptr;
}

void Crash(const std::string& how)
{
    if (how == "segv")
        CrashChildWriteToBadAddress();
    else if (how == "overflow")
        CrashChildRecurse(0);
    else if (how == "bus")
        CrashChildReadPastMappedFile();
    else if (how == "fpe")
        CrashChildDivideByZero(1, 0);
    else if (how == "ill")
        CrashChildExecuteTrap();
    else if (how == "abrt")
        CrashChildAbort();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    // A crash of this program is expected: it leaves its report, not a core file.
    rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!HasFlag(argc, argv, "--no-reporter") && RegisterErrorReportClass() != S_OK)
        return 3;
    if (CDSAppUtils::RegisterCrashHandler(Utf8ToWide(argv[2]).c_str(), nullptr) != S_OK)
        return 4;
    const char* second = SecondName(argc, argv);
    if (second && CDSAppUtils::RegisterCrashHandler(Utf8ToWide(second).c_str(), nullptr) != S_FALSE)
        return 5;
    Crash(argv[1]);
    return 6;
}
