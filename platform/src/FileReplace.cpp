#include "platform/FileReplace.h"

#include "platform/StringConv.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

// A temporary file is named ".<file>.tmp<number>". Its writer holds an exclusive lock on it
// until it is renamed or removed; the lock goes with the writer's process, so a temporary
// file nobody holds locked was left by an interrupted save. Earlier versions of the system
// named their temporary files "<file>.saving<number>" and locked nothing.

namespace {

// Tries at finding a free name for the temporary file before giving up.
constexpr int kTemporaryNameTries = 16;

struct Target
{
    std::string folder; // with its trailing "/", or empty for the current folder
    std::string file;
};

// The path to write to: a symbolic link is followed.
std::string ResolvedTarget(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

Target SplitTarget(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

bool IsNumber(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether name is a temporary file of a save of file, by this version or an earlier one.
bool IsTemporaryOf(std::string_view name, const std::string& file)
{
    std::string current = "." + file + ".tmp";
    std::string earlier = file + ".saving";
    return (name.starts_with(current) && IsNumber(name.substr(current.size()))) ||
           (name.starts_with(earlier) && IsNumber(name.substr(earlier.size())));
}

// Removes a leftover unless a live save holds it. The lock taken first tells the two apart;
// the name is checked to be still the file locked, so that nothing else is removed.
void RemoveIfAbandoned(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held;
    struct stat named;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino &&
        named.st_dev == held.st_dev)
        ::unlink(path.c_str());
    ::close(fd);
}

void RemoveAbandonedTemporaries(const Target& target)
{
    DIR* folder = ::opendir(target.folder.empty() ? "." : target.folder.c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryOf(entry->d_name, target.file))
            RemoveIfAbandoned(target.folder + entry->d_name);
    }
    ::closedir(folder);
}

// A number for a temporary name that another writer is unlikely to pick.
uint64_t RandomNumber(int attempt)
{
    uint64_t number = 0;
    if (::getrandom(&number, sizeof number, GRND_NONBLOCK) != sizeof number)
        number = (static_cast<uint64_t>(::getpid()) << 16) + static_cast<uint64_t>(attempt);
    return number;
}

// Whether fd, just locked, is still the file of that name: a clean-up of another save may
// have removed it between its creation and the lock.
bool StillNamed(int fd, const std::string& name)
{
    struct stat held;
    struct stat named;
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 && ::lstat(name.c_str(), &named) == 0 &&
           named.st_ino == held.st_ino && named.st_dev == held.st_dev;
}

// A temporary file beside the target that no file had, created and locked for writing; -1
// with errno set when none could be made.
int CreateTemporary(const Target& target, std::string& name)
{
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = target.folder + "." + target.file + ".tmp" + std::to_string(RandomNumber(attempt));
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX) == 0 && StillNamed(fd, name))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

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
    std::string resolved = ResolvedTarget(WideToUtf8(path));
    Target target = SplitTarget(resolved);
    RemoveAbandonedTemporaries(target);
    std::string temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return HResultFromErrno(errno);
    int error = FillTemporary(fd, resolved, bytes);
    if (!error && ::rename(temporary.c_str(), resolved.c_str()) != 0)
        error = errno;
    if (error)
        ::unlink(temporary.c_str());
    // The lock goes only once the name is gone; the content is on the disk already.
    ::close(fd);
    return HResultFromErrno(error);
}
