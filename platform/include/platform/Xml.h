// A document object model of counted interfaces. Every node handle keeps its document alive;
// a node taken out of its tree (removeChild, replaceChild, a fresh createElement or a
// cloneNode) lives on, detached, for as long as the document does, so a handle never
// dangles. Strings are wide; files are read in any encoding they declare and written in the
// encoding of their declaration (UTF-16 little-endian with a byte-order mark for "UTF-16",
// UTF-8 otherwise).
//
// Conventions of every interface here: a null out-pointer gives E_POINTER, and so does a null
// node argument; a node argument that is not a node of this library gives E_INVALIDARG. A
// VARIANT out-argument must hold a valid value (a CComVariant, or one VariantInit made): what it
// held is released before the result is stored. An operation that does not apply to the
// node's type (a value for an element, a data type for a text node) gives E_FAIL; a change
// that would break the tree (a node into its own subtree, an attribute or a document as a
// child, a second document element, text directly under the document, an XML declaration
// anywhere but first) gives E_INVALIDARG and changes nothing. A document and its nodes are
// used by one thread at a time.
#pragma once

#include "platform/Variant.h"

enum DOMNodeType : LONG
{
    NODE_INVALID = 0,
    NODE_ELEMENT = 1,
    NODE_ATTRIBUTE = 2,
    NODE_TEXT = 3,
    NODE_CDATA_SECTION = 4,
    NODE_PROCESSING_INSTRUCTION = 7,
    NODE_COMMENT = 8,
    NODE_DOCUMENT = 9,
    // The DOCTYPE of a loaded document, kept so that saving writes it back.
    NODE_DOCUMENT_TYPE = 10,
};

// The namespace of the typed-value attribute "dt:dt".
inline constexpr const wchar_t* kXmlDataTypesNamespace = L"urn:schemas-microsoft-com:datatypes";

struct IXMLDOMDocument;
struct IXMLDOMElement;
struct IXMLDOMNodeList;
struct IXMLDOMNamedNodeMap;

DS_INTERFACE_ID(IXMLDOMNode, IUnknown, "{2933BF80-7B36-11D2-B20E-00C04F983E60}");
DS_INTERFACE_ID(IXMLDOMElement, IXMLDOMNode, "{2933BF86-7B36-11D2-B20E-00C04F983E60}");
DS_INTERFACE_ID(IXMLDOMDocument, IXMLDOMNode, "{2933BF81-7B36-11D2-B20E-00C04F983E60}");
DS_INTERFACE_ID(IXMLDOMNodeList, IUnknown, "{2933BF82-7B36-11D2-B20E-00C04F983E60}");
DS_INTERFACE_ID(IXMLDOMNamedNodeMap, IUnknown, "{2933BF83-7B36-11D2-B20E-00C04F983E60}");

