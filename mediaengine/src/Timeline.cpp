#include "Timeline.h"

#include <algorithm>

Panel* Timeline::At(LONG position) const
{
    return position >= 0 && position < Count() ? m_slots[size_t(position)].panel : nullptr;
}

IBaseObject* Timeline::ObjectAt(LONG position) const
{
    return position >= 0 && position < Count() ? m_slots[size_t(position)].object.p : nullptr;
}

LONG Timeline::PositionOf(LONG id) const
{
    for (LONG i = 0; i < Count(); ++i) {
        if (m_slots[size_t(i)].panel->Id() == id)
            return i;
    }
    return -1;
}

double Timeline::Duration() const
{
    return Empty() ? 0.0 : m_slots.back().panel->End();
}

HRESULT Timeline::InsertSource(LONG position, Panel* panel, Panel* cut)
{
    if (position < 0 || (position < Count() && position % 2 == 1))
        return E_INVALIDARG;
    if (position >= Count()) {
        if (!Empty())
            m_slots.push_back(MakeSlot(cut));
        m_slots.push_back(MakeSlot(panel));
    } else {
        auto at = m_slots.begin() + position;
        at = m_slots.insert(at, MakeSlot(cut));
        m_slots.insert(at, MakeSlot(panel));
    }
    LayOut();
    return S_OK;
}

HRESULT Timeline::SetTransition(LONG position, Panel* transition)
{
    if (position <= 0 || position >= Count() || position % 2 == 0)
        return E_INVALIDARG;
    m_slots[size_t(position)] = MakeSlot(transition);
    LayOut();
    return S_OK;
}

void Timeline::DeleteSource(LONG position, Panel* cut)
{
    auto at = m_slots.begin() + position;
    bool before = position > 0;
    bool after = position + 1 < Count();
    if (before && after) {
        // Both neighbouring transitions lose a side: one cut joins what is left.
        m_slots.erase(at, at + 2);
        m_slots[size_t(position - 1)] = MakeSlot(cut);
    } else if (after) {
        m_slots.erase(at, at + 2);
    } else if (before) {
        m_slots.erase(at - 1, at + 1);
    } else {
        m_slots.erase(at);
    }
}

void Timeline::LayOut()
{
    double end = 0.0;
    for (LONG i = 0; i < Count(); i += 2) {
        Panel* source = m_slots[size_t(i)].panel;
        double overlap = 0.0;
        if (i > 0) {
            auto* transition = static_cast<TransitionPanel*>(m_slots[size_t(i - 1)].panel);
            Panel* previous = m_slots[size_t(i - 2)].panel;
            overlap =
                std::min({transition->WishedDuration(), previous->Duration(), source->Duration()});
            transition->SetEffectiveDuration(overlap);
            transition->SetStart(end - overlap);
        }
        source->SetStart(end - overlap);
        end = source->End();
    }
}

LONG Timeline::SourcePositionAt(double time) const
{
    if (Empty() || !(time >= 0.0) || time > Duration())
        return -1;
    LONG found = 0;
    for (LONG i = 0; i < Count(); i += 2) {
        if (m_slots[size_t(i)].panel->Start() <= time)
            found = i;
    }
    return found;
}

HRESULT Timeline::Restore(const std::vector<Panel*>& panels)
{
    if (!panels.empty() && panels.size() % 2 == 0)
        return E_INVALIDARG;
    for (size_t i = 0; i < panels.size(); ++i) {
        bool transition = panels[i]->Kind() == KVE_PANEL_TRANSITION;
        if (transition != (i % 2 == 1))
            return E_INVALIDARG;
    }
    m_slots.clear();
    for (Panel* panel : panels)
        m_slots.push_back(MakeSlot(panel));
    LayOut();
    return S_OK;
}
