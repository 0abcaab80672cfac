// The chapter and thumbnail markers of a production. Positions count within one kind in time
// order, markers at the same time in the order they were added.
#pragma once

#include "model/KVEMarkerList.h"

#include <string>
#include <vector>

class MarkerList
{
public:
    // Marker IDs run from 1 to kMaxId.
    static constexpr LONG kMaxId = 0x7FFFFFFE;

    struct Entry
    {
        KVEMarker marker;
        std::wstring name;
    };

    HRESULT Add(double time, LONG kind, LONG* id);
    HRESULT Remove(LONG id);
    LONG Count(LONG kind) const;
    HRESULT Item(LONG index, LONG kind, KVEMarker* marker) const;
    HRESULT ById(LONG id, KVEMarker* marker) const;
    HRESULT IndexOf(LONG id, LONG* index) const;
    HRESULT SetLink(LONG id, LONG link);
    HRESULT SetTime(LONG id, double time);
    HRESULT SetName(LONG id, const std::wstring& name);
    HRESULT Name(LONG id, BSTR* name) const;
    void RemoveAll() { m_entries.clear(); }
    void RemoveKind(LONG kind);
    LONG FindNear(double time, LONG kind, double tolerance) const;
    LONG Total() const { return LONG(m_entries.size()); }

    // Every marker in kind and time order, for saving; Restore takes them back as they were,
    // and refuses markers of impossible values or of IDs out of range or given twice.
    const std::vector<Entry>& Entries() const { return m_entries; }
    HRESULT Restore(std::vector<Entry> entries);

private:
    const Entry* Find(LONG id) const;
    Entry* Find(LONG id);
    // Keeps the entries in kind, time and insertion order.
    void Sort();

    std::vector<Entry> m_entries;
    LONG m_nextId = 1;
};
