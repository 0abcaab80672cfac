#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The pages that the index buttons of one page jump to: count pages from start on.
struct IndexWindow
{
    size_t start;
    size_t count;
};

// The window of a page among pages, for a template of indexButtons index buttons: every page
// when they all fit, else a window that keeps the page in its middle, held inside the chain
// at its ends.
IndexWindow WindowOf(size_t page, size_t pages, size_t indexButtons)
{
    if (indexButtons >= pages)
        return {0, pages};
    size_t half = indexButtons / 2;
    size_t odd = indexButtons % 2;
    if (page + odd + half + 1 > pages)
        return {pages - indexButtons, indexButtons};
    if (page > half)
        return {page - half, indexButtons};
    return {0, indexButtons};
}

// The page the j-th index button of a page jumps to. Of two index buttons, the second one of a
// page after the first leads past the page itself, so that they lead back and on.
size_t TargetOf(const IndexWindow& window, size_t j, size_t page, size_t pages, size_t indexButtons)
{
    size_t target = window.start + j;
    if (indexButtons == 2 && j == 1 && page > 0 && target + 1 < pages)
        ++target;
    return target;
}

// Whether the last command button of the chain plays a chapter.
bool PlaysChapters(IDSMenu* pLastPage)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pLastPage, ButtonType_Command);
    int chapter = 0;
    if (!buttons.empty())
        CDSMenuUtils::GetLinkedTitle(buttons.back(), &chapter, false);
    return chapter > 0;
}

// Gives one page of the chain the index buttons of its window: surplus ones are deleted from
// the last one down, missing ones made from the template's index button of their place.
HRESULT UpdatePage(const DSMenuChainVec& chain, size_t page, size_t indexButtons)
{
    IDSMenu* pPage = chain[static_cast<int>(page)];
    IndexWindow window = WindowOf(page, chain.size(), indexButtons);
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pPage, ButtonType_ChapterRange);
    while (buttons.size() > window.count) {
        CHECK_HR_SHORT(CDSMenuUtils::DeleteElement(buttons.back()));
        buttons.pop_back();
    }
    for (size_t j = 0; j < window.count; ++j) {
        CComPtr<IDSMenuButton> spButton = j < buttons.size() ? buttons[j] : nullptr;
        if (!spButton)
            CHECK_HR(CDSMenuUtils::AddButton(pPage, &spButton, ButtonType_ChapterRange,
                                             static_cast<int>(j)));
        size_t target = TargetOf(window, j, page, chain.size(), indexButtons);
        CHECK_HR(CDSMenuUtils::LinkChapIndex(spButton, chain[static_cast<int>(target)]));
    }
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::UpdateChapterIndexBtns(IDSMenu* pChain)
{
    KVUClearErrorStack();
    CHECK_NULL(pChain);
    size_t indexButtons = GetButtonList(GetMenuTemplate(pChain), ButtonType_ChapterRange).size();
    if (indexButtons == 0)
        return S_FALSE;
    DSMenuChainVec chain(pChain);
    if (chain.empty() || !PlaysChapters(chain.back()))
        return S_FALSE;
    for (size_t page = 0; page < chain.size(); ++page)
        CHECK_HR_SHORT(UpdatePage(chain, page, indexButtons));
    return S_OK;
}
