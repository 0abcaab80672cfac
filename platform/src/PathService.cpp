#include "platform/PathService.h"

#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::wstring Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? Utf8ToWide(value) : std::wstring();
}

std::wstring HomeFolder()
{
    std::wstring home = Environment("HOME");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? Utf8ToWide(entry->pw_dir) : L"/";
}

// REELMARK_HOME, when set, stands in for the home folder and every XDG variable.
std::wstring MovedHome()
{
    return Environment("REELMARK_HOME");
}

std::wstring XdgFolder(const char* variable, const wchar_t* fallback)
{
    std::wstring moved = MovedHome();
    if (!moved.empty())
        return PathAppend(moved, fallback);
    std::wstring value = Environment(variable);
    return value.empty() ? PathAppend(HomeFolder(), fallback) : value;
}

bool IsDirectory(const std::wstring& path)
{
    std::error_code error;
    return std::filesystem::is_directory(NativePath(path), error);
}

bool Exists(const std::wstring& path)
{
    std::error_code error;
    return std::filesystem::exists(NativePath(path), error);
}

// The entries of folder whose names are name without regard to case: the exact name first
// when it exists, then the others in name order.
std::vector<std::wstring> MatchingEntries(const std::wstring& folder, const std::wstring& name)
{
    std::vector<std::wstring> matches;
    std::error_code error;
    for (std::filesystem::directory_iterator it(NativePath(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::wstring entry = WidePath(it->path().filename());
        if (entry != name && CompareNoCase(entry, name) == 0)
            matches.push_back(std::move(entry));
    }
    std::sort(matches.begin(), matches.end());
    if (Exists(PathAppend(folder, name)))
        matches.insert(matches.begin(), name);
    return matches;
}

// The existing path that relative names below folder, each part matched by MatchingEntries
// and the first match that leads on taken; empty when none does.
std::wstring ResolveBelow(const std::wstring& folder, std::wstring_view relative)
{
    while (!relative.empty() && relative.front() == L'/')
        relative.remove_prefix(1);
    if (relative.empty())
        return folder;
    size_t slash = relative.find(L'/');
    std::wstring part(relative.substr(0, slash));
    std::wstring_view rest =
        slash == std::wstring_view::npos ? std::wstring_view() : relative.substr(slash);
    for (const std::wstring& entry : MatchingEntries(folder, part)) {
        std::wstring resolved = ResolveBelow(PathAppend(folder, entry), rest);
        if (!resolved.empty())
            return resolved;
    }
    return std::wstring();
}

// Whether path lies below folder; relative receives the part after the folder.
bool LiesBelow(std::wstring_view path, std::wstring_view folder, std::wstring_view& relative)
{
    while (folder.size() > 1 && folder.back() == L'/')
        folder.remove_suffix(1);
    if (folder.empty() || path.size() <= folder.size() + 1 ||
        path.compare(0, folder.size(), folder) != 0 || path[folder.size()] != L'/')
        return false;
    relative = path.substr(folder.size() + 1);
    return true;
}

std::wstring Unquoted(std::string value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::wstring wide = Utf8ToWide(value);
    const std::wstring home = L"$HOME";
    if (wide.compare(0, home.size(), home) == 0)
        wide = HomeFolder() + wide.substr(home.size());
    return wide;
}

// The XDG_VIDEOS_DIR line of user-dirs.dirs, when the user has one.
std::wstring UserVideosFolder()
{
    std::wstring file = PathAppend(UserConfigFolder(), L"user-dirs.dirs");
    std::ifstream in(WideToUtf8(file));
    std::string line;
    const std::string key = "XDG_VIDEOS_DIR=";
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return Unquoted(line.substr(key.size()));
    }
    return {};
}

std::wstring ReplaceMacro(std::wstring text, const std::wstring& macro, const std::wstring& folder)
{
    for (size_t at = 0; at + macro.size() <= text.size();) {
        if (CompareNoCase(std::wstring_view(text).substr(at, macro.size()), macro) == 0) {
            text.replace(at, macro.size(), folder);
            at += folder.size();
        } else {
            ++at;
        }
    }
    return text;
}

} // namespace

std::wstring PathAppend(std::wstring_view folder, std::wstring_view relative)
{
    std::wstring joined(folder);
    while (!relative.empty() && relative.front() == L'/')
        relative.remove_prefix(1);
    if (relative.empty())
        return joined;
    if (!joined.empty() && joined.back() != L'/')
        joined += L'/';
    joined += relative;
    return joined;
}

std::wstring ContentFolder()
{
    std::wstring configured = Environment("REELMARK_CONTENT");
    if (!configured.empty())
        return configured;
    std::wstring installed = Utf8ToWide(DSUTILS_INSTALLED_CONTENT);
    if (IsDirectory(installed))
        return installed;
    return Utf8ToWide(DSUTILS_SOURCE_CONTENT);
}

std::wstring PluginsFolder()
{
    std::wstring configured = Environment("REELMARK_PLUGINS");
    return configured.empty() ? PathAppend(ContentFolder(), L"plugins") : configured;
}

std::wstring ExpandPathMacros(std::wstring_view path)
{
    std::wstring text(path);
    if (text.find(L'%') == std::wstring::npos)
        return text;
    text = ReplaceMacro(text, L"%CONTENT%", ContentFolder());
    return ReplaceMacro(text, L"%PLUGINS%", PluginsFolder());
}

std::wstring ResolveContentPath(std::wstring_view path)
{
    std::wstring expanded = ExpandPathMacros(path);
    // A path the file system cannot take names no file; it is not walked part by part.
    if (expanded.empty() || FAILED(CheckPathLength(expanded)) || Exists(expanded))
        return expanded;
    for (const std::wstring& folder : {ContentFolder(), PluginsFolder()}) {
        std::wstring_view relative;
        if (!LiesBelow(expanded, folder, relative))
            continue;
        std::wstring resolved = ResolveBelow(folder, relative);
        if (!resolved.empty())
            return resolved;
    }
    return expanded;
}

HRESULT GetShellFolderPath(int csidl, std::wstring& path)
{
    if (csidl == CSIDL_APPDATA) {
        path = XdgFolder("XDG_DATA_HOME", L".local/share");
        return S_OK;
    }
    if (csidl == CSIDL_MYVIDEO) {
        std::wstring moved = MovedHome();
        std::wstring videos = moved.empty() ? UserVideosFolder() : std::wstring();
        path =
            videos.empty() ? PathAppend(moved.empty() ? HomeFolder() : moved, L"Videos") : videos;
        return S_OK;
    }
    return E_INVALIDARG;
}

std::wstring UserConfigFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", L".config");
}

std::wstring SystemTempFolder()
{
    std::wstring moved = MovedHome();
    if (!moved.empty())
        return PathAppend(moved, L"tmp");
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? std::wstring(L"/tmp") : WidePath(temp);
}
