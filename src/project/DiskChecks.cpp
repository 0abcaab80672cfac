#include "DiskChecks.h"

#include "dsutils/DSAppUtils.h"
#include "foundation/FileOperations.h"
#include "platform/NativePath.h"

bool CheckFileSizeLimit(const std::filesystem::path& path, ULONGLONG size,
                        const FileSystemNameQuery& query)
{
    std::wstring fileSystem;
    if (!query || FAILED(query(path, fileSystem)))
        return true;
    ULONGLONG largest = LargestFileOn(fileSystem);
    return largest == 0 || size <= largest;
}

bool CDSAppUtils::CheckDiskFreeSpace(const std::filesystem::path& path, ULONGLONG size)
{
    ULONGLONG available = 0;
    return SUCCEEDED(QueryFreeDiskSpace(WidePath(path), available)) && size <= available;
}

bool CDSAppUtils::CheckDiskFileSizeLimit(const std::filesystem::path& path, ULONGLONG size)
{
    return CheckFileSizeLimit(path, size, GetVolumeFileSystemName);
}
