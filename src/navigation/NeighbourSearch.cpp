#include "NeighbourSearch.h"

#include "platform/Check.h"

#include <cmath>
#include <optional>

// Every direction is searched in its own frame: "along" runs in the direction of the key, and
// "wrap" runs across it toward the row (or column) that the highlight wraps to at the end of
// a line: moving left from the start of a row goes to the end of the row above, right from
// the end of a row to the start of the row below, up from the top of a column to the bottom
// of the column on the left, down from its bottom to the top of the column on the right.

namespace {

constexpr float kFarthest = 2.0f;
// How far a candidate must lie along an axis to count as lying that way at all: a little
// more in y than in x.
constexpr double kMinStepX = 0.005;
constexpr double kMinStepY = 0.01;
constexpr double kHorizontalTolerance = 0.05;
// How much farther than the best one a fallback candidate's line may lie.
constexpr float kLineSlack = 0.05f;

struct Offsets
{
    float along;
    float wrap;
};

struct Limits
{
    double minAlong;
    double minWrap;
    double tolerance;
};

Offsets OffsetsFor(LinkDirection direction, LinkPoint self, LinkPoint other)
{
    float dx = other.x - self.x;
    float dy = other.y - self.y;
    switch (direction) {
    case LinkDirection::Left:
        return {-dx, dy};
    case LinkDirection::Right:
        return {dx, -dy};
    case LinkDirection::Up:
        return {dy, -dx};
    case LinkDirection::Down:
        break;
    }
    return {-dy, dx};
}

Limits LimitsFor(LinkDirection direction, float fVerticalTolerance)
{
    if (direction == LinkDirection::Left || direction == LinkDirection::Right)
        return {kMinStepX, kMinStepY, kHorizontalTolerance};
    return {kMinStepY, kMinStepX, fVerticalTolerance};
}

// The walk of the preferred group: a candidate in line (A), else one ahead on the far side of
// the wrap (B), else the nearest line on the wrap side, farthest back within it (C).
class PreferredWalk
{
public:
    void Consider(LONG id, Offsets o, const Limits& limits)
    {
        if (o.along > limits.minAlong && std::fabs(o.wrap) <= limits.tolerance &&
            o.along < m_bestInLine) {
            m_bestInLine = o.along;
            m_inLine = id;
        }
        if (-o.wrap > limits.minWrap && o.along > limits.minAlong)
            ConsiderAhead(id, o.along, -o.wrap);
        if (o.wrap > limits.minWrap)
            ConsiderWrap(id, o.wrap, -o.along);
    }

    std::optional<LONG> Result() const
    {
        if (m_inLine)
            return m_inLine;
        return m_ahead ? m_ahead : m_wrapped;
    }

private:
    // Nearest along first, then nearest to the line. A nearer along distance is remembered
    // even when its candidate lies farther off the line and is not taken.
    void ConsiderAhead(LONG id, float along, float side)
    {
        if (along < m_bestAheadAlong) {
            m_bestAheadAlong = along;
            if (side < m_bestAheadSide) {
                m_bestAheadSide = side;
                m_ahead = id;
            }
        } else if (along == m_bestAheadAlong && side < m_bestAheadSide) {
            m_bestAheadSide = side;
            m_ahead = id;
        }
    }

    void ConsiderWrap(LONG id, float wrap, float back)
    {
        if (wrap < m_bestWrap) {
            m_bestWrap = wrap;
            m_bestWrapBack = back;
            m_wrapped = id;
        } else if (wrap == m_bestWrap && back > m_bestWrapBack) {
            m_bestWrapBack = back;
            m_wrapped = id;
        }
    }

    float m_bestInLine = kFarthest;
    float m_bestAheadAlong = kFarthest;
    float m_bestAheadSide = kFarthest;
    float m_bestWrap = kFarthest;
    float m_bestWrapBack = -kFarthest;
    std::optional<LONG> m_inLine;
    std::optional<LONG> m_ahead;
    std::optional<LONG> m_wrapped;
};

// The walks of the other groups: a candidate in line, else the last one found on the wrap
// side near the best line, or behind on the far side or in line.
class FallbackWalk
{
public:
    // Each group is measured on its own, but what an earlier group found stays until a later
    // group finds better.
    void StartGroup()
    {
        m_bestAlong = kFarthest;
        m_bestWrap = kFarthest;
        m_bestBehindSide = kFarthest;
        m_bestBehind = kFarthest;
    }

    void Consider(LONG id, Offsets o, const Limits& limits)
    {
        if (o.along > limits.minAlong && std::fabs(o.wrap) <= limits.tolerance &&
            o.along < m_bestAlong) {
            m_bestAlong = o.along;
            m_inLine = id;
        }
        if (o.wrap > limits.minWrap && o.wrap <= m_bestWrap + kLineSlack &&
            std::fabs(o.along) <= m_bestAlong) {
            m_bestWrap = o.wrap;
            m_bestAlong = std::fabs(o.along);
            m_aside = id;
        }
        float behind = -o.along;
        float side = -o.wrap;
        bool besideOrAcross = side > limits.minWrap || std::fabs(o.wrap) <= limits.tolerance;
        if (behind > limits.minAlong && besideOrAcross && side <= m_bestBehindSide + kLineSlack &&
            behind <= m_bestBehind) {
            m_bestBehindSide = side;
            m_bestBehind = behind;
            m_aside = id;
        }
    }

    std::optional<LONG> Result() const { return m_inLine ? m_inLine : m_aside; }

private:
    float m_bestAlong = kFarthest;
    float m_bestWrap = kFarthest;
    float m_bestBehindSide = kFarthest;
    float m_bestBehind = kFarthest;
    std::optional<LONG> m_inLine;
    std::optional<LONG> m_aside;
};

} // namespace

CNeighbourSearch::CNeighbourSearch(CLinkRectCache& rects, float fVerticalTolerance)
    : m_rects(rects), m_fVerticalTolerance(fVerticalTolerance)
{}

HRESULT CNeighbourSearch::Find(LinkDirection direction, LONG selfId, LinkPoint self,
                               const CandidateGroups& groups, LONG& neighbour)
{
    Limits limits = LimitsFor(direction, m_fVerticalTolerance);
    auto walk = [&](const CandidateGroup& group, auto& walker) -> HRESULT {
        for (const LinkCandidate& candidate : group) {
            if (candidate.id == selfId)
                continue;
            LinkPoint centre;
            CHECK_HR_SHORT(m_rects.GetCentre(candidate.element, centre));
            walker.Consider(candidate.id, OffsetsFor(direction, self, centre), limits);
        }
        return S_OK;
    };
    PreferredWalk preferred;
    CHECK_HR_SHORT(walk(*groups[0], preferred));
    if (std::optional<LONG> found = preferred.Result()) {
        neighbour = *found;
        return S_OK;
    }
    FallbackWalk fallback;
    for (size_t i = 1; i < groups.size(); ++i) {
        fallback.StartGroup();
        CHECK_HR_SHORT(walk(*groups[i], fallback));
    }
    neighbour = fallback.Result().value_or(0);
    return S_OK;
}
