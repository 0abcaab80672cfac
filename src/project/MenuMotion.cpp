#include "dsutils/DSAppUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSAppUtils::MakeAllMotion(IDSProjectData* pProj, bool bMotion)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, MenuType_Main | MenuType_Chapter)) {
        ULONG flags = 0;
        CHECK_HR(spMenu->get_Flags(&flags));
        ULONG wanted = bMotion ? flags & ~ULONG(MenuFlag_Still) : flags | MenuFlag_Still;
        if (wanted != flags)
            CHECK_HR(spMenu->put_Flags(wanted));
    }
    return S_OK;
}
