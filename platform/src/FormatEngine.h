// printf-style formatting of a wide format into a wide string, done here rather than by
// vswprintf: narrow string arguments ("%s") are UTF-8 whatever the locale says, and a format
// that cannot be produced fails at once instead of being retried in ever larger buffers.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// The largest text a format may produce, in characters.
inline constexpr size_t kLargestFormattedText = size_t(1) << 26;

// Formats into out; false, with out empty, for a format that is malformed, asks for "%n" or
// positional arguments, or would produce more than kLargestFormattedText characters. The
// arguments are read from args, which the call leaves in an unspecified state.
bool FormatWideInto(const wchar_t* format, va_list args, std::wstring& out);
