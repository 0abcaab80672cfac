#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The kind of buttons that take the key's look: command buttons for a command key,
// chapter-range buttons for a chapter-range key; 0 for any other key.
ULONG RestyledKind(ULONG keyTag)
{
    if (keyTag & ButtonType_Command)
        return ButtonType_Command;
    if (keyTag & ButtonType_ChapterRange)
        return ButtonType_ChapterRange;
    return 0;
}

} // namespace

HRESULT CDSMenuUtils::MakeButtonsSameStyle(IDSMenuButton* pKeyButton)
{
    KVUClearErrorStack();
    CHECK_NULL(pKeyButton);
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pKeyButton->GetMenu(&spMenu));
    ULONG kind = RestyledKind(GetTag(pKeyButton));
    if (!kind)
        return S_OK;
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kind)) {
        // A button that cannot take the look keeps its own; the others still take it.
        if (!spButton.IsEqualObject(pKeyButton))
            CMenuStyleUtil::ButtonCopy(spButton, pKeyButton, true);
    }
    return S_OK;
}
