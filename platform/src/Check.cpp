#include "platform/Check.h"

#include "platform/DebugOutput.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <cstdarg>
#include <cstring>
#include <string>

namespace {

std::wstring Position(const char* file)
{
    return Utf8ToWide(KVUSourceName(file));
}

} // namespace

const char* KVUSourceName(const char* path)
{
    thread_local std::string name;
    const char* slash = path ? std::strrchr(path, '/') : nullptr;
    name = "./";
    name += slash ? slash + 1 : (path ? path : "");
    return name.c_str();
}

void KVULogFailure(const char* file, int line, HRESULT hr, const char* expression)
{
    KVUErrStr code(hr);
    std::wstring position = Position(file);
    if (expression) {
        std::wstring text = Utf8ToWide(expression);
        KVUErrStr message(L"%ls(%d): *** Error %ls = %ls\n", position.c_str(), line, code.Text(),
                          text.c_str());
        KVUReportError(message);
    } else {
        KVUErrStr message(L"%ls(%d): *** Error %ls\n", position.c_str(), line, code.Text());
        KVUReportError(message);
    }
}

void KVULogNull(const char* file, int line, const char* pointerText)
{
    std::wstring position = Position(file);
    std::wstring text = Utf8ToWide(pointerText ? pointerText : "");
    KVUErrStr message(L"%ls(%d): *** Error NULL = %ls\n", position.c_str(), line, text.c_str());
    KVUReportError(message);
}

void KVUTrace(const char* file, int line, const char* format, ...)
{
    // Traces run in loops over every button; composing texts nobody reads costs more than the
    // work they describe.
    if (!IsDebugOutputHeard())
        return;
    va_list args;
    va_start(args, format);
    std::wstring text = FormatNarrowV(format, args);
    va_end(args);
    std::wstring position = Position(file);
    KVUErrStr message(L"%ls(%d): %ls\n", position.c_str(), line, text.c_str());
    OutputDebugStringW(message);
}

void KVULogCode(const char* file, int line, HRESULT code)
{
    KVUErrStr text(code);
    std::wstring position = Position(file);
    KVUErrStr message(L"%ls(%d): %ls\n", position.c_str(), line, text.Text());
    KVUReportError(message);
}
