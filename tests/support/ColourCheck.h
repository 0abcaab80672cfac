// Comparing pixels of pictures made from lossy media with the colours they should have.
#pragma once

#include "platform/WinTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

// The largest difference of one channel (alpha included) between two 0xAARRGGBB values.
inline int ColourDistance(DWORD a, DWORD b)
{
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

// Compares a pixel with a colour, allowing for the loss of lossy video coding.
#define EXPECT_COLOUR_NEAR(expected, actual, tolerance)                                            \
    EXPECT_LE(ColourDistance((expected), (actual)), (tolerance))                                   \
        << std::hex << "expected 0x" << (expected) << " got 0x" << (actual)
