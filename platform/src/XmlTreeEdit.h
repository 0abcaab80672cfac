// Changes to the structure of a document: inserting, replacing and removing children,
// cloning, and replacing an element's children by text. Every change keeps the tree's rules:
// elements and documents alone have children, a document has one element and its XML
// declaration first, and no node goes into its own subtree; a change that would break them is
// refused with E_INVALIDARG and changes nothing.
#pragma once

#include "XmlNodeRef.h"

namespace XmlTreeEdit {

HRESULT InsertBefore(const XmlNodeContext& parent, IXMLDOMNode* newChild, const VARIANT& refChild,
                     IXMLDOMNode** inserted);
HRESULT ReplaceChild(const XmlNodeContext& parent, IXMLDOMNode* newChild, IXMLDOMNode* oldChild,
                     IXMLDOMNode** replaced);
HRESULT RemoveChild(const XmlNodeContext& parent, IXMLDOMNode* child, IXMLDOMNode** removed);
// Makes root the document element of the document, in the place of any earlier one.
HRESULT ReplaceDocumentElement(const XmlNodeContext& document, IXMLDOMElement* root);
HRESULT CloneNode(const XmlNodeContext& context, VARIANT_BOOL deep, IXMLDOMNode** clone);
// An element's children become one text node (none for empty text); other nodes take text
// as their value.
HRESULT PutText(const XmlNodeContext& context, std::wstring_view text);

} // namespace XmlTreeEdit
