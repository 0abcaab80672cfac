// The fast part of the subpicture's pixel work. Rendered highlights are opaque black with pure
// pattern red and the smoothed red edges of glyphs; reduced pictures are empty but for the
// classes. On processors with AVX2, runs of 16 pixels (a cache line) of those kinds are
// recognised whole and worked out eight pixels at a time; other runs, and what is left at the
// end, go pixel by pixel.
#pragma once

#include "SubpictureBuffer.h"

#include <cstddef>

inline constexpr DWORD kColourBits = 0x00FFFFFF;

// A colour map with its sources cut to their colours, made once for all rows of a region.
struct ColourTable
{
    DWORD source[4];
    DWORD target[4];
};

inline ColourTable TableOf(const SPUColorMap& cMap)
{
    ColourTable table;
    for (int k = 0; k < 4; ++k) {
        table.source[k] = cMap.source[k] & kColourBits;
        table.target[k] = cMap.target[k];
    }
    return table;
}

// One pixel mapped: later sources are tested first and earlier ones override them, so that
// the first match wins.
inline DWORD MapPixel(DWORD pixel, const ColourTable& table)
{
    DWORD colour = pixel & kColourBits;
    DWORD mapped = colour == table.source[3] ? table.target[3] : 0u;
    mapped = colour == table.source[2] ? table.target[2] : mapped;
    mapped = colour == table.source[1] ? table.target[1] : mapped;
    mapped = colour == table.source[0] ? table.target[0] : mapped;
    return colour == 0 ? 0u : mapped;
}

// Pixel by pixel, in loops simple enough for the compiler to turn into vector code.
inline void ReducePixels(DWORD* pixel, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        pixel[i] = ReduceSubpicturePixel(pixel[i]);
}

inline void MapPixels(DWORD* pixel, size_t count, const ColourTable& table)
{
    for (size_t i = 0; i < count; ++i)
        pixel[i] = MapPixel(pixel[i], table);
}

// Reduces, or maps, the whole runs of 16 at the start of count pixels, exactly as the pixel
// functions above would; returns how many pixels that was (a multiple of 16).
size_t ReduceRuns(DWORD* pixel, size_t count);
size_t MapRuns(DWORD* pixel, size_t count, const ColourTable& table);
