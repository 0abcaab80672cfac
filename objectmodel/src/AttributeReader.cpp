#include "AttributeReader.h"

#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/NativePath.h"

namespace objectmodel {

AttributeReader::AttributeReader(IXMLDOMElement* element)
    : m_element(element), m_elementName(NodeName(element))
{}

void AttributeReader::Field(const wchar_t* name, std::wstring& value)
{
    std::wstring text;
    if (SUCCEEDED(m_hr) && Find(name, text))
        value = std::move(text);
}

void AttributeReader::Required(const wchar_t* name, LONG& value)
{
    std::wstring text;
    if (FAILED(m_hr))
        return;
    if (!Find(name, text)) {
        Refuse(L"attribute \"" + std::wstring(name) + L"\" is missing");
        return;
    }
    if (!ParseValue(text, value))
        RefuseValue(name, text);
}

void AttributeReader::Refuse(const std::wstring& reason)
{
    if (SUCCEEDED(m_hr))
        m_hr = REPORT_MALFORMED(L"element \"" + m_elementName + L"\": " + reason);
}

void AttributeReader::CheckPath(const wchar_t* name, const std::wstring& path)
{
    if (FAILED(CheckPathLength(path)))
        Refuse(L"attribute \"" + std::wstring(name) +
               L"\" is a path longer than the file system takes");
}

bool AttributeReader::Find(const wchar_t* name, std::wstring& text)
{
    CComVariant value;
    HRESULT hr = m_element->getAttribute(CComBSTR(name), &value);
    if (FAILED(hr)) {
        LOG_HR(hr, "m_element->getAttribute(CComBSTR(name), &value)");
        m_hr = hr;
        return false;
    }
    if (hr == S_FALSE || value.vt != VT_BSTR)
        return false;
    text.assign(value.bstrVal, SysStringLen(value.bstrVal));
    return true;
}

void AttributeReader::RefuseValue(const wchar_t* name, const std::wstring& text)
{
    // A hostile file may hold huge values; the message shows their beginning only.
    constexpr size_t kShown = 40;
    std::wstring shown = text.size() > kShown ? text.substr(0, kShown) + L"..." : text;
    Refuse(L"attribute \"" + std::wstring(name) + L"\" has the malformed value \"" + shown + L"\"");
}

} // namespace objectmodel
