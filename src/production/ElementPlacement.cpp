#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/Variant.h"

HRESULT CDSProductionUtils::SetElementPos(IUnknown* pSbd, IDSMenuElement* pElement, float x,
                                          float y)
{
    KVUClearErrorStack();
    CHECK_NULL(pSbd);
    CHECK_NULL(pElement);
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pSbd");
    CComPtr<IKVEEffectInfo> spItem = ElementItemOf(spSbd, pElement);
    if (!spItem)
        RETURN_CODE(E_SETELEMENTPOS_NO_EFFECT_ITEM);
    CComPtr<IXMLDOMNode> spEffect;
    CHECK_HR(spItem->GetEffectInfo(&spEffect));
    CComPtr<IXMLDOMElement> spPluginData;
    CHECK_HR_SHORT(ChildElementOf(spEffect, L"plugin_data", spPluginData));
    CComPtr<IXMLDOMElement> spPosition;
    CHECK_HR_SHORT(ChildElementOf(spPluginData, L"Position", spPosition));
    CHECK_HR(spPosition->setAttribute(CComBSTR(L"x"), CComVariant(double(x))));
    CHECK_HR(spPosition->setAttribute(CComBSTR(L"y"), CComVariant(double(y))));
    return S_OK;
}

HRESULT CDSProductionUtils::PositionBtnEffect(IUnknown* pEffect, IDSMenuButton* pButton, float x,
                                              float y)
{
    KVUClearErrorStack();
    CHECK_NULL(pEffect);
    CHECK_NULL(pButton);
    CComPtr<IKVEProductionData> spSbd = GetProduction(pEffect);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pEffect");
    CHECK_HR_SHORT(SetElementPos(spSbd, pButton, x, y));
    return S_OK;
}
