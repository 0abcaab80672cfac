#include "Subproductions.h"

#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"
#include "dsutils/TmpStr.h"

#include "model/IDSTitle.h"

#include "platform/Check.h"

namespace {

// The private title with that ID; null when the ID names nothing or something else.
CComPtr<IDSTitle> FindPrivateTitle(IDSProjectData* pProject, DWORD dwId)
{
    if (dwId == 0)
        return nullptr;
    CComPtr<IDSTitle> spTitle = FindTitle(pProject, dwId);
    if (!spTitle || !(GetTag(spTitle) & TitleType_Private))
        return nullptr;
    return spTitle;
}

HRESULT AddPrivateTitle(IDSProjectData* pProject, CComPtr<IDSTitle>& spTitle, DWORD* pdwPrivateId)
{
    CHECK_HR(pProject->AddTitle(-1, &spTitle));
    CHECK_HR(spTitle->put_Tag(TitleType_Private));
    LONG lId = 0;
    CHECK_HR(spTitle->get_ID(&lId));
    *pdwPrivateId = DWORD(lId);
    return S_OK;
}

} // namespace

HRESULT GenerateSubproductionMoniker(LONG lId, BSTR* pbstrMoniker)
{
    CHECK_NULL(pbstrMoniker);
    *pbstrMoniker = SysAllocString(TmpStr(L"moniker::dvdproduction_%d", int(lId)));
    return S_OK;
}

HRESULT AddSubproduction(IKVEProductionData* pMenuSbd, BSTR* pbstrMoniker, IUnknown* pProduction,
                         LONG lId)
{
    CHECK_NULL(pMenuSbd);
    CHECK_NULL(pbstrMoniker);
    CHECK_NULL(pProduction);
    if (lId <= 0)
        return E_INVALIDARG;
    CComBSTR bstrMoniker;
    CHECK_HR(GenerateSubproductionMoniker(lId, &bstrMoniker));
    CHECK_HR(pMenuSbd->SetSubProduction(bstrMoniker, pProduction));
    *pbstrMoniker = bstrMoniker.Detach();
    return S_OK;
}

HRESULT GetPrivateProduction(IDSProjectData* pProject, IKVEProductionData** ppSub,
                             DWORD* pdwPrivateId)
{
    CHECK_NULL(pProject);
    CHECK_NULL(ppSub);
    CHECK_NULL(pdwPrivateId);
    CComPtr<IDSTitle> spTitle = FindPrivateTitle(pProject, *pdwPrivateId);
    if (!spTitle)
        CHECK_HR_SHORT(AddPrivateTitle(pProject, spTitle, pdwPrivateId));
    CComPtr<IUnknown> spUnk;
    CHECK_HR(spTitle->GetProduction(&spUnk));
    CHECK_NULL(spUnk);
    CHECK_HR_TEXT(spUnk->QueryInterface(IID_IKVEProductionData, reinterpret_cast<void**>(ppSub)),
                  "spUnk->QueryInterface(IID_IKVEProductionData, (void**)ppSub)");
    return S_OK;
}

CComPtr<IKVEProductionData> FindPrivateProduction(IDSProjectData* pProject, DWORD dwPrivateId)
{
    return CDSProductionUtils::GetProduction(FindPrivateTitle(pProject, dwPrivateId));
}
