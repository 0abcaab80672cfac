#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// Points the main command of the button's list at an object and writes the list back.
HRESULT LinkButton(IDSMenuButton* pButton, DiscCommand command, LONG id)
{
    CCommandList sCmds(static_cast<IUnknown*>(pButton));
    CHECK_HR(sCmds.ReplaceCommand(command, id, 0));
    CHECK_HR(sCmds.Commit());
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::SetCmd(DiscCommandParams& entry, IUnknown* pTarget, int nChapter)
{
    KVUClearErrorStack();
    if (CComQIPtr<IDSMenu> spMenu(pTarget); spMenu) {
        entry.command = DiscCommand_JumpMenu;
        entry.param1 = GetID(spMenu);
        entry.param2 = 0;
        return S_OK;
    }
    if (CComQIPtr<IDSTitle> spTitle(pTarget); spTitle) {
        entry.command = DiscCommand_PlayTitle;
        entry.param1 = GetID(spTitle);
        entry.param2 = nChapter;
        return S_OK;
    }
    CHECK_HR_SHORT(E_SETCMD_INVALID_TARGET);
    return S_OK;
}

HRESULT CDSMenuUtils::LinkCmd(IDSMenu* pMenu, IUnknown* pTarget)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CCommandList sCmds(static_cast<IUnknown*>(pMenu));
    sCmds.Erase(0);
    CHECK_HR_TEXT(SetCmd(sCmds[0], pTarget), "SetCmd(sCmds[0], pTarget )");
    if (CComPtr<IDSMenu>(pMenu).IsEqualObject(pTarget))
        sCmds[0].param2 = 1;
    CHECK_HR(sCmds.Commit());
    return S_OK;
}

HRESULT CDSMenuUtils::LinkCmd(IDSMenuButton* pButton, IDSTitle* pTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pTitle);
    CHECK_HR_SHORT(LinkButton(pButton, DiscCommand_PlayTitle, GetID(pTitle)));
    return S_OK;
}

HRESULT CDSMenuUtils::LinkCmd(IDSMenuButton* pButton, IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pMenu);
    CHECK_HR_SHORT(LinkButton(pButton, DiscCommand_JumpMenu, GetID(pMenu)));
    return S_OK;
}
