// Buttons of one menu whose active regions overlap: the player could not tell which one the
// viewer means.
#include "dsutils/DSProjectValidator.h"

#include "DiscObjects.h"
#include "Findings.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

bool HasCornerInside(const FloatRect& a, const FloatRect& b)
{
    return CDSProjectValidator::isInside(a.left, a.top, b) ||
           CDSProjectValidator::isInside(a.right, a.top, b) ||
           CDSProjectValidator::isInside(a.left, a.bottom, b) ||
           CDSProjectValidator::isInside(a.right, a.bottom, b);
}

} // namespace

bool CDSProjectValidator::isInside(float x, float y, const FloatRect& r)
{
    return r.left <= x && x <= r.right && r.bottom <= y && y <= r.top;
}

bool CDSProjectValidator::areRectanglesIntersectingOutside(const FloatRect& a, const FloatRect& b)
{
    return a.top > b.top && a.bottom < b.bottom && a.left > b.left && a.right < b.right;
}

bool CDSProjectValidator::areRectanglesIntersecting(const FloatRect& a, const FloatRect& b)
{
    // Both ways round: a rectangle wholly inside the other has its corners there, while the
    // outer one has none in it.
    return HasCornerInside(a, b) || HasCornerInside(b, a) ||
           areRectanglesIntersectingOutside(a, b) || areRectanglesIntersectingOutside(b, a);
}

HRESULT CDSProjectValidator::areOverlappingButtons(IDSMenuButton* pButton1, IDSMenuButton* pButton2)
{
    CFloatRect region1;
    CFloatRect region2;
    CHECK_HR_SHORT(CDSMenuUtils::GetActiveRegion(pButton1, region1));
    CHECK_HR_SHORT(CDSMenuUtils::GetActiveRegion(pButton2, region2));
    return areRectanglesIntersecting(region1, region2) ? S_OK : S_FALSE;
}

HRESULT CDSProjectValidator::findOverlappingButtons(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(pProject)) {
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(spMenu, kAllTags);
        for (size_t i = 0; i < buttons.size(); ++i) {
            for (size_t j = i + 1; j < buttons.size(); ++j) {
                const CComPtr<IDSMenuButton>& spButton1 = buttons[i];
                const CComPtr<IDSMenuButton>& spButton2 = buttons[j];
                HRESULT hr = S_OK;
                CHECK_HR_ASSIGN(hr, areOverlappingButtons(spButton1, spButton2));
                if (hr != S_OK)
                    continue;
                LONG nButtonID1 = 0;
                LONG nButtonID2 = 0;
                CHECK_HR(spButton1->get_ID(&nButtonID1));
                CHECK_HR(spButton2->get_ID(&nButtonID2));
                CErrorInfo& error = AddFinding(m_errors, ErrorCode_OverlappingButtons,
                                               ErrorSeverity_Warning, nButtonID1);
                error.addAffectedItem(nButtonID2);
                error.setMenuID(GetID(spMenu));
            }
        }
    }
    return S_OK;
}
