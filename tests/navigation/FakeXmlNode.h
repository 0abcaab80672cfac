// A counted XML node that reports its references, for the tests of who owns the nodes of a
// command list. It knows its text and how to clone itself; every other method answers
// E_NOTIMPL.
#pragma once

#include "platform/ComObject.h"
#include "platform/Xml.h"

#include <string>

class FakeXmlNode : public ComObject<FakeXmlNode, IXMLDOMNode>
{
public:
    // The number of references held on the node by others than the caller's own pointer.
    ULONG References()
    {
        AddRef();
        return Release() - 1;
    }

    HRESULT cloneNode(VARIANT_BOOL, IXMLDOMNode** clone) override
    {
        if (failClone)
            return E_OUTOFMEMORY;
        CComPtr<FakeXmlNode> copy = FakeXmlNode::Create();
        copy->text = text;
        *clone = copy.Detach();
        return S_OK;
    }
    HRESULT get_text(BSTR* value) override
    {
        *value = SysAllocString(text.c_str());
        return S_OK;
    }
    HRESULT put_text(BSTR value) override
    {
        text = value ? value : L"";
        return S_OK;
    }

    HRESULT get_nodeName(BSTR*) override { return E_NOTIMPL; }
    HRESULT get_nodeValue(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_nodeValue(VARIANT) override { return E_NOTIMPL; }
    HRESULT get_nodeType(DOMNodeType*) override { return E_NOTIMPL; }
    HRESULT get_parentNode(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_childNodes(IXMLDOMNodeList**) override { return E_NOTIMPL; }
    HRESULT get_firstChild(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_lastChild(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_previousSibling(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_nextSibling(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_attributes(IXMLDOMNamedNodeMap**) override { return E_NOTIMPL; }
    HRESULT insertBefore(IXMLDOMNode*, VARIANT, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT replaceChild(IXMLDOMNode*, IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT removeChild(IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT appendChild(IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT hasChildNodes(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT get_ownerDocument(IXMLDOMDocument**) override { return E_NOTIMPL; }
    HRESULT get_xml(BSTR*) override { return E_NOTIMPL; }
    HRESULT get_nodeTypedValue(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_nodeTypedValue(VARIANT) override { return E_NOTIMPL; }
    HRESULT get_dataType(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_dataType(BSTR) override { return E_NOTIMPL; }
    HRESULT selectNodes(BSTR, IXMLDOMNodeList**) override { return E_NOTIMPL; }
    HRESULT selectSingleNode(BSTR, IXMLDOMNode**) override { return E_NOTIMPL; }

    std::wstring text;
    bool failClone = false;
};

// A new node with a text, held by the returned pointer.
inline CComPtr<FakeXmlNode> MakeNode(const wchar_t* text)
{
    CComPtr<FakeXmlNode> node = FakeXmlNode::Create();
    node->text = text;
    return node;
}

// One more reference on the node, for a slot that takes ownership of it.
inline IXMLDOMNode* NewReference(FakeXmlNode* node)
{
    return CComPtr<IXMLDOMNode>(node).Detach();
}

// The text of a node the list holds.
inline std::wstring TextOf(IXMLDOMNode* node)
{
    CComBSTR text;
    if (!node || FAILED(node->get_text(&text)))
        return L"<none>";
    return text.Str();
}
