// The document-model steps that object-model files are read and written with: making and
// finding child elements, moving XML text in and out of documents, and reporting what is
// wrong with a file.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>
#include <vector>

namespace objectmodel {

// A new element named name appended to parent (an element or a document).
HRESULT AppendElement(IXMLDOMNode* parent, const wchar_t* name, CComPtr<IXMLDOMElement>& element);

// The element children of node, in document order.
HRESULT ElementChildren(IXMLDOMNode* node, std::vector<CComPtr<IXMLDOMElement>>& children);

// The first element child of node named name (any name when name is null); S_FALSE and null
// when there is none.
HRESULT FirstChildElement(IXMLDOMNode* node, const wchar_t* name, CComPtr<IXMLDOMElement>& child);

// The name of a node; empty when it cannot be read.
std::wstring NodeName(IXMLDOMNode* node);

// The XML text of an element and its subtree.
HRESULT XmlTextOf(IXMLDOMNode* node, std::wstring& xml);

// A new document holding the one element that xml is; the element keeps its document alive.
HRESULT ParseElement(const std::wstring& xml, CComPtr<IXMLDOMElement>& element);

// Appends a copy of the element that xml is to parent.
HRESULT AppendXmlText(IXMLDOMNode* parent, const std::wstring& xml);

// Puts a message that says what is wrong with a file onto the error stack and returns
// E_INVALIDARG.
HRESULT ReportMalformed(const char* file, int line, const std::wstring& what);

} // namespace objectmodel

#define REPORT_MALFORMED(what) ::objectmodel::ReportMalformed(__FILE__, __LINE__, (what))
