#include "platform/Config.h"

#include "platform/NativePath.h"
#include "platform/PathService.h"
#include "platform/FileReplace.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

namespace {

// A setting is at most a path; its line, escaped, at most twice that and its name. Longer
// lines are damaged and passed over, and a file longer than any the system writes is read no
// further than kMaxFileBytes.
constexpr size_t kMaxValueBytes = 4096;
constexpr size_t kMaxLineBytes = 2 * kMaxValueBytes + 64;
constexpr size_t kMaxFileBytes = size_t(1) << 20;

struct DefaultSetting
{
    const char* name;
    const char* value;
};

// Every setting the system reads, with the value a new user starts with.
const DefaultSetting kDefaults[] = {
    {"0", ""},         // default 4:3 theme: none chosen, the first theme found serves
    {"1", ""},         // default 16:9 theme
    {"2", ""},         // default high-definition theme
    {"4", "0"},        // new projects take the flags of settings 10 and 69
    {"6", "0"},        // new titles are 4:3 unless the caller asks
    {"8", "0"},        // standard-definition projects start NTSC
    {"9", "0"},        // high-definition projects start NTSC
    {"10", "0"},       // project flag bit 1
    {"13", "0"},       // button thumbnails are stills, not sub-productions
    {"14", "0"},       // free overlays are stills, not sub-productions
    {"28", "99"},      // titles per project
    {"28.4", "99"},    // titles per project on disc format 2
    {"29", "999"},     // chapters per project
    {"30", "99"},      // chapters per title
    {"31", "36"},      // buttons per 4:3 menu
    {"31.4096", "18"}, // buttons per 16:9 menu
    {"33", ""},        // temporary folder: the system's
    {"34", ""},        // temporary folder chosen for next time: none
    {"69", "0"},       // project flag mode
    {"77", "0"},       // web reporting off
    {"78", "0"},       // web report details off
    {"85", "1"},       // AVC on formats 9 and 10
    {"86", "1"},       // AVC on formats 7 and 8
};

std::string KeyName(int key)
{
    return std::to_string(key);
}

std::string SubKeyName(int key, LONG subKey)
{
    return subKey == 0 ? KeyName(key) : KeyName(key) + "." + std::to_string(subKey);
}

const char* DefaultOf(const std::string& name)
{
    for (const DefaultSetting& setting : kDefaults) {
        if (name == setting.name)
            return setting.value;
    }
    return nullptr;
}

bool ParseNumber(const std::string& text, LONG& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Strings are kept on one line: backslash and line breaks are escaped.
std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

bool IsSettingName(const std::string& name)
{
    if (name.empty() || name.find_first_not_of("0123456789.-") != std::string::npos)
        return false;
    return std::isdigit(static_cast<unsigned char>(name.front())) != 0;
}

// The first kMaxFileBytes of the file; empty when it cannot be read.
std::string ReadHead(const std::wstring& path)
{
    std::ifstream in(WideToUtf8(path), std::ios::binary);
    std::string text;
    char buffer[8192];
    while (in && text.size() < kMaxFileBytes) {
        in.read(buffer,
                static_cast<std::streamsize>(std::min(sizeof buffer, kMaxFileBytes - text.size())));
        text.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return text;
}

// Reads "name=value" lines; anything else (a damaged line, a section header, a line longer
// than any the system writes) is passed over.
std::map<std::string, std::string> ParseIni(std::string_view text)
{
    std::map<std::string, std::string> entries;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view view = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (view.size() > kMaxLineBytes)
            continue;
        std::string line(view);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string name = line.substr(0, equals);
        if (IsSettingName(name))
            entries[name] = Unescape(line.substr(equals + 1));
    }
    return entries;
}

std::string FormatIni(const std::map<std::string, std::string>& entries)
{
    std::ostringstream out;
    out << "[settings]\n";
    for (const auto& [name, value] : entries)
        out << name << '=' << Escape(value) << '\n';
    return out.str();
}

HRESULT WriteWhole(const std::wstring& path, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(NativePath(path).parent_path(), error);
    return WriteFileReplacing(path, text);
}

} // namespace

CDSConfig::CDSConfig() : CDSConfig(PathAppend(UserConfigFolder(), L"reelmark/settings.ini")) {}

CDSConfig::CDSConfig(std::wstring path) : m_path(std::move(path))
{
    Reload();
}

HRESULT CDSConfig::Reload()
{
    m_entries = ParseIni(ReadHead(m_path));
    return S_OK;
}

bool CDSConfig::GetBool(int key) const
{
    return GetNumber(key) != 0;
}

LONG CDSConfig::GetNumber(int key) const
{
    return GetCapability(key, 0);
}

CComBSTR CDSConfig::GetString(int key) const
{
    std::string name = KeyName(key);
    auto found = m_entries.find(name);
    if (found != m_entries.end())
        return CComBSTR(Utf8ToWide(found->second));
    const char* fallback = DefaultOf(name);
    return CComBSTR(Utf8ToWide(fallback ? fallback : ""));
}

LONG CDSConfig::GetCapability(int key, LONG subKey) const
{
    // The most specific readable value wins: the user's sub-key, the default sub-key, then
    // the same for the key itself.
    std::string names[] = {SubKeyName(key, subKey), KeyName(key)};
    for (const std::string& name : names) {
        LONG value = 0;
        auto found = m_entries.find(name);
        if (found != m_entries.end() && ParseNumber(found->second, value))
            return value;
        const char* fallback = DefaultOf(name);
        if (fallback && ParseNumber(fallback, value))
            return value;
    }
    return 0;
}

HRESULT CDSConfig::SetBool(int key, bool value)
{
    return SetNumber(key, value ? 1 : 0);
}

HRESULT CDSConfig::SetNumber(int key, LONG value)
{
    return SetCapability(key, 0, value);
}

HRESULT CDSConfig::SetString(int key, const wchar_t* value)
{
    std::string text = WideToUtf8(value ? value : L"");
    if (text.size() > kMaxValueBytes)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    return Store(KeyName(key), text);
}

HRESULT CDSConfig::SetCapability(int key, LONG subKey, LONG value)
{
    return Store(SubKeyName(key, subKey), std::to_string(value));
}

HRESULT CDSConfig::Store(const std::string& name, const std::string& text)
{
    auto entries = m_entries;
    entries[name] = text;
    HRESULT hr = WriteWhole(m_path, FormatIni(entries));
    if (SUCCEEDED(hr))
        m_entries = std::move(entries);
    return hr;
}
