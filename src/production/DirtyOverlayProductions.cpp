#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSMenuUtils::_DirtyOverlayProductions(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(pProject, TitleType_Private))
        spTitle->put_ProductionCurrent(VARIANT_FALSE);
    return S_OK;
}
