#include "dsutils/DSButtonLinkAlgorithm.h"

#include "LinkRectCache.h"
#include "NeighbourRecord.h"
#include "NeighbourSearch.h"
#include "ReachabilityPass.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// With thumbnails, up and down stay within a column; without, they go to the nearest row.
constexpr float kThumbnailVerticalTolerance = 0.21f;
constexpr float kPlainVerticalTolerance = 1.1f;

// The order in which a button's links are searched.
constexpr LinkDirection kSearchOrder[] = {LinkDirection::Left, LinkDirection::Down,
                                          LinkDirection::Right, LinkDirection::Up};

HRESULT ReadCandidates(IDSMenu* pMenu, ULONG mask, CandidateGroup& group)
{
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, mask)) {
        LONG lID = 0;
        CHECK_HR(spButton->get_ID(&lID));
        group.push_back({lID, CComPtr<IDSMenuElement>(spButton.p)});
    }
    return S_OK;
}

// One run over one menu: the buttons by kind, their rectangles and the vertical tolerance.
class CButtonLinkRun
{
public:
    explicit CButtonLinkRun(IDSMenu* pMenu) : m_pMenu(pMenu) {}

    HRESULT Run()
    {
        CHECK_HR_SHORT(ReadCandidates(m_pMenu, ButtonType_Command, m_command));
        CHECK_HR_SHORT(ReadCandidates(m_pMenu, ButtonType_Navigation, m_navigation));
        CHECK_HR_SHORT(ReadCandidates(m_pMenu, ButtonType_ChapterRange, m_chapterRange));
        m_fVerticalTolerance = VerticalTolerance();
        CHECK_HR_SHORT(LinkGroup(m_navigation, {&m_navigation, &m_chapterRange, &m_command}));
        CHECK_HR_SHORT(LinkGroup(m_chapterRange, {&m_chapterRange, &m_command, &m_navigation}));
        CHECK_HR_SHORT(LinkGroup(m_command, {&m_command, &m_chapterRange, &m_navigation}));
        CandidateGroup buttons;
        CHECK_HR_SHORT(ReadCandidates(m_pMenu, kAllTags, buttons));
        CHECK_HR_SHORT(CReachabilityPass(m_rects).Run(buttons));
        CHECK_HR_SHORT(KeepHighlightWithoutNeighbour());
        return S_OK;
    }

private:
    float VerticalTolerance() const
    {
        for (const LinkCandidate& button : m_command) {
            if (FirstThumbnail(CComQIPtr<IDSMenuButton>(button.element)))
                return kThumbnailVerticalTolerance;
        }
        return kPlainVerticalTolerance;
    }

    HRESULT LinkGroup(const CandidateGroup& group, const CandidateGroups& searched)
    {
        for (const LinkCandidate& button : group)
            CHECK_HR_SHORT(LinkButton(button, searched));
        return S_OK;
    }

    HRESULT LinkButton(const LinkCandidate& button, const CandidateGroups& searched)
    {
        if (button.id < 1)
            RETURN_CODE(E_BUTTONLINK_INVALID_BUTTON_ID);
        LinkPoint centre;
        CHECK_HR_SHORT(m_rects.GetCentre(button.element, centre));
        CNeighbourSearch search(m_rects, m_fVerticalTolerance);
        ElementNeighbours record = {0, 0, 0, 0};
        for (LinkDirection direction : kSearchOrder) {
            LONG& slot = NeighbourSlot(record, static_cast<int>(direction));
            CHECK_HR_SHORT(search.Find(direction, button.id, centre, searched, slot));
        }
        CHECK_HR_SHORT(WriteNeighbours(button.element, record));
        return S_OK;
    }

    // An arrow key that leads nowhere leads back to the element itself.
    HRESULT KeepHighlightWithoutNeighbour()
    {
        for (const CComPtr<IDSMenuElement>& spElement : GetElementList(m_pMenu, kAllTags)) {
            LONG lID = 0;
            CHECK_HR(spElement->get_ID(&lID));
            ElementNeighbours record;
            CHECK_HR_SHORT(ReadNeighbours(spElement, record));
            for (int slot = 0; slot < kNeighbourSlots; ++slot) {
                if (NeighbourSlot(record, slot) == 0)
                    NeighbourSlot(record, slot) = lID;
            }
            CHECK_HR_SHORT(WriteNeighbours(spElement, record));
        }
        return S_OK;
    }

    IDSMenu* m_pMenu;
    CandidateGroup m_command;
    CandidateGroup m_navigation;
    CandidateGroup m_chapterRange;
    CLinkRectCache m_rects;
    float m_fVerticalTolerance = kPlainVerticalTolerance;
};

} // namespace

HRESULT applyButtonLinkAlgorithm(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_HR_SHORT(CButtonLinkRun(pMenu).Run());
    return S_OK;
}
