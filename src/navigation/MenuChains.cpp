#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

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

// Takes a page that failed to join its chain after pLast out of the project again, with the
// Next button of pLast when that already leads to it; the report of the failure stays on the
// error stack.
void TakeOutKeepingReport(IDSMenu* pLast, IDSMenu* pPage)
{
    std::vector<std::wstring> report = KVUGetErrorStack();
    IDSMenu* pNext = CDSMenuUtils::GetNextMenu(pLast);
    if (pNext && GetID(pNext) == GetID(pPage)) {
        DSMenuButtonVec next = GetButtonList(pLast, ButtonType_Next);
        CDSMenuUtils::DeleteElement(next.front());
    }
    CDSMenuUtils::DeleteMenu(pPage);
    KVUClearErrorStack();
    for (const std::wstring& line : report)
        KVUReportError(line.c_str());
}

// Appends to the chain a new page made like its first page: of its type and from its template.
// A page that cannot be made or linked is taken out again, so that no page is left that
// nothing leads to and no button leads to a page that is gone. The new page is borrowed: the
// project holds it.
IDSMenu* AppendPage(IDSMenu* pFirst)
{
    IDSMenu* pLast = CDSMenuUtils::GetLastMenuInChain(pFirst);
    CComPtr<IDSMenu> spNewMenu;
    HRESULT hr = CDSMenuUtils::AddMenu(GetProject(pFirst), static_cast<int>(GetTag(pFirst)),
                                       &spNewMenu, static_cast<ULONG>(GetTemplateID(pFirst)));
    const char* step = "AddMenu(spProject, lMenuType, &spNewMenu, lTemplateID)";
    if (SUCCEEDED(hr)) {
        hr = CDSMenuUtils::LinkMenuToChain(pLast, spNewMenu);
        step = "LinkMenuToChain(pLast, spNewMenu)";
    }
    if (FAILED(hr)) {
        if (spNewMenu)
            TakeOutKeepingReport(pLast, spNewMenu);
        LOG_HR(hr, step);
        return nullptr;
    }
    return spNewMenu;
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
    return AppendPage(chain.First());
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
