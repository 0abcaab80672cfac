#include "XmlValueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace objectmodel {

namespace {

template <class T> std::wstring FormatNumber(T value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::wstring(buffer, result.ptr);
}

// The text as plain ASCII, or false when it holds any other character.
bool ToAscii(std::wstring_view text, std::string& ascii)
{
    ascii.clear();
    ascii.reserve(text.size());
    for (wchar_t c : text) {
        if (c <= 0 || c > 0x7E)
            return false;
        ascii.push_back(static_cast<char>(c));
    }
    return true;
}

template <class T> bool ParseNumber(std::wstring_view text, T& value)
{
    std::string ascii;
    if (text.empty() || !ToAscii(text, ascii))
        return false;
    T parsed{};
    const char* end = ascii.data() + ascii.size();
    auto result = std::from_chars(ascii.data(), end, parsed);
    if (result.ec != std::errc() || result.ptr != end)
        return false;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(parsed))
            return false;
    }
    value = parsed;
    return true;
}

// Splits at single blanks; false unless there are exactly count parts, none empty.
bool SplitFields(std::wstring_view text, size_t count, std::vector<std::wstring_view>& parts)
{
    parts.clear();
    size_t start = 0;
    for (;;) {
        size_t blank = text.find(L' ', start);
        if (blank == std::wstring_view::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return parts.size() == count &&
           std::none_of(parts.begin(), parts.end(), [](auto part) { return part.empty(); });
}

template <class T, size_t N> bool ParseGroup(std::wstring_view text, T (&values)[N])
{
    std::vector<std::wstring_view> parts;
    if (!SplitFields(text, N, parts))
        return false;
    T parsed[N];
    for (size_t i = 0; i < N; ++i) {
        if (!ParseNumber(parts[i], parsed[i]))
            return false;
    }
    std::copy(parsed, parsed + N, values);
    return true;
}

int HexDigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

} // namespace

std::wstring FormatValue(LONG value)
{
    return FormatNumber(value);
}

std::wstring FormatValue(ULONG value)
{
    return FormatNumber(value);
}

std::wstring FormatValue(float value)
{
    return FormatNumber(value);
}

std::wstring FormatValue(double value)
{
    return FormatNumber(value);
}

std::wstring FormatBoolean(VARIANT_BOOL value)
{
    return value ? L"true" : L"false";
}

std::wstring FormatValue(const FloatRect& value)
{
    return FormatValue(value.left) + L' ' + FormatValue(value.top) + L' ' +
           FormatValue(value.right) + L' ' + FormatValue(value.bottom);
}

std::wstring FormatValue(const ElementNeighbours& value)
{
    return FormatValue(value.left) + L' ' + FormatValue(value.right) + L' ' +
           FormatValue(value.up) + L' ' + FormatValue(value.down);
}

std::wstring FormatBytes(std::span<const BYTE> bytes)
{
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text;
    text.reserve(bytes.size() * 2);
    for (BYTE b : bytes) {
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 0x0F]);
    }
    return text;
}

bool ParseValue(std::wstring_view text, LONG& value)
{
    return ParseNumber(text, value);
}

bool ParseValue(std::wstring_view text, ULONG& value)
{
    return ParseNumber(text, value);
}

bool ParseValue(std::wstring_view text, float& value)
{
    return ParseNumber(text, value);
}

bool ParseValue(std::wstring_view text, double& value)
{
    return ParseNumber(text, value);
}

bool ParseBoolean(std::wstring_view text, VARIANT_BOOL& value)
{
    if (text == L"true")
        value = VARIANT_TRUE;
    else if (text == L"false")
        value = VARIANT_FALSE;
    else
        return false;
    return true;
}

bool ParseValue(std::wstring_view text, FloatRect& value)
{
    float edges[4];
    if (!ParseGroup(text, edges))
        return false;
    value = {edges[0], edges[1], edges[2], edges[3]};
    return true;
}

bool ParseValue(std::wstring_view text, ElementNeighbours& value)
{
    LONG ids[4];
    if (!ParseGroup(text, ids))
        return false;
    value = {ids[0], ids[1], ids[2], ids[3]};
    return true;
}

bool ParseBytes(std::wstring_view text, std::span<BYTE> bytes)
{
    if (text.size() != bytes.size() * 2)
        return false;
    std::vector<BYTE> parsed(bytes.size());
    for (size_t i = 0; i < parsed.size(); ++i) {
        int high = HexDigitValue(text[2 * i]);
        int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        parsed[i] = static_cast<BYTE>(high * 16 + low);
    }
    std::copy(parsed.begin(), parsed.end(), bytes.begin());
    return true;
}

} // namespace objectmodel
