#include "platform/WideFormat.h"

#include "platform/StringConv.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

// vswprintf reports -1 both for a buffer that is too small and for an encoding error, so the
// buffer grows until the text fits or a generous bound is reached.
constexpr size_t kLargestText = size_t(1) << 26;

bool TryFormat(const wchar_t* format, va_list args, std::wstring& out)
{
    std::vector<wchar_t> buffer(256);
    while (buffer.size() <= kLargestText) {
        va_list copy;
        va_copy(copy, args);
        int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written >= 0) {
            out.assign(buffer.data(), static_cast<size_t>(written));
            return true;
        }
        buffer.resize(buffer.size() * 4);
    }
    return false;
}

} // namespace

std::wstring FormatWideV(const wchar_t* format, va_list args)
{
    std::wstring text;
    if (format)
        TryFormat(format, args, text);
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
    if (!format)
        return {};
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return Utf8ToWide(std::string_view(buffer.data(), static_cast<size_t>(length)));
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
    if (!format || !TryFormat(format, args, text))
        return -1;
    return static_cast<int>(text.size());
}
