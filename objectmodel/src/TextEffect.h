// The look of a text: an XML element "TextEffect" with the child "font" (attributes "face",
// "size", "bold", "italic") and the child "colors" (attributes "face", "edge", "shadow" as
// "#RRGGBB"). It is kept as XML text so that content other than those attributes survives
// every change; an empty text stands for the default look.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>

namespace objectmodel {

class TextEffect
{
public:
    static constexpr const wchar_t* kDefaultFace = L"DejaVu Sans";
    static constexpr float kDefaultSize = 0.08f;

    const std::wstring& XmlText() const { return m_xml; }
    // Replaces the look by a copy of a "TextEffect" element whose known attributes are well
    // formed; E_INVALIDARG otherwise, the look unchanged.
    HRESULT Set(IXMLDOMNode* effect);
    // The same from XML text (as a file holds it).
    HRESULT SetXmlText(const std::wstring& xml);
    // A parsed copy of the look (the default look when none was set).
    HRESULT Parse(CComPtr<IXMLDOMElement>& effect) const;

    HRESULT FontName(std::wstring& face) const;
    HRESULT SetFontName(const std::wstring& face);
    HRESULT FontSize(float& size) const;
    // E_INVALIDARG for a size that is not a positive number.
    HRESULT SetFontSize(float size);
    // kind is a TextColourKind; E_INVALIDARG for another kind.
    HRESULT Colour(LONG kind, COLORREF& colour) const;
    // E_INVALIDARG for another kind or a colour with bits above 0xFFFFFF.
    HRESULT SetColour(LONG kind, COLORREF colour);

private:
    // The text of an attribute of a child of the effect; empty when there is none.
    HRESULT ReadAttribute(const wchar_t* child, const wchar_t* name, std::wstring& value) const;
    HRESULT WriteAttribute(const wchar_t* child, const wchar_t* name, const std::wstring& value);

    std::wstring m_xml;
};

} // namespace objectmodel
