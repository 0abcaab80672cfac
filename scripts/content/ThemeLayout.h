// Where things sit on a shipped theme's menus, shared by the backgrounds (which leave calm
// places for the texts and buttons) and the templates (which put them there).
//
// Sizes are given in pixels of a reference frame 480 lines high and as wide as the aspect
// ratio makes it (640 for 4:3, 853⅓ for 16:9), so that a square stays square on either; menu
// space runs from -1 to +1 on both axes with y up.
#pragma once

#include "model/FloatRect.h"

struct ThemeLayout
{
    explicit ThemeLayout(bool wide) : width(wide ? 480.0 * 16.0 / 9.0 : 640.0) {}

    static constexpr double height = 480.0;
    double width;

    // Menu-space lengths of reference pixels.
    float UnitsX(double pixels) const { return float(pixels / (width / 2.0)); }
    float UnitsY(double pixels) const { return float(pixels / (height / 2.0)); }
    // Menu-space coordinates of a reference pixel position (from the top-left corner).
    float X(double pixels) const { return float(pixels / (width / 2.0) - 1.0); }
    float Y(double pixels) const { return float(1.0 - pixels / (height / 2.0)); }

    // The title across the top.
    static constexpr double titleY = 46.0;
    static constexpr double titleHeight = 56.0;
    static constexpr double titleInset = 84.0;
    // The band the backgrounds keep calm for the title, and the one for the bottom row.
    static constexpr double headerBottom = 92.0;
    static constexpr double footerTop = 412.0;

    // The area of the command buttons. Lines spread evenly over it with a line's height of
    // margin above the first and below the last, so it reaches well into the title band and
    // the bottom row.
    static constexpr double gridTop = 20.0;
    static constexpr double gridBottom = 460.0;
    static constexpr double gridInset = 18.0;
    FloatRect Grid() const
    {
        return {X(gridInset), Y(gridTop), X(width - gridInset), Y(gridBottom)};
    }

    // A command button: the thumbnail in its frame, the label below.
    static constexpr double thumbHeight = 88.0;
    double ThumbWidth() const { return thumbHeight * width / height; }
    static constexpr double frameBorder = 8.0;
    static constexpr double labelHeight = 24.0;
    static constexpr double labelGap = 4.0;
    double ButtonHeight() const { return thumbHeight + 2 * frameBorder + labelGap + labelHeight; }
    // The centres of frame and label relative to the button's centre, in pixels downward.
    double FrameOffset() const
    {
        return -(ButtonHeight() / 2.0 - (thumbHeight / 2.0 + frameBorder));
    }
    double LabelOffset() const { return ButtonHeight() / 2.0 - labelHeight / 2.0; }
    double LabelWidth() const { return width / 3.0 - 2 * gridInset; }

    // The navigation buttons: Home and Up in the top corners, Prev and Next in the bottom
    // ones; the index buttons of chapter menus between Prev and Next.
    static constexpr double iconSide = 44.0;
    static constexpr double cornerInset = 42.0;
    static constexpr double bottomRowY = 442.0;
    static constexpr double pillWidth = 100.0;
    static constexpr double pillHeight = 30.0;
    static constexpr double pillSpacing = 124.0;

    // Pictures are painted at twice the reference size, so that they stay sharp in frames
    // larger than 480 lines, with room around frames, badges and pills for their shadows.
    static constexpr double artScale = 2.0;
    static constexpr double shadowMargin = 8.0;
    static constexpr double badgeMargin = 4.0;

    // Font sizes: the height of a line in menu-space units.
    static constexpr float titleFontSize = 0.14f;
    static constexpr float labelFontSize = 0.07f;
    static constexpr float pillFontSize = 0.064f;
};
