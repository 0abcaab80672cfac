#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"

#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSAppUtils::DeleteTitle(IDSProjectData* pProj, IDSTitle* pTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    CHECK_NULL(pTitle);
    LONG lTitleID = 0;
    CHECK_HR(pTitle->get_ID(&lTitleID));
    CHECK_HR(pProj->RemoveTitle(lTitleID, NULL));
    CDSMenuUtils::RemoveAllButtonsLinkedToTitle(pProj, lTitleID);
    // The buttons left close up over the root menu's pages, and a page left empty goes.
    if (IDSMenu* pRoot = CDSMenuUtils::GetRootMenu(pProj))
        CHECK_HR_TEXT(ReflowMenus(pRoot, false), "ReflowMenus(GetRootMenu(pProj), false)");
    return S_OK;
}
