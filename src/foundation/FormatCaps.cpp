#include "dsutils/DSAppUtils.h"

#include "platform/WinTypes.h"

namespace {

constexpr int kFormatCount = 11;

// One row per capability, one column per disc format (column 0 is format 1).
// clang-format off
constexpr DWORD kFormatCaps[FormatCap_Count][kFormatCount] = {
    // 1  2  3  4  5  6  7  8  9 10 11
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 0},
    {1, 1, 0, 1, 1, 1, 1, 0, 1, 0, 1},
    {1, 1, 0, 1, 1, 1, 1, 0, 1, 0, 1},
    {1, 0, 0, 1, 1, 1, 1, 0, 1, 0, 1},
    {1, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1},
    {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1},
    {1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};
// clang-format on

} // namespace

bool CDSAppUtils::IsFormatCap(int discFormat, eFormatCaps capability)
{
    if (discFormat < 1 || discFormat > kFormatCount || capability < 0 ||
        capability >= FormatCap_Count)
        return false;
    return kFormatCaps[capability][discFormat - 1] != 0;
}
