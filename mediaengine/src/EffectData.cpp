#include "EffectData.h"

#include "XmlHelpers.h"

HRESULT EffectData::Get(IXMLDOMNode** effect)
{
    if (!effect)
        return E_POINTER;
    *effect = nullptr;
    if (!m_node) {
        HRESULT hr = NewEffectElement(m_node);
        if (FAILED(hr))
            return hr;
    }
    return m_node.CopyTo(effect);
}

HRESULT EffectData::Put(IXMLDOMNode* data)
{
    if (!data) {
        m_node.Release();
        return S_OK;
    }
    CComPtr<IXMLDOMNode> copy;
    HRESULT hr = CopyIntoNewDocument(data, copy);
    if (SUCCEEDED(hr))
        m_node = copy;
    return hr;
}
