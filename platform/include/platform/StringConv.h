// Conversions between the wide strings of the interfaces and the UTF-8 of files and the
// C library.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to wide; malformed sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view text);

// Wide to UTF-8; values that are not Unicode scalar values become U+FFFD.
std::string WideToUtf8(std::wstring_view text);

// The lower- and upper-case forms of a character by Unicode's simple case mapping, whatever
// the program's locale.
wchar_t ToLowerChar(wchar_t c);
wchar_t ToUpperChar(wchar_t c);

// Case-insensitive comparison of wide strings (simple case folding of each character);
// negative, 0 or positive like wcscmp.
int CompareNoCase(std::wstring_view a, std::wstring_view b);
