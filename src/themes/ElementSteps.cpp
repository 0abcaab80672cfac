#include "ElementSteps.h"

#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

HRESULT AppendCopy(IDSMenuElement* pSource, IUnknown* pHolder, CComPtr<IDSMenuElement>* pspCopy)
{
    CHECK_NULL(pSource);
    CComQIPtr<IDSMenuElementList> spList(pHolder);
    if (!spList)
        return E_INVALIDARG;
    CComPtr<IDSMenuElement> spMenuElem;
    CHECK_HR(pSource->Copy(&spMenuElem));
    CHECK_HR(spList->InsertElement(-1, spMenuElem));
    if (pspCopy)
        *pspCopy = spMenuElem;
    return S_OK;
}

HRESULT TakeBackground(IDSMenu* pDest, IDSMenu* pSrc, BSTR bsBackground)
{
    CHECK_HR(pDest->put_Background(bsBackground));
    double dblDuration = 0.0;
    CHECK_HR(pSrc->get_Duration(&dblDuration));
    CHECK_HR(pDest->put_Duration(dblDuration));
    return S_OK;
}

HRESULT ReadButtonCapacity(IDSMenu* pMenu, int& capacity)
{
    CHECK_NULL(pMenu);
    CDSLayout oLayout;
    CHECK_HR(pMenu->get_ButtonLayout(oLayout));
    capacity = CDSLayout(ULONG(oLayout)).GetMaxButtons();
    return S_OK;
}

bool IsProductionMoniker(std::wstring_view text)
{
    constexpr std::wstring_view kMoniker = L"moniker:";
    return text.size() >= kMoniker.size() &&
           CompareNoCase(text.substr(0, kMoniker.size()), kMoniker) == 0;
}

LONG IndexInList(IDSMenuElementList* pList, IDSMenuElement* pElement)
{
    LONG count = 0;
    pList->get_Count(&count);
    for (LONG index = 1; index <= count; ++index) {
        CComPtr<IDSMenuElement> spItem;
        if (SUCCEEDED(pList->get_Item(index, &spItem)) && spItem.IsEqualObject(pElement))
            return index;
    }
    return -1;
}

HRESULT MoveElementInto(IDSMenuElement* pElement, IDSMenuElementList* pTo, IDSMenuElement* pBefore)
{
    CHECK_NULL(pElement);
    CHECK_NULL(pTo);
    CComPtr<IDSMenuElementList> spFrom;
    CHECK_HR(pElement->GetParentList(&spFrom));
    CHECK_NULL(spFrom);
    LONG lOldIndex = IndexInList(spFrom, pElement);
    CComPtr<IDSMenuElement> spMoved;
    CHECK_HR(spFrom->RemoveElement(GetID(pElement), &spMoved));
    LONG lIndex = pBefore ? IndexInList(pTo, pBefore) : -1;
    if (HRESULT hr = pTo->InsertElement(lIndex, spMoved); FAILED(hr)) {
        spFrom->InsertElement(lOldIndex, spMoved);
        LOG_HR(hr, "pTo->InsertElement(lIndex, spMoved)");
        return hr;
    }
    CHECK_HR_SHORT(CDSMenuUtils::ClearForResolve(spMoved));
    return S_OK;
}
