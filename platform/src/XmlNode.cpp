#include "XmlNode.h"

#include "XmlDocument.h"

XmlNode::XmlNode(XmlDocument* document, const XmlNodeRef& ref) : m_document(document), m_ref(ref)
{
    m_document->Store().Register(this);
}

XmlNode::~XmlNode()
{
    m_document->Store().Unregister(this);
}

HRESULT XmlNode::QueryInterface(REFIID iid, void** object)
{
    if (iid == IID_IXMLDOMElement && !m_ref.IsElement()) {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return XmlNodeImpl::QueryInterface(iid, object);
}

XmlNodeContext XmlNode::Context()
{
    return XmlNodeContext{m_document.p, m_ref};
}

HRESULT XmlNode::get_tagName(BSTR* name)
{
    return XmlNodeInfo::GetName(Context(), name);
}

HRESULT XmlNode::getAttribute(BSTR name, VARIANT* value)
{
    if (!value)
        return E_POINTER;
    pugi::xml_attribute attribute = m_ref.node.attribute(ToUtf8(ViewOf(name)).c_str());
    if (!attribute)
        return ReturnNullVariant(value);
    return ReturnTextVariant(ToWide(attribute.value()), value);
}

HRESULT XmlNode::setAttribute(BSTR name, VARIANT value)
{
    if (!IsXmlName(ViewOf(name)))
        return E_INVALIDARG;
    std::wstring text;
    if (HRESULT hr = TextOfVariant(value, text); FAILED(hr))
        return hr;
    std::string key = ToUtf8(ViewOf(name));
    pugi::xml_attribute attribute = m_ref.node.attribute(key.c_str());
    if (!attribute)
        attribute = m_ref.node.append_attribute(key.c_str());
    attribute.set_value(ToUtf8(text).c_str());
    return S_OK;
}

HRESULT XmlNode::removeAttribute(BSTR name)
{
    pugi::xml_attribute attribute = m_ref.node.attribute(ToUtf8(ViewOf(name)).c_str());
    if (!attribute)
        return S_FALSE;
    m_document->Store().DetachAttribute(m_ref.node, attribute);
    return S_OK;
}

HRESULT XmlNode::getElementsByTagName(BSTR name, IXMLDOMNodeList** elements)
{
    return XmlQuery::ElementsByTagName(Context(), name, elements);
}
