#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <algorithm>
#include <cmath>

namespace {

bool Contains(const FloatRect& rect, float x, float y)
{
    TRACE_LINE("*********  Checking     %f < %f < %f     %f < %f < %f", rect.left, x, rect.right,
               rect.bottom, y, rect.top);
    return rect.left <= x && x <= rect.right && rect.bottom <= y && y <= rect.top;
}

// Where a click selects the button: for a command button its thumbnail, or its active region
// while the thumbnail has no size; the whole button otherwise. False when it cannot be read.
bool ReadHitArea(IDSMenuButton* pButton, CFloatRect& area)
{
    DSMenuElementVec thumbnail;
    if (GetTag(pButton) & ButtonType_Command)
        thumbnail = GetElementList(pButton, OverlayType_Thumbnail);
    if (!thumbnail.First())
        return SUCCEEDED(pButton->GetExtent(&area));
    if (FAILED(thumbnail.First()->GetExtent(&area)))
        return false;
    if (!area.IsEmpty())
        return true;
    return SUCCEEDED(CDSMenuUtils::GetActiveRegion(pButton, &area));
}

CComPtr<IDSMenuButton> ButtonAt(IDSMenu* pMenu, float x, float y)
{
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, kAllTags)) {
        CFloatRect area;
        if (ReadHitArea(spButton, area) && Contains(area, x, y))
            return spButton;
    }
    return nullptr;
}

// A pixel edge truncated toward zero; edges beyond the 32-bit range stop at its ends.
LONG Truncated(float value)
{
    double whole = std::trunc(static_cast<double>(value));
    return static_cast<LONG>(
        std::clamp(whole, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

// A menu-space rectangle in whole pixels of the frame (not rounded as ConvertToRect does).
RECT ToPixels(const FloatRect& rect, const SIZE& frame)
{
    float width = static_cast<float>(frame.cx);
    float height = static_cast<float>(frame.cy);
    return RECT{Truncated((rect.left + 1.0f) * width / 2.0f),
                Truncated((1.0f - rect.top) * height / 2.0f),
                Truncated((rect.right + 1.0f) * width / 2.0f),
                Truncated((1.0f - rect.bottom) * height / 2.0f)};
}

bool IsFinite(const FloatRect& rect)
{
    return std::isfinite(rect.left) && std::isfinite(rect.top) && std::isfinite(rect.right) &&
           std::isfinite(rect.bottom);
}

// Keeps the elements of the menu whose pixel extents pass the test, in element order.
template <class Test>
HRESULT CollectElements(IDSMenu* pMenu, const SIZE& frame, DSMenuElementVec& out, Test test)
{
    out.clear();
    for (const CComPtr<IDSMenuElement>& spElement : GetElementList(pMenu, kAllTags)) {
        CFloatRect extent;
        if (FAILED(spElement->GetExtent(&extent)) || !IsFinite(extent))
            continue;
        if (test(ToPixels(extent, frame)))
            out.push_back(spElement);
    }
    return out.empty() ? S_FALSE : S_OK;
}

} // namespace

HRESULT CDSMenuUtils::GetActiveRegion(IDSMenuButton* pButton, FloatRect* pfBtnRect)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pfBtnRect);
    VARIANT_BOOL bValid = VARIANT_FALSE;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, pButton->get_ActiveRegion(pfBtnRect, &bValid));
    if (bValid)
        return hr;
    CHECK_HR_ASSIGN(hr, pButton->GetHighlightRegion(pfBtnRect));
    if (hr == S_FALSE)
        CHECK_HR_ASSIGN(hr, pButton->GetExtent(pfBtnRect));
    return hr;
}

HRESULT CDSMenuUtils::FindButtonAtPos(IDSMenu* pMenu, float x, float y, IDSMenuButton** ppButton,
                                      FloatRect* pfRect)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    if (ppButton)
        *ppButton = nullptr;
    CComPtr<IDSMenuButton> spHit = ButtonAt(pMenu, x, y);
    // Reading the hit areas may have left the messages of buttons that could not be read.
    KVUClearErrorStack();
    if (!spHit)
        RETURN_CODE(E_FINDBUTTONATPOS_NOTHING_HIT);
    if (pfRect)
        CHECK_HR_TEXT(GetActiveRegion(spHit, pfRect), "GetActiveRegion((*it), pfRect)");
    if (ppButton)
        *ppButton = spHit.Detach();
    return S_OK;
}

HRESULT CDSMenuUtils::FindElementsAtPos(IDSMenu* pMenu, POINT* pPoint, SIZE* pFrame,
                                        DSMenuElementVec& out)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pPoint);
    CHECK_NULL(pFrame);
    POINT point = *pPoint;
    return CollectElements(pMenu, *pFrame, out,
                           [point](const RECT& rect) { return PtInRect(&rect, point) != FALSE; });
}

HRESULT CDSMenuUtils::FindElementsInArea(IDSMenu* pMenu, RECT* pArea, SIZE* pFrame,
                                         DSMenuElementVec& out)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pArea);
    CHECK_NULL(pFrame);
    RECT area = *pArea;
    return CollectElements(pMenu, *pFrame, out, [area](const RECT& rect) {
        RECT overlap = {};
        return IntersectRect(&overlap, &rect, &area) != FALSE;
    });
}
