#include "platform/DebugOutput.h"

#include "platform/StringConv.h"

#include <cstdio>
#include <cstdlib>

namespace {

DebugOutputCapture*& CurrentCapture()
{
    thread_local DebugOutputCapture* current = nullptr;
    return current;
}

} // namespace

DebugOutputCapture::DebugOutputCapture() : m_outer(CurrentCapture())
{
    CurrentCapture() = this;
}

DebugOutputCapture::~DebugOutputCapture()
{
    CurrentCapture() = m_outer;
}

void OutputDebugStringW(const wchar_t* text)
{
    if (!text)
        return;
    if (DebugOutputCapture* capture = CurrentCapture()) {
        capture->m_lines.emplace_back(text);
        return;
    }
    if (std::getenv("REELMARK_DEBUG"))
        std::fputs(WideToUtf8(text).c_str(), stderr);
}

bool IsDebugOutputHeard()
{
    return CurrentCapture() || std::getenv("REELMARK_DEBUG");
}

void OutputDebugStringA(const char* text)
{
    if (text)
        OutputDebugStringW(Utf8ToWide(text).c_str());
}
