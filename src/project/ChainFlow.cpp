#include "ChainFlow.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "navigation/ChainPages.h"
#include "themes/ElementSteps.h"

#include "platform/Check.h"

#include <algorithm>

namespace {

// How many buttons the page takes: what its layout holds, and one at least, so that every
// page keeps the flow going.
size_t PageCapacity(IDSMenu* pPage)
{
    return static_cast<size_t>(std::max(1, CDSMenuUtils::LayoutGetBtnCount(pPage)));
}

// Makes the page's command buttons begin with order[from, to), in that order, moving in those
// that are elsewhere. Buttons beyond them stay at the end, for the following pages to take.
HRESULT FillPage(IDSMenu* pPage, const DSMenuButtonVec& order, size_t from, size_t to)
{
    CComQIPtr<IDSMenuElementList> spPageList(pPage);
    CHECK_NULL(spPageList);
    for (size_t j = 0; from + j < to; ++j) {
        IDSMenuButton* pWanted = order[from + j];
        DSMenuButtonVec present = GetButtonList(pPage, ButtonType_Command);
        if (j < present.size() && present[j].IsEqualObject(pWanted))
            continue;
        IDSMenuButton* pBefore = j < present.size() ? present[j].p : nullptr;
        CHECK_HR_SHORT(MoveElementInto(pWanted, spPageList, pBefore));
    }
    return S_OK;
}

// A new last page for the chain, whose pages are all full.
HRESULT AppendPage(DSMenuChainVec& chain)
{
    IDSMenu* pNewPage = AppendChainPage(chain.First(), chain.back());
    CHECK_NULL(pNewPage);
    chain.push_back(pNewPage);
    return S_OK;
}

// Takes out the pages from the end down to (not including) page keep.
HRESULT RemovePagesAfter(const DSMenuChainVec& chain, size_t keep)
{
    for (size_t page = chain.size(); page > keep; --page)
        CHECK_HR(CDSMenuUtils::LinkRemoveMenu(chain[static_cast<int>(page - 1)]));
    return S_OK;
}

} // namespace

DSMenuButtonVec GetChainButtons(const DSMenuChainVec& chain)
{
    DSMenuButtonVec buttons;
    for (const CComPtr<IDSMenu>& spPage : chain) {
        for (CComPtr<IDSMenuButton>& spButton : GetButtonList(spPage, ButtonType_Command))
            buttons.push_back(std::move(spButton));
    }
    return buttons;
}

HRESULT FlowButtonsOverChain(IDSMenu* pChainMember, const DSMenuButtonVec& order)
{
    DSMenuChainVec chain(pChainMember);
    CHECK_NULL(chain.First());
    size_t next = 0;
    size_t page = 0;
    for (; next < order.size(); ++page) {
        if (page == chain.size())
            CHECK_HR_SHORT(AppendPage(chain));
        size_t end = std::min(order.size(), next + PageCapacity(chain[static_cast<int>(page)]));
        CHECK_HR_SHORT(FillPage(chain[static_cast<int>(page)], order, next, end));
        next = end;
    }
    CHECK_HR_SHORT(RemovePagesAfter(chain, std::max<size_t>(page, 1)));
    return S_OK;
}