// Any node: element, attribute, text, comment, processing instruction or the document.
// Getters that find nothing (no parent, no sibling, no match) return S_FALSE and a null
// pointer.
struct IXMLDOMNode : IUnknown
{
    virtual HRESULT get_nodeName(BSTR* name) = 0;
    // The text of a text, comment, attribute or instruction node; VT_NULL for elements and
    // documents.
    virtual HRESULT get_nodeValue(VARIANT* value) = 0;
    virtual HRESULT put_nodeValue(VARIANT value) = 0;
    virtual HRESULT get_nodeType(DOMNodeType* type) = 0;
    virtual HRESULT get_parentNode(IXMLDOMNode** parent) = 0;
    // The children as they are now; the list does not follow later changes of the tree.
    virtual HRESULT get_childNodes(IXMLDOMNodeList** children) = 0;
    virtual HRESULT get_firstChild(IXMLDOMNode** child) = 0;
    virtual HRESULT get_lastChild(IXMLDOMNode** child) = 0;
    virtual HRESULT get_previousSibling(IXMLDOMNode** sibling) = 0;
    virtual HRESULT get_nextSibling(IXMLDOMNode** sibling) = 0;
    // The attributes of an element; S_FALSE and null for other nodes.
    virtual HRESULT get_attributes(IXMLDOMNamedNodeMap** attributes) = 0;
    // Inserts newChild before refChild (a VT_UNKNOWN node of this one's children; VT_EMPTY or
    // VT_NULL appends). A node that is already in a tree is moved; a node of another document
    // is copied in. *inserted (optional) is the node as it now stands in this tree.
    virtual HRESULT insertBefore(IXMLDOMNode* newChild, VARIANT refChild,
                                 IXMLDOMNode** inserted) = 0;
    virtual HRESULT replaceChild(IXMLDOMNode* newChild, IXMLDOMNode* oldChild,
                                 IXMLDOMNode** replaced) = 0;
    // Detaches child; E_INVALIDARG when it is not a child of this node.
    virtual HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) = 0;
    virtual HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended) = 0;
    virtual HRESULT hasChildNodes(VARIANT_BOOL* has) = 0;
    virtual HRESULT get_ownerDocument(IXMLDOMDocument** document) = 0;
    // A detached copy owned by the same document; deep copies the whole subtree, else only
    // the node and its attributes. The copy shares nothing with its source. The clone of a
    // document is a new document.
    virtual HRESULT cloneNode(VARIANT_BOOL deep, IXMLDOMNode** clone) = 0;
    // The concatenated text of the node and its descendants.
    virtual HRESULT get_text(BSTR* text) = 0;
    // Replaces the node's children with one text node.
    virtual HRESULT put_text(BSTR text) = 0;
    // The node and its subtree as XML text.
    virtual HRESULT get_xml(BSTR* xml) = 0;
    // The value of the text as its "dt:dt" data type declares ("string", "int", "i4", "i8",
    // "ui4", "r4", "r8", "float", "number", "boolean"); a node without one gives a BSTR.
    // The types give VT_BSTR; VT_I4 for int and i4, VT_I8, VT_UI4, VT_R4; VT_R8 for r8, float
    // and number; VT_BOOL for boolean (written "1" and "0", read also as "true" and "false").
    // Text that is not a value of the type gives DISP_E_TYPEMISMATCH; a type not in the list
    // (from a loaded file) gives the text.
    virtual HRESULT get_nodeTypedValue(VARIANT* value) = 0;
    // Writes value as the node's text in the form of its declared data type; a value that
    // does not convert gives DISP_E_TYPEMISMATCH and leaves the text as it was.
    virtual HRESULT put_nodeTypedValue(VARIANT value) = 0;
    // The declared data type as a BSTR, VT_NULL when there is none.
    virtual HRESULT get_dataType(VARIANT* type) = 0;
    // Declares the data type with the "dt:dt" attribute of the data-types namespace; where no
    // ancestor declares the namespace, the element declares it itself, so that the type reads
    // back wherever the element goes. An empty type removes the declaration; a type not in
    // the list above gives E_INVALIDARG.
    virtual HRESULT put_dataType(BSTR type) = 0;
    // XPath 1.0 queries evaluated with this node as the context; a detached node's query sees
    // its own detached subtree only. Prefixes match names as written ("dt:dt"). A malformed
    // query, or one whose result is not a set of nodes, gives E_INVALIDARG.
    // Cost: a step of child names ("Panels/SourceFile") costs what the children it passes;
    // a descendant step ("//a", "descendant::a") costs the whole subtree, and a query with
    // several ("//a//a") grows with the document's size times its depth (a document nested
    // 10,000 deep takes seconds and gigabytes). The system's own readers make child steps
    // only; a caller that queries documents it did not write should do the same.
    virtual HRESULT selectNodes(BSTR query, IXMLDOMNodeList** nodes) = 0;
    virtual HRESULT selectSingleNode(BSTR query, IXMLDOMNode** node) = 0;
};

