// How an overlay's source and alpha mask are scaled inside the overlay.
#pragma once

struct OverlayFitInput
{
    // Width / height of the menu (4/3 or 16/9), of the mask picture (the menu's without a
    // mask) and of the source (the menu's for a nested production or a montage).
    double menuAspect = 4.0 / 3.0;
    double maskAspect = 4.0 / 3.0;
    double sourceAspect = 4.0 / 3.0;
    // The overlay's size in units of equal length across and up.
    double width = 1.0;
    double height = 1.0;
    // The overlay has a mask that is fitted to the menu (FitMaskToMenu).
    bool fitMaskToMenu = false;
    // The source fills the overlay (ZoomToFill).
    bool zoomToFill = false;
};

struct OverlayFitResult
{
    double maskScaleX = 1.0;
    double maskScaleY = 1.0;
    double sourceScaleX = 1.0;
    double sourceScaleY = 1.0;
};

// The mask and source scales of an overlay, each against the overlay's frame: a 4:3 menu, no
// mask, a 16:9 source, neither flag and an overlay of 400 × 300 give the mask scale (1, 1) and
// the source scale (1, 1).
OverlayFitResult FitOverlay(const OverlayFitInput& in);
