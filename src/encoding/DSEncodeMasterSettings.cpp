// Titles that follow the project's master encoding settings.
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSTitle.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Calls visit(title) for every title of the project that is not a slideshow, in project
// order, until a call answers other than S_OK; returns that answer.
template <class Visit> HRESULT VisitEncodedTitles(IDSProjectData* pProject, Visit visit)
{
    LONG lCount = 0;
    CHECK_HR(pProject->get_TitleCount(&lCount));
    for (LONG i = 1; i <= lCount; ++i) {
        CComPtr<IDSTitle> spTitle;
        CHECK_HR(pProject->get_Title(i, &spTitle));
        if (CDSProductionUtils::IsSlideShow(spTitle))
            continue;
        const HRESULT hr = visit(spTitle.p);
        if (hr != S_OK)
            return hr;
    }
    return S_OK;
}

} // namespace

bool CDSEncodeParams::AreAllTitlesUsingMasterSettings(IUnknown* pProject)
{
    CComQIPtr<IDSProjectData> spProject(pProject);
    CDSEncodeParams master;
    if (!spProject || FAILED(master.Read(spProject)))
        return false;
    const EncoderPresets eMasterPreset = master.GetEncoderPresets();
    const HRESULT hr = VisitEncodedTitles(spProject, [eMasterPreset](IDSTitle* pTitle) {
        CDSEncodeParams title;
        if (FAILED(title.Read(pTitle)))
            return E_FAIL;
        return title.GetEncoderPresets() == eMasterPreset ? S_OK : S_FALSE;
    });
    return hr == S_OK;
}

HRESULT CDSEncodeParams::SetAllTitlesToMasterSetting()
{
    KVUClearErrorStack();
    CHECK_NULL(m_spProj);
    return VisitEncodedTitles(m_spProj, [](IDSTitle* pTitle) {
        CDSEncodeParams encp;
        CHECK_HR(encp.Attach(pTitle));
        CHECK_HR(encp.SetSyncToProject(VARIANT_TRUE));
        return S_OK;
    });
}
