// What the fuzz targets share: the classes registered once, a working folder of their own that
// is also the current folder (so that a relative path in an input names a file there, the
// input itself included), files written and read whole, and the check that stops the run.
#pragma once

#include <cstddef>
#include <cstdint>
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

#define FUZZ_CHECK(target, condition)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFailure(target, #condition);                                                       \
    } while (0)
