#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"

#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Lays out again the pages of the root menu's chain, which may have lost buttons. Pages left
// empty stay; spreading the buttons over fewer pages is the menu reflow's work.
HRESULT ArrangeRootChain(IDSProjectData* pProj)
{
    for (const CComPtr<IDSMenu>& spPage : DSMenuChainVec(CDSMenuUtils::GetRootMenu(pProj)))
        CHECK_HR(CDSMenuUtils::LayoutArrangeButtons(spPage, false));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::DeleteTitle(IDSProjectData* pProj, IDSTitle* pTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    CHECK_NULL(pTitle);
    LONG lTitleID = 0;
    CHECK_HR(pTitle->get_ID(&lTitleID));
    CHECK_HR(pProj->RemoveTitle(lTitleID, NULL));
    CDSMenuUtils::RemoveAllButtonsLinkedToTitle(pProj, lTitleID);
    CHECK_HR_SHORT(ArrangeRootChain(pProj));
    return S_OK;
}
