// printf-style formatting into wide strings of any length. In wide formats "%ls" takes a wide
// string argument and "%s" a narrow one, as the C library defines them.
#pragma once

#include <cstdarg>
#include <string>

// The formatted text of a wide format; an output the C library cannot produce (an invalid
// multibyte argument) gives the empty string.
std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

// The formatted text of a narrow format, decoded from UTF-8.
std::wstring FormatNarrowV(const char* format, va_list args);
std::wstring FormatNarrow(const char* format, ...);

// The length FormatWideV would produce, or -1 when the text cannot be produced.
int CountWideFormat(const wchar_t* format, va_list args);
