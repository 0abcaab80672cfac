// Small helpers over the platform's XML document model for the engine's own data: effect
// elements, attributes of numbers and text.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>

// A new empty document, made through the class factory.
HRESULT NewXmlDocument(CComPtr<IXMLDOMDocument>& document);

// The document element of an XML file: HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing
// file, HRESULT_FROM_WIN32(ERROR_INVALID_DATA) for one that is not well-formed XML.
HRESULT LoadXmlFile(const std::wstring& path, CComPtr<IXMLDOMElement>& root);

// A new element of a document, appended to parent when parent is given.
HRESULT AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, const wchar_t* name,
                      CComPtr<IXMLDOMElement>& element);

// A detached "Effect" element with an empty "plugin_data" child, in a document of its own.
HRESULT NewEffectElement(CComPtr<IXMLDOMNode>& effect);

// A deep copy of a node in a document of its own, so that the copy shares nothing with the
// caller's document.
HRESULT CopyIntoNewDocument(IXMLDOMNode* node, CComPtr<IXMLDOMNode>& copy);

// Attribute values; the getters answer the fallback when the attribute is missing or does not
// read as the type.
std::wstring GetAttributeText(IXMLDOMNode* node, const wchar_t* name,
                              const std::wstring& fallback = L"");
double GetAttributeNumber(IXMLDOMNode* node, const wchar_t* name, double fallback);
HRESULT SetAttributeText(IXMLDOMElement* element, const wchar_t* name, const std::wstring& value);
HRESULT SetAttributeNumber(IXMLDOMElement* element, const wchar_t* name, double value);

// The text of the first child element of a name; empty when there is none.
std::wstring ChildElementText(IXMLDOMNode* node, const wchar_t* name);
