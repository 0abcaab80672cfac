#include "TimeArgument.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace {

std::optional<double> ParseNumber(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.push_back("");
    return parts;
}

} // namespace

std::optional<double> ParseTime(const std::string& text)
{
    std::string time = text;
    if (!time.empty() && time.back() == 's')
        time.pop_back();
    std::vector<std::string> parts = Split(time, ':');
    if (parts.empty() || parts.size() > 3)
        return std::nullopt;
    double seconds = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::optional<double> part = ParseNumber(parts[i]);
        bool whole = i + 1 == parts.size() || (part && *part == std::floor(*part));
        // Minutes and seconds after the first field stay below 60.
        bool inRange = i == 0 || (part && *part < 60);
        if (!part || !whole || !inRange)
            return std::nullopt;
        seconds = seconds * 60 + *part;
    }
    return seconds;
}

std::optional<std::vector<double>> ParseTimeList(const std::string& text)
{
    std::vector<double> times;
    for (const std::string& part : Split(text, ',')) {
        std::optional<double> time = ParseTime(part);
        if (!time)
            return std::nullopt;
        times.push_back(*time);
    }
    if (times.empty())
        return std::nullopt;
    return times;
}
