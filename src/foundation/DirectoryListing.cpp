#include "DirectoryListing.h"

#include "FileOperations.h"

#include "platform/StringConv.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool SameLetter(wchar_t a, wchar_t b)
{
    return a == b || CompareNoCase(std::wstring_view(&a, 1), std::wstring_view(&b, 1)) == 0;
}

// Greedy matching that backs up to the last "*" on a mismatch: linear in practice, and
// never worse than pattern length × name length.
bool MatchesExactly(std::wstring_view pattern, std::wstring_view name)
{
    size_t p = 0, n = 0;
    size_t starAt = std::wstring_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::wstring_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

bool ByName(const DirectoryEntry& a, const DirectoryEntry& b)
{
    int order = CompareNoCase(a.name, b.name);
    return order != 0 ? order < 0 : a.name < b.name;
}

} // namespace

bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name)
{
    if (MatchesExactly(pattern, name))
        return true;
    constexpr std::wstring_view anyExtension = L".*";
    if (pattern.size() < anyExtension.size() ||
        pattern.substr(pattern.size() - anyExtension.size()) != anyExtension)
        return false;
    return MatchesExactly(pattern.substr(0, pattern.size() - anyExtension.size()), name);
}

void SplitSearchPattern(std::wstring_view pattern, std::wstring& folder, std::wstring& name)
{
    size_t slash = pattern.rfind(L'/');
    if (slash == std::wstring_view::npos) {
        folder.clear();
        name = pattern;
        return;
    }
    folder = pattern.substr(0, slash == 0 ? 1 : slash);
    name = pattern.substr(slash + 1);
}

std::vector<DirectoryEntry> ListMatchingEntries(const std::wstring& folder,
                                                std::wstring_view pattern)
{
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    fs::path where = folder.empty() ? fs::path(".") : NativePath(folder);
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        std::wstring name = WidePath(it->path().filename());
        if (!MatchesWildcard(pattern, name))
            continue;
        std::error_code kindError;
        entries.push_back({std::move(name), it->is_directory(kindError)});
    }
    std::sort(entries.begin(), entries.end(), ByName);
    return entries;
}
