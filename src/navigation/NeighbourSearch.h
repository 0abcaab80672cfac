// The search for a button's neighbour in one arrow-key direction, among groups of candidate
// elements taken in order of preference.
#pragma once

#include "LinkRectCache.h"

#include <array>
#include <vector>

// An element that can receive the highlight, with its ID read once.
struct LinkCandidate
{
    LONG id;
    CComPtr<IDSMenuElement> element;
};

using CandidateGroup = std::vector<LinkCandidate>;

// The groups a button searches, most preferred first.
using CandidateGroups = std::array<const CandidateGroup*, 3>;

// The arrow keys, numbered as the slots of a neighbour record.
enum class LinkDirection
{
    Left = 0,
    Right = 1,
    Up = 2,
    Down = 3,
};

class CNeighbourSearch
{
public:
    // fVerticalTolerance: how far off a column a button above or below may lie.
    CNeighbourSearch(CLinkRectCache& rects, float fVerticalTolerance);

    // The ID of the neighbour of the button with ID selfId and link-rectangle centre self in
    // that direction, or 0 when there is none. Only the first group that has a candidate is
    // used in full; the others are walked as a fallback. A failed rectangle read is returned.
    HRESULT Find(LinkDirection direction, LONG selfId, LinkPoint self,
                 const CandidateGroups& groups, LONG& neighbour);

private:
    CLinkRectCache& m_rects;
    float m_fVerticalTolerance;
};
