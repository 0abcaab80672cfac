// The handle of a node that is not a document: an element, an attribute, text, CDATA, a
// comment, an instruction or a document type. It answers IXMLDOMElement for elements only.
// It keeps its document alive, and the document moves it along when its node is copied from
// one of the document's trees to the other.
#pragma once

#include "XmlNodeImpl.h"

class XmlNode final : public XmlNodeImpl<XmlNode, IXMLDOMElement>
{
public:
    // Registers the new handle with document's store; ref names a node of that document.
    XmlNode(XmlDocument* document, const XmlNodeRef& ref);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    XmlNodeContext Context() override;

    const XmlNodeRef& Ref() const { return m_ref; }
    // Points the handle at the copy that replaced its node; called by the store.
    void Rebind(const XmlNodeRef& ref) { m_ref = ref; }

    // IXMLDOMElement
    HRESULT get_tagName(BSTR* name) override;
    HRESULT getAttribute(BSTR name, VARIANT* value) override;
    HRESULT setAttribute(BSTR name, VARIANT value) override;
    HRESULT removeAttribute(BSTR name) override;
    HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) override;

private:
    ~XmlNode() override;

    CComPtr<XmlDocument> m_document;
    XmlNodeRef m_ref;
};
