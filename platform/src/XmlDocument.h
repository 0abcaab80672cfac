// The document object: the document node's handle, the owner of the document's trees and of
// the registry of node handles, and the factory of node handles and lists.
#pragma once

#include "XmlNodeImpl.h"
#include "XmlNodeStore.h"

#include <vector>

class XmlDocument final : public XmlNodeImpl<XmlDocument, IXMLDOMDocument>
{
public:
    XmlDocument() = default;

    XmlNodeContext Context() override;
    XmlNodeStore& Store() { return m_store; }

    // The handle of a node of this document: the document itself for its document node, the
    // node's handle when it has one, else a new handle. S_FALSE and null for no node and for
    // the hidden nodes of the holding area.
    HRESULT Wrap(const XmlNodeRef& ref, IXMLDOMNode** node);
    // The same asked for another interface of the handle.
    template <class I> HRESULT WrapAs(const XmlNodeRef& ref, I** node)
    {
        if (!node)
            return E_POINTER;
        *node = nullptr;
        CComPtr<IXMLDOMNode> wrapped;
        HRESULT hr = Wrap(ref, &wrapped);
        if (hr != S_OK)
            return hr;
        return wrapped.QueryInterface(node);
    }
    // A list of the handles of refs, in their order, hidden nodes left out.
    HRESULT WrapList(const std::vector<XmlNodeRef>& refs, IXMLDOMNodeList** list);

    // IXMLDOMDocument
    HRESULT get_documentElement(IXMLDOMElement** root) override;
    HRESULT putref_documentElement(IXMLDOMElement* root) override;
    HRESULT createElement(BSTR name, IXMLDOMElement** element) override;
    HRESULT createTextNode(BSTR text, IXMLDOMNode** node) override;
    HRESULT createComment(BSTR text, IXMLDOMNode** node) override;
    HRESULT createCDATASection(BSTR text, IXMLDOMNode** node) override;
    HRESULT createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node) override;
    HRESULT createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node) override;
    HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) override;
    HRESULT load(VARIANT source, VARIANT_BOOL* success) override;
    HRESULT loadXML(BSTR xml, VARIANT_BOOL* success) override;
    HRESULT save(VARIANT destination) override;
    HRESULT get_async(VARIANT_BOOL* async) override;
    HRESULT put_async(VARIANT_BOOL async) override;
    HRESULT get_parseErrorReason(BSTR* reason) override;

private:
    ~XmlDocument() override;

    HRESULT CreateValued(pugi::xml_node_type type, BSTR value, IXMLDOMNode** node);
    HRESULT CreateAttribute(BSTR name, IXMLDOMNode** node);
    HRESULT LoadBytes(std::string_view bytes, pugi::xml_encoding encoding, VARIANT_BOOL* success);
    HRESULT FinishLoad(std::unique_ptr<pugi::xml_document> tree, std::wstring reason,
                       VARIANT_BOOL* success);

    XmlNodeStore m_store;
    std::wstring m_parseError;
    VARIANT_BOOL m_async = VARIANT_TRUE;
};
