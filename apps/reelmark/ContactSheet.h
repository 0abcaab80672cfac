// One picture of many: pictures scaled down on a grid, each with its name under it, on a dark
// ground, to see every menu page of a project at a glance.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

struct SheetEntry
{
    // The picture file to show.
    std::wstring file;
    // The line under it.
    std::wstring label;
};

// Cells are kCellWidth pixels wide, up to four a row; each picture keeps its shape. Writes the
// sheet to file (the encoder its extension chooses). A picture that cannot be read is reported
// on the error stack and returned; E_INVALIDARG without entries.
HRESULT WriteContactSheet(const std::vector<SheetEntry>& entries, const std::wstring& file);

inline constexpr int kCellWidth = 320;
inline constexpr int kSheetColumns = 4;
