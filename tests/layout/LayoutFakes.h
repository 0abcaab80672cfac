// In-memory stand-ins of menus and their elements with the geometry the layout operations
// read and write: positions (relative to the holding button), sizes, extents that grow over
// what a button holds, layout words and rectangles, labels and alignment codes. Parents hold
// counted references to their elements; elements point back without one, so a test keeps the
// project alive while it uses its objects.
#pragma once

#include "foundation/FakeModel.h"

#include "dsutils/FloatRect.h"

#include "model/IDSCommandList.h"

#include "platform/TaskMemory.h"

#include <algorithm>

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

// Position, size and extent of an element. The extent is the size around the absolute centre.
template <class Base> class LayoutGeometry : public FakeElementCore<Base>
{
public:
    HRESULT put_Label(BSTR value) override
    {
        ++labelWrites;
        return fake::Take(this->label, CComBSTR(value));
    }
    HRESULT GetPosition(float* px, float* py) override
    {
        *px = x;
        *py = y;
        return positionResult;
    }
    HRESULT SetPosition(float nx, float ny) override
    {
        if (FAILED(positionResult))
            return positionResult;
        x = nx;
        y = ny;
        return S_OK;
    }
    HRESULT GetSize(float* w, float* h) override
    {
        *w = width;
        *h = height;
        return S_OK;
    }
    HRESULT SetSize(float w, float h) override
    {
        width = w;
        height = h;
        return S_OK;
    }
    HRESULT GetExtent(FloatRect* extent) override
    {
        if (FAILED(extentResult))
            return extentResult;
        *extent = OwnBox();
        return S_OK;
    }

    // The element's centre in menu space.
    virtual void Centre(float& cx, float& cy) const;

    CFloatRect OwnBox() const
    {
        float cx = 0.0f;
        float cy = 0.0f;
        Centre(cx, cy);
        return CFloatRect(cx - width / 2, cy + height / 2, cx + width / 2, cy - height / 2);
    }

    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    HRESULT positionResult = S_OK;
    HRESULT extentResult = S_OK;
    int labelWrites = 0;
    LayoutButton* parent = nullptr;
};

class LayoutText : public LayoutGeometry<StubMenuText<ComObject<LayoutText, IDSMenuText>>>
{
public:
    HRESULT get_Alignment(LONG* code) override { return fake::Give(code, alignment); }
    HRESULT put_Alignment(LONG code) override
    {
        if (code < 1 || code > 9)
            return E_INVALIDARG;
        return fake::Take(alignment, code);
    }

    LONG alignment = TextAlign_Center;
};

class LayoutOverlay
    : public LayoutGeometry<StubMenuOverlay<ComObject<LayoutOverlay, IDSMenuOverlay>>>
{
public:
    HRESULT get_Source(BSTR* value) override { return source.CopyTo(value); }

    CComBSTR source;
};

