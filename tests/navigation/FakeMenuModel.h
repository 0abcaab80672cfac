// A small in-memory project for the navigation tests: titles, menus, and buttons, texts and
// overlays at any depth, each with an ID, a tag, commands where the real ones have them, a
// place and a neighbour record. Elements inside a button are placed relative to it. Each
// element counts the reads of its place, so tests can tell how often a run measured it.
#pragma once

#include "FakeCommandList.h"

#include "foundation/FakeModelStubs.h"

#include "model/IDSCommandList.h"

#include "platform/ComObject.h"
#include "platform/TaskMemory.h"

#include <vector>

class FakeProjectData;

// The 1-based item of a list as the interface asked for.
template <class I, class T> HRESULT ItemOf(const std::vector<CComPtr<T>>& list, LONG index, I** out)
{
    if (index < 1 || index > static_cast<LONG>(list.size()))
        return E_INVALIDARG;
    return CComPtr<I>(list[index - 1].p).CopyTo(out);
}

template <class T> HRESULT CountOf(const std::vector<T>& list, LONG* count)
{
    *count = static_cast<LONG>(list.size());
    return S_OK;
}

// Appends a new object of the project with a fresh ID and hands it out.
template <class T, class I>
HRESULT AppendNew(FakeProjectData* project, LONG id, std::vector<CComPtr<T>>& list, I** out)
{
    CComPtr<T> created = T::Create();
    created->id = id;
    created->project = project;
    list.push_back(created);
    return CComPtr<I>(created.p).CopyTo(out);
}

// What every fake element keeps, reachable from any of its interfaces by a cross cast.
class FakeElementState
{
public:
    virtual ~FakeElementState() = default;

    // The centre in menu space: the place, plus the place of the holding button.
    void AbsoluteCentre(float& cx, float& cy) const
    {
        cx = x;
        cy = y;
        if (holder) {
            float hx = 0.0f;
            float hy = 0.0f;
            holder->AbsoluteCentre(hx, hy);
            cx += hx;
            cy += hy;
        }
    }

    LONG id = 0;
    ULONG tag = 0;
    CComBSTR name;
    CComBSTR label;
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
    ElementNeighbours neighbours = {0, 0, 0, 0};
    // Borrowed links back: the menu and the list (menu or button) that hold the element, and
    // the button it is placed in, if any.
    IDSMenu* menu = nullptr;
    IDSMenuElementList* parent = nullptr;
    FakeElementState* holder = nullptr;
    int placeReads = 0;
    int neighbourWrites = 0;
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
    HRESULT put_Tag(ULONG value) override { return Take(tag, value); }
    HRESULT get_Name(BSTR* value) override { return name.CopyTo(value); }
    HRESULT get_Label(BSTR* value) override { return label.CopyTo(value); }
    HRESULT put_Label(BSTR value) override
    {
        label = value;
        return S_OK;
    }
    HRESULT GetPosition(float* px, float* py) override
    {
        ++placeReads;
        if (FAILED(placeResult))
            return placeResult;
        *px = x;
        *py = y;
        return S_OK;
    }
    HRESULT SetPosition(float px, float py) override
    {
        x = px;
        y = py;
        return S_OK;
    }
    HRESULT GetSize(float* width, float* height) override
    {
        *width = w;
        *height = h;
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
        if (FAILED(placeResult))
            return placeResult;
        float cx = 0.0f;
        float cy = 0.0f;
        AbsoluteCentre(cx, cy);
        *extent = {cx - w / 2, cy + h / 2, cx + w / 2, cy - h / 2};
        return S_OK;
    }
    HRESULT GetNeighbours(ElementNeighbours** record) override
    {
        *record = static_cast<ElementNeighbours*>(CoTaskMemAlloc(sizeof(ElementNeighbours)));
        **record = neighbours;
        return S_OK;
    }
    HRESULT SetNeighbours(LONG left, LONG right, LONG up, LONG down) override
    {
        ++neighbourWrites;
        neighbours = {left, right, up, down};
        return S_OK;
    }
    HRESULT GetMenu(IDSMenu** value) override
    {
        CComPtr<IDSMenu>(menu).CopyTo(value);
        return menu ? S_OK : S_FALSE;
    }
    HRESULT GetParentList(IDSMenuElementList** value) override
    {
        CComPtr<IDSMenuElementList>(parent).CopyTo(value);
        return parent ? S_OK : S_FALSE;
    }

private:
    template <class T> static HRESULT Give(T* out, T value)
    {
        *out = value;
        return S_OK;
    }
    template <class T> static HRESULT Take(T& field, T value)
    {
        field = value;
        return S_OK;
    }
};

