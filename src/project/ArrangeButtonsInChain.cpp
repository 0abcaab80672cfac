#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSAppUtils::ArrangeButtonsInChain(IDSMenu* pMenu)
{
    return ArrangeButtonsInChainEx(pMenu, false);
}

HRESULT CDSAppUtils::ArrangeButtonsInChainEx(IDSMenu* pMenu, bool bForce)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    for (const CComPtr<IDSMenu>& spPage : DSMenuChainVec(pMenu))
        CHECK_HR(CDSMenuUtils::LayoutArrangeButtons(spPage, bForce));
    return S_OK;
}
