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

// Whether the rectangles' extents meet on both axes, edges included; rectangles that do not
// cannot share a point, which settles most pairs of a menu at once.
bool ExtentsMeet(const FloatRect& a, const FloatRect& b)
{
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
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
    if (!ExtentsMeet(a, b))
        return false;
    // Both ways round: a rectangle wholly inside the other has its corners there, while the
    // outer one has none in it.
    return HasCornerInside(a, b) || HasCornerInside(b, a) ||
           areRectanglesIntersectingOutside(a, b) || areRectanglesIntersectingOutside(b, a);
}

HRESULT CDSProjectValidator::findOverlappingButtons(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(pProject)) {
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(spMenu, kAllTags);
        // Each region is read once: a menu of n buttons has n (n - 1) / 2 pairs.
        std::vector<CFloatRect> regions(buttons.size());
        for (size_t i = 0; i < buttons.size(); ++i)
            CHECK_HR_SHORT(CDSMenuUtils::GetActiveRegion(buttons[i], regions[i]));
        for (size_t i = 0; i < buttons.size(); ++i) {
            for (size_t j = i + 1; j < buttons.size(); ++j) {
                if (!areRectanglesIntersecting(regions[i], regions[j]))
                    continue;
                const CComPtr<IDSMenuButton>& spButton1 = buttons[i];
                const CComPtr<IDSMenuButton>& spButton2 = buttons[j];
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
