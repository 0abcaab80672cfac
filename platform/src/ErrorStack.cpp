#include "platform/ErrorStack.h"

#include "platform/ResultCodes.h"
#include "platform/WideFormat.h"

#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <new>

namespace {

std::vector<std::wstring>& ThreadStack()
{
    thread_local std::vector<std::wstring> stack;
    return stack;
}

} // namespace

void KVUClearErrorStack()
{
    ThreadStack().clear();
}

void KVUReportError(const wchar_t* text)
{
    if (text)
        ThreadStack().emplace_back(text);
}

std::vector<std::wstring> KVUGetErrorStack()
{
    return ThreadStack();
}

std::wstring KVUGetErrorStackText()
{
    std::wstring joined;
    for (const std::wstring& message : ThreadStack())
        joined += message;
    return joined;
}

KVUErrStr::KVUErrStr(HRESULT hr) : m_pszText(nullptr)
{
    Take(ResultCodeText(hr));
}

KVUErrStr::KVUErrStr(const wchar_t* format, ...) : m_pszText(nullptr)
{
    va_list args;
    va_start(args, format);
    std::wstring text = FormatWideV(format, args);
    va_end(args);
    Take(text);
}

KVUErrStr::KVUErrStr(const char* format, ...) : m_pszText(nullptr)
{
    va_list args;
    va_start(args, format);
    std::wstring text = FormatNarrowV(format, args);
    va_end(args);
    Take(text);
}

KVUErrStr::~KVUErrStr()
{
    std::free(m_pszText);
}

void KVUErrStr::Take(const std::wstring& text)
{
    m_pszText = static_cast<wchar_t*>(std::malloc((text.size() + 1) * sizeof(wchar_t)));
    if (!m_pszText)
        throw std::bad_alloc();
    std::wmemcpy(m_pszText, text.c_str(), text.size() + 1);
}
