#include "FileOperations.h"

#include "platform/PathService.h"
#include "platform/StringConv.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path NativePath(const std::wstring& path)
{
    return fs::path(WideToUtf8(path));
}

bool IsDirectory(const std::wstring& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(NativePath(path), error);
}

bool IsExistingFile(const std::wstring& path)
{
    std::error_code error;
    return !path.empty() && fs::is_regular_file(NativePath(ResolveContentPath(path)), error);
}

bool PathExists(const std::wstring& path)
{
    std::error_code error;
    return fs::symlink_status(NativePath(path), error).type() != fs::file_type::not_found;
}

HRESULT MakeFolder(const std::wstring& path)
{
    if (IsDirectory(path))
        return S_OK;
    std::error_code error;
    fs::create_directories(NativePath(path), error);
    return error ? HResultFromErrno(error.value()) : S_OK;
}

bool RemoveFile(const std::wstring& path)
{
    std::error_code error;
    if (fs::symlink_status(NativePath(path), error).type() == fs::file_type::directory)
        return false;
    return fs::remove(NativePath(path), error) && !error;
}

bool RemoveTree(const std::wstring& path)
{
    std::error_code error;
    fs::remove_all(NativePath(path), error);
    return !error;
}

bool ReadFileIdentity(const std::wstring& path, FileIdentity& identity)
{
    int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info = {};
    bool read = fstat(fd, &info) == 0;
    close(fd);
    identity.index = info.st_ino;
    identity.volume = info.st_dev;
    return read;
}

bool CanOpenForReading(const std::wstring& path)
{
    int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info = {};
    bool file = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
    close(fd);
    return file;
}

HRESULT QueryFreeDiskSpace(const std::wstring& path, ULONGLONG& bytes)
{
    fs::path asked = NativePath(path);
    if (asked.empty())
        return E_INVALIDARG;
    std::error_code error;
    while (asked.has_parent_path() && !fs::exists(asked, error))
        asked = asked.parent_path();
    struct statvfs volume = {};
    if (statvfs(asked.c_str(), &volume) != 0)
        return HResultFromErrno(errno);
    bytes = static_cast<ULONGLONG>(volume.f_bavail) * volume.f_frsize;
    return S_OK;
}
