#include "LinkRectCache.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"

namespace {

constexpr float kPointHalfSide = 0.01f;

HRESULT ReadPointSquare(IDSMenuElement* pButton, CFloatRect& rect)
{
    float nX = 0.0f;
    float nY = 0.0f;
    CHECK_HR(pButton->GetPosition(&nX, &nY));
    rect = CFloatRect(nX - kPointHalfSide, nY + kPointHalfSide, nX + kPointHalfSide,
                      nY - kPointHalfSide);
    return S_OK;
}

// A command button is measured by its thumbnail, or by its position when it has none, so
// that labels of different lengths do not shift it; anything else by what it covers.
HRESULT ReadLinkRect(IDSMenuElement* pElement, CFloatRect& rect)
{
    CComQIPtr<IDSMenuButton> spButton(pElement);
    if (spButton && (GetTag(spButton) & ButtonType_Command)) {
        if (CComPtr<IDSMenuOverlay> spThumbnail = FirstThumbnail(spButton)) {
            CHECK_HR(spThumbnail->GetExtent(&rect));
            return S_OK;
        }
        CHECK_HR_SHORT(ReadPointSquare(pElement, rect));
        return S_OK;
    }
    CHECK_HR(pElement->GetExtent(&rect));
    return S_OK;
}

} // namespace

CComPtr<IDSMenuOverlay> FirstThumbnail(IDSMenuButton* pButton)
{
    for (const CComPtr<IDSMenuElement>& spElement :
         GetElementList(pButton, OverlayType_Thumbnail)) {
        if (CComQIPtr<IDSMenuOverlay> spOverlay(spElement); spOverlay)
            return spOverlay;
    }
    return nullptr;
}

HRESULT CLinkRectCache::GetRect(IDSMenuElement* pElement, CFloatRect& rect)
{
    if (!pElement)
        return E_INVALIDARG;
    LONG id = GetID(pElement);
    if (auto found = m_rects.find(id); id > 0 && found != m_rects.end()) {
        rect = found->second;
        return S_OK;
    }
    CHECK_HR_SHORT(ReadLinkRect(pElement, rect));
    // Elements without an ID are measured afresh each time: they share the key 0.
    if (id > 0)
        m_rects[id] = rect;
    return S_OK;
}

HRESULT CLinkRectCache::GetCentre(IDSMenuElement* pElement, LinkPoint& centre)
{
    CFloatRect rect;
    CHECK_HR_SHORT(GetRect(pElement, rect));
    centre.x = rect.left + (rect.right - rect.left) * 0.5f;
    centre.y = rect.bottom + (rect.top - rect.bottom) * 0.5f;
    return S_OK;
}
