#include "dsutils/DSMenuElementVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "production/MenuShape.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// The template a new menu of the type is made from: the one named by templateId when it serves
// that type, else the project's default one.
CComPtr<IDSMenu> TemplateForNewMenu(IDSProjectData* pProject, int menuType, ULONG templateId)
{
    ULONG templateTag =
        menuType == MenuType_Main ? MenuType_MainTemplate : MenuType_ChapterTemplate;
    if (templateId != CDSMenuUtils::kDefaultTemplate) {
        CComPtr<IDSMenu> spChosen = FindMenu(pProject, templateId);
        if (spChosen && (GetTag(spChosen) & templateTag))
            return spChosen;
    }
    return CDSMenuUtils::GetDefaultTemplate(pProject, templateTag);
}

// Gives a new menu its project's shape, its template's look and elements, makes it loop on
// itself, and marks it with its type. The shape comes first: the background production made
// from the template takes the storyboard's.
HRESULT ShapeNewMenu(IDSMenu* pNewMenu, const CComPtr<IDSMenu>& spMenuTemplate, int menuType)
{
    CHECK_HR_SHORT(MatchMenuShape(pNewMenu));
    CHECK_HR(CMenuStyleUtil::MenuCopy(pNewMenu, spMenuTemplate));
    CHECK_HR(CMenuStyleUtil::MenuElementsCopy(pNewMenu, spMenuTemplate));
    CHECK_HR_TEXT(CDSMenuUtils::LinkCmd(pNewMenu, pNewMenu), "LinkCmd(pNewMenu,pNewMenu)");
    CHECK_HR(pNewMenu->put_Tag(static_cast<ULONG>(menuType)));
    if (CDSMenuUtils::MenuShouldBeStill(pNewMenu))
        SetFlag(pNewMenu, MenuFlag_Still);
    return S_OK;
}

// The menu's first button of a kind, with a reference of its own.
CComPtr<IDSMenuButton> FirstButtonOf(IDSMenu* pMenu, ULONG mask)
{
    return DSMenuButtonVec(GetButtonList(pMenu, mask)).First();
}

// Deletes the menu's first button of a kind, when it has one.
HRESULT DeleteFirstButton(IDSMenu* pMenu, ULONG mask)
{
    CComPtr<IDSMenuButton> spButton = FirstButtonOf(pMenu, mask);
    if (spButton)
        CHECK_HR_SHORT(CDSMenuUtils::DeleteElement(spButton));
    return S_OK;
}

// The pages on either side of a middle page are joined to each other.
HRESULT JoinNeighbours(IDSMenu* pPrevMnu, IDSMenu* pNextMnu)
{
    CHECK_HR_TEXT(CDSMenuUtils::LinkNavButton(pPrevMnu, ButtonType_Next, pNextMnu),
                  "LinkNavButton(pPrevMnu, ButtonType_Next, pNextMnu)");
    CHECK_HR_TEXT(CDSMenuUtils::LinkNavButton(pNextMnu, ButtonType_Prev, pPrevMnu),
                  "LinkNavButton(pNextMnu, ButtonType_Prev, pPrevMnu)");
    return S_OK;
}

// The next page becomes the first: it loses its way back, and the button above that led to the
// first page leads to it instead.
HRESULT PromoteNextPage(IDSMenu* pMenu, IDSMenu* pNextMnu, IDSMenu* pUpMnu)
{
    CHECK_HR_SHORT(DeleteFirstButton(pNextMnu, ButtonType_Prev));
    if (IDSMenuButton* pUpBtn = CDSMenuUtils::GetLinkedButton(pMenu, pUpMnu))
        CHECK_HR(CDSMenuUtils::LinkCmd(pUpBtn, pNextMnu));
    return S_OK;
}

// With its only page gone a chapter menu has nothing left to choose from, so the button above
// that led to it plays the title instead.
HRESULT HandButtonToTitle(IDSMenu* pMenu, IDSMenu* pUpMnu)
{
    IDSMenuButton* pUpBtn = CDSMenuUtils::GetLinkedButton(pMenu, pUpMnu);
    CComPtr<IDSMenuButton> spFirst = FirstButtonOf(pMenu, ButtonType_Command);
    if (!pUpBtn || !spFirst)
        return S_OK;
    if (IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(spFirst, nullptr, false))
        CHECK_HR(CDSMenuUtils::LinkCmd(pUpBtn, pTitle));
    return S_OK;
}

// Takes the menu out of the chain it is a page of, or out from under the menu above it.
HRESULT UnlinkPage(IDSMenu* pMenu)
{
    IDSMenu* pNextMnu = CDSMenuUtils::GetNextMenu(pMenu);
    IDSMenu* pPrevMnu = CDSMenuUtils::GetPrevMenu(pMenu);
    IDSMenu* pUpMnu = CDSMenuUtils::GetUpMenu(pMenu);
    if (pPrevMnu && pNextMnu)
        return JoinNeighbours(pPrevMnu, pNextMnu);
    if (pNextMnu)
        return PromoteNextPage(pMenu, pNextMnu, pUpMnu);
    if (pPrevMnu)
        return DeleteFirstButton(pPrevMnu, ButtonType_Next);
    if (pUpMnu && (GetTag(pMenu) & MenuType_Chapter))
        return HandButtonToTitle(pMenu, pUpMnu);
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::DeleteMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CComPtr<IDSProjectData> spProject;
    CHECK_HR(pMenu->GetProject(&spProject));
    CHECK_NULL(spProject);
    LONG lID = 0;
    CHECK_HR(pMenu->get_ID(&lID));
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, spProject->RemoveMenu(lID, nullptr));
    return hr;
}

HRESULT CDSMenuUtils::AddMenu(IDSProjectData* pProject, int menuType, IDSMenu** ppMenu,
                              ULONG templateId)
{
    KVUClearErrorStack();
    if (!pProject)
        return E_INVALIDARG;
    CHECK_NULL(ppMenu);
    CComPtr<IDSMenu> spMenuTemplate = TemplateForNewMenu(pProject, menuType, templateId);
    if (!spMenuTemplate)
        RETURN_CODE(E_ADDMENU_NO_TEMPLATE);
    CComPtr<IDSMenu> spNewMenu;
    CHECK_HR(pProject->AddMenu(-1, &spNewMenu));
    spNewMenu.CopyTo(ppMenu);
    CHECK_HR_SHORT(ShapeNewMenu(spNewMenu, spMenuTemplate, menuType));
    return S_OK;
}

IDSMenu* CDSMenuUtils::GetMenuById(IDSProjectData* pProject, ULONG id)
{
    if (!pProject)
        return nullptr;
    // The project keeps the menu; the caller borrows it.
    return FindMenu(pProject, id).p;
}

HRESULT CDSMenuUtils::LinkRemoveMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_HR_SHORT(UnlinkPage(pMenu));
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, DeleteMenu(pMenu));
    return hr;
}
