// The deletion rules of the temporary files the library hands out (the flag bits are
// CDSFileUtils::TempFileFlags).
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <ctime>
#include <string>

struct TempFileFacts
{
    uint64_t size = 0;
    // Whole days since the file was created.
    int64_t ageDays = 0;
};

// Opens the file for reading and reads its size and its age at the time now (seconds since
// the epoch; the caller passes the clock's time, tests any time they need). The age counts
// from the file's creation: its birth time where the file system keeps one, else the time its
// status last changed, which writing the file's content does not move back. False when the
// file cannot be opened.
bool ReadTempFileFacts(const std::wstring& path, std::time_t now, TempFileFacts& facts);

// Whether any rule of flags holds for a file with these facts.
bool TempFileRuleHolds(DWORD flags, const TempFileFacts& facts);
