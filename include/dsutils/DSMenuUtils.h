// Menu operations of the application: static operations only. Each subsystem implements its
// own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSMenuElementVec.h"

#include "model/FloatRect.h"

#include "platform/WinTypes.h"

#include <vector>

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

    // Layout words of menus (layout/PredefinedLayouts.cpp).

    // One layout offered for a menu: its place in the offer and its layout word.
    struct sPredefinedLayout
    {
        int index;
        ULONG layout;
    };

    // How many buttons the menu's layout holds (lines × buttons per line; the default layout
    // for a stored 0). 0 for a null menu or an unreadable layout.
    static int LayoutGetBtnCount(IDSMenu* pMenu);
    // The seven layouts offered for a menu, indices 0 to 6: the layout of the menu's template
    // for its type (of the menu itself without one) as stored, then, for its M possible
    // buttons, rows of M/2 (rounded down) lines × M/2 (rounded up) buttons, columns of M/2
    // (rounded up) × M/2 (rounded down), one row of M, one column of M, and the diagonals down
    // and up with M buttons, all centred with Weight_LastLinesFull. out is emptied first.
    // E_POINTER (nothing reported) for a null menu; a failed layout read is returned.
    static HRESULT LayoutGetPredefinedLayouts(IDSMenu* pMenu, std::vector<sPredefinedLayout>& out);

    // Room on the grid (layout/MenuFmt.cpp). Command buttons are the buttons of the menu's
    // own list whose tag has ButtonType_Command.

    // Whether the menu has fewer command buttons than its layout holds; also true for a menu
    // without command buttons. False for a null menu or an unreadable layout.
    static bool LayoutMenuVacant(IDSMenu* pMenu);
    // Whether the menu has more command buttons than its layout holds; also true for a menu
    // without command buttons. False for a null menu or an unreadable layout.
    static bool LayoutMenuOverflow(IDSMenu* pMenu);

    // Hit testing (layout/MenuHitTest.cpp).

    // The region the player highlights for the button: its active region when one is set,
    // else its highlight region, else (highlight S_FALSE) its extent. Returns the last read's
    // result.
    static HRESULT GetActiveRegion(IDSMenuButton* pButton, FloatRect* pfBtnRect);
    // The first button of the menu's own list, in element order, whose hit area contains the
    // point (edges included): its thumbnail's extent, or its active region when the thumbnail
    // is empty, or its extent when it has no thumbnail. *ppButton (one reference, may be
    // null) and *pfRect (its active region, may be null) are filled on a hit.
    // E_FINDBUTTONATPOS_NOTHING_HIT, *ppButton null, when no button is there.
    static HRESULT FindButtonAtPos(IDSMenu* pMenu, float x, float y, IDSMenuButton** ppButton,
                                   FloatRect* pfRect);
    // The elements of the menu's own list whose extents, in whole pixels of a frame of that
    // size (truncated), hold the pixel point (right and bottom edges excluded), or overlap the
    // pixel area. out is replaced by them, in element order. S_OK when there is one at least,
    // S_FALSE when none; elements whose extent cannot be read are passed over.
    static HRESULT FindElementsAtPos(IDSMenu* pMenu, POINT* pPoint, SIZE* pFrame,
                                     DSMenuElementVec& out);
    static HRESULT FindElementsInArea(IDSMenu* pMenu, RECT* pArea, SIZE* pFrame,
                                      DSMenuElementVec& out);

    // Alignment and sizes (layout/MenuAlignment.cpp).

    // The rectangle an element is aligned by. A text: its extent, or (-0.1, 0.1, 0.1, -0.1)
    // when that cannot be read. A button: the extent of its first child tagged 2, joined with
    // its thumbnail's when it has one; else its thumbnail's extent; else its label's
    // rectangle; else *pfAlignmentRect is left as it was. Any other element: its extent.
    // E_GETALIGNMENTRECT_INVALID_ALIGNMENT for an object that is not a menu element.
    static HRESULT GetAlignmentRect(IUnknown* pElement, FloatRect* pfAlignmentRect);
    // Moves the elements so that their edges or centres line up with the first one's: mode 1
    // left edges, 2 right edges, 3 vertical centres (y), 4 top edges, 5 bottom edges, 6
    // horizontal centres (x). Edges are those of a button's alignment rectangle and of any
    // other element's extent; the other coordinate is kept. Any other mode moves nothing.
    static HRESULT AlignElements(const DSMenuElementVec& elements, int mode);
    // Gives the buttons of the key's kind the key's proportions. For a command key: every
    // other command button of its menu that is built alike (the same children with the same
    // tags, and overlays tagged 2 or 8 showing the same source) takes the size and place of
    // the key's overlays tagged 8, 4 and 2, and the alignment and place of its label; the
    // button itself keeps its position. For a navigation key: the same for every other
    // navigation button without a label, overlays only. A child present in one button and not
    // in the other fails with E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING.
    static HRESULT MakeButtonsSameSize(IDSMenuButton* pKeyButton);

    // Button numbering (layout/ButtonNumbering.cpp).

    // Starts the label of every command button of the menu with its number among them, "1. ",
    // "2. " and so on; a label with the right number is not written again, an old number is
    // replaced, and a button without a text element keeps its place in the count. Failures of
    // single labels are passed over: S_OK once it ran; E_POINTER for a null menu.
    static HRESULT SetNumberBtns(IDSMenu* pMenu);
    // The first text element of the button's or the menu's own list, of any tag, borrowed
    // (the list keeps it); null when there is none.
    static IDSMenuText* GetTextElement(IDSMenuButton* pButton);
    static IDSMenuText* GetTextElement(IDSMenu* pMenu);
};
