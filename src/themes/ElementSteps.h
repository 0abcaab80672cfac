// Steps that the theme and template operations share: copying elements into lists, reading how
// many buttons a menu's layout holds, and telling production monikers from file paths.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"

#include "platform/ComPtr.h"

#include <string_view>
#include <vector>

// The first object of a list (one reference); null for an empty list.
template <class I> CComPtr<I> FirstOf(const std::vector<CComPtr<I>>& list)
{
    return list.empty() ? nullptr : list.front();
}

// Appends a detached copy of the element (and everything it holds) to the list of a menu or a
// button; the copy goes to *pspCopy when given. E_INVALIDARG when the holder has no list.
HRESULT AppendCopy(IDSMenuElement* pSource, IUnknown* pHolder,
                   CComPtr<IDSMenuElement>* pspCopy = nullptr);

// The 1-based place of the element in the list; -1 (the end) when the list does not hold it.
LONG IndexInList(IDSMenuElementList* pList, IDSMenuElement* pElement);

// Moves the element out of the list that holds it into pTo, before pBefore (at the end when
// pBefore is null or not in pTo), keeping its ID, and makes its resolved sources stale
// (CDSMenuUtils::ClearForResolve). An element that pTo does not take goes back where it was,
// rather than being lost. A failure is reported and returned.
HRESULT MoveElementInto(IDSMenuElement* pElement, IDSMenuElementList* pTo, IDSMenuElement* pBefore);

// Gives the menu the background and, with it, the duration of the template.
HRESULT TakeBackground(IDSMenu* pDest, IDSMenu* pSrc, BSTR bsBackground);

// How many buttons the menu's layout holds (rows × columns; the default layout for a stored
// 0). A failed read is reported and returned.
HRESULT ReadButtonCapacity(IDSMenu* pMenu, int& capacity);

// Whether the text names a production kept inside another one ("moniker:…", any case)
// rather than a file.
bool IsProductionMoniker(std::wstring_view text);
