#include "MarkerList.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

bool ValidTime(double time)
{
    return time >= 0.0 && std::isfinite(time);
}

bool ValidKind(LONG kind)
{
    return kind == KVE_MARKER_CHAPTER || kind == KVE_MARKER_THUMBNAIL;
}

} // namespace

HRESULT MarkerList::Add(double time, LONG kind, LONG* id)
{
    if (!ValidTime(time) || !ValidKind(kind))
        return E_INVALIDARG;
    if (m_nextId > kMaxId)
        return E_UNEXPECTED;
    Entry entry{{m_nextId++, time, -1, kind}, {}};
    m_entries.push_back(entry);
    Sort();
    if (id)
        *id = entry.marker.lID;
    return S_OK;
}

HRESULT MarkerList::Remove(LONG id)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [id](const Entry& e) { return e.marker.lID == id; });
    if (it == m_entries.end())
        return E_INVALIDARG;
    m_entries.erase(it);
    return S_OK;
}

LONG MarkerList::Count(LONG kind) const
{
    return LONG(std::count_if(m_entries.begin(), m_entries.end(),
                              [kind](const Entry& e) { return e.marker.lKind == kind; }));
}

HRESULT MarkerList::Item(LONG index, LONG kind, KVEMarker* marker) const
{
    if (!marker)
        return E_POINTER;
    for (const Entry& entry : m_entries) {
        if (entry.marker.lKind == kind && index-- == 0) {
            *marker = entry.marker;
            return S_OK;
        }
    }
    return E_INVALIDARG;
}

HRESULT MarkerList::ById(LONG id, KVEMarker* marker) const
{
    if (!marker)
        return E_POINTER;
    const Entry* entry = Find(id);
    if (!entry)
        return E_INVALIDARG;
    *marker = entry->marker;
    return S_OK;
}

HRESULT MarkerList::IndexOf(LONG id, LONG* index) const
{
    if (!index)
        return E_POINTER;
    const Entry* entry = Find(id);
    if (!entry)
        return E_INVALIDARG;
    *index = LONG(std::count_if(m_entries.data(), entry, [entry](const Entry& e) {
        return e.marker.lKind == entry->marker.lKind;
    }));
    return S_OK;
}

HRESULT MarkerList::SetLink(LONG id, LONG link)
{
    Entry* entry = Find(id);
    if (!entry)
        return E_INVALIDARG;
    entry->marker.lLink = link;
    return S_OK;
}

HRESULT MarkerList::SetTime(LONG id, double time)
{
    Entry* entry = Find(id);
    if (!entry || !ValidTime(time))
        return E_INVALIDARG;
    entry->marker.dTime = time;
    Sort();
    return S_OK;
}

HRESULT MarkerList::SetName(LONG id, const std::wstring& name)
{
    Entry* entry = Find(id);
    if (!entry)
        return E_INVALIDARG;
    entry->name = name;
    return S_OK;
}

HRESULT MarkerList::Name(LONG id, BSTR* name) const
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    const Entry* entry = Find(id);
    if (!entry)
        return E_INVALIDARG;
    return CComBSTR(entry->name).CopyTo(name);
}

void MarkerList::RemoveKind(LONG kind)
{
    std::erase_if(m_entries, [kind](const Entry& e) { return e.marker.lKind == kind; });
}

LONG MarkerList::FindNear(double time, LONG kind, double tolerance) const
{
    LONG found = -1;
    double best = tolerance;
    for (const Entry& entry : m_entries) {
        double distance = std::fabs(entry.marker.dTime - time);
        if (entry.marker.lKind == kind && distance <= best) {
            best = distance;
            found = entry.marker.lID;
        }
    }
    return found;
}

HRESULT MarkerList::Restore(std::vector<Entry> entries)
{
    LONG highest = 0;
    std::set<LONG> ids;
    for (const Entry& entry : entries) {
        if (!ValidTime(entry.marker.dTime) || !ValidKind(entry.marker.lKind) ||
            entry.marker.lID <= 0 || entry.marker.lID > kMaxId ||
            !ids.insert(entry.marker.lID).second)
            return E_INVALIDARG;
        highest = std::max(highest, entry.marker.lID);
    }
    m_entries = std::move(entries);
    m_nextId = highest + 1;
    Sort();
    return S_OK;
}

const MarkerList::Entry* MarkerList::Find(LONG id) const
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [id](const Entry& e) { return e.marker.lID == id; });
    return it == m_entries.end() ? nullptr : &*it;
}

MarkerList::Entry* MarkerList::Find(LONG id)
{
    return const_cast<Entry*>(static_cast<const MarkerList*>(this)->Find(id));
}

void MarkerList::Sort()
{
    // IDs grow with each addition, so they order markers that share a time.
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        if (a.marker.lKind != b.marker.lKind)
            return a.marker.lKind < b.marker.lKind;
        if (a.marker.dTime != b.marker.dTime)
            return a.marker.dTime < b.marker.dTime;
        return a.marker.lID < b.marker.lID;
    });
}
