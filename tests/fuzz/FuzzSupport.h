// What the fuzz targets share: the classes registered once, a working folder of their own that
// is also the current folder (so that a relative path in an input names a file there, the
// input itself included), files written and read whole, and the check that stops the run.
#pragma once

#include "platform/ComPtr.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Registers the XML, engine and object-model classes and enters the target's working folder;
// idempotent.
void FuzzEnvironment(const char* target);

// The path of a file of the working folder, as the interfaces take it.
std::wstring FuzzFile(const char* name);

void WriteFuzzFile(const char* name, const uint8_t* data, size_t size);
// The file's bytes; empty when it cannot be read.
std::string ReadFuzzFile(const char* name);

// Stops the run with the reason: the fuzzer keeps the input that got here.
[[noreturn]] void FuzzFailure(const char* target, const char* reason);

// A kind of file that loads into an object and is saved from one.
struct FuzzFileKind
{
    const char* target;
    // The extension of the files written, with its dot.
    const char* extension;
    // A new object with known content, the target of a load.
    std::function<CComPtr<IUnknown>()> make;
    std::function<HRESULT(IUnknown* object, const std::wstring& path)> load;
    std::function<HRESULT(IUnknown* object, const std::wstring& path)> save;
};

// Loads the input into an object of the kind: a refused file must leave the object as it was
// (it saves to the same bytes as before); a file that is taken must save, load and save again
// to the same bytes.
void CheckLoadAndRoundTrip(const FuzzFileKind& kind, const uint8_t* data, size_t size);

#define FUZZ_CHECK(target, condition)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFailure(target, #condition);                                                       \
    } while (0)
