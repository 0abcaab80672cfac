// Menu operations of the application: static operations only. Each subsystem implements its
// own operations in its own source files; this one declaration gathers them.
#pragma once

#include "model/FloatRect.h"

#include "platform/WinTypes.h"

struct IDSMenu;

class CDSMenuUtils
{
public:
    CDSMenuUtils() = delete;

    // Geometry (foundation/MenuGeometry.cpp). Pixel rectangles have y downward from the
    // frame's top-left corner; menu space runs from -1 to +1 with y upward.

    // Menu space of a pixel rectangle in a frame of width × height pixels. E_INVALIDARG, out
    // unchanged, when width or height is 0.
    static HRESULT ConvertToFloatRect(FloatRect& out, const RECT& in, int width, int height);

    // Whole pixels of a menu-space rectangle in a frame of width × height pixels. An edge
    // rounds up from a fraction above 0.498, and a negative edge truncates toward zero.
    // E_INVALIDARG, out unchanged, when width or height is 0 or an edge is not a finite
    // number; edges beyond the 32-bit range stop at its ends.
    static HRESULT ConvertToRect(RECT& out, const FloatRect& in, int width, int height);
    // The same in the frame of the menu (GetMenuSize); out unchanged on failure.
    static HRESULT ConvertToRect(RECT& out, const FloatRect& in, IDSMenu* pMenu);

    // The menu's frame in pixels from its project's TV standard and video resolution: height
    // 576 for PAL, else 480; width 720, 704, 352, 352 (with half the height) or 480 for the
    // resolutions 1 to 5, else 720. The outputs hold 720 × 480 until the size is known, also
    // on failure. E_POINTER for a null menu or a project without encoding parameters,
    // E_INVALIDARG for a menu in no project.
    static HRESULT GetMenuSize(IDSMenu* pMenu, int& nX, int& nY);
};
