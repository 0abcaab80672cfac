// File search with the wildcard rules of the desktop platform, in a deterministic order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DirectoryEntry
{
    std::wstring name;
    bool isDirectory = false;
};

// Whether name matches pattern: "*" stands for any run of characters, "?" for one character,
// letters compare without regard to case, and a pattern ending in ".*" also matches the
// names that its part before ".*" matches ("*.*" matches every name, "a.*" matches "a").
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);

// The folder part of a search pattern (empty for a pattern without "/") and the name part.
void SplitSearchPattern(std::wstring_view pattern, std::wstring& folder, std::wstring& name);

// The entries of folder whose names match the wildcard, sorted by name without regard to
// case (ties by exact name). A folder that cannot be read gives no entries.
std::vector<DirectoryEntry> ListMatchingEntries(const std::wstring& folder,
                                                std::wstring_view pattern);
