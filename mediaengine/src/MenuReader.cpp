#include "MenuReader.h"
#include "XmlHelpers.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"

#include "platform/ComPtr.h"
#include "platform/StringConv.h"
#include "platform/TextRenderer.h"

#include <algorithm>

namespace {

// Nesting deeper than this is not a menu anyone made.
constexpr int kMaxDepth = 32;

// The results of a run of getters: the first failure is kept, so that a menu that cannot be
// read whole is not drawn in part.
class Results
{
public:
    Results& operator+=(HRESULT hr)
    {
        if (SUCCEEDED(m_hr))
            m_hr = hr;
        return *this;
    }
    HRESULT Value() const { return FAILED(m_hr) ? m_hr : S_OK; }

private:
    HRESULT m_hr = S_OK;
};

DWORD ArgbOfColorref(COLORREF colour, double opacity)
{
    DWORD alpha = DWORD(std::clamp(opacity, 0.0, 1.0) * 255.0 + 0.5);
    return (alpha << 24) | (DWORD(GetRValue(colour)) << 16) | (DWORD(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

// Alignment codes 1 … 9 read as a 3 × 3 grid, rows top to bottom.
UINT PlacementOfAlignment(LONG code)
{
    if (code < 1 || code > 9)
        code = TextAlign_Center;
    static constexpr UINT columns[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr UINT rows[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    return columns[(code - 1) % 3] | rows[(code - 1) / 3] | DT_WORDBREAK;
}

HRESULT ReadCommon(IDSMenuElement* element, double offsetX, double offsetY, DrawnElement& drawn)
{
    float x = 0, y = 0, width = 0, height = 0, rotation = 0, opacity = 1;
    Results read;
    read += element->GetPosition(&x, &y);
    read += element->GetSize(&width, &height);
    read += element->get_Rotation(&rotation);
    read += element->get_Opacity(&opacity);
    read += element->GetEffectInterval(&drawn.shownFrom, &drawn.shownUntil);
    drawn.x = offsetX + x;
    drawn.y = offsetY + y;
    drawn.width = width;
    drawn.height = height;
    // The model turns counter-clockwise, the renderer clockwise.
    drawn.rotation = -rotation;
    drawn.opacity = opacity;
    return read.Value();
}

HRESULT ReadOverlay(IDSMenuOverlay* overlay, DrawnElement& drawn)
{
    CComBSTR source, mask;
    VARIANT_BOOL still = VARIANT_FALSE;
    Results read;
    read += overlay->get_Source(&source);
    read += overlay->get_AlphaMask(&mask);
    read += overlay->get_StillImage(&still);
    read += overlay->get_InPoint(&drawn.sourceTime);
    read += overlay->GetSourceScale(&drawn.sourceScaleX, &drawn.sourceScaleY);
    read += overlay->GetMaskSize(&drawn.maskScaleX, &drawn.maskScaleY);
    drawn.kind = DrawnElement::Kind::Overlay;
    drawn.source = source.Str();
    drawn.alphaMask = mask.Str();
    drawn.still = still != VARIANT_FALSE;
    return read.Value();
}

bool IsTrue(const std::wstring& flag)
{
    return flag == L"1" || CompareNoCase(flag, L"true") == 0;
}

// The weight and slant of the text's font, kept in its effect description; a description
// without a font leaves the text upright and of normal weight.
HRESULT ReadFontStyle(IDSMenuText* text, DrawnElement& drawn)
{
    CComPtr<IXMLDOMNode> effect;
    CComPtr<IXMLDOMNode> font;
    HRESULT hr = text->GetEffectXML(&effect);
    if (SUCCEEDED(hr) && effect)
        hr = effect->selectSingleNode(CComBSTR(L"font"), &font);
    if (hr != S_OK || !font)
        return FAILED(hr) ? hr : S_OK;
    drawn.bold = IsTrue(GetAttributeText(font, L"bold"));
    drawn.italic = IsTrue(GetAttributeText(font, L"italic"));
    return S_OK;
}

HRESULT ReadText(IDSMenuText* text, DrawnElement& drawn)
{
    CComBSTR label, face;
    float size = 0.1f;
    COLORREF colour = RGB(255, 255, 255);
    LONG alignment = TextAlign_Center;
    Results read;
    read += text->get_Label(&label);
    read += text->get_FontName(&face);
    read += text->get_FontSize(&size);
    read += text->GetColor(TextColour_Face, &colour);
    read += text->get_Alignment(&alignment);
    drawn.kind = DrawnElement::Kind::Text;
    drawn.label = label.Str();
    if (!face.IsEmpty())
        drawn.fontFamily = face.Str();
    // Sizes are in menu units, of which the menu is 2 high.
    drawn.fontSize = size / 2.0;
    drawn.colour = ArgbOfColorref(colour, drawn.opacity);
    drawn.alignment = PlacementOfAlignment(alignment);
    read += ReadFontStyle(text, drawn);
    return read.Value();
}

HRESULT ReadList(IDSMenuElementList* list, double offsetX, double offsetY, int depth,
                 MenuSnapshot& snapshot)
{
    LONG count = 0;
    HRESULT hr = list->get_Count(&count);
    for (LONG i = 1; SUCCEEDED(hr) && i <= count && depth < kMaxDepth; ++i) {
        CComPtr<IDSMenuElement> element;
        hr = list->get_Item(i, &element);
        if (FAILED(hr))
            break;
        DrawnElement drawn;
        hr = ReadCommon(element, offsetX, offsetY, drawn);
        if (FAILED(hr))
            break;
        if (CComQIPtr<IDSMenuButton> button{element.p}) {
            CComQIPtr<IDSMenuElementList> children(button.p);
            if (children)
                hr = ReadList(children, drawn.x, drawn.y, depth + 1, snapshot);
        } else if (CComQIPtr<IDSMenuOverlay> overlay{element.p}) {
            hr = ReadOverlay(overlay, drawn);
            snapshot.elements.push_back(drawn);
        } else if (CComQIPtr<IDSMenuText> text{element.p}) {
            hr = ReadText(text, drawn);
            snapshot.elements.push_back(drawn);
        }
    }
    return hr;
}

} // namespace

HRESULT ReadMenuSnapshot(IUnknown* menu, MenuSnapshot& snapshot)
{
    snapshot.elements.clear();
    CComQIPtr<IDSMenuElementList> list(menu);
    if (!list)
        return E_NOINTERFACE;
    return ReadList(list, 0.0, 0.0, 0, snapshot);
}
