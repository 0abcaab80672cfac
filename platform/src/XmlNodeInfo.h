// What a node says about itself: its type, name, value and text, and the node-level facts
// the other parts of the XML layer read.
#pragma once

#include "XmlNodeRef.h"

namespace XmlNodeInfo {

DOMNodeType TypeOf(const XmlNodeRef& ref);
std::wstring NameOf(const XmlNodeRef& ref);
// The text of the node and its descendants: the value of a text, comment, CDATA, instruction
// or attribute node; the concatenated text and CDATA below an element or a document.
std::string TextOf(const XmlNodeRef& ref);
// Sets the value of a node that has one; E_FAIL for elements, documents and document types,
// E_INVALIDARG for XML declaration text that is not a list of name="value" pairs.
HRESULT SetValue(const XmlNodeRef& ref, std::wstring_view value);

HRESULT GetName(const XmlNodeContext& context, BSTR* name);
HRESULT GetType(const XmlNodeContext& context, DOMNodeType* type);
HRESULT GetValue(const XmlNodeContext& context, VARIANT* value);
HRESULT PutValue(const XmlNodeContext& context, const VARIANT& value);
HRESULT GetText(const XmlNodeContext& context, BSTR* text);
HRESULT GetOwnerDocument(const XmlNodeContext& context, IXMLDOMDocument** document);

} // namespace XmlNodeInfo
