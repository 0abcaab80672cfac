#include "dsutils/DSProductionUtils.h"

#include "model/IDSTitle.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "platform/ComPtr.h"

namespace {

// The information of a production: the production object answers it, and so may the
// production itself; a title stands for its production.
CComPtr<IProductionInfo> ProductionInfoOf(IUnknown* pObject)
{
    CComPtr<IUnknown> spObject(pObject);
    if (CComQIPtr<IDSTitle> spTitle = spObject) {
        spObject = nullptr;
        if (FAILED(spTitle->GetProduction(&spObject)))
            return nullptr;
    }
    if (CComQIPtr<IProductionInfo> spInfo = spObject)
        return spInfo;
    CComQIPtr<IKVEProductionData> spSbd(spObject);
    CComPtr<IUnknown> spProductionObj;
    if (!spSbd || FAILED(spSbd->GetProductionObj(&spProductionObj)))
        return nullptr;
    return CComQIPtr<IProductionInfo>(spProductionObj);
}

} // namespace

bool CDSProductionUtils::IsSlideShow(IUnknown* pObject)
{
    if (!pObject)
        return false;
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    CComPtr<IXMLDOMNode> spSlideShowDoc;
    return spInfo && spInfo->GetMetaData(CComBSTR(L"SlideShowDoc"), &spSlideShowDoc) == S_OK &&
           spSlideShowDoc;
}
