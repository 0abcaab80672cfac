// The rectangles that the neighbour-link run measures buttons by, read from the object model
// once per run and kept by element ID for the rest of it.
#pragma once

#include "dsutils/FloatRect.h"

#include "model/IDSMenuElement.h"

#include "platform/ComPtr.h"

#include <map>

// A point of menu space.
struct LinkPoint
{
    float x;
    float y;
};

class CLinkRectCache
{
public:
    // The link rectangle of an element: for a command button the extent of its first
    // thumbnail overlay, or without one a square of half-side 0.01 around its position; for
    // any other element its extent. E_INVALIDARG for a null element; a failed read is
    // reported and returned.
    HRESULT GetRect(IDSMenuElement* pElement, CFloatRect& rect);
    // The centre of the link rectangle.
    HRESULT GetCentre(IDSMenuElement* pElement, LinkPoint& centre);

private:
    std::map<LONG, CFloatRect> m_rects;
};

// The button's first overlay tagged OverlayType_Thumbnail, or null.
CComPtr<IDSMenuOverlay> FirstThumbnail(IDSMenuButton* pButton);
