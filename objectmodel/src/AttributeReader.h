// Reads the fields that a class lists in its VisitFields from the attributes of its element
// (see AttributeWriter). A missing attribute leaves its field at the value it has; a value
// that is not in the form the writer produces is refused: Result() turns to E_INVALIDARG and
// the error stack says which element and attribute were wrong.
#pragma once

#include "XmlValueText.h"

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <array>
#include <string>
#include <type_traits>

namespace objectmodel {

class AttributeReader
{
public:
    explicit AttributeReader(IXMLDOMElement* element);

    void Field(const wchar_t* name, LONG& value) { Read(name, value, Parse<LONG>); }
    void Field(const wchar_t* name, ULONG& value) { Read(name, value, Parse<ULONG>); }
    void Field(const wchar_t* name, float& value) { Read(name, value, Parse<float>); }
    void Field(const wchar_t* name, double& value) { Read(name, value, Parse<double>); }
    void Field(const wchar_t* name, VARIANT_BOOL& value) { Read(name, value, ParseBoolean); }
    void Field(const wchar_t* name, std::wstring& value);
    void Field(const wchar_t* name, FloatRect& value) { Read(name, value, Parse<FloatRect>); }
    void Field(const wchar_t* name, ElementNeighbours& value)
    {
        Read(name, value, Parse<ElementNeighbours>);
    }
    template <size_t N> void Field(const wchar_t* name, std::array<BYTE, N>& bytes)
    {
        Read(name, bytes, [](std::wstring_view text, std::array<BYTE, N>& value) {
            return ParseBytes(text, value);
        });
    }
    template <class E>
    requires std::is_enum_v<E>
    void Field(const wchar_t* name, E& value)
    {
        auto number = static_cast<std::underlying_type_t<E>>(value);
        Field(name, number);
        value = static_cast<E>(number);
    }

    // Like Field, but a missing attribute is refused too.
    void Required(const wchar_t* name, LONG& value);

    // Refuses the element with a reason of the caller's (a value out of its range).
    void Refuse(const std::wstring& reason);

    // Refuses the element when the attribute's value is a path the file system cannot take.
    void CheckPath(const wchar_t* name, const std::wstring& path);

    // S_OK, or E_INVALIDARG after the first refusal.
    HRESULT Result() const { return m_hr; }

private:
    template <class T> static bool Parse(std::wstring_view text, T& value)
    {
        return ParseValue(text, value);
    }

    template <class T, class Parser> void Read(const wchar_t* name, T& value, Parser parse)
    {
        std::wstring text;
        if (FAILED(m_hr) || !Find(name, text))
            return;
        if (!parse(text, value))
            RefuseValue(name, text);
    }

    // The attribute's text; false when the element has no such attribute.
    bool Find(const wchar_t* name, std::wstring& text);
    void RefuseValue(const wchar_t* name, const std::wstring& text);

    CComPtr<IXMLDOMElement> m_element;
    std::wstring m_elementName;
    HRESULT m_hr = S_OK;
};

} // namespace objectmodel
