// The last step of the neighbour-link run: every button that no arrow key leads to gets a way
// in from its nearest button, where that takes no other button's only way in.
#pragma once

#include "LinkRectCache.h"
#include "NeighbourSearch.h"

#include <map>

class CReachabilityPass
{
public:
    explicit CReachabilityPass(CLinkRectCache& rects) : m_rects(rects) {}

    // Links in the unreachable buttons among these, in their order. A failed read or write is
    // returned.
    HRESULT Run(const CandidateGroup& buttons);

private:
    HRESULT CountWaysIn(const CandidateGroup& buttons);
    HRESULT FindNearest(const CandidateGroup& buttons, const LinkCandidate& lost,
                        const LinkCandidate*& nearest, LinkPoint& lostCentre);
    HRESULT LinkIn(const LinkCandidate& lost, LinkPoint lostCentre, const LinkCandidate& nearest);

    CLinkRectCache& m_rects;
    // How many slots of other buttons lead to each ID.
    std::map<LONG, int> m_waysIn;
};
