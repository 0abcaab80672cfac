// The looks of the shipped themes: names, colours and fonts. The pictures of each look are
// painted by ThemePictures, its menus built by ThemeBuilder.
#pragma once

#include <string>
#include <vector>

enum class LookKind
{
    Aurora,   // northern lights over a night sky
    Ember,    // glowing embers on deep red
    Cobalt,   // cool blue with light streaks
    Fern,     // fresh light greens
    Premiere, // a theatre curtain with gold
};

struct ThemeLook
{
    LookKind kind;
    // The theme's file name without ".dmsd" (also its folder of pictures).
    std::wstring file;
    // The name people see.
    std::wstring name;
    bool wide;
    bool hd;

    // Colours as 0xRRGGBB.
    unsigned titleColour;
    unsigned labelColour;
    // Behind texts, for players that draw edges and shadows.
    unsigned textEdge;
    // The highlight of a selected button and of an activated one.
    unsigned accent;
    unsigned accentLight;
    // The darkest and a middle colour of the look, for the palette.
    unsigned dark;
    unsigned middle;
    // The badges of the navigation buttons and the pills of the index buttons, and the signs
    // on the badges.
    unsigned badge;
    unsigned glyph;

    std::wstring titleFace;
    std::wstring labelFace;
};

// Every shipped theme, 4:3 ones first.
const std::vector<ThemeLook>& ShippedLooks();

// The content folder's relative path of a theme's folder of pictures and of its file.
std::wstring ThemeFolder(const ThemeLook& look);
std::wstring ThemeFile(const ThemeLook& look);
// "DVD/4x3" or "DVD/16x9".
std::wstring AspectFolder(bool wide);
