// File-system steps on the wide paths of the interfaces.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <filesystem>
#include <string>

std::filesystem::path NativePath(const std::wstring& path);

bool IsDirectory(const std::wstring& path);

// Whether a regular file is at the path (through symbolic links; not a folder, a pipe or a
// device, which would block or mislead a reader); path macros such as "%CONTENT%" are
// expanded first.
bool IsExistingFile(const std::wstring& path);

// Whether anything has the name; a dangling symbolic link counts, since writing through it
// would create a file elsewhere.
bool PathExists(const std::wstring& path);

// Makes the folder and its parents when missing; the system's failure otherwise.
HRESULT MakeFolder(const std::wstring& path);

// Removes a file or a symbolic link, never a folder (which a plain remove takes when empty).
bool RemoveFile(const std::wstring& path);

// Removes a folder with everything below it; an absent folder is no failure.
bool RemoveTree(const std::wstring& path);

// What tells one file from every other: its inode and its device, which stand for the file
// index and the volume serial number of the desktop platform.
struct FileIdentity
{
    uint64_t index = 0;
    uint64_t volume = 0;
};

// Opens the file for reading and reads its identity; false when it cannot be opened.
bool ReadFileIdentity(const std::wstring& path, FileIdentity& identity);

// Whether the file can be opened for reading (a folder cannot).
bool CanOpenForReading(const std::wstring& path);

// The free space, in bytes, that the calling user may fill on the volume that holds the path;
// a path that does not exist yet is asked about through its nearest existing folder. The
// system's failure when no folder of the path can be asked.
HRESULT QueryFreeDiskSpace(const std::wstring& path, ULONGLONG& bytes);
