// Paths cross the interfaces as wide strings and reach the file system as bytes. Every
// conversion between the two goes through UTF-8 here, whatever the process's locale says, so
// that a name such as "Vidéos" works everywhere and no conversion can throw.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The longest path the file system takes, in bytes of UTF-8 (PATH_MAX).
inline constexpr size_t kMaxPathBytes = 4096;

// The file-system path of a wide path, its characters encoded as UTF-8.
std::filesystem::path NativePath(std::wstring_view path);

// The wide path of a file-system path, its bytes decoded as UTF-8 (malformed bytes become
// U+FFFD).
std::wstring WidePath(const std::filesystem::path& path);

// The extension of a path's file name with its dot (".png"), as it is written; empty when the
// name has none.
std::wstring PathExtension(std::wstring_view path);

// S_OK, or HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE) for a path that the file system
// cannot take: longer than kMaxPathBytes in UTF-8, or holding a NUL character.
HRESULT CheckPathLength(std::wstring_view path);
