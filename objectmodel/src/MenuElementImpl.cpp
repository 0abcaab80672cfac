#include "MenuElementImpl.h"

#include "ElementListImpl.h"
#include "Menu.h"
#include "PropertyAccess.h"

#include "platform/Check.h"
#include "platform/TaskMemory.h"

#include <cmath>

namespace objectmodel {

template <class I> HRESULT MenuElementImpl<I>::get_ID(LONG* id)
{
    return CopyOut(Id(), id);
}

template <class I> HRESULT MenuElementImpl<I>::get_Tag(ULONG* tag)
{
    return CopyOut(Properties().tag, tag);
}

template <class I> HRESULT MenuElementImpl<I>::put_Tag(ULONG tag)
{
    return Store(Properties().tag, tag);
}

template <class I> HRESULT MenuElementImpl<I>::get_Flags(ULONG* flags)
{
    return CopyOut(Properties().flags, flags);
}

template <class I> HRESULT MenuElementImpl<I>::put_Flags(ULONG flags)
{
    return Store(Properties().flags, flags);
}

template <class I> HRESULT MenuElementImpl<I>::get_Name(BSTR* name)
{
    return CopyOut(Properties().name, name);
}

template <class I> HRESULT MenuElementImpl<I>::put_Name(BSTR name)
{
    return Store(Properties().name, TextOf(name));
}

template <class I> HRESULT MenuElementImpl<I>::get_Label(BSTR* label)
{
    return CopyOut(Properties().label, label);
}

template <class I> HRESULT MenuElementImpl<I>::put_Label(BSTR label)
{
    return Store(Properties().label, TextOf(label));
}

template <class I> HRESULT MenuElementImpl<I>::get_Rotation(float* degrees)
{
    return CopyOut(Properties().rotation, degrees);
}

template <class I> HRESULT MenuElementImpl<I>::put_Rotation(float degrees)
{
    if (!std::isfinite(degrees))
        return E_INVALIDARG;
    return Store(Properties().rotation, degrees);
}

template <class I> HRESULT MenuElementImpl<I>::get_Opacity(float* opacity)
{
    return CopyOut(Properties().opacity, opacity);
}

template <class I> HRESULT MenuElementImpl<I>::put_Opacity(float opacity)
{
    if (!IsValidOpacity(opacity))
        return E_INVALIDARG;
    return Store(Properties().opacity, opacity);
}

template <class I> HRESULT MenuElementImpl<I>::get_Highlight(LONG* mode)
{
    return CopyOut(Properties().highlight, mode);
}

template <class I> HRESULT MenuElementImpl<I>::put_Highlight(LONG mode)
{
    return Store(Properties().highlight, mode);
}

template <class I> HRESULT MenuElementImpl<I>::GetPosition(float* x, float* y)
{
    if (!x || !y)
        return E_POINTER;
    *x = Properties().x;
    *y = Properties().y;
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::SetPosition(float x, float y)
{
    if (!AllFinite({x, y}))
        return E_INVALIDARG;
    Properties().x = x;
    Properties().y = y;
    MarkProjectChanged();
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::GetSize(float* width, float* height)
{
    if (!width || !height)
        return E_POINTER;
    *width = Properties().width;
    *height = Properties().height;
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::SetSize(float width, float height)
{
    if (!IsValidSize(width, height))
        return E_INVALIDARG;
    Properties().width = width;
    Properties().height = height;
    MarkProjectChanged();
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::GetExtent(FloatRect* extent)
{
    return CopyOut(Extent(), extent);
}

template <class I> HRESULT MenuElementImpl<I>::GetEffectInterval(double* start, double* end)
{
    if (!start || !end)
        return E_POINTER;
    *start = Properties().effectStart;
    *end = Properties().effectEnd;
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::SetEffectInterval(double start, double end)
{
    if (!AllFinite({start, end}))
        return E_INVALIDARG;
    Properties().effectStart = start;
    Properties().effectEnd = end;
    MarkProjectChanged();
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::GetNeighbours(ElementNeighbours** neighbours)
{
    if (!neighbours)
        return E_POINTER;
    *neighbours = static_cast<ElementNeighbours*>(CoTaskMemAlloc(sizeof(ElementNeighbours)));
    if (!*neighbours)
        return E_OUTOFMEMORY;
    **neighbours = Properties().neighbours;
    return S_OK;
}

template <class I>
HRESULT MenuElementImpl<I>::SetNeighbours(LONG left, LONG right, LONG up, LONG down)
{
    return Store(Properties().neighbours, ElementNeighbours{left, right, up, down});
}

template <class I> HRESULT MenuElementImpl<I>::get_EffectID(LONG* id)
{
    return CopyOut(EffectId(), id);
}

template <class I> HRESULT MenuElementImpl<I>::Copy(IDSMenuElement** copy)
{
    CHECK_NULL(copy);
    *copy = nullptr;
    CComPtr<IDSMenuElement> duplicate;
    CHECK_HR(Duplicate(duplicate));
    *copy = duplicate.Detach();
    return S_OK;
}

template <class I> HRESULT MenuElementImpl<I>::GetMenu(IDSMenu** menu)
{
    if (!menu)
        return E_POINTER;
    *menu = nullptr;
    CMenu* owner = OwningMenu();
    if (!owner)
        return S_FALSE;
    return owner->QueryInterface(IID_IDSMenu, reinterpret_cast<void**>(menu));
}

template <class I> HRESULT MenuElementImpl<I>::GetParentList(IDSMenuElementList** list)
{
    if (!list)
        return E_POINTER;
    *list = nullptr;
    if (!ParentList())
        return S_FALSE;
    return ParentList()->ListIdentity()->QueryInterface(IID_IDSMenuElementList,
                                                        reinterpret_cast<void**>(list));
}

template class MenuElementImpl<IDSMenuButton>;
template class MenuElementImpl<IDSMenuOverlay>;
template class MenuElementImpl<IDSMenuText>;

} // namespace objectmodel
