// A list of node handles, fixed when the list is made: changes to the tree afterwards do not
// change it, and the nodes it holds stay valid while it lives.
#pragma once

#include "platform/ComObject.h"
#include "platform/Xml.h"

#include <vector>

class XmlNodeList final : public ComObject<XmlNodeList, IXMLDOMNodeList>
{
public:
    explicit XmlNodeList(std::vector<CComPtr<IXMLDOMNode>> nodes);

    HRESULT get_length(LONG* length) override;
    HRESULT get_item(LONG index, IXMLDOMNode** node) override;
    HRESULT nextNode(IXMLDOMNode** node) override;
    HRESULT reset() override;

private:
    ~XmlNodeList() override = default;

    std::vector<CComPtr<IXMLDOMNode>> m_nodes;
    size_t m_next = 0;
};