class LayoutButton
    : public LayoutGeometry<LayoutElementList<StubMenuButton<
          ComObject<LayoutButton, IDSMenuButton, IDSMenuElementList, IDSCommandList>>>>
{
public:
    // A copy of the commands, without nodes.
    HRESULT GetCommands(LONG* count, DiscCommandParams** out) override
    {
        *count = static_cast<LONG>(commands.size());
        *out = nullptr;
        if (commands.empty())
            return S_OK;
        *out = static_cast<DiscCommandParams*>(
            CoTaskMemAlloc(sizeof(DiscCommandParams) * commands.size()));
        std::copy(commands.begin(), commands.end(), *out);
        return S_OK;
    }
    HRESULT SetCommands(LONG, const DiscCommandParams*) override { return E_NOTIMPL; }
    // The union of its own box and the extents of what it holds.
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
    HRESULT get_ActiveRegion(FloatRect* region, VARIANT_BOOL* valid) override
    {
        if (FAILED(regionResult))
            return regionResult;
        *valid = activeValid ? VARIANT_TRUE : VARIANT_FALSE;
        if (activeValid)
            *region = activeRegion;
        return S_OK;
    }
    HRESULT GetHighlightRegion(FloatRect* region) override
    {
        if (!highlightValid)
            return S_FALSE;
        *region = highlightRegion;
        return S_OK;
    }
    HRESULT GetLabel(IDSMenuText** value) override
    {
        *value = nullptr;
        for (const CComPtr<IDSMenuElement>& child : elements) {
            CComQIPtr<IDSMenuText> text(child);
            if (text && (GetTagOf(child) & TextType_Label))
                return text.CopyTo(value);
        }
        return S_FALSE;
    }

    // Gives the button a child element, placed relative to the button's centre.
    template <class Element> CComPtr<Element> Add(ULONG tag, float w = 0.0f, float h = 0.0f)
    {
        CComPtr<Element> child = Element::Create();
        child->id = this->id * 10 + static_cast<LONG>(elements.size()) + 1;
        child->tag = tag;
        child->menu = this->menu;
        child->parent = this;
        child->width = w;
        child->height = h;
        elements.push_back(child.p);
        return child;
    }

    std::vector<DiscCommandParams> commands;
    HRESULT regionResult = S_OK;
    bool activeValid = false;
    FloatRect activeRegion = {};
    bool highlightValid = false;
    FloatRect highlightRegion = {};

private:
    static ULONG GetTagOf(IDSMenuElement* element)
    {
        ULONG tag = 0;
        element->get_Tag(&tag);
        return tag;
    }
};

template <class Base> void LayoutGeometry<Base>::Centre(float& cx, float& cy) const
{
    cx = x;
    cy = y;
    if (parent) {
        float px = 0.0f;
        float py = 0.0f;
        parent->Centre(px, py);
        cx += px;
        cy += py;
    }
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
    HRESULT get_LayoutRect(FloatRect* value) override { return fake::Give(value, layoutRect); }
    HRESULT get_TemplateID(LONG* value) override { return fake::Give(value, templateId); }
    HRESULT GetProject(IDSProjectData** value) override
    {
        CComPtr<IDSProjectData>(project).CopyTo(value);
        return project ? S_OK : S_FALSE;
    }
    // Appends an element of the given size at (x, y).
    template <class Element>
    CComPtr<Element> Add(ULONG tag, float x = 0.0f, float y = 0.0f, float w = 0.0f, float h = 0.0f)
    {
        CComPtr<Element> element = Element::Create();
        element->id = nextId++;
        element->tag = tag;
        element->menu = this;
        element->x = x;
        element->y = y;
        element->width = w;
        element->height = h;
        elements.push_back(element.p);
        return element;
    }

    ULONG layout = 0;
    HRESULT layoutResult = S_OK;
    FloatRect layoutRect = {-1.0f, 1.0f, 1.0f, -1.0f};
    LONG templateId = 0;
    IDSProjectData* project = nullptr;
    LONG nextId = 100;
};

// A project that finds its menus by ID.
class LayoutProject : public StubProjectData<ComObject<LayoutProject, IDSProjectData>>
{
public:
    HRESULT FindByID(LONG id, IUnknown** object) override
    {
        *object = nullptr;
        for (const CComPtr<LayoutMenu>& menu : menus) {
            if (menu->id == id)
                return CComPtr<IUnknown>(menu->GetUnknown()).CopyTo(object);
        }
        return E_INVALIDARG;
    }

    CComPtr<LayoutMenu> AddMenu(LONG id, ULONG tag, LONG templateId = 0)
    {
        CComPtr<LayoutMenu> menu = LayoutMenu::Create();
        menu->id = id;
        menu->tag = tag;
        menu->templateId = templateId;
        menu->project = this;
        menu->nextId = id * 100;
        menus.push_back(menu);
        return menu;
    }

    std::vector<CComPtr<LayoutMenu>> menus;
};
