#include "dsutils/DSMenuUtils.h"

#include "model/IDSMenuElement.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSMenuUtils::DeleteElement(IDSMenuElement* pElement)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    CComPtr<IDSMenuElementList> spList;
    CHECK_HR_SHORT(pElement->GetParentList(&spList));
    if (!spList)
        return S_FALSE;
    LONG lID = 0;
    CHECK_HR_SHORT(pElement->get_ID(&lID));
    CHECK_HR_SHORT(spList->RemoveElement(lID, nullptr));
    return S_OK;
}
