#include "XmlNodeInfo.h"

#include "XmlDocument.h"

#include <utility>
#include <vector>

namespace {

using PseudoAttributes = std::vector<std::pair<std::string, std::string>>;

bool IsSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// Reads one name="value" (or name='value') pair at text[i]; advances i past it.
bool ReadPseudoAttribute(std::wstring_view text, size_t& i, PseudoAttributes& pairs)
{
    size_t start = i;
    while (i < text.size() && text[i] != L'=' && !IsSpace(text[i]))
        ++i;
    std::wstring_view name = text.substr(start, i - start);
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    if (!IsXmlName(name) || i >= text.size() || text[i++] != L'=')
        return false;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    if (i >= text.size() || (text[i] != L'"' && text[i] != L'\''))
        return false;
    size_t end = text.find(text[i], i + 1);
    if (end == std::wstring_view::npos)
        return false;
    pairs.emplace_back(ToUtf8(name), ToUtf8(text.substr(i + 1, end - i - 1)));
    i = end + 1;
    return true;
}

HRESULT SetDeclaration(pugi::xml_node declaration, std::wstring_view text)
{
    PseudoAttributes pairs;
    for (size_t i = 0; i < text.size();) {
        if (IsSpace(text[i]))
            ++i;
        else if (!ReadPseudoAttribute(text, i, pairs))
            return E_INVALIDARG;
    }
    declaration.remove_attributes();
    for (const auto& [name, value] : pairs)
        declaration.append_attribute(name.c_str()).set_value(value.c_str());
    return S_OK;
}

std::string DeclarationText(pugi::xml_node declaration)
{
    std::string text;
    for (pugi::xml_attribute attribute : declaration.attributes()) {
        std::string_view value = attribute.value();
        char quote = value.find('"') == std::string_view::npos ? '"' : '\'';
        if (!text.empty())
            text += ' ';
        text.append(attribute.name()).append(1, '=').append(1, quote);
        text.append(value).append(1, quote);
    }
    return text;
}

// The name a DOCTYPE declares: its first word.
std::string DocumentTypeName(pugi::xml_node doctype)
{
    std::string_view text = doctype.value();
    return std::string(text.substr(0, text.find_first_of(" \t\r\n[")));
}

bool HasValue(const XmlNodeRef& ref)
{
    switch (XmlNodeInfo::TypeOf(ref)) {
    case NODE_ATTRIBUTE:
    case NODE_TEXT:
    case NODE_CDATA_SECTION:
    case NODE_COMMENT:
    case NODE_PROCESSING_INSTRUCTION:
        return true;
    default:
        return false;
    }
}

std::string ValueOf(const XmlNodeRef& ref)
{
    if (ref.IsAttribute())
        return ref.attribute.value();
    if (ref.node.type() == pugi::node_declaration)
        return DeclarationText(ref.node);
    return ref.node.value();
}

std::string DescendantText(pugi::xml_node top)
{
    std::string text;
    WalkSubtree(top, [&text](pugi::xml_node node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        return true;
    });
    return text;
}

} // namespace

namespace XmlNodeInfo {

DOMNodeType TypeOf(const XmlNodeRef& ref)
{
    if (ref.IsAttribute())
        return NODE_ATTRIBUTE;
    switch (ref.node.type()) {
    case pugi::node_document:
        return NODE_DOCUMENT;
    case pugi::node_element:
        return NODE_ELEMENT;
    case pugi::node_pcdata:
        return NODE_TEXT;
    case pugi::node_cdata:
        return NODE_CDATA_SECTION;
    case pugi::node_comment:
        return NODE_COMMENT;
    case pugi::node_pi:
    case pugi::node_declaration:
        return NODE_PROCESSING_INSTRUCTION;
    case pugi::node_doctype:
        return NODE_DOCUMENT_TYPE;
    default:
        return NODE_INVALID;
    }
}

std::wstring NameOf(const XmlNodeRef& ref)
{
    switch (TypeOf(ref)) {
    case NODE_ATTRIBUTE:
        return ToWide(ref.attribute.name());
    case NODE_TEXT:
        return L"#text";
    case NODE_CDATA_SECTION:
        return L"#cdata-section";
    case NODE_COMMENT:
        return L"#comment";
    case NODE_DOCUMENT:
        return L"#document";
    case NODE_DOCUMENT_TYPE:
        return ToWide(DocumentTypeName(ref.node));
    default:
        return ToWide(ref.node.name());
    }
}

std::string TextOf(const XmlNodeRef& ref)
{
    if (HasValue(ref))
        return ValueOf(ref);
    return ref.IsElement() || ref.node.type() == pugi::node_document ? DescendantText(ref.node)
                                                                     : std::string();
}

HRESULT SetValue(const XmlNodeRef& ref, std::wstring_view value)
{
    if (!HasValue(ref))
        return E_FAIL;
    pugi::xml_node node = ref.node;
    pugi::xml_attribute attribute = ref.attribute;
    if (node.type() == pugi::node_declaration && !attribute)
        return SetDeclaration(node, value);
    bool set = attribute ? attribute.set_value(ToUtf8(value).c_str())
                         : node.set_value(ToUtf8(value).c_str());
    return set ? S_OK : E_OUTOFMEMORY;
}

HRESULT GetName(const XmlNodeContext& context, BSTR* name)
{
    return ReturnText(NameOf(context.ref), name);
}

HRESULT GetType(const XmlNodeContext& context, DOMNodeType* type)
{
    if (!type)
        return E_POINTER;
    *type = TypeOf(context.ref);
    return S_OK;
}

HRESULT GetValue(const XmlNodeContext& context, VARIANT* value)
{
    if (!HasValue(context.ref))
        return ReturnNullVariant(value);
    return ReturnTextVariant(ToWide(ValueOf(context.ref)), value);
}

HRESULT PutValue(const XmlNodeContext& context, const VARIANT& value)
{
    std::wstring text;
    if (HRESULT hr = TextOfVariant(value, text); FAILED(hr))
        return hr;
    return SetValue(context.ref, text);
}

HRESULT GetText(const XmlNodeContext& context, BSTR* text)
{
    return ReturnText(ToWide(TextOf(context.ref)), text);
}

HRESULT GetOwnerDocument(const XmlNodeContext& context, IXMLDOMDocument** document)
{
    if (!document)
        return E_POINTER;
    *document = nullptr;
    if (TypeOf(context.ref) == NODE_DOCUMENT)
        return S_FALSE;
    return CComPtr<IXMLDOMDocument>(context.document).CopyTo(document);
}

} // namespace XmlNodeInfo
