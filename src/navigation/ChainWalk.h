// Walking the pages of a menu chain along one kind of page link.
#pragma once

#include "dsutils/DSTags.h"

#include "model/IDSMenu.h"

#include <set>

// Visits the menu and then each page that step leads to from the page before, until step gives
// null or a page visited before, so that links running in a circle end the walk.
template <class Visit> void WalkPages(IDSMenu* pMenu, IDSMenu* (*step)(IDSMenu*), Visit visit)
{
    std::set<LONG> seen;
    for (IDSMenu* pPage = pMenu; pPage && seen.insert(GetID(pPage)).second; pPage = step(pPage))
        visit(pPage);
}
