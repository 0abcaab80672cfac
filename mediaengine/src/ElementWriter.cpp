#include "ElementWriter.h"

#include "XmlHelpers.h"

ElementWriter& ElementWriter::Text(const wchar_t* name, const std::wstring& value)
{
    if (SUCCEEDED(m_hr))
        m_hr = SetAttributeText(m_element, name, value);
    return *this;
}

ElementWriter& ElementWriter::Number(const wchar_t* name, double value)
{
    if (SUCCEEDED(m_hr))
        m_hr = SetAttributeNumber(m_element, name, value);
    return *this;
}

ElementWriter& ElementWriter::Flag(const wchar_t* name, bool value)
{
    return Text(name, value ? L"1" : L"0");
}

ElementWriter& ElementWriter::Copy(IXMLDOMNode* node)
{
    // A node of another document is copied in by appending it.
    if (SUCCEEDED(m_hr) && node)
        m_hr = m_element->appendChild(node, nullptr);
    return *this;
}

ElementWriter& ElementWriter::Child(const wchar_t* name, IXMLDOMNode* node)
{
    CComPtr<IXMLDOMElement> child;
    if (SUCCEEDED(m_hr))
        m_hr = AppendElement(m_document, m_element, name, child);
    if (SUCCEEDED(m_hr))
        m_hr = ElementWriter(m_document, child).Copy(node).Result();
    return *this;
}
