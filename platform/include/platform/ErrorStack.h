// The error library: a stack of failure messages per thread, and message objects that turn
// result codes and formats into text.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// Empties the calling thread's error stack.
void KVUClearErrorStack();

// Pushes one message onto the calling thread's error stack; null pushes nothing.
void KVUReportError(const wchar_t* text);

// The messages of the calling thread's stack, oldest first.
std::vector<std::wstring> KVUGetErrorStack();

// All messages of the stack joined in order, for printing.
std::wstring KVUGetErrorStackText();

// A message text. The text pointer is the first member and stays valid for the object's life.
class KVUErrStr
{
public:
    // The text that describes a result code.
    explicit KVUErrStr(HRESULT hr);
    // printf rules; "%ls" for wide string arguments.
    KVUErrStr(const wchar_t* format, ...);
    // printf rules on a narrow format; the text is decoded from UTF-8.
    KVUErrStr(const char* format, ...);
    ~KVUErrStr();
    KVUErrStr(const KVUErrStr&) = delete;
    KVUErrStr& operator=(const KVUErrStr&) = delete;

    const wchar_t* Text() const { return m_pszText; }
    operator const wchar_t*() const { return m_pszText; }

    wchar_t* m_pszText;

private:
    void Take(const std::wstring& text);
};
