// The attributes of an element, read from the element each time they are asked for.
#pragma once

#include "XmlNodeRef.h"

#include "platform/ComObject.h"

class XmlNamedNodeMap final : public ComObject<XmlNamedNodeMap, IXMLDOMNamedNodeMap>
{
public:
    // element is the handle of an element of this layer.
    explicit XmlNamedNodeMap(IXmlNodeSource* element);

    HRESULT getNamedItem(BSTR name, IXMLDOMNode** node) override;
    HRESULT get_length(LONG* length) override;
    HRESULT get_item(LONG index, IXMLDOMNode** node) override;
    HRESULT removeNamedItem(BSTR name, IXMLDOMNode** node) override;

private:
    ~XmlNamedNodeMap() override = default;

    HRESULT ReturnAttribute(pugi::xml_attribute attribute, IXMLDOMNode** node);

    CComPtr<IXmlNodeSource> m_element;
};
