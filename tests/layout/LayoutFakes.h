// Stand-ins of menus and their elements for the failure paths that the object model never
// takes: reads of extents, active regions and layout words that fail on demand. Elements have
// a centre (relative to the holding button) and a size; a button's extent grows over what it
// holds. Parents hold counted references to their children; children point back without one.
#pragma once

#include "support/ModelStubs.h"

#include "dsutils/FloatRect.h"

#include <vector>

class LayoutButton;

// The element list of a menu or a button, over a vector of counted references.
template <class Base> class LayoutElementList : public StubMenuElementList<Base>
{
public:
    HRESULT get_Count(LONG* value) override
    {
        return fake::Give(value, static_cast<LONG>(elements.size()));
    }
    HRESULT get_Item(LONG index, IDSMenuElement** value) override
    {
        if (index < 1 || index > static_cast<LONG>(elements.size()))
            return E_INVALIDARG;
        return elements[index - 1].CopyTo(value);
    }

    std::vector<CComPtr<IDSMenuElement>> elements;
};

// The extent of an element: its size around its absolute centre, or extentResult.
template <class Base> class LayoutGeometry : public FakeElementCore<Base>
{
public:
    HRESULT GetExtent(FloatRect* extent) override
    {
        if (FAILED(extentResult))
            return extentResult;
        *extent = OwnBox();
        return S_OK;
    }

    CFloatRect OwnBox() const;

    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    HRESULT extentResult = S_OK;
    LayoutButton* parent = nullptr;
};

// A new element with its ID, tag and size.
template <class Element>
CComPtr<Element> NewLayoutElement(LONG id, ULONG tag, IDSMenu* menu, float w, float h)
{
    CComPtr<Element> element = Element::Create();
    element->id = id;
    element->tag = tag;
    element->menu = menu;
    element->width = w;
    element->height = h;
    return element;
}

class LayoutText : public LayoutGeometry<StubMenuText<ComObject<LayoutText, IDSMenuText>>>
{};

class LayoutOverlay
    : public LayoutGeometry<StubMenuOverlay<ComObject<LayoutOverlay, IDSMenuOverlay>>>
{};

// A button without an active region or highlighted parts; reading its region gives
// regionResult.
class LayoutButton
    : public LayoutGeometry<LayoutElementList<
          StubMenuButton<ComObject<LayoutButton, IDSMenuButton, IDSMenuElementList>>>>
{
public:
    HRESULT GetExtent(FloatRect* extent) override
    {
        if (FAILED(extentResult))
            return extentResult;
        CFloatRect box = OwnBox();
        for (const CComPtr<IDSMenuElement>& child : elements) {
            CFloatRect inner;
            if (SUCCEEDED(child->GetExtent(&inner)))
                box.Union(inner);
        }
        *extent = box;
        return S_OK;
    }
    HRESULT get_ActiveRegion(FloatRect*, VARIANT_BOOL* valid) override
    {
        *valid = VARIANT_FALSE;
        return regionResult;
    }
    HRESULT GetHighlightRegion(FloatRect*) override { return S_FALSE; }
    HRESULT GetLabel(IDSMenuText** value) override
    {
        *value = nullptr;
        return S_FALSE;
    }

    // Gives the button a child element of that size at the button's centre.
    template <class Element> CComPtr<Element> Add(ULONG tag, float w = 0.0f, float h = 0.0f)
    {
        CComPtr<Element> child = NewLayoutElement<Element>(
            id * 10 + static_cast<LONG>(elements.size()) + 1, tag, menu, w, h);
        child->parent = this;
        elements.push_back(child.p);
        return child;
    }

    HRESULT regionResult = S_OK;
};

template <class Base> CFloatRect LayoutGeometry<Base>::OwnBox() const
{
    float cx = x;
    float cy = y;
    if (parent) {
        CFloatRect outer = parent->OwnBox();
        cx += outer.GetCenterX();
        cy += outer.GetCenterY();
    }
    return CFloatRect(cx - width / 2, cy + height / 2, cx + width / 2, cy - height / 2);
}

class LayoutMenu
    : public FakeIdentity<
          LayoutElementList<StubMenu<ComObject<LayoutMenu, IDSMenu, IDSMenuElementList>>>>
{
public:
    HRESULT get_ButtonLayout(ULONG* value) override
    {
        if (FAILED(layoutResult))
            return layoutResult;
        return fake::Give(value, layout);
    }

    // Appends an element of the given size at (x, y).
    template <class Element>
    CComPtr<Element> Add(ULONG tag, float x = 0.0f, float y = 0.0f, float w = 0.0f, float h = 0.0f)
    {
        CComPtr<Element> element = NewLayoutElement<Element>(nextId++, tag, this, w, h);
        element->x = x;
        element->y = y;
        elements.push_back(element.p);
        return element;
    }

    ULONG layout = 0;
    HRESULT layoutResult = S_OK;
    LONG nextId = 100;
};
