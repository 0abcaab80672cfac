// Objects of the platform stand-ins reached through handles (memory blocks, windows, event
// sources). Handles are checked against the table, so that a stale or made-up handle is
// refused instead of being followed, and a handle is never given twice.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

template <class T> class HandleTable
{
public:
    explicit HandleTable(uintptr_t firstHandle) : m_next(firstHandle) {}

    // Holds the table while its objects are read or changed.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(m_lock); }

    // The following need the lock.

    // Keeps the object and returns its new handle.
    template <class Handle> Handle Add(T object)
    {
        uintptr_t handle = m_next;
        m_next += 16;
        m_objects.emplace(handle, std::move(object));
        return reinterpret_cast<Handle>(handle);
    }
    // False when the handle names nothing.
    template <class Handle> bool Remove(Handle handle)
    {
        return m_objects.erase(reinterpret_cast<uintptr_t>(handle)) != 0;
    }
    // The object of the handle, or null.
    template <class Handle> T* Find(Handle handle)
    {
        auto found = m_objects.find(reinterpret_cast<uintptr_t>(handle));
        return found == m_objects.end() ? nullptr : &found->second;
    }

private:
    std::mutex m_lock;
    std::map<uintptr_t, T> m_objects;
    uintptr_t m_next;
};
