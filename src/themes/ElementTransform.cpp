#include "dsutils/DSMenuUtils.h"

#include "model/IDSMenuElement.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

HRESULT CDSMenuUtils::GetTransform(IDSMenuElement* pElement, tagMETransform* pTransform)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    CHECK_NULL(pTransform);
    *pTransform = tagMETransform{};
    CHECK_HR(pElement->GetPosition(&pTransform->x, &pTransform->y));
    CHECK_HR(pElement->get_Rotation(&pTransform->rotation));
    CHECK_HR(pElement->get_Opacity(&pTransform->opacity));
    if (CComQIPtr<IDSMenuOverlay>(pElement))
        CHECK_HR(pElement->GetSize(&pTransform->width, &pTransform->height));
    return S_OK;
}

HRESULT CDSMenuUtils::SetTransform(IDSMenuElement* pElement, const tagMETransform* pTransform)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    CHECK_NULL(pTransform);
    CHECK_HR(pElement->SetPosition(pTransform->x, pTransform->y));
    CHECK_HR(pElement->put_Rotation(pTransform->rotation));
    CHECK_HR(pElement->put_Opacity(pTransform->opacity));
    if (CComQIPtr<IDSMenuOverlay>(pElement))
        CHECK_HR(pElement->SetSize(pTransform->width, pTransform->height));
    return S_OK;
}
