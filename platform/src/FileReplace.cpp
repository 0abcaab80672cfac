#include "platform/FileReplace.h"

#include "platform/StringConv.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Tries at finding a free name for the temporary file before giving up.
constexpr int kTemporaryNameTries = 16;

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return 0;
}

// The path to write to: a symbolic link is followed, so that the file it names is replaced
// and the link stays.
std::string ResolvedTarget(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// A number for a temporary name that another writer is unlikely to pick.
uint64_t RandomNumber(int attempt)
{
    uint64_t number = 0;
    if (::getrandom(&number, sizeof number, GRND_NONBLOCK) != sizeof number)
        number = (static_cast<uint64_t>(::getpid()) << 16) + static_cast<uint64_t>(attempt);
    return number;
}

// A hidden name beside target that no file has yet, created for writing; -1 with errno set
// when none could be made.
int CreateTemporary(const std::string& target, std::string& name)
{
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = folder + "." + file + ".tmp" + std::to_string(RandomNumber(attempt));
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes the temporary file in full and to the disk; the errno of a failure, else 0.
int FillTemporary(int fd, const std::string& target, std::string_view bytes)
{
    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(fd, existing.st_mode & 07777) != 0)
        return errno;
    if (int error = WriteAll(fd, bytes))
        return error;
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

HRESULT WriteFileReplacing(std::wstring_view path, std::string_view bytes)
{
    std::string target = ResolvedTarget(WideToUtf8(path));
    std::string temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return HResultFromErrno(errno);
    int error = FillTemporary(fd, target, bytes);
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error)
        ::unlink(temporary.c_str());
    return HResultFromErrno(error);
}
