#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// Points the main command of the button's list at the target and writes the list back.
template <class Target>
HRESULT LinkButton(IDSMenuButton* pButton, Target* pTarget, DiscCommand command)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pTarget);
    CCommandList sCmds(static_cast<IUnknown*>(pButton));
    CHECK_HR(sCmds.ReplaceCommand(command, GetID(pTarget), 0));
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
    return LinkButton(pButton, pTitle, DiscCommand_PlayTitle);
}

HRESULT CDSMenuUtils::LinkCmd(IDSMenuButton* pButton, IDSMenu* pMenu)
{
    return LinkButton(pButton, pMenu, DiscCommand_JumpMenu);
}
