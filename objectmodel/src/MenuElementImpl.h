// The IDSMenuElement part of buttons, overlays and texts, over the node's stored properties.
// I is the element's own interface (IDSMenuButton, IDSMenuOverlay or IDSMenuText).
#pragma once

#include "ElementNode.h"
#include "PropertyStore.h"

namespace objectmodel {

template <class I> class MenuElementImpl : public I, public ElementNode, protected PropertyStore
{
public:
    HRESULT get_ID(LONG* id) override;
    HRESULT get_Tag(ULONG* tag) override;
    HRESULT put_Tag(ULONG tag) override;
    HRESULT get_Flags(ULONG* flags) override;
    HRESULT put_Flags(ULONG flags) override;
    HRESULT get_Name(BSTR* name) override;
    HRESULT put_Name(BSTR name) override;
    HRESULT get_Label(BSTR* label) override;
    HRESULT put_Label(BSTR label) override;
    HRESULT get_Rotation(float* degrees) override;
    HRESULT put_Rotation(float degrees) override;
    HRESULT get_Opacity(float* opacity) override;
    HRESULT put_Opacity(float opacity) override;
    HRESULT get_Highlight(LONG* mode) override;
    HRESULT put_Highlight(LONG mode) override;
    HRESULT GetPosition(float* x, float* y) override;
    HRESULT SetPosition(float x, float y) override;
    HRESULT GetSize(float* width, float* height) override;
    HRESULT SetSize(float width, float height) override;
    HRESULT GetExtent(FloatRect* extent) override;
    HRESULT GetEffectInterval(double* start, double* end) override;
    HRESULT SetEffectInterval(double start, double end) override;
    HRESULT GetNeighbours(ElementNeighbours** neighbours) override;
    HRESULT SetNeighbours(LONG left, LONG right, LONG up, LONG down) override;
    HRESULT get_EffectID(LONG* id) override;
    HRESULT Copy(IDSMenuElement** copy) override;
    HRESULT GetMenu(IDSMenu** menu) override;
    HRESULT GetParentList(IDSMenuElementList** list) override;

    IDSMenuElement* Element() override { return this; }

protected:
    ~MenuElementImpl() override = default;

    void MarkChanged() override { MarkProjectChanged(); }
};

extern template class MenuElementImpl<IDSMenuButton>;
extern template class MenuElementImpl<IDSMenuOverlay>;
extern template class MenuElementImpl<IDSMenuText>;

} // namespace objectmodel
