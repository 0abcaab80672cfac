#include "XmlDocument.h"

#include "XmlFile.h"
#include "XmlNode.h"
#include "XmlNodeList.h"
#include "XmlParser.h"

#include "platform/ClassFactory.h"
#include "platform/FileReplace.h"

#include <iterator>

namespace {

struct NodeTypeName
{
    const wchar_t* name;
    DOMNodeType type;
};

// The node types createNode makes, by the names it accepts for them.
constexpr NodeTypeName kCreatableTypes[] = {
    {L"element", NODE_ELEMENT},
    {L"attribute", NODE_ATTRIBUTE},
    {L"text", NODE_TEXT},
    {L"cdatasection", NODE_CDATA_SECTION},
    {L"processinginstruction", NODE_PROCESSING_INSTRUCTION},
    {L"comment", NODE_COMMENT},
};

HRESULT NodeTypeOfVariant(const VARIANT& type, DOMNodeType& out)
{
    if (type.vt == VT_BSTR) {
        for (const NodeTypeName& entry : kCreatableTypes) {
            if (ViewOf(type.bstrVal) == entry.name) {
                out = entry.type;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    CComVariant number;
    if (FAILED(VariantChangeType(&number, &type, 0, VT_I4)))
        return E_INVALIDARG;
    out = static_cast<DOMNodeType>(number.lVal);
    return S_OK;
}

// Declares namespaceURI for the prefix of an element's name (the default namespace when the
// name has none).
void DeclareNamespace(pugi::xml_node element, std::wstring_view namespaceURI)
{
    std::string name = element.name();
    size_t colon = name.find(':');
    std::string attribute = colon == std::string::npos ? "xmlns" : "xmlns:" + name.substr(0, colon);
    element.append_attribute(attribute.c_str()).set_value(ToUtf8(namespaceURI).c_str());
}

} // namespace

XmlDocument::~XmlDocument() = default;

XmlNodeContext XmlDocument::Context()
{
    return XmlNodeContext{this, XmlNodeRef{m_store.Tree(), pugi::xml_attribute()}};
}

HRESULT XmlDocument::Wrap(const XmlNodeRef& ref, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    if (!ref.node || (!ref.IsAttribute() && m_store.IsHidden(ref.node)))
        return S_FALSE;
    // The pseudo-attributes of the XML declaration are part of its value, not nodes.
    if (ref.IsAttribute() && ref.node.type() != pugi::node_element)
        return S_FALSE;
    if (!ref.IsAttribute() && ref.node == m_store.Tree())
        return CComPtr<IXMLDOMNode>(this).CopyTo(node);
    if (XmlNode* existing = m_store.Find(ref.Key()))
        return CComPtr<IXMLDOMNode>(existing).CopyTo(node);
    *node = XmlNode::Create(this, ref).Detach();
    return S_OK;
}

HRESULT XmlDocument::WrapList(const std::vector<XmlNodeRef>& refs, IXMLDOMNodeList** list)
{
    if (!list)
        return E_POINTER;
    *list = nullptr;
    std::vector<CComPtr<IXMLDOMNode>> nodes;
    nodes.reserve(refs.size());
    for (const XmlNodeRef& ref : refs) {
        CComPtr<IXMLDOMNode> node;
        if (HRESULT hr = Wrap(ref, &node); FAILED(hr))
            return hr;
        if (node)
            nodes.push_back(std::move(node));
    }
    *list = XmlNodeList::Create(std::move(nodes)).Detach();
    return S_OK;
}

HRESULT XmlDocument::get_documentElement(IXMLDOMElement** root)
{
    return WrapAs(XmlNodeRef{m_store.Tree().find_child(
                      [](pugi::xml_node child) { return child.type() == pugi::node_element; })},
                  root);
}

HRESULT XmlDocument::putref_documentElement(IXMLDOMElement* root)
{
    return XmlTreeEdit::ReplaceDocumentElement(Context(), root);
}

HRESULT XmlDocument::createElement(BSTR name, IXMLDOMElement** element)
{
    if (!element)
        return E_POINTER;
    *element = nullptr;
    if (!IsXmlName(ViewOf(name)))
        return E_INVALIDARG;
    pugi::xml_node created = m_store.NewDetached(pugi::node_element);
    created.set_name(ToUtf8(ViewOf(name)).c_str());
    return WrapAs(XmlNodeRef{created}, element);
}

HRESULT XmlDocument::createTextNode(BSTR text, IXMLDOMNode** node)
{
    return CreateValued(pugi::node_pcdata, text, node);
}

HRESULT XmlDocument::createComment(BSTR text, IXMLDOMNode** node)
{
    return CreateValued(pugi::node_comment, text, node);
}

HRESULT XmlDocument::createCDATASection(BSTR text, IXMLDOMNode** node)
{
    return CreateValued(pugi::node_cdata, text, node);
}

// The target "xml" makes the XML declaration, whose data are its pseudo-attributes.
HRESULT XmlDocument::createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    if (!IsXmlName(ViewOf(target)))
        return E_INVALIDARG;
    bool declaration = ViewOf(target) == L"xml";
    pugi::xml_node created =
        m_store.NewDetached(declaration ? pugi::node_declaration : pugi::node_pi);
    created.set_name(ToUtf8(ViewOf(target)).c_str());
    if (HRESULT hr = XmlNodeInfo::SetValue(XmlNodeRef{created}, ViewOf(data)); FAILED(hr))
        return hr;
    return Wrap(XmlNodeRef{created}, node);
}

HRESULT XmlDocument::createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    DOMNodeType kind = NODE_INVALID;
    if (HRESULT hr = NodeTypeOfVariant(type, kind); FAILED(hr))
        return hr;
    switch (kind) {
    case NODE_ELEMENT: {
        CComPtr<IXMLDOMElement> element;
        if (HRESULT hr = createElement(name, &element); FAILED(hr))
            return hr;
        XmlNodeContext created;
        ContextOf(element, created);
        if (!ViewOf(namespaceURI).empty())
            DeclareNamespace(created.ref.node, ViewOf(namespaceURI));
        return element.QueryInterface(node);
    }
    case NODE_ATTRIBUTE:
        return CreateAttribute(name, node);
    case NODE_TEXT:
        return CreateValued(pugi::node_pcdata, nullptr, node);
    case NODE_CDATA_SECTION:
        return CreateValued(pugi::node_cdata, nullptr, node);
    case NODE_COMMENT:
        return CreateValued(pugi::node_comment, nullptr, node);
    case NODE_PROCESSING_INSTRUCTION:
        return createProcessingInstruction(name, nullptr, node);
    default:
        return E_INVALIDARG;
    }
}

HRESULT XmlDocument::getElementsByTagName(BSTR name, IXMLDOMNodeList** elements)
{
    return XmlQuery::ElementsByTagName(Context(), name, elements);
}

HRESULT XmlDocument::load(VARIANT source, VARIANT_BOOL* success)
{
    if (!success)
        return E_POINTER;
    *success = VARIANT_FALSE;
    if (source.vt != VT_BSTR)
        return E_INVALIDARG;
    std::string bytes;
    std::wstring reason;
    if (!XmlFile::Read(ViewOf(source.bstrVal), bytes, reason))
        return FinishLoad(nullptr, std::move(reason), success);
    return LoadBytes(bytes, pugi::encoding_auto, success);
}

// The text of a string is already decoded, so any encoding its declaration names is ignored.
HRESULT XmlDocument::loadXML(BSTR xml, VARIANT_BOOL* success)
{
    if (!success)
        return E_POINTER;
    *success = VARIANT_FALSE;
    return LoadBytes(ToUtf8(ViewOf(xml)), pugi::encoding_utf8, success);
}

HRESULT XmlDocument::save(VARIANT destination)
{
    if (destination.vt != VT_BSTR || ViewOf(destination.bstrVal).empty())
        return E_INVALIDARG;
    return WriteFileReplacing(ViewOf(destination.bstrVal),
                              XmlSerializer::FileBytesOf(m_store.Tree()));
}

HRESULT XmlDocument::get_async(VARIANT_BOOL* async)
{
    if (!async)
        return E_POINTER;
    *async = m_async;
    return S_OK;
}

HRESULT XmlDocument::put_async(VARIANT_BOOL async)
{
    m_async = async;
    return S_OK;
}

HRESULT XmlDocument::get_parseErrorReason(BSTR* reason)
{
    return ReturnText(m_parseError, reason);
}

HRESULT XmlDocument::CreateValued(pugi::xml_node_type type, BSTR value, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    pugi::xml_node created = m_store.NewDetached(type);
    created.set_value(ToUtf8(ViewOf(value)).c_str());
    return Wrap(XmlNodeRef{created}, node);
}

HRESULT XmlDocument::CreateAttribute(BSTR name, IXMLDOMNode** node)
{
    if (!IsXmlName(ViewOf(name)))
        return E_INVALIDARG;
    return Wrap(m_store.NewDetachedAttribute(ToUtf8(ViewOf(name)).c_str()), node);
}

HRESULT XmlDocument::LoadBytes(std::string_view bytes, pugi::xml_encoding encoding,
                               VARIANT_BOOL* success)
{
    auto tree = std::make_unique<pugi::xml_document>();
    std::wstring reason;
    if (!XmlParser::Parse(bytes.data(), bytes.size(), encoding, *tree, reason))
        tree.reset();
    return FinishLoad(std::move(tree), std::move(reason), success);
}

// A failed load leaves the document empty. Nodes of the old tree that handles still point
// at live on, detached.
HRESULT XmlDocument::FinishLoad(std::unique_ptr<pugi::xml_document> tree, std::wstring reason,
                                VARIANT_BOOL* success)
{
    bool loaded = tree != nullptr;
    m_store.ReplaceTree(loaded ? std::move(tree) : std::make_unique<pugi::xml_document>());
    m_parseError = loaded ? std::wstring() : std::move(reason);
    *success = loaded ? VARIANT_TRUE : VARIANT_FALSE;
    return loaded ? S_OK : S_FALSE;
}

HRESULT CreateXMLDocument(IXMLDOMDocument** document)
{
    if (!document)
        return E_POINTER;
    *document = XmlDocument::Create().Detach();
    return S_OK;
}

HRESULT RegisterXmlClasses()
{
    return CoRegisterClass(CLSID_DOMDocument, CreatorOf<XmlDocument>());
}
