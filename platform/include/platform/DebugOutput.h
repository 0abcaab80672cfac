// The debugger output stream: silent unless REELMARK_DEBUG is set in the environment, when
// each text goes to standard error. Tests capture it with DebugOutputCapture.
#pragma once

#include <string>
#include <vector>

void OutputDebugStringW(const wchar_t* text);
void OutputDebugStringA(const char* text);

// Whether a text written to the debug output now by the calling thread would reach anyone (a
// capture, or standard error with REELMARK_DEBUG set), so that writers can skip composing it.
bool IsDebugOutputHeard();

// Collects every text written to the debug output by the calling thread while it lives;
// captures nest, the innermost one receiving.
class DebugOutputCapture
{
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    const std::vector<std::wstring>& Lines() const { return m_lines; }

private:
    friend void OutputDebugStringW(const wchar_t* text);
    std::vector<std::wstring> m_lines;
    DebugOutputCapture* m_outer;
};
