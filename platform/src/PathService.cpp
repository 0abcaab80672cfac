#include "platform/PathService.h"

#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <string>
#include <unistd.h>

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
    return error ? std::wstring(L"/tmp") : Utf8ToWide(temp.string());
}
