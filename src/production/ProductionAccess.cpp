#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"

CComPtr<IProductionInfo> ProductionInfoOf(IUnknown* pObject)
{
    // The production object answers for itself; so may a storyboard.
    if (CComQIPtr<IProductionInfo> spInfo = pObject)
        return spInfo;
    CComPtr<IKVEProductionData> spSbd = CDSProductionUtils::GetProduction(pObject);
    CComPtr<IUnknown> spProductionObj;
    if (!spSbd || !Answered(spSbd->GetProductionObj(&spProductionObj),
                            "spSbd->GetProductionObj(&spProductionObj)"))
        return nullptr;
    return CComQIPtr<IProductionInfo>(spProductionObj);
}

CComPtr<IXMLDOMNode> SlideShowDocOf(IUnknown* pObject)
{
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    CComPtr<IXMLDOMNode> spSlideShowDoc;
    if (!spInfo || !Answered(spInfo->GetMetaData(CComBSTR(L"SlideShowDoc"), &spSlideShowDoc),
                             "spInfo->GetMetaData(CComBSTR(L\"SlideShowDoc\"), &spSlideShowDoc)"))
        return nullptr;
    return spSlideShowDoc;
}

CComPtr<IKVEEffectInfo> ElementItemOf(IKVEProductionData* pSbd, IDSMenuElement* pElement,
                                      LONG* pItemId)
{
    if (pItemId)
        *pItemId = 0;
    CComQIPtr<IKVEMenuComposition> spComposition(pSbd);
    LONG itemId = 0;
    LONG elementId = 0;
    LONG ownerId = 0;
    CComPtr<IUnknown> spItem;
    // The item must be the element's own: an effect ID from another menu's storyboard may
    // name some other object here.
    if (!spComposition || FAILED(pElement->get_EffectID(&itemId)) || itemId <= 0 ||
        FAILED(pElement->get_ID(&elementId)) ||
        FAILED(spComposition->GetElementOfItem(itemId, &ownerId)) || ownerId != elementId ||
        FAILED(pSbd->GetObjectByID(itemId, &spItem)))
        return nullptr;
    CComQIPtr<IKVEEffectInfo> spEffect(spItem);
    if (spEffect && pItemId)
        *pItemId = itemId;
    return spEffect;
}

HRESULT ChildElementOf(IXMLDOMNode* pParent, const wchar_t* name, CComPtr<IXMLDOMElement>& spChild)
{
    CComPtr<IXMLDOMNode> spFound;
    CHECK_HR(pParent->selectSingleNode(CComBSTR(name), &spFound));
    if (spFound) {
        spChild = CComQIPtr<IXMLDOMElement>(spFound);
        CHECK_NULL_TEXT(spChild.p, "(IXMLDOMElement*)spFound");
        return S_OK;
    }
    CComPtr<IXMLDOMDocument> spDocument;
    CHECK_HR(pParent->get_ownerDocument(&spDocument));
    CHECK_NULL(spDocument.p);
    CHECK_HR(spDocument->createElement(CComBSTR(name), &spChild));
    CHECK_HR(pParent->appendChild(spChild, nullptr));
    return S_OK;
}

std::vector<CComPtr<IKVEAudioSubObject>> BackgroundAudiosOf(IKVEProductionData* pSbd)
{
    std::vector<CComPtr<IKVEAudioSubObject>> found;
    LONG count = 0;
    if (!pSbd || FAILED(pSbd->GetNumberOfAudios(&count)))
        return found;
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IUnknown> spAudio;
        LONG kind = -1;
        if (FAILED(pSbd->GetAudioItem(i, &spAudio)))
            continue;
        CComQIPtr<IKVEAudioSubObject> spSub(spAudio);
        if (spSub && SUCCEEDED(spSub->get_Kind(&kind)) && kind == enBackgroundAudio)
            found.push_back(spSub);
    }
    return found;
}

bool Answered(HRESULT hr, const char* query)
{
    if (FAILED(hr) && hr != E_NOINTERFACE)
        LOG_HR(hr, query);
    return SUCCEEDED(hr);
}
