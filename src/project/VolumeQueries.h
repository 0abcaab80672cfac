// What the system says about the file system of the volume that holds a path. A path that does
// not exist yet (a file about to be written) is asked about through the nearest folder above
// it that exists.
#pragma once

#include "platform/WinTypes.h"

#include <filesystem>
#include <functional>
#include <string>

// Asks for the name of the file system of a path's volume; tests hand in their own.
using FileSystemNameQuery = std::function<HRESULT(const std::filesystem::path&, std::wstring&)>;

// The file-system name of the volume (statfs), as the desktop platform names it: "FAT" (FAT12
// and FAT16), "FAT32", "exFAT", "NTFS", "ext4", "btrfs", "XFS", "tmpfs" …; a type without a
// name gives its magic number ("0x1234ABCD"). The system's failure as a result code.
HRESULT GetVolumeFileSystemName(const std::filesystem::path& path, std::wstring& name);

// The name of a statfs type; clusters (the volume's block count) tells FAT32 from the older FAT
// formats, which hold fewer than 65,525 clusters.
std::wstring FileSystemNameOfType(unsigned long long type, unsigned long long clusters);

// The largest file the file system can hold, in bytes; 0 for a file system without a limit
// that matters here.
ULONGLONG LargestFileOn(const std::wstring& fileSystemName);
