#include "MenuElements.h"

#include "platform/Check.h"
#include "platform/Xml.h"

namespace {

template <class T> HRESULT AddElement(IUnknown* holder, CComPtr<T>& element)
{
    CComQIPtr<IDSMenuElementList> list(holder);
    CHECK_NULL(list.p);
    CHECK_HR(list->AddElement(&uuidof<T>(), reinterpret_cast<void**>(&element)));
    return S_OK;
}

HRESULT PlaceElement(IDSMenuElement* element, ULONG tag, const Place& place, LONG highlight)
{
    CHECK_HR(element->put_Tag(tag));
    CHECK_HR(element->SetPosition(place.x, place.y));
    CHECK_HR(element->SetSize(place.width, place.height));
    CHECK_HR(element->put_Highlight(highlight));
    return S_OK;
}

// The weight of a text lives in its effect description.
HRESULT SetBold(IDSMenuText* text, bool bold)
{
    CComPtr<IXMLDOMNode> effect;
    CHECK_HR(text->GetEffectXML(&effect));
    CComPtr<IXMLDOMNode> font;
    CHECK_HR(effect->selectSingleNode(CComBSTR(L"font"), &font));
    CComQIPtr<IXMLDOMElement> fontElement(font.p);
    CHECK_NULL(fontElement.p);
    CHECK_HR(fontElement->setAttribute(CComBSTR(L"bold"), CComVariant(bold ? L"true" : L"false")));
    CHECK_HR(text->SetEffectXML(effect));
    return S_OK;
}

} // namespace

COLORREF ColourRef(unsigned rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

HRESULT AddOverlayElement(IUnknown* holder, const OverlayDesign& design)
{
    CComPtr<IDSMenuOverlay> overlay;
    CHECK_HR(AddElement(holder, overlay));
    CHECK_HR(PlaceElement(overlay, design.tag, design.place, design.highlight));
    CHECK_HR(overlay->put_Source(CComBSTR(design.source)));
    CHECK_HR(overlay->SetSourceType(design.sourceType, 0));
    return S_OK;
}

HRESULT AddTextElement(IUnknown* holder, const TextDesign& design)
{
    CComPtr<IDSMenuText> text;
    CHECK_HR(AddElement(holder, text));
    CHECK_HR(PlaceElement(text, design.tag, design.place, design.highlight));
    CHECK_HR(text->put_Label(CComBSTR(design.label)));
    CHECK_HR(text->put_FontName(CComBSTR(design.face)));
    CHECK_HR(text->put_FontSize(design.size));
    CHECK_HR(text->SetColor(TextColour_Face, ColourRef(design.colour)));
    CHECK_HR(text->SetColor(TextColour_Edge, ColourRef(design.edge)));
    CHECK_HR(text->SetColor(TextColour_Shadow, ColourRef(design.edge)));
    CHECK_HR(text->put_Alignment(design.alignment));
    CHECK_HR(SetBold(text, design.bold));
    return S_OK;
}

HRESULT AddButtonElement(IUnknown* holder, ULONG tag, const std::wstring& name, const Place& place,
                         CComPtr<IDSMenuButton>& button)
{
    CHECK_HR(AddElement(holder, button));
    CHECK_HR(button->put_Tag(tag));
    CHECK_HR(button->put_Name(CComBSTR(name)));
    CHECK_HR(button->SetPosition(place.x, place.y));
    CHECK_HR(button->SetSize(place.width, place.height));
    return S_OK;
}
