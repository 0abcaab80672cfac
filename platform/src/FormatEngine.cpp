#include "FormatEngine.h"

#include "platform/StringConv.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string_view>

namespace {

enum class Length
{
    None,
    Char,       // hh
    Short,      // h
    Long,       // l
    LongLong,   // ll
    Max,        // j
    Size,       // z
    Difference, // t
    LongDouble, // L
};

// One conversion: "%" flags width .precision length conversion.
struct Directive
{
    std::string flags;
    int width = -1;
    int precision = -1;
    Length length = Length::None;
    wchar_t conversion = 0;
};

// The arguments of one call, read in order. va_list may be an array type, so it is kept in a
// struct that can be passed by reference.
struct Arguments
{
    va_list list;
};

bool IsFlag(wchar_t c)
{
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0' || c == L'\'';
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// A number written in the format; false when it is larger than any text may be.
bool ReadNumber(const wchar_t*& at, int& number)
{
    long long value = 0;
    while (IsDigit(*at)) {
        value = value * 10 + (*at++ - L'0');
        if (value > static_cast<long long>(kLargestFormattedText))
            return false;
    }
    number = static_cast<int>(value);
    return true;
}

// A width or precision given in the format or, for "*", taken from the arguments.
bool ReadCount(const wchar_t*& at, Arguments& args, int& count, bool& fromArgument)
{
    fromArgument = *at == L'*';
    if (!fromArgument)
        return ReadNumber(at, count);
    ++at;
    count = va_arg(args.list, int);
    return true;
}

Length ReadLength(const wchar_t*& at)
{
    switch (*at) {
    case L'h':
        ++at;
        return *at == L'h' ? (++at, Length::Char) : Length::Short;
    case L'l':
        ++at;
        return *at == L'l' ? (++at, Length::LongLong) : Length::Long;
    case L'q':
        ++at;
        return Length::LongLong;
    case L'j':
        ++at;
        return Length::Max;
    case L'z':
        ++at;
        return Length::Size;
    case L't':
        ++at;
        return Length::Difference;
    case L'L':
        ++at;
        return Length::LongDouble;
    default:
        return Length::None;
    }
}

// Reads a directive after its "%"; false for one that is malformed or not supported.
bool ReadDirective(const wchar_t*& at, Arguments& args, Directive& directive)
{
    while (IsFlag(*at))
        directive.flags += static_cast<char>(*at++);
    bool fromArgument = false;
    if (!ReadCount(at, args, directive.width, fromArgument))
        return false;
    if (fromArgument && directive.width < 0) {
        directive.flags += '-';
        directive.width = directive.width == INT32_MIN ? -1 : -directive.width;
    }
    if (*at == L'.') {
        ++at;
        directive.precision = 0;
        if (!ReadCount(at, args, directive.precision, fromArgument))
            return false;
        if (directive.precision < 0)
            directive.precision = -1;
    }
    if (*at == L'$')
        return false;
    directive.length = ReadLength(at);
    directive.conversion = *at;
    if (!directive.conversion)
        return false;
    ++at;
    return directive.width <= static_cast<int>(kLargestFormattedText) &&
           directive.precision <= static_cast<int>(kLargestFormattedText);
}

const char* LengthText(Length length)
{
    switch (length) {
    case Length::Char:
        return "hh";
    case Length::Short:
        return "h";
    case Length::Long:
        return "l";
    case Length::LongLong:
        return "ll";
    case Length::Max:
        return "j";
    case Length::Size:
        return "z";
    case Length::Difference:
        return "t";
    case Length::LongDouble:
        return "L";
    default:
        return "";
    }
}

// The directive as a narrow format of the C library, for numbers.
std::string NarrowFormat(const Directive& directive)
{
    // Appended piece by piece: GCC 12 warns wrongly about "." + std::string at -O2.
    std::string format = "%";
    format += directive.flags;
    if (directive.width >= 0)
        format += std::to_string(directive.width);
    if (directive.precision >= 0) {
        format += '.';
        format += std::to_string(directive.precision);
    }
    format += LengthText(directive.length);
    format += static_cast<char>(directive.conversion);
    return format;
}

// A number or pointer formatted by the C library's narrow formatter, which needs no locale
// to be UTF-8 and measures exactly.
template <class T> bool AppendNumber(const Directive& directive, T value, std::wstring& out)
{
    std::string format = NarrowFormat(directive);
    int length = std::snprintf(nullptr, 0, format.c_str(), value);
    if (length < 0 || out.size() + static_cast<size_t>(length) > kLargestFormattedText)
        return false;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), value);
    text.resize(static_cast<size_t>(length));
    out += Utf8ToWide(text);
    return true;
}

bool AppendSigned(const Directive& directive, Arguments& args, std::wstring& out)
{
    switch (directive.length) {
    case Length::Long:
        return AppendNumber(directive, va_arg(args.list, long), out);
    case Length::LongLong:
        return AppendNumber(directive, va_arg(args.list, long long), out);
    case Length::Max:
        return AppendNumber(directive, va_arg(args.list, intmax_t), out);
    case Length::Size:
        return AppendNumber(directive, va_arg(args.list, ptrdiff_t), out);
    case Length::Difference:
        return AppendNumber(directive, va_arg(args.list, ptrdiff_t), out);
    case Length::LongDouble:
        return false;
    default:
        return AppendNumber(directive, va_arg(args.list, int), out);
    }
}

