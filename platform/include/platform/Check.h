// The four check forms. Each failure message carries the source position of the check site
// ("./File.cpp(line)") and goes onto the calling thread's error stack; the trace form goes to
// the debug output instead. Every function that checks clears the error stack first, so the
// stack after a failed call holds that call's messages only: the failing site, then each
// caller that passed the failure on.
//
//     KVUClearErrorStack();
//     CHECK_NULL(pMenu);                                 // "…: *** Error NULL = pMenu"
//     CHECK_HR(pMenu->GetProject(&spProject));           // "…: *** Error <code> = <call>"
//
// The functions behind the macros release nothing themselves: counted references held in
// smart pointers are released when the macro's return leaves their scope.
#pragma once

#include "platform/WinTypes.h"

// Form 1 (expression given) and form 2 (expression null): "%s(%d): *** Error %s = %s\n" or
// "%s(%d): *** Error %s\n" onto the error stack.
void KVULogFailure(const char* file, int line, HRESULT hr, const char* expression);

// Form 3: "%s(%d): *** Error NULL = %s\n" onto the error stack.
void KVULogNull(const char* file, int line, const char* pointerText);

// Form 4: "%s(%d): %s\n" with the formatted text, to the debug output.
void KVUTrace(const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Form 4 with the text of a private failure code, onto the error stack.
void KVULogCode(const char* file, int line, HRESULT code);

// "./" followed by the file name of a source path, as messages name their source.
const char* KVUSourceName(const char* path);

// Form 1: evaluates expr once; on failure logs it with its source text and returns the code.
#define CHECK_HR(expr) CHECK_HR_TEXT(expr, #expr)

// Form 1 with the expression text given, where the source cannot be written as the text.
#define CHECK_HR_TEXT(expr, text)                                                                  \
    do {                                                                                           \
        HRESULT hrCheck_ = (expr);                                                                 \
        if (FAILED(hrCheck_)) {                                                                    \
            KVULogFailure(__FILE__, __LINE__, hrCheck_, text);                                     \
            return hrCheck_;                                                                       \
        }                                                                                          \
    } while (0)

// Form 1 that keeps the result in the caller's variable hr for later inspection.
#define CHECK_HR_ASSIGN(hr, expr)                                                                  \
    do {                                                                                           \
        (hr) = (expr);                                                                             \
        if (FAILED(hr)) {                                                                          \
            KVULogFailure(__FILE__, __LINE__, (hr), #expr);                                        \
            return (hr);                                                                           \
        }                                                                                          \
    } while (0)

// Form 2: the short message, for calls of the library's own code.
#define CHECK_HR_SHORT(expr)                                                                       \
    do {                                                                                           \
        HRESULT hrCheck_ = (expr);                                                                 \
        if (FAILED(hrCheck_)) {                                                                    \
            KVULogFailure(__FILE__, __LINE__, hrCheck_, nullptr);                                  \
            return hrCheck_;                                                                       \
        }                                                                                          \
    } while (0)

// Form 3: returns E_POINTER when ptr is null.
#define CHECK_NULL(ptr) CHECK_NULL_TEXT(ptr, #ptr)

#define CHECK_NULL_TEXT(ptr, text)                                                                 \
    do {                                                                                           \
        if (!(ptr)) {                                                                              \
            KVULogNull(__FILE__, __LINE__, text);                                                  \
            return E_POINTER;                                                                      \
        }                                                                                          \
    } while (0)

// Form 1 without returning, for steps whose failure is reported and then passed over.
#define LOG_HR(hr, text) KVULogFailure(__FILE__, __LINE__, (hr), text)

// Form 4 to the debug output.
#define TRACE_LINE(...) KVUTrace(__FILE__, __LINE__, __VA_ARGS__)

// Reports a private failure code with its text and returns it.
#define RETURN_CODE(code)                                                                          \
    do {                                                                                           \
        KVULogCode(__FILE__, __LINE__, (code));                                                    \
        return (code);                                                                             \
    } while (0)
