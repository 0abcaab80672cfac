#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "ChainPages.h"
#include "ChainWalk.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// The last page that one kind of page link leads to from the menu.
IDSMenu* WalkChain(IDSMenu* pMenu, IDSMenu* (*step)(IDSMenu*))
{
    IDSMenu* pLast = nullptr;
    WalkPages(pMenu, step, [&pLast](IDSMenu* pPage) { pLast = pPage; });
    return pLast;
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

IDSMenu* CDSMenuUtils::FindAvailableMenu(IDSMenu* pMenu, bool create)
{
    KVUClearErrorStack();
    DSMenuChainVec chain(pMenu);
    for (const CComPtr<IDSMenu>& spPage : chain) {
        if (LayoutMenuVacant(spPage))
            return spPage;
    }
    if (!create || chain.empty())
        return nullptr;
    return AppendChainPage(chain.First(), chain.back());
}

HRESULT CDSMenuUtils::LinkMenuToChain(IDSMenu* pChainMember, IDSMenu* pNewMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pNewMenu);
    IDSMenu* pLast = GetLastMenuInChain(pChainMember);
    if (!pLast)
        RETURN_CODE(E_LINKMENUTOCHAIN_NO_CHAIN);
    // Each link stops the append at its failure; a link without a target (no menu above, no
    // root menu) is passed over.
    CHECK_HR(LinkNavButton(pLast, ButtonType_Next, pNewMenu));
    CHECK_HR(LinkNavButton(pNewMenu, ButtonType_Prev, pLast));
    CHECK_HR(LinkNavButton(pNewMenu, ButtonType_Up, GetUpMenu(pLast)));
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr,
                    LinkNavButton(pNewMenu, ButtonType_Home, GetRootMenu(GetProject(pNewMenu))));
    return hr;
}
