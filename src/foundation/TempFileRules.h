// The deletion rules of the temporary files the library hands out (the flag bits are
// CDSFileUtils::TempFileFlags).
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

struct TempFileFacts
{
    uint64_t size = 0;
    // Whole days since the file was last written.
    int64_t ageDays = 0;
};

// Opens the file for reading and reads its size and age. The age counts from the last
// modification: file systems keep no settable birth time, and the library writes each
// temporary file once, so the two agree for its own files. False when the file cannot be
// opened.
bool ReadTempFileFacts(const std::wstring& path, TempFileFacts& facts);

// Whether any rule of flags holds for a file with these facts.
bool TempFileRuleHolds(DWORD flags, const TempFileFacts& facts);
