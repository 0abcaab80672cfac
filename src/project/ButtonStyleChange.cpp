#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSButtonStyleInfo.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <vector>

namespace {

using ButtonList = std::vector<CComPtr<IDSMenuButton>>;

// The command buttons of the project's main menus, which show its titles.
ButtonList TitleButtons(IDSProjectData* pProj)
{
    ButtonList buttons;
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, MenuType_Main)) {
        for (CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command))
            buttons.push_back(std::move(spButton));
    }
    return buttons;
}

// The buttons named by their IDs, or the title buttons when none is named. Every ID must name
// a button of the project, so that nothing is restyled when one does not.
HRESULT ButtonsToRestyle(IDSProjectData* pProj, const VARIANT& buttons, ButtonList& out)
{
    std::vector<LONG> ids;
    CHECK_HR_TEXT(ReadLongList(buttons, ids), "ReadLongList(buttons, ids)");
    if (ids.empty()) {
        out = TitleButtons(pProj);
        return S_OK;
    }
    for (LONG lId : ids) {
        CComPtr<IDSMenuButton> spButton = FindMenuButton(pProj, ULONG(lId));
        if (!spButton) {
            KVUReportError(KVUErrStr(L"The project has no button %d\n", int(lId)));
            LOG_HR(E_INVALIDARG, "FindMenuButton(pProj, lId)");
            return E_INVALIDARG;
        }
        out.push_back(spButton);
    }
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::ChangeButtonStyle(IDSProjectData* pProj, BSTR bsSrcFile, VARIANT buttons)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    CHECK_NULL(bsSrcFile);
    ButtonList targets;
    CHECK_HR_SHORT(ButtonsToRestyle(pProj, buttons, targets));
    CComPtr<IDSMenuButton> pBtn;
    CHECK_HR(pBtn.CoCreateInstance(uuidof<CDSMenuButton>()));
    CHECK_HR(LoadButtonFromFile(bsSrcFile, pBtn));
    for (const CComPtr<IDSMenuButton>& spButton : targets)
        CHECK_HR(CDSMenuUtils::ApplyStyle(spButton, pBtn.p));
    return S_OK;
}
