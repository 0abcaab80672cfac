#include "DisplayList.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSChapterList.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"

namespace {

bool IsExcluded(IDSTitle* pTitle)
{
    VARIANT_BOOL excluded = VARIANT_FALSE;
    return SUCCEEDED(pTitle->get_Excluded(&excluded)) && excluded != VARIANT_FALSE;
}

void AddTitleEntry(DisplayList& displayList, IDSTitle* pTitle, int nChapter)
{
    CComPtr<IUnknown> spProduction;
    if (!pTitle || FAILED(pTitle->GetProduction(&spProduction)))
        return;
    displayList.push_back({GetID(pTitle), GetThumbnailTime(spProduction, nChapter)});
}

void AddUserTitles(IDSProjectData* pProject, DisplayList& displayList)
{
    for (const CComPtr<IDSTitle>& spTitle : GetUserTitles(pProject))
        AddTitleEntry(displayList, spTitle, 1);
}

// The title a button plays, or the title of the chapter menu it leads to.
void AddButtonTitle(IDSMenuButton* pButton, DisplayList& displayList)
{
    int nChapter = 1;
    if (IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(pButton, &nChapter, true))
        AddTitleEntry(displayList, pTitle, nChapter);
    else if (IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(pButton))
        AddTitleEntry(displayList, CDSMenuUtils::GetLinkedTitle(pMenu), 1);
}

CComPtr<IDSMenu> MenuOf(IDSMenuElement* pElement)
{
    CComPtr<IDSMenu> spMenu;
    pElement->GetMenu(&spMenu);
    return spMenu;
}

// Rule 5 of a button's link: the titles its play-all and play-menu-titles commands stand for.
void AddCommandTitles(IDSMenuButton* pButton, DisplayList& displayList)
{
    CCommandList commands(static_cast<IUnknown*>(pButton));
    CComPtr<IDSMenu> spMenu = MenuOf(pButton);
    for (LONG i = 0; i < commands.size(); ++i) {
        if (commands[int(i)].command == DiscCommand_PlayAll) {
            AddUserTitles(GetProject(pButton), displayList);
        } else if (commands[int(i)].command == DiscCommand_PlayMenuTitles) {
            for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kAllTags)) {
                int nChapter = 1;
                AddTitleEntry(displayList, CDSMenuUtils::GetLinkedTitle(spButton, &nChapter, true),
                              nChapter);
            }
        }
    }
}

} // namespace

std::vector<CComPtr<IDSTitle>> GetUserTitles(IDSProjectData* pProject)
{
    std::vector<CComPtr<IDSTitle>> titles;
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(pProject, TitleType_User)) {
        if (!IsExcluded(spTitle))
            titles.push_back(spTitle);
    }
    return titles;
}

double GetThumbnailTime(IUnknown* pProduction, int nChapter)
{
    CDSChapterList chapters(pProduction);
    double dTime = 0.0;
    HRESULT hr = nChapter < 2 ? chapters.GetProductionThumbTime(dTime)
                              : chapters.GetChapterThumbTime(nChapter, dTime);
    if (FAILED(hr))
        return 0.0;
    if (dTime < 0.0) {
        TRACE_LINE("Correcting Chapter time, since time is less than 0");
        return 0.0;
    }
    return dTime;
}

HRESULT ResolveBtnCmdLink(IDSMenuOverlay* pOvl, DisplayList& displayList)
{
    CHECK_NULL(pOvl);
    CComPtr<IDSMenuElementList> spParent;
    pOvl->GetParentList(&spParent);
    CComQIPtr<IDSMenuButton> spBtn(spParent);
    CHECK_NULL_TEXT(spBtn.p, "(IDSMenuButton *)spBtn");
    int nChapter = 1;
    if (IDSTitle* pTitle = CDSAppUtils::GetLinkedChapterTitle(spBtn, &nChapter)) {
        AddTitleEntry(displayList, pTitle, nChapter);
    } else if (IDSTitle* pLinked = CDSMenuUtils::GetLinkedTitle(spBtn, &nChapter, true)) {
        AddTitleEntry(displayList, pLinked, nChapter);
    } else if (IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(spBtn)) {
        if (IDSTitle* pMenuTitle = CDSMenuUtils::GetLinkedTitle(pMenu))
            AddTitleEntry(displayList, pMenuTitle, 1);
        else
            displayList.push_back({GetID(pMenu), 0.0});
    } else {
        AddCommandTitles(spBtn, displayList);
    }
    return S_OK;
}

HRESULT ResolveTitleId(IDSMenuOverlay* pOvl, LONG lTitleId, DisplayList& displayList)
{
    CHECK_NULL(pOvl);
    AddTitleEntry(displayList, FindTitle(GetProject(pOvl), ULONG(lTitleId)), 1);
    return S_OK;
}

HRESULT ResolveAllTitles(IDSMenuOverlay* pOvl, DisplayList& displayList)
{
    CHECK_NULL(pOvl);
    AddUserTitles(GetProject(pOvl), displayList);
    return S_OK;
}

HRESULT ResolveAllMenuTitles(IDSMenuOverlay* pOvl, DisplayList& displayList)
{
    CHECK_NULL(pOvl);
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(MenuOf(pOvl), kAllTags))
        AddButtonTitle(spButton, displayList);
    return S_OK;
}