bool AppendUnsigned(const Directive& directive, Arguments& args, std::wstring& out)
{
    switch (directive.length) {
    case Length::Long:
        return AppendNumber(directive, va_arg(args.list, unsigned long), out);
    case Length::LongLong:
        return AppendNumber(directive, va_arg(args.list, unsigned long long), out);
    case Length::Max:
        return AppendNumber(directive, va_arg(args.list, uintmax_t), out);
    case Length::Size:
        return AppendNumber(directive, va_arg(args.list, size_t), out);
    case Length::Difference:
        return AppendNumber(directive, va_arg(args.list, size_t), out);
    case Length::LongDouble:
        return false;
    default:
        return AppendNumber(directive, va_arg(args.list, unsigned int), out);
    }
}

bool AppendFloating(const Directive& directive, Arguments& args, std::wstring& out)
{
    if (directive.length == Length::LongDouble)
        return AppendNumber(directive, va_arg(args.list, long double), out);
    if (directive.length != Length::None && directive.length != Length::Long)
        return false;
    return AppendNumber(directive, va_arg(args.list, double), out);
}

// Text cut to the precision and padded with blanks to the width.
bool AppendPadded(const Directive& directive, std::wstring_view text, std::wstring& out)
{
    if (directive.precision >= 0 && text.size() > static_cast<size_t>(directive.precision))
        text = text.substr(0, static_cast<size_t>(directive.precision));
    size_t width = directive.width > 0 ? static_cast<size_t>(directive.width) : 0;
    size_t padding = width > text.size() ? width - text.size() : 0;
    if (out.size() + text.size() + padding > kLargestFormattedText)
        return false;
    bool left = directive.flags.find('-') != std::string::npos;
    if (!left)
        out.append(padding, L' ');
    out.append(text);
    if (left)
        out.append(padding, L' ');
    return true;
}

bool AppendString(const Directive& directive, Arguments& args, std::wstring& out)
{
    bool wide = directive.length == Length::Long || directive.conversion == L'S';
    if (wide) {
        const wchar_t* text = va_arg(args.list, const wchar_t*);
        return AppendPadded(directive, text ? text : L"(null)", out);
    }
    const char* text = va_arg(args.list, const char*);
    return AppendPadded(directive, text ? Utf8ToWide(text) : L"(null)", out);
}

bool AppendCharacter(const Directive& directive, Arguments& args, std::wstring& out)
{
    wchar_t character = 0;
    if (directive.length == Length::Long || directive.conversion == L'C') {
        character = static_cast<wchar_t>(va_arg(args.list, wint_t));
    } else {
        // A narrow character is one byte of UTF-8: only ASCII stands alone.
        auto byte = static_cast<unsigned char>(va_arg(args.list, int));
        character = byte < 0x80 ? static_cast<wchar_t>(byte) : L'\uFFFD';
    }
    Directive padded = directive;
    padded.precision = -1;
    return AppendPadded(padded, std::wstring_view(&character, 1), out);
}

bool AppendDirective(const Directive& directive, Arguments& args, std::wstring& out)
{
    switch (directive.conversion) {
    case L'd':
    case L'i':
        return AppendSigned(directive, args, out);
    case L'o':
    case L'u':
    case L'x':
    case L'X':
        return AppendUnsigned(directive, args, out);
    case L'f':
    case L'F':
    case L'e':
    case L'E':
    case L'g':
    case L'G':
    case L'a':
    case L'A':
        return AppendFloating(directive, args, out);
    case L'p':
        return directive.length == Length::None &&
               AppendNumber(directive, va_arg(args.list, void*), out);
    case L's':
    case L'S':
        return AppendString(directive, args, out);
    case L'c':
    case L'C':
        return AppendCharacter(directive, args, out);
    default:
        // "%n" writes through a pointer of the caller's: never honoured.
        return false;
    }
}

bool FormatAll(const wchar_t* format, Arguments& args, std::wstring& out)
{
    for (const wchar_t* at = format; *at;) {
        const wchar_t* percent = std::wcschr(at, L'%');
        size_t plain = percent ? static_cast<size_t>(percent - at) : std::wcslen(at);
        if (out.size() + plain > kLargestFormattedText)
            return false;
        out.append(at, plain);
        if (!percent)
            return true;
        at = percent + 1;
        if (*at == L'%') {
            out += L'%';
            ++at;
            continue;
        }
        Directive directive;
        if (!ReadDirective(at, args, directive) || !AppendDirective(directive, args, out))
            return false;
    }
    return true;
}

} // namespace

bool FormatWideInto(const wchar_t* format, va_list args, std::wstring& out)
{
    out.clear();
    if (!format)
        return false;
    Arguments arguments;
    va_copy(arguments.list, args);
    bool formatted = FormatAll(format, arguments, out);
    va_end(arguments.list);
    if (!formatted)
        out.clear();
    return formatted;
}
