#include "XmlNamedNodeMap.h"

#include "XmlDocument.h"

XmlNamedNodeMap::XmlNamedNodeMap(IXmlNodeSource* element) : m_element(element) {}

HRESULT XmlNamedNodeMap::getNamedItem(BSTR name, IXMLDOMNode** node)
{
    pugi::xml_node element = m_element->Context().ref.node;
    return ReturnAttribute(element.attribute(ToUtf8(ViewOf(name)).c_str()), node);
}

HRESULT XmlNamedNodeMap::get_length(LONG* length)
{
    if (!length)
        return E_POINTER;
    pugi::xml_node element = m_element->Context().ref.node;
    auto attributes = element.attributes();
    *length = static_cast<LONG>(std::distance(attributes.begin(), attributes.end()));
    return S_OK;
}

HRESULT XmlNamedNodeMap::get_item(LONG index, IXMLDOMNode** node)
{
    pugi::xml_attribute attribute = m_element->Context().ref.node.first_attribute();
    for (LONG i = 0; i < index && attribute; ++i)
        attribute = attribute.next_attribute();
    return ReturnAttribute(index < 0 ? pugi::xml_attribute() : attribute, node);
}

// The removed attribute's handle is made before the removal, so that the store keeps a
// detached copy for it.
HRESULT XmlNamedNodeMap::removeNamedItem(BSTR name, IXMLDOMNode** node)
{
    if (node)
        *node = nullptr;
    XmlNodeContext element = m_element->Context();
    pugi::xml_attribute attribute = element.ref.node.attribute(ToUtf8(ViewOf(name)).c_str());
    if (!attribute)
        return S_FALSE;
    CComPtr<IXMLDOMNode> removed;
    if (node) {
        HRESULT hr = element.document->Wrap(XmlNodeRef{element.ref.node, attribute}, &removed);
        if (FAILED(hr))
            return hr;
    }
    element.document->Store().DetachAttribute(element.ref.node, attribute);
    return node ? removed.CopyTo(node) : S_OK;
}

HRESULT XmlNamedNodeMap::ReturnAttribute(pugi::xml_attribute attribute, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    if (!attribute)
        return S_FALSE;
    XmlNodeContext element = m_element->Context();
    return element.document->Wrap(XmlNodeRef{element.ref.node, attribute}, node);
}
