// Times and durations on the command line: seconds ("90", "90.5", "90s") or minutes and seconds
// ("1:30"), or hours, minutes and seconds ("1:02:03.5").
#pragma once

#include <optional>
#include <string>
#include <vector>

// The seconds the text stands for; nothing for text that is no time or a negative one.
std::optional<double> ParseTime(const std::string& text);

// The times of a comma-separated list ("1:00,2:30,4:00"); nothing when one of them is no time.
std::optional<std::vector<double>> ParseTimeList(const std::string& text);

// What a time argument may be, for the message of a bad one.
inline constexpr const char* kTimeHint =
    "write seconds (90, 90.5) or minutes and seconds (1:30, 1:02:03)";
