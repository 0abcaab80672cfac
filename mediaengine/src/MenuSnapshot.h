// What a menu shows, in the order it is drawn: overlays (pictures, videos and nested
// productions in their extents, with alpha masks and rotation) and texts. Positions are menu
// coordinates: −1 … +1 on both axes with y up.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

struct DrawnElement
{
    enum class Kind
    {
        Overlay,
        Text,
    };

    Kind kind = Kind::Overlay;
    // The centre and the size of the extent, in menu coordinates.
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    // Clockwise, in degrees.
    double rotation = 0.0;
    // 0 (invisible) … 1 (opaque).
    double opacity = 1.0;
    // The interval of the production during which the element shows; an end not after the
    // start shows it throughout.
    double shownFrom = 0.0;
    double shownUntil = 0.0;

    // Overlays: the picture, video, production file or sub-production moniker; where in it
    // showing starts (a still overlay shows that moment throughout); the mask whose brightness
    // is the overlay's opacity; the sizes of source and mask relative to the extent.
    std::wstring source;
    double sourceTime = 0.0;
    bool still = false;
    std::wstring alphaMask;
    double sourceScaleX = 1.0;
    double sourceScaleY = 1.0;
    double maskScaleX = 1.0;
    double maskScaleY = 1.0;

    // Texts: the label, its colour 0xAARRGGBB, the font and the placement flags.
    std::wstring label;
    DWORD colour = 0xFFFFFFFF;
    std::wstring fontFamily = L"sans";
    // The em size as a fraction of the frame's height.
    double fontSize = 0.05;
    bool bold = false;
    bool italic = false;
    UINT alignment = 0x15; // centred, broken into lines between words
};

struct MenuSnapshot
{
    std::vector<DrawnElement> elements;
};
