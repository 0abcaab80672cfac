// Questions tests ask of the calling thread's error stack.
#pragma once

#include "platform/ErrorStack.h"

#include <string>

// Whether one of the stack's messages contains the text.
inline bool StackHolds(const wchar_t* text)
{
    for (const std::wstring& message : KVUGetErrorStack()) {
        if (message.find(text) != std::wstring::npos)
            return true;
    }
    return false;
}
