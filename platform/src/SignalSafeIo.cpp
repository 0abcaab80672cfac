#include "platform/SignalSafeIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

bool SignalSafeWrite(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool SignalSafeWrite(int fd, const char* text)
{
    return SignalSafeWrite(fd, text, text ? std::strlen(text) : 0);
}

bool SignalSafeWriteWide(int fd, const wchar_t* text)
{
    char buffer[256];
    size_t used = 0;
    for (; text && *text; ++text) {
        if (used + 4 > sizeof(buffer)) {
            if (!SignalSafeWrite(fd, buffer, used))
                return false;
            used = 0;
        }
        used += EncodeUtf8(static_cast<uint32_t>(*text), buffer + used);
    }
    return SignalSafeWrite(fd, buffer, used);
}

bool SignalSafeCopy(int source, int fd)
{
    char buffer[4096];
    for (;;) {
        ssize_t count = read(source, buffer, sizeof(buffer));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        if (!SignalSafeWrite(fd, buffer, static_cast<size_t>(count)))
            return false;
    }
}

size_t EncodeUtf8(uint32_t c, char out[4])
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c >= 0x110000)
        c = '?';
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

bool SignalSafeMakeFolders(const char* path)
{
    FixedText<PATH_MAX> partial;
    for (const char* at = path; at && *at; ++at) {
        if (*at == '/' && !partial.Empty() && mkdir(partial.Text(), 0755) != 0 && errno != EEXIST)
            return false;
        partial.AppendByte(*at);
    }
    if (partial.Cut())
        return false;
    return partial.Empty() || mkdir(partial.Text(), 0755) == 0 || errno == EEXIST;
}
