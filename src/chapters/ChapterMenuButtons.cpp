#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// The chapter menu the button leads to, or null.
IDSMenu* LinkedChapterMenu(IDSMenuButton* pBtn)
{
    IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(pBtn);
    return (GetTag(pMenu) & MenuType_Chapter) ? pMenu : nullptr;
}

// Deletes every page of the chain.
HRESULT DeleteChain(IDSMenu* pMenu)
{
    for (const CComPtr<IDSMenu>& spPage : DSMenuChainVec(pMenu))
        CHECK_HR_SHORT(CDSMenuUtils::DeleteMenu(spPage));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::MakeChapterMenuBtn(IDSMenuButton* pBtn)
{
    KVUClearErrorStack();
    CHECK_NULL(pBtn);
    CComPtr<IDSTitle> spTitle = CDSMenuUtils::GetLinkedTitle(pBtn, nullptr, true);
    if (!spTitle && CDSMenuUtils::GetLinkedMenu(pBtn))
        return UpdateChapterMenusFromBtn(pBtn);
    CHECK_NULL(spTitle);
    CComPtr<IDSMenu> spParent;
    CHECK_HR(pBtn->GetMenu(&spParent));
    CComPtr<IDSMenu> spChapMenu;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, CDSMenuUtils::GenerateChapterMenus(spTitle, &spChapMenu, spParent));
    if (hr == S_FALSE)
        return S_FALSE;
    CHECK_HR(CDSMenuUtils::LinkCmd(pBtn, spChapMenu.p));
    CHECK_HR(ArrangeButtonsInChain(spChapMenu));
    return S_OK;
}

HRESULT CDSAppUtils::UpdateChapterMenusFromBtn(IDSMenuButton* pBtn)
{
    KVUClearErrorStack();
    CHECK_NULL(pBtn);
    IDSMenu* pChapMenu = LinkedChapterMenu(pBtn);
    if (!pChapMenu)
        RETURN_CODE(E_UPDATECHAPTERMENUSFROMBTN_NO_CHAPTER_MENU);
    CComPtr<IDSTitle> spTitle = GetLinkedChapterTitle(pBtn, nullptr);
    if (!spTitle) {
        KVULogNull(__FILE__, __LINE__, "spTitle.GetInterfacePtr()");
        RETURN_CODE(E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE);
    }
    CHECK_HR(
        CDSMenuUtils::UpdateChapterMenus(spTitle, CDSMenuUtils::GetFirstMenuInChain(pChapMenu)));
    return S_OK;
}

HRESULT CDSAppUtils::RemoveChapMenusFromBtn(IDSMenuButton* pBtn)
{
    KVUClearErrorStack();
    CHECK_NULL(pBtn);
    CComPtr<IDSTitle> spTitle = GetLinkedChapterTitle(pBtn, nullptr);
    CHECK_NULL(spTitle.p);
    CComPtr<IDSMenu> spChapMenu = CDSMenuUtils::GetLinkedMenu(pBtn);
    CHECK_NULL(spChapMenu.p);
    CHECK_HR_TEXT(CDSMenuUtils::LinkCmd(pBtn, spTitle.p), "CDSMenuUtils::LinkCmd(pBtn, spTitle)");
    CHECK_HR_SHORT(DeleteChain(spChapMenu));
    return S_OK;
}

HRESULT CDSAppUtils::RemoveAllChapterMenus(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    if (GetMenuList(pProject, MenuType_Chapter).empty())
        return S_FALSE;
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, kAllTags)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command)) {
            if (LinkedChapterMenu(spButton))
                CHECK_HR(RemoveChapMenusFromBtn(spButton));
        }
    }
    return S_OK;
}
