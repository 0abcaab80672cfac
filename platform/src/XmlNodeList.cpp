#include "XmlNodeList.h"

XmlNodeList::XmlNodeList(std::vector<CComPtr<IXMLDOMNode>> nodes) : m_nodes(std::move(nodes)) {}

HRESULT XmlNodeList::get_length(LONG* length)
{
    if (!length)
        return E_POINTER;
    *length = static_cast<LONG>(m_nodes.size());
    return S_OK;
}

HRESULT XmlNodeList::get_item(LONG index, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    if (index < 0 || static_cast<size_t>(index) >= m_nodes.size())
        return S_FALSE;
    return m_nodes[static_cast<size_t>(index)].CopyTo(node);
}

HRESULT XmlNodeList::nextNode(IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    if (m_next >= m_nodes.size())
        return S_FALSE;
    return m_nodes[m_next++].CopyTo(node);
}

HRESULT XmlNodeList::reset()
{
    m_next = 0;
    return S_OK;
}
