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

void ReadCommon(IDSMenuElement* element, double offsetX, double offsetY, DrawnElement& drawn)
{
    float x = 0, y = 0, width = 0, height = 0, rotation = 0, opacity = 1;
    element->GetPosition(&x, &y);
    element->GetSize(&width, &height);
    element->get_Rotation(&rotation);
    element->get_Opacity(&opacity);
    element->GetEffectInterval(&drawn.shownFrom, &drawn.shownUntil);
    drawn.x = offsetX + x;
    drawn.y = offsetY + y;
    drawn.width = width;
    drawn.height = height;
    // The model turns counter-clockwise, the renderer clockwise.
    drawn.rotation = -rotation;
    drawn.opacity = opacity;
}

void ReadOverlay(IDSMenuOverlay* overlay, DrawnElement& drawn)
{
    CComBSTR source, mask;
    overlay->get_Source(&source);
    overlay->get_AlphaMask(&mask);
    VARIANT_BOOL still = VARIANT_FALSE;
    overlay->get_StillImage(&still);
    overlay->get_InPoint(&drawn.sourceTime);
    overlay->GetSourceScale(&drawn.sourceScaleX, &drawn.sourceScaleY);
    overlay->GetMaskSize(&drawn.maskScaleX, &drawn.maskScaleY);
    drawn.kind = DrawnElement::Kind::Overlay;
    drawn.source = source.Str();
    drawn.alphaMask = mask.Str();
    drawn.still = still != VARIANT_FALSE;
}

bool IsTrue(const std::wstring& flag)
{
    return flag == L"1" || CompareNoCase(flag, L"true") == 0;
}

// The weight and slant of the text's font, kept in its effect description.
void ReadFontStyle(IDSMenuText* text, DrawnElement& drawn)
{
    CComPtr<IXMLDOMNode> effect;
    CComPtr<IXMLDOMNode> font;
    if (FAILED(text->GetEffectXML(&effect)) || !effect ||
        effect->selectSingleNode(CComBSTR(L"font"), &font) != S_OK)
        return;
    drawn.bold = IsTrue(GetAttributeText(font, L"bold"));
    drawn.italic = IsTrue(GetAttributeText(font, L"italic"));
}

void ReadText(IDSMenuText* text, DrawnElement& drawn)
{
    CComBSTR label, face;
    text->get_Label(&label);
    text->get_FontName(&face);
    float size = 0.1f;
    text->get_FontSize(&size);
    COLORREF colour = RGB(255, 255, 255);
    text->GetColor(TextColour_Face, &colour);
    LONG alignment = TextAlign_Center;
    text->get_Alignment(&alignment);
    drawn.kind = DrawnElement::Kind::Text;
    drawn.label = label.Str();
    if (!face.IsEmpty())
        drawn.fontFamily = face.Str();
    // Sizes are in menu units, of which the menu is 2 high.
    drawn.fontSize = size / 2.0;
    drawn.colour = ArgbOfColorref(colour, drawn.opacity);
    drawn.alignment = PlacementOfAlignment(alignment);
    ReadFontStyle(text, drawn);
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
        ReadCommon(element, offsetX, offsetY, drawn);
        if (CComQIPtr<IDSMenuButton> button{element.p}) {
            CComQIPtr<IDSMenuElementList> children(button.p);
            if (children)
                hr = ReadList(children, drawn.x, drawn.y, depth + 1, snapshot);
        } else if (CComQIPtr<IDSMenuOverlay> overlay{element.p}) {
            ReadOverlay(overlay, drawn);
            snapshot.elements.push_back(drawn);
        } else if (CComQIPtr<IDSMenuText> text{element.p}) {
            ReadText(text, drawn);
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
