#include "ThemeLooks.h"

const std::vector<ThemeLook>& ShippedLooks()
{
    static const std::vector<ThemeLook> looks = {
        {LookKind::Aurora, L"Aurora", L"Aurora", false, false, 0xEEF8FF, 0xD6ECFF, 0x04101F,
         0x4BE3A8, 0xB9FFE3, 0x050B1C, 0x1C4A6E, 0x0D2A4A, 0xEEF8FF, L"DejaVu Sans",
         L"DejaVu Sans"},
        {LookKind::Ember, L"Ember", L"Ember", false, false, 0xFFE6BC, 0xFFDDB0, 0x1A0603, 0xFFA530,
         0xFFE08A, 0x160403, 0x6A1A0A, 0x3A0C06, 0xFFE6BC, L"DejaVu Serif", L"DejaVu Sans"},
        {LookKind::Cobalt, L"Cobalt", L"Cobalt", true, false, 0xEAF4FF, 0xCFE4FA, 0x061220,
         0x4FC3F7, 0xC8F0FF, 0x081424, 0x2A5A8A, 0x10284A, 0xEAF4FF, L"DejaVu Sans",
         L"DejaVu Sans"},
        {LookKind::Fern, L"Fern", L"Fern", true, false, 0x1E3A17, 0x22401B, 0xF4FAEE, 0xE8702A,
         0xFFC07A, 0x18301A, 0x7DB865, 0xFFFFFF, 0x2F5E24, L"DejaVu Sans", L"DejaVu Sans"},
        {LookKind::Premiere, L"HD_Premiere", L"Premiere", true, true, 0xF0CF72, 0xF6EBD0, 0x0C0205,
         0xE2B84A, 0xFFF0B8, 0x0A0204, 0x6E1424, 0x3A0814, 0xF0CF72, L"DejaVu Serif",
         L"DejaVu Serif"},
    };
    return looks;
}

std::wstring AspectFolder(bool wide)
{
    return wide ? L"DVD/16x9" : L"DVD/4x3";
}

std::wstring ThemeFolder(const ThemeLook& look)
{
    return AspectFolder(look.wide) + L"/Themes/" + look.file;
}

std::wstring ThemeFile(const ThemeLook& look)
{
    return AspectFolder(look.wide) + L"/Themes/" + look.file + L".dmsd";
}
