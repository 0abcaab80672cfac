// How the program writes values for people: strings of the library in UTF-8, times, sizes and
// bitrates, and the descriptions of result codes.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

// The text of a wide string of the library (a BSTR too); null is the empty string.
std::string Utf8(const wchar_t* text);

// A time in seconds as hours, minutes, seconds and hundredths: "00:01:02.25".
std::string TimeText(double seconds);

// A size in bytes in decimal units with one decimal: "512 bytes", "1.5 kB", "4.7 GB".
std::string SizeText(uint64_t bytes);

// A bitrate in bits per second as the encoding parameters show it: "6.00 Mb/s", "192 Kb/s".
std::string BitRateText(LONG bitsPerSecond);

// What a result code means, starting in lower case so that it can follow a colon: "the file
// cannot be found".
std::string ResultText(HRESULT hr);

// A path quoted for a message: 'folder/file.dmsd'.
std::string Quoted(const std::string& path);
