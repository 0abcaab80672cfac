#include "XmlNodes.h"

#include "PropertyAccess.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

namespace objectmodel {

namespace {

HRESULT OwnerDocument(IXMLDOMNode* node, CComPtr<IXMLDOMDocument>& document)
{
    CComQIPtr<IXMLDOMDocument> self(node);
    if (self) {
        document = self;
        return S_OK;
    }
    CHECK_HR(node->get_ownerDocument(&document));
    CHECK_NULL(document.p);
    return S_OK;
}

bool IsElement(IXMLDOMNode* node)
{
    DOMNodeType type = NODE_INVALID;
    return SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT;
}

} // namespace

HRESULT AppendElement(IXMLDOMNode* parent, const wchar_t* name, CComPtr<IXMLDOMElement>& element)
{
    CHECK_NULL(parent);
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(OwnerDocument(parent, document));
    CComPtr<IXMLDOMElement> created;
    CHECK_HR(document->createElement(CComBSTR(name), &created));
    CHECK_HR(parent->appendChild(created, nullptr));
    element = created;
    return S_OK;
}

HRESULT ElementChildren(IXMLDOMNode* node, std::vector<CComPtr<IXMLDOMElement>>& children)
{
    CHECK_NULL(node);
    children.clear();
    CComPtr<IXMLDOMNode> child;
    CHECK_HR(node->get_firstChild(&child));
    while (child) {
        if (IsElement(child))
            children.push_back(CComQIPtr<IXMLDOMElement>(child.p));
        CComPtr<IXMLDOMNode> next;
        CHECK_HR(child->get_nextSibling(&next));
        child = next;
    }
    return S_OK;
}

HRESULT FirstChildElement(IXMLDOMNode* node, const wchar_t* name, CComPtr<IXMLDOMElement>& child)
{
    std::vector<CComPtr<IXMLDOMElement>> children;
    CHECK_HR(ElementChildren(node, children));
    for (auto& candidate : children) {
        if (!name || NodeName(candidate) == name) {
            child = candidate;
            return S_OK;
        }
    }
    child = nullptr;
    return S_FALSE;
}

std::wstring NodeName(IXMLDOMNode* node)
{
    CComBSTR name;
    if (!node || FAILED(node->get_nodeName(&name)))
        return std::wstring();
    return name.Str();
}

HRESULT XmlTextOf(IXMLDOMNode* node, std::wstring& xml)
{
    CHECK_NULL(node);
    CComBSTR text;
    CHECK_HR(node->get_xml(&text));
    xml = text.Str();
    return S_OK;
}

HRESULT ParseElement(const std::wstring& xml, CComPtr<IXMLDOMElement>& element)
{
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CHECK_HR(document->loadXML(CComBSTR(xml), &loaded));
    if (!loaded)
        return REPORT_MALFORMED(L"stored XML text is not a well-formed element");
    CHECK_HR(document->get_documentElement(&element));
    CHECK_NULL(element.p);
    return S_OK;
}

HRESULT AppendXmlText(IXMLDOMNode* parent, const std::wstring& xml)
{
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(ParseElement(xml, element));
    CHECK_HR(parent->appendChild(element, nullptr));
    return S_OK;
}

HRESULT ReportMalformed(const char* file, int line, const std::wstring& what)
{
    KVULogFailure(file, line, E_INVALIDARG, WideToUtf8(what).c_str());
    return E_INVALIDARG;
}

} // namespace objectmodel
