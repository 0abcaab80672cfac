// Writes the fields that a class lists in its VisitFields as attributes of its element. The
// same list read with AttributeReader gives every value back, so a class's reader and writer
// mirror each other by construction:
//
//     template <class Fields> void VisitFields(Fields& f) { f.Field(L"tag", m_tag); ... }
#pragma once

#include "XmlNodes.h"
#include "XmlValueText.h"

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <array>
#include <string>
#include <type_traits>

namespace objectmodel {

class AttributeWriter
{
public:
    explicit AttributeWriter(IXMLDOMElement* element) : m_element(element) {}

    void Field(const wchar_t* name, LONG value) { Put(name, FormatValue(value)); }
    void Field(const wchar_t* name, ULONG value) { Put(name, FormatValue(value)); }
    void Field(const wchar_t* name, float value) { Put(name, FormatValue(value)); }
    void Field(const wchar_t* name, double value) { Put(name, FormatValue(value)); }
    void Field(const wchar_t* name, VARIANT_BOOL value) { Put(name, FormatBoolean(value)); }
    void Field(const wchar_t* name, const std::wstring& value) { Put(name, value); }
    void Field(const wchar_t* name, const FloatRect& value) { Put(name, FormatValue(value)); }
    void Field(const wchar_t* name, const ElementNeighbours& value)
    {
        Put(name, FormatValue(value));
    }
    template <size_t N> void Field(const wchar_t* name, const std::array<BYTE, N>& bytes)
    {
        Put(name, FormatBytes(bytes));
    }
    template <class E>
    requires std::is_enum_v<E>
    void Field(const wchar_t* name, E value)
    {
        Field(name, static_cast<std::underlying_type_t<E>>(value));
    }

    // S_OK, or the first failure of writing an attribute.
    HRESULT Result() const { return m_hr; }

private:
    void Put(const wchar_t* name, const std::wstring& text);

    CComPtr<IXMLDOMElement> m_element;
    HRESULT m_hr = S_OK;
};

// Appends an element named name that holds an object's ID and the fields it lists.
template <class Fields>
HRESULT AppendFields(IXMLDOMNode* parent, const wchar_t* name, LONG id, Fields& fields,
                     CComPtr<IXMLDOMElement>& element)
{
    HRESULT hr = AppendElement(parent, name, element);
    if (FAILED(hr))
        return hr;
    AttributeWriter writer(element);
    writer.Field(L"ID", id);
    fields.VisitFields(writer);
    return writer.Result();
}

} // namespace objectmodel
