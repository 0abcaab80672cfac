#include "VolumeQueries.h"

#include "platform/WideFormat.h"

#include <sys/statfs.h>

#include <cerrno>
#include <system_error>

namespace {

constexpr unsigned long long kFatMagic = 0x4D44;
// FAT12 and FAT16 volumes hold fewer clusters than this; FAT32 volumes at least as many.
constexpr unsigned long long kFat32MinClusters = 65525;

struct FileSystemType
{
    unsigned long long magic;
    const wchar_t* name;
};

constexpr FileSystemType kFileSystemTypes[] = {
    {0x2011BAB0, L"exFAT"},    {0x5346544E, L"NTFS"},  {0x7366746E, L"NTFS"},
    {0xEF53, L"ext4"},         {0x9123683E, L"btrfs"}, {0x58465342, L"XFS"},
    {0x01021994, L"tmpfs"},    {0x858458F6, L"ramfs"}, {0x794C7630, L"overlay"},
    {0x65735546, L"fuse"},     {0x9660, L"CDFS"},      {0x15013346, L"UDF"},
    {0x6969, L"NFS"},          {0xFF534D42, L"SMB"},   {0xFE534D42, L"SMB"},
    {0x517B, L"SMB"},          {0x2FC12FC1, L"ZFS"},   {0xF2F52010, L"F2FS"},
    {0x73717368, L"squashfs"},
};

// The largest files of the FAT formats: their size fields cannot count one byte more.
constexpr ULONGLONG kLargestFatFile = 0x7FFFFFFFull;
constexpr ULONGLONG kLargestFat32File = 0xFFFFFFFFull;

HRESULT LastSystemError()
{
    if (errno == ENOENT || errno == ENOTDIR)
        return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    if (errno == EACCES || errno == EPERM)
        return E_ACCESSDENIED;
    return E_FAIL;
}

// The path itself when it exists, else the nearest folder above it that does (the current
// folder for a relative path none of whose folders exist).
std::filesystem::path NearestExisting(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::path probe = path.empty() ? std::filesystem::path(".") : path;
    while (!std::filesystem::exists(probe, ignored)) {
        std::filesystem::path parent = probe.parent_path();
        if (parent.empty() || parent == probe)
            return probe.is_absolute() ? probe.root_path() : std::filesystem::path(".");
        probe = parent;
    }
    return probe;
}

} // namespace

std::wstring FileSystemNameOfType(unsigned long long type, unsigned long long clusters)
{
    if (type == kFatMagic)
        return clusters < kFat32MinClusters ? L"FAT" : L"FAT32";
    for (const FileSystemType& known : kFileSystemTypes) {
        if (known.magic == type)
            return known.name;
    }
    return FormatWide(L"0x%08llX", type);
}

HRESULT GetVolumeFileSystemName(const std::filesystem::path& path, std::wstring& name)
{
    struct statfs volume
    {};
    if (statfs(NearestExisting(path).c_str(), &volume) != 0)
        return LastSystemError();
    name = FileSystemNameOfType(static_cast<unsigned long long>(volume.f_type),
                                static_cast<unsigned long long>(volume.f_blocks));
    return S_OK;
}

ULONGLONG LargestFileOn(const std::wstring& fileSystemName)
{
    if (fileSystemName == L"FAT")
        return kLargestFatFile;
    if (fileSystemName == L"FAT32")
        return kLargestFat32File;
    return 0;
}
