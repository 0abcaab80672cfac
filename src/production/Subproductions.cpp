#include "Subproductions.h"

#include "dsutils/TmpStr.h"

#include "platform/Check.h"

HRESULT GenerateSubproductionMoniker(LONG lId, BSTR* pbstrMoniker)
{
    CHECK_NULL(pbstrMoniker);
    *pbstrMoniker = SysAllocString(TmpStr(L"moniker::dvdproduction_%d", int(lId)));
    return S_OK;
}
