#include "platform/WideFormat.h"

#include "FormatEngine.h"

#include "platform/StringConv.h"

std::wstring FormatWideV(const wchar_t* format, va_list args)
{
    std::wstring text;
    FormatWideInto(format, args, text);
    return text;
}

std::wstring FormatWide(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring text = FormatWideV(format, args);
    va_end(args);
    return text;
}

std::wstring FormatNarrowV(const char* format, va_list args)
{
    // A narrow format means what the wide one of the same characters does: "%s" takes a
    // narrow (UTF-8) string and "%ls" a wide one.
    return format ? FormatWideV(Utf8ToWide(format).c_str(), args) : std::wstring();
}

std::wstring FormatNarrow(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring text = FormatNarrowV(format, args);
    va_end(args);
    return text;
}

int CountWideFormat(const wchar_t* format, va_list args)
{
    std::wstring text;
    if (!FormatWideInto(format, args, text))
        return -1;
    return static_cast<int>(text.size());
}
