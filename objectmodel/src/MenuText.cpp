#include "MenuText.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"

namespace objectmodel {

namespace {

bool IsAlignmentCode(LONG code)
{
    return code >= TextAlign_TopLeft && code <= TextAlign_BottomRight;
}

} // namespace

template <class Change> HRESULT CMenuText::ChangeEffect(Change change)
{
    HRESULT hr = change(m_effect);
    if (SUCCEEDED(hr))
        MarkProjectChanged();
    return hr;
}

HRESULT CMenuText::get_Alignment(LONG* code)
{
    return CopyOut(m_text.alignment, code);
}

HRESULT CMenuText::put_Alignment(LONG code)
{
    if (!IsAlignmentCode(code))
        return E_INVALIDARG;
    return Store(m_text.alignment, code);
}

HRESULT CMenuText::get_FontName(BSTR* face)
{
    if (!face)
        return E_POINTER;
    std::wstring name;
    CHECK_HR(m_effect.FontName(name));
    return CopyOut(name, face);
}

HRESULT CMenuText::put_FontName(BSTR face)
{
    return ChangeEffect([&](TextEffect& effect) { return effect.SetFontName(TextOf(face)); });
}

HRESULT CMenuText::get_FontSize(float* size)
{
    if (!size)
        return E_POINTER;
    return m_effect.FontSize(*size);
}

HRESULT CMenuText::put_FontSize(float size)
{
    return ChangeEffect([&](TextEffect& effect) { return effect.SetFontSize(size); });
}

HRESULT CMenuText::GetColor(LONG kind, COLORREF* colour)
{
    if (!colour)
        return E_POINTER;
    return m_effect.Colour(kind, *colour);
}

HRESULT CMenuText::SetColor(LONG kind, COLORREF colour)
{
    return ChangeEffect([&](TextEffect& effect) { return effect.SetColour(kind, colour); });
}

HRESULT CMenuText::GetEffectXML(IXMLDOMNode** effect)
{
    if (!effect)
        return E_POINTER;
    *effect = nullptr;
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(m_effect.Parse(element));
    *effect = element.Detach();
    return S_OK;
}

HRESULT CMenuText::SetEffectXML(IXMLDOMNode* effect)
{
    return ChangeEffect([&](TextEffect& stored) { return stored.Set(effect); });
}

HRESULT CMenuText::Duplicate(CComPtr<IDSMenuElement>& copy)
{
    CComPtr<CMenuText> duplicate = Create();
    duplicate->CopyPropertiesFrom(*this);
    duplicate->m_text = m_text;
    duplicate->m_effect = m_effect;
    copy = duplicate.p;
    return S_OK;
}

void CMenuText::WriteOwnFields(AttributeWriter& writer, bool)
{
    m_text.VisitFields(writer);
}

void CMenuText::ReadOwnFields(AttributeReader& reader)
{
    m_text.VisitFields(reader);
    if (SUCCEEDED(reader.Result()) && !IsAlignmentCode(m_text.alignment))
        reader.Refuse(L"the alignment code lies outside 1 to 9");
}

HRESULT CMenuText::WriteContent(IXMLDOMElement* element, bool)
{
    if (m_effect.XmlText().empty())
        return S_OK;
    return AppendXmlText(element, m_effect.XmlText());
}

HRESULT CMenuText::ReadContent(IXMLDOMElement* element, int)
{
    CComPtr<IXMLDOMElement> effect;
    CHECK_HR(FirstChildElement(element, L"TextEffect", effect));
    if (!effect)
        return S_OK;
    if (FAILED(m_effect.Set(effect)))
        return REPORT_MALFORMED(L"a text holds a malformed effect");
    return S_OK;
}

} // namespace objectmodel
