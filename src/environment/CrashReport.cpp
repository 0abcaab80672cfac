#include "CrashReport.h"

#include "platform/PathService.h"
#include "platform/SignalSafeIo.h"
#include "platform/StringConv.h"

#include <cstring>
#include <elf.h>
#include <execinfo.h>
#include <fcntl.h>
#include <filesystem>
#include <link.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

#ifndef DSUTILS_VERSION
#error "the build names the library's version"
#endif

namespace {

// The longest temporary folder path taken, as the desktop platform's path buffers allow.
constexpr size_t kMaxTempPath = 260;
constexpr int kMaxFrames = 64;

struct SignalName
{
    int signal;
    const char* name;
};

constexpr SignalName kSignalNames[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"},   {SIGFPE, "SIGFPE"},
    {SIGILL, "SIGILL"},   {SIGABRT, "SIGABRT"},
};

const char* NameOf(int signal)
{
    for (const SignalName& entry : kSignalNames) {
        if (entry.signal == signal)
            return entry.name;
    }
    return "signal";
}

std::wstring TempFolder()
{
    std::wstring folder = SystemTempFolder();
    if (folder.empty() || folder.size() > kMaxTempPath)
        folder = L"/tmp";
    std::error_code ignored;
    std::filesystem::create_directories(WideToUtf8(folder), ignored);
    return folder;
}

std::string ProgramPath()
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("unknown") : path.string();
}

// The GNU build ID note of a loaded object, in hexadecimal; empty when it has none.
std::string BuildIdOf(const dl_phdr_info& object)
{
    for (int i = 0; i < object.dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = object.dlpi_phdr[i];
        if (segment.p_type != PT_NOTE)
            continue;
        const char* at = reinterpret_cast<const char*>(object.dlpi_addr + segment.p_vaddr);
        const char* end = at + segment.p_memsz;
        while (at + sizeof(ElfW(Nhdr)) <= end) {
            ElfW(Nhdr) note;
            std::memcpy(&note, at, sizeof(note));
            const char* name = at + sizeof(note);
            const char* desc = name + ((note.n_namesz + 3) & ~3u);
            if (desc + note.n_descsz > end)
                break;
            if (note.n_type == NT_GNU_BUILD_ID && note.n_namesz == 4 &&
                std::memcmp(name, "GNU", 4) == 0) {
                FixedText<128> hex;
                for (ElfW(Word) b = 0; b < note.n_descsz; ++b)
                    hex.AppendByte("0123456789abcdef"[static_cast<unsigned char>(desc[b]) >> 4])
                        .AppendByte("0123456789abcdef"[desc[b] & 0xF]);
                return hex.Text();
            }
            at = desc + ((note.n_descsz + 3) & ~3u);
        }
    }
    return {};
}

// The build ID identifies the program's build where it carries no version of its own.
std::string ProgramBuildId()
{
    std::string id;
    dl_iterate_phdr(
        [](dl_phdr_info* object, size_t, void* found) {
            *static_cast<std::string*>(found) = BuildIdOf(*object);
            return 1; // the first object is the program itself
        },
        &id);
    return id.empty() ? std::string("none") : id;
}

// The instruction the signal interrupted; 0 where the machine context is not known.
uintptr_t InterruptedInstruction(const void* context)
{
    if (!context)
        return 0;
    const mcontext_t& machine = static_cast<const ucontext_t*>(context)->uc_mcontext;
#if defined(__x86_64__)
    return static_cast<uintptr_t>(machine.gregs[REG_RIP]);
#elif defined(__i386__)
    return static_cast<uintptr_t>(machine.gregs[REG_EIP]);
#elif defined(__aarch64__)
    return static_cast<uintptr_t>(machine.pc);
#else
    (void)machine;
    return 0;
#endif
}

// Writes the frames from the interrupted instruction on, leaving out the handler's own; all
// of them when that instruction is not among them.
void WriteBacktrace(int fd, uintptr_t interrupted)
{
    void* frames[kMaxFrames];
    int count = backtrace(frames, kMaxFrames);
    int first = 0;
    for (int i = 0; i < count && interrupted; ++i) {
        if (reinterpret_cast<uintptr_t>(frames[i]) == interrupted) {
            first = i;
            break;
        }
    }
    backtrace_symbols_fd(frames + first, count - first, fd);
}

} // namespace

HRESULT CrashReport::Prepare(const std::wstring& name)
{
    std::wstring dumpPath = PathAppend(TempFolder(), name + L".dmp");
    m_dumpPath = WideToUtf8(dumpPath);
    m_bstrDumpPath = dumpPath.c_str();
    m_bstrReportName = (L"Crash_" + name).c_str();
    m_heading = "Crash report\nCrash name: " + WideToUtf8(name) + "\n";
    m_versions = "Program: " + ProgramPath() + "\nProgram build ID: " + ProgramBuildId() +
                 "\nLibrary: dsutils " DSUTILS_VERSION "\n";
    // The first call loads what backtrace needs, which the signal handler must not do.
    void* frames[kMaxFrames];
    backtrace(frames, kMaxFrames);
    m_spReport = nullptr;
    m_spReport.CoCreateInstance(CLSID_DSErrorReport);
    m_name = name;
    return S_OK;
}

void CrashReport::WriteAndHandOver(int signal, const siginfo_t* info, const void* context) const
{
    if (!WriteDump(signal, info, context) || !m_spReport)
        return;
    m_spReport->AttachFile(m_bstrDumpPath);
    m_spReport->Send(m_bstrReportName, ErrorReport_Crash);
}

bool CrashReport::WriteDump(int signal, const siginfo_t* info, const void* context) const
{
    int fd = open(m_dumpPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool written = SignalSafeWrite(fd, m_heading.c_str()) && WriteSignalLines(fd, signal, info) &&
                   SignalSafeWrite(fd, m_versions.c_str()) && SignalSafeWrite(fd, "Backtrace:\n");
    if (written)
        WriteBacktrace(fd, InterruptedInstruction(context));
    return close(fd) == 0 && written;
}

bool CrashReport::WriteSignalLines(int fd, int signal, const siginfo_t* info) const
{
    FixedText<256> lines;
    lines.Append("Signal: ").AppendDecimal(signal).Append(" (").Append(NameOf(signal)).Append(")");
    if (info) {
        lines.Append(", code ").AppendDecimal(info->si_code);
        // A signal sent by a process (kill, raise, abort) has a sender, not a faulting address.
        if (info->si_code <= 0)
            lines.Append("\nSent by process: ").AppendDecimal(info->si_pid);
        else
            lines.Append("\nFault address: ")
                .AppendHex(reinterpret_cast<uintptr_t>(info->si_addr), 16);
    }
    lines.Append("\nThread: ").AppendDecimal(static_cast<long long>(syscall(SYS_gettid)));
    lines.Append("\n");
    return SignalSafeWrite(fd, lines.Text(), lines.Length());
}
