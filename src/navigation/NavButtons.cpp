#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

CComPtr<IDSMenuButton> FirstButton(IUnknown* pHolder, ULONG mask)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pHolder, mask);
    return buttons.empty() ? nullptr : buttons.front();
}

// Appends a copy of the template's first navigation button of that kind, with its place, size
// and look, to the menu.
HRESULT AddNavButton(IDSMenu* pMenu, ButtonTypes type, CComPtr<IDSMenuButton>& spNavBtn)
{
    CComPtr<IDSMenu> spTemplate = CDSMenuUtils::GetMenuTemplate(pMenu);
    if (!spTemplate)
        RETURN_CODE(E_LINKNAVBUTTON_NO_TEMPLATE);
    CComPtr<IDSMenuButton> spNavBtnTpl = FirstButton(spTemplate, type);
    if (!spNavBtnTpl)
        RETURN_CODE(E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON);
    CComPtr<IDSMenuElement> spElem;
    CHECK_HR(spNavBtnTpl->Copy(&spElem));
    CComQIPtr<IDSMenuElementList> spList(pMenu);
    CHECK_NULL(spList);
    CHECK_HR(spList->InsertElement(-1, spElem));
    spNavBtn = CComQIPtr<IDSMenuButton>(spElem);
    CHECK_NULL(spNavBtn);
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::LinkNavButton(IDSMenu* pMenu, ButtonTypes type, IDSMenu* pTargetMenu)
{
    KVUClearErrorStack();
    if (!pTargetMenu)
        return S_FALSE;
    CHECK_NULL(pMenu);
    CComPtr<IDSMenuButton> spNavBtn = FirstButton(pMenu, type);
    if (!spNavBtn)
        CHECK_HR_SHORT(AddNavButton(pMenu, type, spNavBtn));
    CHECK_HR(LinkCmd(spNavBtn, pTargetMenu));
    return S_OK;
}
