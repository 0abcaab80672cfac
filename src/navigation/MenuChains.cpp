#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include <set>

namespace {

// Follows one kind of page link from the menu as far as it goes. A page seen before ends the
// walk, so links that run in a circle cannot hold it forever.
IDSMenu* WalkChain(IDSMenu* pMenu, IDSMenu* (*step)(IDSMenu*))
{
    if (!pMenu)
        return nullptr;
    std::set<LONG> seen = {GetID(pMenu)};
    IDSMenu* pCurrent = pMenu;
    while (IDSMenu* pNext = step(pCurrent)) {
        if (!seen.insert(GetID(pNext)).second)
            break;
        pCurrent = pNext;
    }
    return pCurrent;
}

} // namespace

IDSMenu* CDSMenuUtils::GetFirstMenuInChain(IDSMenu* pMenu)
{
    return WalkChain(pMenu, &CDSMenuUtils::GetPrevMenu);
}

IDSMenu* CDSMenuUtils::GetLastMenuInChain(IDSMenu* pMenu)
{
    return WalkChain(pMenu, &CDSMenuUtils::GetNextMenu);
}
