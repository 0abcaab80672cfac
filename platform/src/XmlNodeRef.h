// The vocabulary the classes of the XML layer share: where a node is, how a node object of
// this layer is recognised, and the conversions between pugixml's UTF-8 and the wide strings,
// BSTRs and VARIANTs of the interfaces.
#pragma once

#include "platform/Xml.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

class XmlDocument;

// A node of one of a document's pugixml trees. An attribute is named by the element that
// holds it together with the attribute itself.
struct XmlNodeRef
{
    pugi::xml_node node;
    pugi::xml_attribute attribute;

    bool IsAttribute() const { return static_cast<bool>(attribute); }
    bool IsElement() const { return !attribute && node.type() == pugi::node_element; }
    // The key under which the document keeps the handle of this node.
    const void* Key() const
    {
        return attribute ? static_cast<const void*>(attribute.internal_object())
                         : static_cast<const void*>(node.internal_object());
    }
    bool operator==(const XmlNodeRef& other) const = default;
};

// A node together with the document that owns it (borrowed: the node object that hands the
// context out keeps the document alive).
struct XmlNodeContext
{
    XmlDocument* document = nullptr;
    XmlNodeRef ref;
};

DS_INTERFACE_ID(IXmlNodeSource, IUnknown, "{5E0C9A41-7D2B-4F3A-9C61-0B8E4D2A7F10}");

// Answered by every node object of this layer, documents included, so that an operation given
// an IXMLDOMNode can find the node behind it.
struct IXmlNodeSource : IUnknown
{
    virtual XmlNodeContext Context() = 0;
};

// The context of a node object: E_POINTER for null, E_INVALIDARG for an object that is not a
// node of this layer.
HRESULT ContextOf(IUnknown* node, XmlNodeContext& context);

// Wide text of a pugixml string, and pugixml's UTF-8 of wide text (cut at an embedded zero,
// which pugixml strings cannot hold).
std::wstring ToWide(std::string_view text);
std::string ToUtf8(std::wstring_view text);

// ASCII letters made lower case, for the names XML compares without case (encodings).
std::string AsciiLower(std::string_view text);

// The text of a BSTR argument; null reads as empty.
std::wstring_view ViewOf(BSTR text);

// Hands text out as a new BSTR.
HRESULT ReturnText(std::wstring_view text, BSTR* out);
// Hands text out as a VT_BSTR variant.
HRESULT ReturnTextVariant(std::wstring_view text, VARIANT* out);
// Hands out VT_NULL and returns S_FALSE.
HRESULT ReturnNullVariant(VARIANT* out);

// The text form of a value: strings as they are, VT_EMPTY and VT_NULL as empty text, numbers
// and booleans converted; DISP_E_TYPEMISMATCH for values that have no text form.
HRESULT TextOfVariant(const VARIANT& value, std::wstring& text);

// True for a name that XML allows for elements, attributes and instruction targets.
bool IsXmlName(std::wstring_view name);

// Visits top and every node below it in document order without recursion, so that a deeply
// nested document cannot exhaust the stack. visit returns false to stop the walk; the result
// is false when it was stopped. visit must not change the tree's structure.
template <class Visit> bool WalkSubtree(pugi::xml_node top, Visit&& visit)
{
    pugi::xml_node current = top;
    while (current) {
        if (!visit(current))
            return false;
        if (pugi::xml_node child = current.first_child()) {
            current = child;
            continue;
        }
        while (current != top && !current.next_sibling())
            current = current.parent();
        current = current == top ? pugi::xml_node() : current.next_sibling();
    }
    return true;
}
