#include "XmlFile.h"

#include "platform/StringConv.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::wstring ErrorText(int error)
{
    return Utf8ToWide(std::strerror(error));
}

// Reads everything from fd into bytes; the errno of a failure, else 0.
int ReadAll(int fd, std::string& bytes)
{
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return 0;
        bytes.append(buffer, static_cast<size_t>(count));
    }
}

} // namespace

namespace XmlFile {

bool Read(std::wstring_view path, std::string& bytes, std::wstring& reason)
{
    reason.clear();
    // Not blocking, so that a named pipe given as the path is refused rather than waited on.
    int fd = ::open(WideToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = L"cannot open the file: " + ErrorText(errno);
        return false;
    }
    struct stat status;
    int error = ::fstat(fd, &status) != 0 ? errno : 0;
    if (!error && !S_ISREG(status.st_mode))
        reason = L"not a regular file";
    else if (!error)
        error = ReadAll(fd, bytes);
    ::close(fd);
    if (error)
        reason = L"cannot read the file: " + ErrorText(error);
    return reason.empty();
}

} // namespace XmlFile
