#include "dsutils/DSMenuUtils.h"

#include "model/IDSProjectData.h"

#include "ChapterButtons.h"
#include "ChapterMarkers.h"
#include "navigation/ChainPages.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Fills the chain with the buttons of chapters 2, 3 …, appending pages as they fill. Pages
// fill in order, so the first page with room is always the last page: when that is full, a page
// is appended to it straight away, without walking the chain, which would make a long chapter
// menu take time in the square of its pages.
HRESULT AddChapterButtons(IDSMenu* pChapMenu, IDSTitle* pTitle,
                          const std::vector<KVEMarker>& markers)
{
    IDSMenu* pPage = pChapMenu;
    for (size_t i = 0; i < markers.size(); ++i) {
        if (!CDSMenuUtils::LayoutMenuVacant(pPage))
            pPage = AppendChainPage(pChapMenu, pPage);
        CHECK_NULL(pPage);
        CComPtr<IDSMenuButton> spButton;
        CHECK_HR_SHORT(
            AddChapterButton(pPage, pTitle, static_cast<LONG>(i) + 2, markers[i].lID, spButton));
    }
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::GenerateChapterMenus(IDSTitle* pTitle, IDSMenu** ppChapterMenu,
                                           IDSMenu* pParentMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pTitle);
    CHECK_NULL(pParentMenu);
    std::vector<KVEMarker> markers;
    CHECK_HR_SHORT(ReadChapterMarkers(pTitle, markers));
    if (markers.empty())
        return S_FALSE;
    CComPtr<IDSProjectData> spProj;
    CHECK_HR(pTitle->GetProject(&spProj));
    CComPtr<IDSMenu> spChapMenu;
    CHECK_HR(AddMenu(spProj, MenuType_Chapter, &spChapMenu));
    CHECK_HR(LinkNavButton(spChapMenu, ButtonType_Up, pParentMenu));
    CHECK_HR(LinkNavButton(spChapMenu, ButtonType_Home, GetRootMenu(spProj)));
    CComPtr<IDSMenuButton> spFirst;
    CHECK_HR_SHORT(AddChapterButton(spChapMenu, pTitle, 1, kChapterOneMarkerId, spFirst));
    CHECK_HR_SHORT(AddChapterButtons(spChapMenu, pTitle, markers));
    CHECK_HR(UpdateChapterIndexBtns(spChapMenu));
    if (ppChapterMenu)
        spChapMenu.CopyTo(ppChapterMenu);
    return S_OK;
}

HRESULT CDSMenuUtils::GenerateChapterMenus(IDSMenu* pParentMenu, IDSTitle* pTitle,
                                           IDSMenuButton** ppButton)
{
    KVUClearErrorStack();
    if (ppButton)
        *ppButton = nullptr;
    CComPtr<IDSMenu> spChapMenu;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, GenerateChapterMenus(pTitle, &spChapMenu, pParentMenu));
    if (hr == S_FALSE)
        return S_FALSE;
    CHECK_HR_TEXT(LinkSubMenu(spChapMenu, pParentMenu, ppButton, false),
                  "LinkSubMenu(spChapMenu, pParentMenu, ppButton)");
    return S_OK;
}