// An ordered element list (a menu's or a button's), as a mixin.
template <class Base> class FakeElementList : public StubMenuElementList<Base>
{
public:
    HRESULT AddElement(const GUID* iid, void** element) override;
    HRESULT InsertElement(LONG index, IDSMenuElement* element) override
    {
        if (index != -1 || !element || StateOf(element).parent)
            return E_INVALIDARG;
        elements.push_back(element);
        Adopt(StateOf(element));
        return S_OK;
    }
    HRESULT RemoveElement(LONG id, IDSMenuElement** removed) override
    {
        for (auto it = elements.begin(); it != elements.end(); ++it) {
            if (StateOf(*it).id != id)
                continue;
            CComPtr<IDSMenuElement> element = *it;
            elements.erase(it);
            StateOf(element).parent = nullptr;
            StateOf(element).menu = nullptr;
            StateOf(element).holder = nullptr;
            if (removed)
                *removed = element.Detach();
            return S_OK;
        }
        return E_INVALIDARG;
    }
    HRESULT get_Count(LONG* count) override { return CountOf(elements, count); }
    HRESULT get_Item(LONG index, IDSMenuElement** element) override
    {
        return ItemOf(elements, index, element);
    }

    std::vector<CComPtr<IDSMenuElement>> elements;
    FakeProjectData* project = nullptr;

protected:
    // Takes a new element into the list: an ID of the project, and the links back.
    virtual void Adopt(FakeElementState& element) = 0;
};

class FakeMenuText : public FakeElement<StubMenuText<ComObject<FakeMenuText, IDSMenuText>>>
{};

class FakeMenuOverlay
    : public FakeElement<StubMenuOverlay<ComObject<FakeMenuOverlay, IDSMenuOverlay>>>
{};

class FakeMenuButton
    : public FakeCommandStore<FakeElementList<FakeElement<StubMenuButton<
          ComObject<FakeMenuButton, IDSMenuButton, IDSMenuElementList, IDSCommandList>>>>>
{
public:
    // A detached copy with the same tag, place and commands.
    HRESULT Copy(IDSMenuElement** copy) override;

protected:
    void Adopt(FakeElementState& element) override;
};

// The ID and tag of a menu or a title.
template <class Base> class FakeTagged : public Base
{
public:
    HRESULT get_ID(LONG* value) override
    {
        *value = id;
        return S_OK;
    }
    HRESULT get_Tag(ULONG* value) override
    {
        *value = tag;
        return S_OK;
    }
    HRESULT put_Tag(ULONG value) override
    {
        tag = value;
        return S_OK;
    }

    LONG id = 0;
    ULONG tag = 0;
};

class FakeMenu
    : public FakeCommandStore<FakeElementList<
          FakeTagged<StubMenu<ComObject<FakeMenu, IDSMenu, IDSMenuElementList, IDSCommandList>>>>>
{
public:
    HRESULT get_TemplateID(LONG* value) override
    {
        *value = templateId;
        return S_OK;
    }
    HRESULT put_TemplateID(LONG value) override
    {
        templateId = value;
        return S_OK;
    }
    HRESULT GetProject(IDSProjectData** value) override;

    LONG templateId = 0;

protected:
    void Adopt(FakeElementState& element) override;
};

class FakeMenuTitle : public FakeCommandStore<
                          FakeTagged<StubTitle<ComObject<FakeMenuTitle, IDSTitle, IDSCommandList>>>>
{
public:
    HRESULT get_Name(BSTR* value) override { return name.CopyTo(value); }
    HRESULT put_Name(BSTR value) override
    {
        name = value;
        return S_OK;
    }
    HRESULT GetProject(IDSProjectData** value) override;
    HRESULT GetProduction(IUnknown** value) override
    {
        production.CopyTo(value);
        return production ? S_OK : S_FALSE;
    }

    CComBSTR name;
    CComPtr<IUnknown> production;
    FakeProjectData* project = nullptr;
};

class FakeProjectData : public StubProjectData<ComObject<FakeProjectData, IDSProjectData>>
{
public:
    HRESULT AddMenu(LONG, IDSMenu** value) override
    {
        return AppendNew(this, NewId(), menus, value);
    }
    HRESULT AddTitle(LONG, IDSTitle** value) override
    {
        return AppendNew(this, NewId(), titles, value);
    }
    HRESULT get_MenuCount(LONG* count) override { return CountOf(menus, count); }
    HRESULT get_Menu(LONG index, IDSMenu** value) override { return ItemOf(menus, index, value); }
    HRESULT get_TitleCount(LONG* count) override { return CountOf(titles, count); }
    HRESULT get_Title(LONG index, IDSTitle** value) override
    {
        return ItemOf(titles, index, value);
    }
    HRESULT FindByID(LONG id, IUnknown** object) override;

    LONG NewId() { return ++lastId; }

    std::vector<CComPtr<FakeMenu>> menus;
    std::vector<CComPtr<FakeMenuTitle>> titles;
    LONG lastId = 0;
};

template <class Base> HRESULT FakeElementList<Base>::AddElement(const GUID* iid, void** element)
{
    CComPtr<IDSMenuElement> created;
    if (*iid == IID_IDSMenuButton)
        created = FakeMenuButton::Create().p;
    else if (*iid == IID_IDSMenuOverlay)
        created = FakeMenuOverlay::Create().p;
    else if (*iid == IID_IDSMenuText)
        created = FakeMenuText::Create().p;
    else
        return E_INVALIDARG;
    elements.push_back(created);
    Adopt(StateOf(created));
    return created->QueryInterface(*iid, element);
}
