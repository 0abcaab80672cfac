#include "dsutils/TmpStr.h"

#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <new>
#include <string>
#include <utility>

namespace {

wchar_t* Duplicate(const wchar_t* text)
{
    size_t length = text ? std::wcslen(text) : 0;
    auto* copy = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    if (!copy)
        throw std::bad_alloc();
    std::wmemcpy(copy, text ? text : L"", length + 1);
    return copy;
}

// Formats once, then keeps the text in a buffer of exactly its size. A format that cannot be
// produced gives the empty text.
wchar_t* FormatInto(const wchar_t* format, va_list args)
{
    return Duplicate(FormatWideV(format, args).c_str());
}

// The narrow format decoded from UTF-8 into a buffer of 256; longer formats are cut.
void WidenFormat(const char* format, wchar_t (&wide)[256])
{
    std::wstring decoded = Utf8ToWide(format ? format : "");
    size_t length = decoded.size() < 255 ? decoded.size() : 255;
    std::wmemcpy(wide, decoded.c_str(), length);
    wide[length] = L'\0';
}

} // namespace

TmpStr::TmpStr(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_text = FormatInto(format, args);
    va_end(args);
}

TmpStr::TmpStr(const char* format, ...)
{
    wchar_t wide[256];
    WidenFormat(format, wide);
    va_list args;
    va_start(args, format);
    m_text = FormatInto(wide, args);
    va_end(args);
}

TmpStr::TmpStr(const TmpStr& other) : m_text(Duplicate(other.m_text)) {}

TmpStr::TmpStr(TmpStr&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}

TmpStr::~TmpStr()
{
    std::free(m_text);
}

TmpStr& TmpStr::operator=(const TmpStr& other)
{
    if (this != &other) {
        wchar_t* copy = Duplicate(other.m_text);
        std::free(m_text);
        m_text = copy;
    }
    return *this;
}

TmpStr& TmpStr::operator=(TmpStr&& other) noexcept
{
    if (this != &other)
        std::swap(m_text, other.m_text);
    return *this;
}
