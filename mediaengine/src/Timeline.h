// The panels of a production in position order: source panels on even positions and, on each
// odd position between two of them, a transition (a plain cut where none was added). Panels
// are laid end to end from time 0; a transition overlaps the end of the panel before it and
// the start of the panel after it.
#pragma once

#include "Panel.h"
#include "TransitionPanel.h"

#include <algorithm>
#include <vector>

class Timeline
{
public:
    LONG Count() const { return LONG(m_slots.size()); }
    bool Empty() const { return m_slots.empty(); }
    // The panel at a position, or null outside the time line.
    Panel* At(LONG position) const;
    IBaseObject* ObjectAt(LONG position) const;
    // The position of a panel ID, or −1.
    LONG PositionOf(LONG id) const;
    // The end of the last source panel.
    double Duration() const;

    // Inserts a source panel at an even position, or appends it at any position from the end
    // on; a cut joins it to its neighbour. E_INVALIDARG for an odd position inside the line.
    HRESULT InsertSource(LONG position, Panel* panel, Panel* cut);
    // Puts a transition on an odd position between two source panels, replacing what was
    // there. E_INVALIDARG for any other position.
    HRESULT SetTransition(LONG position, Panel* transition);
    // Deletes panels: a source panel with the transitions beside it (a cut joins what is left
    // on both sides), a transition by turning it into a cut. makeCut makes those cuts.
    template <class MakeCut> HRESULT Delete(std::vector<LONG> positions, MakeCut makeCut);
    void Clear() { m_slots.clear(); }
    // Takes panels in position order: sources on even positions, transitions on odd ones.
    // E_INVALIDARG for any other order, the time line unchanged.
    HRESULT Restore(const std::vector<Panel*>& panels);

    // Gives every panel its start and every transition its effective duration.
    void LayOut();
    // The source panel position showing at a time (the later one inside a transition), or −1.
    LONG SourcePositionAt(double time) const;

private:
    struct Slot
    {
        CComPtr<IBaseObject> object;
        Panel* panel;
    };
    static Slot MakeSlot(Panel* panel) { return {panel->Base(), panel}; }
    void DeleteSource(LONG position, Panel* cut);

    std::vector<Slot> m_slots;
};

template <class MakeCut> HRESULT Timeline::Delete(std::vector<LONG> positions, MakeCut makeCut)
{
    for (LONG position : positions) {
        if (position < 0 || position >= Count())
            return E_INVALIDARG;
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    // Transitions first, while the positions still stand; then sources from the back, so that
    // removing one does not move those still to go.
    for (LONG position : positions) {
        if (position % 2 == 1)
            m_slots[size_t(position)] = MakeSlot(makeCut());
    }
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (*it % 2 == 0)
            DeleteSource(*it, makeCut());
    }
    LayOut();
    return S_OK;
}
