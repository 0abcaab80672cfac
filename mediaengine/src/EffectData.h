// The effect element of an object: made empty on first use, handed out live, replaced by
// copies.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

class EffectData
{
public:
    // The element, live; an empty one ("Effect" with an empty "plugin_data") on first use.
    HRESULT Get(IXMLDOMNode** effect);
    // Replaces the element with a copy of data; null drops it.
    HRESULT Put(IXMLDOMNode* data);
    // The element as it stands, null when none was made.
    IXMLDOMNode* Node() const { return m_node; }

private:
    CComPtr<IXMLDOMNode> m_node;
};
