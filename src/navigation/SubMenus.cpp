#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Video CDs have no Home key to jump to the root menu with.
bool HasHomeKey(IDSProjectData* pProject)
{
    DiscFormat format = DiscFormat_None;
    if (pProject)
        pProject->get_DiscFormat(&format);
    return format != DiscFormat_VCD && format != DiscFormat_SVCD;
}

} // namespace

HRESULT CDSMenuUtils::LinkSubMenu(IDSMenu* pMenu, IDSMenu* pParentMenu, IDSMenuButton** ppButton,
                                  bool bFindPage)
{
    KVUClearErrorStack();
    if (ppButton)
        *ppButton = nullptr;
    CHECK_NULL(pMenu);
    CHECK_NULL(pParentMenu);
    IDSMenu* pCurrentPage = bFindPage ? FindAvailableMenu(pParentMenu, true) : pParentMenu;
    CHECK_NULL(pCurrentPage);
    CComPtr<IDSMenuButton> spButton;
    CHECK_HR_TEXT(AddButton(pCurrentPage, &spButton, ButtonType_Command),
                  "AddButton(pCurrentPage, &spButton, ButtonType_Command)");
    CHECK_HR(LinkCmd(spButton, pMenu));
    if (ppButton)
        spButton.CopyTo(ppButton);
    CHECK_HR(LinkNavButton(pMenu, ButtonType_Up, pCurrentPage));
    CComPtr<IDSProjectData> spProject = GetProject(pCurrentPage);
    if (HasHomeKey(spProject))
        CHECK_HR(LinkNavButton(pMenu, ButtonType_Home, GetRootMenu(spProject)));
    return S_OK;
}
