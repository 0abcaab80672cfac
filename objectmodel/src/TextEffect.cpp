#include "TextEffect.h"

#include "XmlNodes.h"
#include "XmlValueText.h"

#include "model/ProjectEnums.h"
#include "platform/Check.h"

#include <cmath>

namespace objectmodel {

namespace {

const wchar_t kDefaultEffect[] =
    L"<TextEffect><font face=\"DejaVu Sans\" size=\"0.08\" bold=\"false\" italic=\"false\"/>"
    L"<colors face=\"#FFFFFF\" edge=\"#000000\" shadow=\"#000000\"/></TextEffect>";

const wchar_t* ColourAttribute(LONG kind)
{
    switch (kind) {
    case TextColour_Face:
        return L"face";
    case TextColour_Edge:
        return L"edge";
    case TextColour_Shadow:
        return L"shadow";
    default:
        return nullptr;
    }
}

std::wstring FormatColour(COLORREF colour)
{
    BYTE rgb[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    return L"#" + FormatBytes(rgb);
}

bool ParseColour(const std::wstring& text, COLORREF& colour)
{
    BYTE rgb[3];
    if (text.size() != 7 || text[0] != L'#' || !ParseBytes(std::wstring_view(text).substr(1), rgb))
        return false;
    colour = RGB(rgb[0], rgb[1], rgb[2]);
    return true;
}

bool IsValidFontSize(float size)
{
    return std::isfinite(size) && size > 0.0f;
}

HRESULT AttributeText(IXMLDOMElement* element, const wchar_t* name, std::wstring& value)
{
    CComVariant text;
    CHECK_HR(element->getAttribute(CComBSTR(name), &text));
    value = text.vt == VT_BSTR ? std::wstring(text.bstrVal, SysStringLen(text.bstrVal))
                               : std::wstring();
    return S_OK;
}

// The known attributes of an effect, when present, are in the form this class writes.
HRESULT CheckEffect(IXMLDOMElement* effect)
{
    if (NodeName(effect) != L"TextEffect")
        return E_INVALIDARG;
    CComPtr<IXMLDOMElement> part;
    std::wstring text;
    CHECK_HR(FirstChildElement(effect, L"font", part));
    float size = 0.0f;
    if (part) {
        CHECK_HR(AttributeText(part, L"size", text));
        if (!text.empty() && !(ParseValue(text, size) && IsValidFontSize(size)))
            return E_INVALIDARG;
    }
    CHECK_HR(FirstChildElement(effect, L"colors", part));
    for (LONG kind = TextColour_Face; part && kind <= TextColour_Shadow; ++kind) {
        COLORREF colour = 0;
        CHECK_HR(AttributeText(part, ColourAttribute(kind), text));
        if (!text.empty() && !ParseColour(text, colour))
            return E_INVALIDARG;
    }
    return S_OK;
}

} // namespace

HRESULT TextEffect::Set(IXMLDOMNode* effect)
{
    CComQIPtr<IXMLDOMElement> element(effect);
    if (!element)
        return E_INVALIDARG;
    CHECK_HR_SHORT(CheckEffect(element));
    std::wstring xml;
    CHECK_HR(XmlTextOf(element, xml));
    m_xml = std::move(xml);
    return S_OK;
}

HRESULT TextEffect::SetXmlText(const std::wstring& xml)
{
    if (xml.empty()) {
        m_xml.clear();
        return S_OK;
    }
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(ParseElement(xml, element));
    return Set(element);
}

HRESULT TextEffect::Parse(CComPtr<IXMLDOMElement>& effect) const
{
    return ParseElement(m_xml.empty() ? kDefaultEffect : m_xml, effect);
}

HRESULT TextEffect::FontName(std::wstring& face) const
{
    CHECK_HR(ReadAttribute(L"font", L"face", face));
    if (face.empty())
        face = kDefaultFace;
    return S_OK;
}

HRESULT TextEffect::SetFontName(const std::wstring& face)
{
    return WriteAttribute(L"font", L"face", face);
}

HRESULT TextEffect::FontSize(float& size) const
{
    std::wstring text;
    CHECK_HR(ReadAttribute(L"font", L"size", text));
    size = kDefaultSize;
    ParseValue(text, size);
    return S_OK;
}

HRESULT TextEffect::SetFontSize(float size)
{
    if (!IsValidFontSize(size))
        return E_INVALIDARG;
    return WriteAttribute(L"font", L"size", FormatValue(size));
}

HRESULT TextEffect::Colour(LONG kind, COLORREF& colour) const
{
    const wchar_t* name = ColourAttribute(kind);
    if (!name)
        return E_INVALIDARG;
    std::wstring text;
    CHECK_HR(ReadAttribute(L"colors", name, text));
    colour = kind == TextColour_Face ? RGB(255, 255, 255) : RGB(0, 0, 0);
    ParseColour(text, colour);
    return S_OK;
}

HRESULT TextEffect::SetColour(LONG kind, COLORREF colour)
{
    const wchar_t* name = ColourAttribute(kind);
    if (!name || colour > 0xFFFFFF)
        return E_INVALIDARG;
    return WriteAttribute(L"colors", name, FormatColour(colour));
}

HRESULT TextEffect::ReadAttribute(const wchar_t* child, const wchar_t* name,
                                  std::wstring& value) const
{
    value.clear();
    if (m_xml.empty())
        return S_OK;
    CComPtr<IXMLDOMElement> effect;
    CHECK_HR(Parse(effect));
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(effect, child, part));
    return part ? AttributeText(part, name, value) : S_OK;
}

HRESULT TextEffect::WriteAttribute(const wchar_t* child, const wchar_t* name,
                                   const std::wstring& value)
{
    CComPtr<IXMLDOMElement> effect;
    CHECK_HR(Parse(effect));
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(effect, child, part));
    if (!part)
        CHECK_HR(AppendElement(effect, child, part));
    CHECK_HR(part->setAttribute(CComBSTR(name), CComVariant(CComBSTR(value))));
    return XmlTextOf(effect, m_xml);
}

} // namespace objectmodel
