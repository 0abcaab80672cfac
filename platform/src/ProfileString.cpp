#include "platform/ProfileString.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// The first bytes of the file, or nothing when it is no regular file that can be opened.
std::optional<std::string> ReadHead(const std::wstring& file)
{
    std::error_code error;
    std::filesystem::path path(WideToUtf8(file));
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::string bytes(kMaxProfileBytes, '\0');
    stream.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(size_t(stream.gcount()));
    return bytes;
}

std::wstring Utf16LeToWide(std::string_view bytes)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8)));
    std::wstring text;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        text.push_back(wchar_t(c));
    }
    return text;
}

std::wstring DecodeText(std::string_view bytes)
{
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE)
        return Utf16LeToWide(bytes.substr(2));
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return Utf8ToWide(bytes);
}

std::wstring_view Trim(std::wstring_view text)
{
    constexpr std::wstring_view blanks = L" \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::wstring_view Unquoted(std::wstring_view value)
{
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The section a "[name]" line opens, or nothing for any other line.
std::optional<std::wstring_view> SectionOf(std::wstring_view line)
{
    if (line.size() < 2 || line.front() != L'[')
        return std::nullopt;
    size_t close = line.find(L']');
    if (close == std::wstring_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

} // namespace

std::wstring GetPrivateProfileString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback, const std::wstring& file)
{
    std::optional<std::string> bytes = ReadHead(file);
    if (!bytes)
        return std::wstring(fallback);
    std::wstring text = DecodeText(*bytes);
    std::wstring_view rest(text);
    bool inSection = false;
    while (!rest.empty()) {
        size_t end = rest.find(L'\n');
        std::wstring_view line = Trim(rest.substr(0, end));
        rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 1);
        if (std::optional<std::wstring_view> name = SectionOf(line)) {
            inSection = CompareNoCase(*name, Trim(section)) == 0;
            continue;
        }
        size_t equals = line.find(L'=');
        if (!inSection || line.empty() || line.front() == L';' || equals == std::wstring_view::npos)
            continue;
        if (CompareNoCase(Trim(line.substr(0, equals)), Trim(key)) == 0)
            return std::wstring(Unquoted(Trim(line.substr(equals + 1))));
    }
    return std::wstring(fallback);
}
