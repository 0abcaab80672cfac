#include "ReachabilityPass.h"

#include "NeighbourRecord.h"

#include "platform/Check.h"

#include <cmath>

namespace {

constexpr float kFarthest = 2.0f;

// The slot of the nearest button that faces the lost one: along the axis on which they lie
// farther apart, horizontally when both are equal.
int FacingSlot(LinkPoint from, LinkPoint to)
{
    float dx = to.x - from.x;
    float dy = to.y - from.y;
    if (std::fabs(dx) >= std::fabs(dy))
        return dx < 0 ? static_cast<int>(LinkDirection::Left)
                      : static_cast<int>(LinkDirection::Right);
    return dy > 0 ? static_cast<int>(LinkDirection::Up) : static_cast<int>(LinkDirection::Down);
}

} // namespace

HRESULT CReachabilityPass::Run(const CandidateGroup& buttons)
{
    CHECK_HR_SHORT(CountWaysIn(buttons));
    for (const LinkCandidate& button : buttons) {
        if (m_waysIn[button.id] > 0)
            continue;
        const LinkCandidate* nearest = nullptr;
        LinkPoint centre;
        CHECK_HR_SHORT(FindNearest(buttons, button, nearest, centre));
        if (nearest)
            CHECK_HR_SHORT(LinkIn(button, centre, *nearest));
    }
    return S_OK;
}

HRESULT CReachabilityPass::CountWaysIn(const CandidateGroup& buttons)
{
    m_waysIn.clear();
    for (const LinkCandidate& button : buttons) {
        ElementNeighbours record;
        CHECK_HR_SHORT(ReadNeighbours(button.element, record));
        for (int slot = 0; slot < kNeighbourSlots; ++slot) {
            // A button that leads to itself is no way in.
            LONG target = NeighbourSlot(record, slot);
            if (target > 0 && target != button.id)
                ++m_waysIn[target];
        }
    }
    return S_OK;
}

HRESULT CReachabilityPass::FindNearest(const CandidateGroup& buttons, const LinkCandidate& lost,
                                       const LinkCandidate*& nearest, LinkPoint& lostCentre)
{
    CHECK_HR_SHORT(m_rects.GetCentre(lost.element, lostCentre));
    float best = kFarthest;
    for (const LinkCandidate& other : buttons) {
        if (other.id == lost.id)
            continue;
        LinkPoint centre;
        CHECK_HR_SHORT(m_rects.GetCentre(other.element, centre));
        float distance = std::hypot(centre.x - lostCentre.x, centre.y - lostCentre.y);
        if (distance < best) {
            best = distance;
            nearest = &other;
        }
    }
    return S_OK;
}

HRESULT CReachabilityPass::LinkIn(const LinkCandidate& lost, LinkPoint lostCentre,
                                  const LinkCandidate& nearest)
{
    LinkPoint centre;
    CHECK_HR_SHORT(m_rects.GetCentre(nearest.element, centre));
    ElementNeighbours record;
    CHECK_HR_SHORT(ReadNeighbours(nearest.element, record));
    LONG& slot = NeighbourSlot(record, FacingSlot(centre, lostCentre));
    if (slot > 0 && m_waysIn[slot] <= 1)
        return S_OK;
    if (slot > 0)
        --m_waysIn[slot];
    slot = lost.id;
    ++m_waysIn[lost.id];
    CHECK_HR_SHORT(WriteNeighbours(nearest.element, record));
    return S_OK;
}
