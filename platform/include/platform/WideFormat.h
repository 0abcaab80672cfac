// printf-style formatting into wide strings of any length. In wide and narrow formats alike
// "%ls" takes a wide string argument and "%s" a narrow one, as the C library defines them;
// narrow strings are UTF-8 whatever the locale says. Positional arguments and "%n" are not
// supported.
#pragma once

#include <cstdarg>
#include <string>

// The formatted text of a wide format; a malformed or unsupported format, or one that would
// produce more than 2^26 characters, gives the empty string at once.
std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

// The formatted text of a narrow format, decoded from UTF-8.
std::wstring FormatNarrowV(const char* format, va_list args);
std::wstring FormatNarrow(const char* format, ...);

// The length FormatWideV would produce, or -1 when the text cannot be produced.
int CountWideFormat(const wchar_t* format, va_list args);
