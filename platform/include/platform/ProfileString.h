// The profile-string reader: one value of an INI file ("[section]" lines, then "key=value"
// lines), as settings files of other programs are written.
#pragma once

#include <string>
#include <string_view>

// The most of a profile file that is read; the rest of a larger file is not looked at.
inline constexpr size_t kMaxProfileBytes = 64 * 1024;

// The value of key in section of the file, or fallback when the file, the section or the key
// is missing. Section and key names are compared without regard to case and around spaces;
// the value is trimmed and a pair of quotes around it is removed. Only a regular file is
// read, and of it only its first kMaxProfileBytes bytes, so that a device, a pipe or a huge
// file cannot hold the caller up. UTF-8 (with or without a byte order mark) and UTF-16
// little-endian with its byte order mark are read.
std::wstring GetPrivateProfileString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback, const std::wstring& file);
