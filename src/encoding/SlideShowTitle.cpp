#include "SlideShowTitle.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

bool IsSlideShowTitle(IDSTitle* pTitle)
{
    CComPtr<IUnknown> spProduction;
    if (!pTitle || FAILED(pTitle->GetProduction(&spProduction)))
        return false;
    CComQIPtr<IKVEProductionData> spSbd(spProduction);
    CComPtr<IUnknown> spProductionObj;
    if (!spSbd || FAILED(spSbd->GetProductionObj(&spProductionObj)))
        return false;
    CComQIPtr<IProductionInfo> spInfo(spProductionObj);
    CComPtr<IXMLDOMNode> spSlideShowDoc;
    return spInfo && spInfo->GetMetaData(CComBSTR(L"SlideShowDoc"), &spSlideShowDoc) == S_OK &&
           spSlideShowDoc;
}
