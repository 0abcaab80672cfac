// Writes the attributes and children of one element of a production file, in order, stopping
// at the first failure: what the file writer and each panel and audio object write with.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>

class ElementWriter
{
public:
    // document owns element; both are borrowed.
    ElementWriter(IXMLDOMDocument* document, IXMLDOMElement* element)
        : m_document(document), m_element(element)
    {}

    ElementWriter& Text(const wchar_t* name, const std::wstring& value);
    // In the shortest form that reads back as the same value, in any locale.
    ElementWriter& Number(const wchar_t* name, double value);
    // "1" or "0".
    ElementWriter& Flag(const wchar_t* name, bool value);
    // Appends a copy of node (of any document); nothing for a null node.
    ElementWriter& Copy(IXMLDOMNode* node);
    // Appends a child element of that name that holds a copy of node.
    ElementWriter& Child(const wchar_t* name, IXMLDOMNode* node);

    HRESULT Result() const { return m_hr; }

private:
    IXMLDOMDocument* m_document;
    IXMLDOMElement* m_element;
    HRESULT m_hr = S_OK;
};
