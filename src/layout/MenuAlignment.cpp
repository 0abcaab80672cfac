#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/FloatRect.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// The child tag of a button's frame overlay, whose extent a button is aligned by.
constexpr ULONG kFrameTag = 0x02;

// Where a text stands when its extent cannot be read: a small box around the centre.
const FloatRect kTextFallback = {-0.1f, 0.1f, 0.1f, -0.1f};

enum AlignMode
{
    Align_Left = 1,
    Align_Right = 2,
    Align_VerticalCentre = 3,
    Align_Top = 4,
    Align_Bottom = 5,
    Align_HorizontalCentre = 6,
};

HRESULT TextAlignmentRect(IDSMenuText* pText, FloatRect* pfAlignmentRect)
{
    if (FAILED(pText->GetExtent(pfAlignmentRect)))
        *pfAlignmentRect = kTextFallback;
    return S_OK;
}

HRESULT ButtonAlignmentRect(IDSMenuButton* pButton, FloatRect* pfAlignmentRect)
{
    DSMenuElementVec frame = GetElementList(pButton, kFrameTag);
    DSMenuElementVec thumbnail = GetElementList(pButton, OverlayType_Thumbnail);
    if (frame.First()) {
        CFloatRect joined;
        if (FAILED(frame.First()->GetExtent(&joined)))
            joined = *pfAlignmentRect;
        if (thumbnail.First()) {
            CFloatRect cfr;
            CHECK_HR(thumbnail.First()->GetExtent(&cfr));
            joined.Union(cfr);
        }
        *pfAlignmentRect = joined;
        return S_OK;
    }
    if (thumbnail.First()) {
        CHECK_HR_TEXT(thumbnail.First()->GetExtent(pfAlignmentRect),
                      "thumbnail.First()->GetExtent( pfAlignmentRect)");
        return S_OK;
    }
    CComPtr<IDSMenuText> spLabel;
    if (SUCCEEDED(pButton->GetLabel(&spLabel)) && spLabel)
        return TextAlignmentRect(spLabel, pfAlignmentRect);
    return S_OK;
}

// The rectangle whose edges an element is aligned by: a button's alignment rectangle (its
// extent when it holds nothing to align by), any other element's extent.
HRESULT EdgesOf(IDSMenuElement* pElement, CFloatRect& edges)
{
    CHECK_HR(pElement->GetExtent(&edges));
    if (CComQIPtr<IDSMenuButton>(pElement))
        CHECK_HR_SHORT(CDSMenuUtils::GetAlignmentRect(pElement, &edges));
    return S_OK;
}

bool IsAlignMode(int mode)
{
    return mode >= Align_Left && mode <= Align_HorizontalCentre;
}

float TargetOf(const CFloatRect& reference, int mode)
{
    switch (mode) {
    case Align_Left:
        return reference.left;
    case Align_Right:
        return reference.right;
    case Align_VerticalCentre:
        return (reference.top + reference.bottom) / 2;
    case Align_Top:
        return reference.top;
    case Align_Bottom:
        return reference.bottom;
    default:
        return (reference.left + reference.right) / 2;
    }
}

// Moves one element so that its edge (or centre) lies on the target. An edge is moved there by
// shifting the element's position, which holds for elements inside buttons too, whose
// positions are relative to their button.
HRESULT MoveOnto(IDSMenuElement* pElement, float target, int mode)
{
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR(pElement->GetPosition(&x, &y));
    if (mode == Align_VerticalCentre) {
        y = target;
    } else if (mode == Align_HorizontalCentre) {
        x = target;
    } else {
        CFloatRect edges;
        CHECK_HR_SHORT(EdgesOf(pElement, edges));
        if (mode == Align_Left)
            x += target - edges.left;
        else if (mode == Align_Right)
            x += target - edges.right;
        else if (mode == Align_Top)
            y += target - edges.top;
        else
            y += target - edges.bottom;
    }
    CHECK_HR(pElement->SetPosition(x, y));
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::GetAlignmentRect(IUnknown* pElement, FloatRect* pfAlignmentRect)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    CHECK_NULL(pfAlignmentRect);
    if (CComQIPtr<IDSMenuText> spText(pElement); spText)
        return TextAlignmentRect(spText, pfAlignmentRect);
    if (CComQIPtr<IDSMenuButton> spButton(pElement); spButton)
        return ButtonAlignmentRect(spButton, pfAlignmentRect);
    CComQIPtr<IDSMenuElement> spElement(pElement);
    if (!spElement)
        RETURN_CODE(E_GETALIGNMENTRECT_INVALID_ALIGNMENT);
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, spElement->GetExtent(pfAlignmentRect));
    return hr;
}

HRESULT CDSMenuUtils::AlignElements(const DSMenuElementVec& elements, int mode)
{
    KVUClearErrorStack();
    for (const CComPtr<IDSMenuElement>& spElement : elements)
        CHECK_NULL_TEXT(spElement, "elements[i]");
    if (elements.empty() || !IsAlignMode(mode))
        return S_OK;
    CFloatRect reference;
    CHECK_HR_SHORT(EdgesOf(elements.First(), reference));
    float target = TargetOf(reference, mode);
    for (const CComPtr<IDSMenuElement>& spElement : elements)
        CHECK_HR_SHORT(MoveOnto(spElement, target, mode));
    return S_OK;
}
