// Reading and writing the arrow-key neighbour record of an element.
#pragma once

#include "model/IDSMenuElement.h"

// The record's four slots in the order left, right, up, down.
inline LONG& NeighbourSlot(ElementNeighbours& record, int slot)
{
    LONG* slots[] = {&record.left, &record.right, &record.up, &record.down};
    return *slots[slot];
}

inline constexpr int kNeighbourSlots = 4;

// The element's record (the object model's copy is freed here).
HRESULT ReadNeighbours(IDSMenuElement* pElement, ElementNeighbours& record);
HRESULT WriteNeighbours(IDSMenuElement* pElement, const ElementNeighbours& record);
