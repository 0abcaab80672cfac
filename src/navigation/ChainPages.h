// Adding pages to menu chains.
#pragma once

#include "model/IDSMenu.h"

// Appends a new page to the chain whose first page is pFirst and whose last page is pLast (the
// caller knows both, so the chain is not walked): made like the first page, of its type and from
// its template (CDSMenuUtils::AddMenu), and joined after the last (LinkMenuToChain). A page that
// cannot be made or linked is taken out again, so that no page is left that nothing leads to and
// no button leads to a page that is gone; the failure is reported and the result is null. The
// new page is borrowed: the project holds it.
IDSMenu* AppendChainPage(IDSMenu* pFirst, IDSMenu* pLast);
