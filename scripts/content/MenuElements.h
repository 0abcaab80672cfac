// Adding the elements of shipped menus and buttons through the object model's interfaces.
// Positions and sizes are in menu space; inside a button they are relative to its centre.
#pragma once

#include "model/IDSMenuElement.h"
#include "platform/ComPtr.h"

#include <string>

struct Place
{
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

struct OverlayDesign
{
    ULONG tag = 0;
    // A content path ("%CONTENT%/…").
    std::wstring source;
    Place place;
    LONG highlight = OverlayHLI_None;
    // Decorations name their file; thumbnails leave the source to be resolved from the link.
    LONG sourceType = OverlaySource_File;
};

struct TextDesign
{
    ULONG tag = 0;
    std::wstring label;
    Place place;
    std::wstring face;
    float size = 0.07f;
    bool bold = false;
    // 0xRRGGBB.
    unsigned colour = 0xFFFFFF;
    unsigned edge = 0x000000;
    LONG alignment = TextAlign_Center;
    LONG highlight = TextHLI_None;
};

// Appends an element to a menu's or a button's list.
HRESULT AddOverlayElement(IUnknown* holder, const OverlayDesign& design);
HRESULT AddTextElement(IUnknown* holder, const TextDesign& design);
HRESULT AddButtonElement(IUnknown* holder, ULONG tag, const std::wstring& name, const Place& place,
                         CComPtr<IDSMenuButton>& button);

// COLORREF of 0xRRGGBB.
COLORREF ColourRef(unsigned rgb);
