#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/Variant.h"

namespace {

// The "Position" entry of an item's effect data, made when it is missing.
HRESULT PositionEntryOf(IKVEEffectInfo* pItem, CComPtr<IXMLDOMElement>& spPosition)
{
    CComPtr<IXMLDOMNode> spEffect;
    CHECK_HR(pItem->GetEffectInfo(&spEffect));
    CComPtr<IXMLDOMNode> spPluginData;
    CHECK_HR(spEffect->selectSingleNode(CComBSTR(L"plugin_data"), &spPluginData));
    CHECK_NULL(spPluginData.p);
    CComPtr<IXMLDOMNode> spFound;
    CHECK_HR(spPluginData->selectSingleNode(CComBSTR(L"Position"), &spFound));
    if (spFound) {
        spPosition = CComQIPtr<IXMLDOMElement>(spFound);
        return S_OK;
    }
    CComPtr<IXMLDOMDocument> spDocument;
    CHECK_HR(spEffect->get_ownerDocument(&spDocument));
    CHECK_NULL(spDocument.p);
    CHECK_HR(spDocument->createElement(CComBSTR(L"Position"), &spPosition));
    CHECK_HR(spPluginData->appendChild(spPosition, nullptr));
    return S_OK;
}

} // namespace

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
    CComPtr<IXMLDOMElement> spPosition;
    CHECK_HR_SHORT(PositionEntryOf(spItem, spPosition));
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