struct IXMLDOMElement : IXMLDOMNode
{
    virtual HRESULT get_tagName(BSTR* name) = 0;
    // The attribute's text as a BSTR; S_FALSE and VT_NULL when the element has no such
    // attribute.
    virtual HRESULT getAttribute(BSTR name, VARIANT* value) = 0;
    // Sets the attribute to the text of value (numbers and booleans converted).
    virtual HRESULT setAttribute(BSTR name, VARIANT value) = 0;
    // S_FALSE when there was no such attribute.
    virtual HRESULT removeAttribute(BSTR name) = 0;
    // The descendant elements of that name ("*" for all), in document order.
    virtual HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) = 0;
};

struct IXMLDOMDocument : IXMLDOMNode
{
    virtual HRESULT get_documentElement(IXMLDOMElement** root) = 0;
    // Makes root the document element, replacing any earlier one.
    virtual HRESULT putref_documentElement(IXMLDOMElement* root) = 0;
    // New detached nodes of this document. Names must be XML names (E_INVALIDARG otherwise).
    // The instruction target "xml" makes the XML declaration, whose data must be
    // name="value" pairs.
    virtual HRESULT createElement(BSTR name, IXMLDOMElement** element) = 0;
    virtual HRESULT createTextNode(BSTR text, IXMLDOMNode** node) = 0;
    virtual HRESULT createComment(BSTR text, IXMLDOMNode** node) = 0;
    virtual HRESULT createCDATASection(BSTR text, IXMLDOMNode** node) = 0;
    virtual HRESULT createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node) = 0;
    // A new node of a type given as a number (VT_I4) or a name ("element", "text" …).
    virtual HRESULT createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node) = 0;
    virtual HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) = 0;
    // Replaces the document's contents with a file (source is a VT_BSTR path). A missing,
    // unreadable or malformed file returns S_FALSE with *success VARIANT_FALSE and leaves the
    // document empty; the reason is kept for get_parseErrorReason. Malformed includes text
    // outside the document element, a second document element, an attribute given twice and
    // a reference to an entity other than the five predefined ones (a document type is kept,
    // but entities it declares are not expanded). Whitespace between elements is dropped.
    virtual HRESULT load(VARIANT source, VARIANT_BOOL* success) = 0;
    // The same from XML text.
    virtual HRESULT loadXML(BSTR xml, VARIANT_BOOL* success) = 0;
    // Writes the document to a file (destination is a VT_BSTR path); a file that cannot be
    // written gives a failure result and leaves an earlier file as it was. A declaration that
    // names an encoding other than UTF-16 or UTF-8 is written as naming UTF-8.
    virtual HRESULT save(VARIANT destination) = 0;
    virtual HRESULT get_async(VARIANT_BOOL* async) = 0;
    // Loading is always synchronous here; the flag is kept for callers that set it.
    virtual HRESULT put_async(VARIANT_BOOL async) = 0;
    // Why the last load failed; empty after a successful one.
    virtual HRESULT get_parseErrorReason(BSTR* reason) = 0;
};

struct IXMLDOMNodeList : IUnknown
{
    virtual HRESULT get_length(LONG* length) = 0;
    // The node at a 0-based index; S_FALSE and null past the end.
    virtual HRESULT get_item(LONG index, IXMLDOMNode** node) = 0;
    // Iterates the list; S_FALSE and null at the end.
    virtual HRESULT nextNode(IXMLDOMNode** node) = 0;
    virtual HRESULT reset() = 0;
};

struct IXMLDOMNamedNodeMap : IUnknown
{
    virtual HRESULT getNamedItem(BSTR name, IXMLDOMNode** node) = 0;
    virtual HRESULT get_length(LONG* length) = 0;
    virtual HRESULT get_item(LONG index, IXMLDOMNode** node) = 0;
    virtual HRESULT removeNamedItem(BSTR name, IXMLDOMNode** node) = 0;
};

// The class of DOM documents, creatable through CoCreateInstance once RegisterXmlClasses has
// run.
inline constexpr CLSID CLSID_DOMDocument = MakeGuid("{2933BF90-7B36-11D2-B20E-00C04F983E60}");

// A new empty document.
HRESULT CreateXMLDocument(IXMLDOMDocument** document);

// Registers CLSID_DOMDocument with the class factory.
HRESULT RegisterXmlClasses();
