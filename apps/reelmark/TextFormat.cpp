#include "TextFormat.h"

#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSTimeStr.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <cctype>
#include <cstdio>

namespace {

std::string Trimmed(std::string text)
{
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

} // namespace

std::string Utf8(const wchar_t* text)
{
    return text ? WideToUtf8(text) : std::string();
}

std::string TimeText(double seconds)
{
    // Hundredths, with the sign position dropped for times that are not negative.
    CDSTimeStr time(seconds, 100.0);
    return Trimmed(Utf8(time));
}

std::string SizeText(uint64_t bytes)
{
    if (bytes < 1000)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    const char* units[] = {"kB", "MB", "GB", "TB"};
    double value = double(bytes) / 1000.0;
    int unit = 0;
    while (value >= 999.95 && unit < 3) {
        value /= 1000.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f %s", value, units[unit]);
    return text;
}

std::string BitRateText(LONG bitsPerSecond)
{
    return Trimmed(Utf8(CDSEncodeParams::GetSizeString(bitsPerSecond).c_str()));
}

std::string ResultText(HRESULT hr)
{
    const wchar_t* description = ResultCodeDescription(hr);
    std::string text = description ? Utf8(description) : Utf8(ResultCodeText(hr).c_str());
    // "The file …" reads "the file …" after a colon; names such as "MPEG" keep their case.
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        !std::isupper(static_cast<unsigned char>(text[1])))
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}
