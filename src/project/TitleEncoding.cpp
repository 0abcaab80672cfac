#include "dsutils/DSAppUtils.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSTitle.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSAppUtils::SetEncodingParamsForSlideshows(IDSEncodingParams* pEncParams, IDSTitle* pTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pEncParams);
    CHECK_NULL(pTitle);
    CComPtr<IDSProjectData> spProject;
    CHECK_HR(pTitle->GetProject(&spProject));
    CHECK_NULL(spProject);
    CDSEncodeParams encp;
    CHECK_HR(encp.Read(spProject));
    CHECK_HR(encp.Write(pEncParams));
    // A slideshow is encoded for its stills: the project's master settings, made for moving
    // pictures, must not be carried over to it later.
    if (CDSProductionUtils::IsSlideShow(pTitle))
        CHECK_HR(pEncParams->put_SyncToProject(VARIANT_FALSE));
    else
        CHECK_HR(pEncParams->put_SyncToProject(VARIANT_TRUE));
    return S_OK;
}
