#include "support/FakeProduction.h"

FakeProduction::FakeProduction()
{
    ++Shared().alive;
}

FakeProduction::~FakeProduction()
{
    --Shared().alive;
}

FakeProduction::Behaviour& FakeProduction::Shared()
{
    static Behaviour behaviour;
    return behaviour;
}

HRESULT FakeProduction::SaveToXml(IXMLDOMNode* parent)
{
    if (Shared().failSaving)
        return E_FAIL;
    CComPtr<IXMLDOMDocument> document;
    parent->get_ownerDocument(&document);
    CComPtr<IXMLDOMElement> element;
    document->createElement(CComBSTR(L"FakeProduction"), &element);
    element->setAttribute(CComBSTR(L"content"), CComVariant(CComBSTR(content)));
    element->setAttribute(CComBSTR(L"duration"), CComVariant(duration));
    for (auto [item, elementId] : items) {
        CComPtr<IXMLDOMElement> child;
        document->createElement(CComBSTR(L"Item"), &child);
        child->setAttribute(CComBSTR(L"id"), CComVariant(item));
        child->setAttribute(CComBSTR(L"element"), CComVariant(elementId));
        element->appendChild(child, nullptr);
    }
    return parent->appendChild(element, nullptr);
}

HRESULT FakeProduction::LoadFromXml(IXMLDOMNode* element)
{
    CComQIPtr<IXMLDOMElement> source(element);
    CComBSTR name;
    if (!source || FAILED(source->get_nodeName(&name)) || name != L"FakeProduction")
        return E_INVALIDARG;
    CComVariant text;
    source->getAttribute(CComBSTR(L"content"), &text);
    CComVariant seconds;
    source->getAttribute(CComBSTR(L"duration"), &seconds);
    if (text.vt != VT_BSTR || FAILED(seconds.ChangeType(VT_R8)))
        return E_INVALIDARG;
    std::map<LONG, LONG> loaded;
    CComPtr<IXMLDOMNode> child;
    source->get_firstChild(&child);
    while (child) {
        CComQIPtr<IXMLDOMElement> item(child);
        CComVariant id;
        CComVariant owner;
        item->getAttribute(CComBSTR(L"id"), &id);
        item->getAttribute(CComBSTR(L"element"), &owner);
        if (FAILED(id.ChangeType(VT_I4)) || FAILED(owner.ChangeType(VT_I4)))
            return E_INVALIDARG;
        loaded[id.lVal] = owner.lVal;
        CComPtr<IXMLDOMNode> next;
        child->get_nextSibling(&next);
        child = next;
    }
    content.assign(text.bstrVal, SysStringLen(text.bstrVal));
    duration = seconds.dblVal;
    items = loaded;
    nextItem = items.empty() ? 1 : items.rbegin()->first + 1;
    return S_OK;
}

HRESULT FakeProduction::SetMenu(IUnknown* drawn)
{
    menu = drawn;
    return S_OK;
}

HRESULT FakeProduction::GetMenu(IUnknown** drawn)
{
    HRESULT hr = CComPtr<IUnknown>(menu).CopyTo(drawn);
    return SUCCEEDED(hr) && !menu ? S_FALSE : hr;
}

HRESULT FakeProduction::AddElementItem(LONG elementId, LONG* itemId)
{
    if (Shared().itemsBeforeFailure == 0)
        return E_OUTOFMEMORY;
    if (Shared().itemsBeforeFailure > 0)
        --Shared().itemsBeforeFailure;
    *itemId = nextItem++;
    items[*itemId] = elementId;
    return S_OK;
}

HRESULT FakeProduction::RemoveElementItem(LONG itemId)
{
    return items.erase(itemId) ? S_OK : S_FALSE;
}

HRESULT FakeProduction::GetElementOfItem(LONG itemId, LONG* elementId)
{
    auto found = items.find(itemId);
    if (found == items.end())
        return E_INVALIDARG;
    *elementId = found->second;
    return S_OK;
}

HRESULT FakeProduction::GetElementItemCount(LONG* count)
{
    *count = static_cast<LONG>(items.size());
    return S_OK;
}

HRESULT FakeProduction::get_AspectRatio(double* ratio)
{
    *ratio = 4.0 / 3.0;
    return S_OK;
}

HRESULT FakeProduction::put_AspectRatio(double)
{
    return S_OK;
}

HRESULT FakeProduction::get_Duration(double* seconds)
{
    *seconds = duration;
    return S_OK;
}

HRESULT FakeProduction::get_EditingFrameRate(double* rate)
{
    *rate = 29.97;
    return S_OK;
}

HRESULT FakeProduction::put_EditingFrameRate(double)
{
    return S_OK;
}

HRESULT FakeProduction::get_Is3D(VARIANT_BOOL* is3D)
{
    *is3D = VARIANT_FALSE;
    return S_OK;
}

HRESULT FakeProduction::put_Is3D(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT FakeProduction::GetMetaData(BSTR, IXMLDOMNode** node)
{
    *node = nullptr;
    return S_FALSE;
}

HRESULT FakeProduction::SetMetaData(BSTR, IXMLDOMNode*)
{
    return S_OK;
}

FakeProduction* FakeOf(IUnknown* production)
{
    return dynamic_cast<FakeProduction*>(production);
}

FakeProductionScope::FakeProductionScope()
    : m_registration(CLSID_KVEProduction, CreatorOf<FakeProduction>())
{
    FakeProduction::Shared().itemsBeforeFailure = -1;
    FakeProduction::Shared().failSaving = false;
}

FakeProductionScope::~FakeProductionScope() = default;
