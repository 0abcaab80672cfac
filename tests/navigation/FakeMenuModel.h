// A small in-memory menu model that counts how often each element's place is read and can be
// told to fail those reads or to hand out a button without an ID, for the tests that watch
// how the neighbour-link run uses the object model. Elements inside a button are placed
// relative to it, as in the object model.
#pragma once

#include "support/ModelStubs.h"

#include "platform/ComObject.h"
#include "platform/TaskMemory.h"

#include <vector>

class FakeProjectData;

// What every fake element keeps, reachable from any of its interfaces by a cross cast.
class FakeElementState
{
public:
    virtual ~FakeElementState() = default;

    // The centre in menu space: the place, plus the place of the holding button.
    void AbsoluteCentre(float& cx, float& cy) const
    {
        cx = x + (holder ? holder->x : 0.0f);
        cy = y + (holder ? holder->y : 0.0f);
    }

    LONG id = 0;
    ULONG tag = 0;
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
    ElementNeighbours neighbours = {0, 0, 0, 0};
    // The button the element is placed in, if any (borrowed).
    FakeElementState* holder = nullptr;
    int placeReads = 0;
    HRESULT placeResult = S_OK;
};

inline FakeElementState& StateOf(IUnknown* element)
{
    return *dynamic_cast<FakeElementState*>(element);
}

template <class Base> class FakeElement : public StubMenuElement<Base>, public FakeElementState
{
public:
    HRESULT get_ID(LONG* value) override { return Give(value, id); }
    HRESULT get_Tag(ULONG* value) override { return Give(value, tag); }
    HRESULT put_Tag(ULONG value) override
    {
        tag = value;
        return S_OK;
    }
    HRESULT GetPosition(float* px, float* py) override
    {
        ++placeReads;
        if (SUCCEEDED(placeResult)) {
            *px = x;
            *py = y;
        }
        return placeResult;
    }
    HRESULT SetPosition(float px, float py) override
    {
        x = px;
        y = py;
        return S_OK;
    }
    HRESULT SetSize(float width, float height) override
    {
        w = width;
        h = height;
        return S_OK;
    }
    HRESULT GetExtent(FloatRect* extent) override
    {
        ++placeReads;
        float cx = 0.0f;
        float cy = 0.0f;
        AbsoluteCentre(cx, cy);
        *extent = {cx - w / 2, cy + h / 2, cx + w / 2, cy - h / 2};
        return placeResult;
    }
    HRESULT GetNeighbours(ElementNeighbours** record) override
    {
        *record = static_cast<ElementNeighbours*>(CoTaskMemAlloc(sizeof(ElementNeighbours)));
        **record = neighbours;
        return S_OK;
    }
    HRESULT SetNeighbours(LONG left, LONG right, LONG up, LONG down) override
    {
        neighbours = {left, right, up, down};
        return S_OK;
    }

private:
    template <class T> static HRESULT Give(T* out, T value)
    {
        *out = value;
        return S_OK;
    }
};

// An ordered element list (a menu's or a button's) whose new elements take IDs of the project.
template <class Base> class FakeElementList : public StubMenuElementList<Base>
{
public:
    HRESULT AddElement(const GUID* iid, void** element) override;
    HRESULT get_Count(LONG* count) override
    {
        *count = static_cast<LONG>(elements.size());
        return S_OK;
    }
    HRESULT get_Item(LONG index, IDSMenuElement** element) override
    {
        if (index < 1 || index > static_cast<LONG>(elements.size()))
            return E_INVALIDARG;
        return elements[index - 1].CopyTo(element);
    }

    std::vector<CComPtr<IDSMenuElement>> elements;
    FakeProjectData* project = nullptr;
    // The button whose list this is; null for a menu's.
    FakeElementState* owner = nullptr;
};

class FakeMenuOverlay
    : public FakeElement<StubMenuOverlay<ComObject<FakeMenuOverlay, IDSMenuOverlay>>>
{};

class FakeMenuButton
    : public FakeElementList<
          FakeElement<StubMenuButton<ComObject<FakeMenuButton, IDSMenuButton, IDSMenuElementList>>>>
{
public:
    FakeMenuButton() { owner = this; }
};

class FakeMenu : public FakeElementList<StubMenu<ComObject<FakeMenu, IDSMenu, IDSMenuElementList>>>
{
public:
    HRESULT put_Tag(ULONG) override { return S_OK; }
};

class FakeProjectData : public StubProjectData<ComObject<FakeProjectData, IDSProjectData>>
{
public:
    HRESULT AddMenu(LONG, IDSMenu** value) override
    {
        CComPtr<FakeMenu> menu = FakeMenu::Create();
        menu->project = this;
        menus.push_back(menu);
        return CComPtr<IDSMenu>(menu.p).CopyTo(value);
    }

    LONG NewId() { return ++lastId; }

    std::vector<CComPtr<FakeMenu>> menus;
    LONG lastId = 0;
};

template <class Base> HRESULT FakeElementList<Base>::AddElement(const GUID* iid, void** element)
{
    CComPtr<IDSMenuElement> created;
    if (*iid == IID_IDSMenuButton) {
        CComPtr<FakeMenuButton> button = FakeMenuButton::Create();
        button->project = project;
        created = button.p;
    } else if (*iid == IID_IDSMenuOverlay) {
        created = FakeMenuOverlay::Create().p;
    } else {
        return E_INVALIDARG;
    }
    StateOf(created).id = project->NewId();
    StateOf(created).holder = owner;
    elements.push_back(created);
    return created->QueryInterface(*iid, element);
}
