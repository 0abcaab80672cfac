#include "MediaNames.h"
#include "TitleSources.h"
#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEProductionData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/ResultCodes.h"

namespace {

// The engine would take an uneditable file and fail later, when the title is encoded.
HRESULT RefuseUneditable(const EngineNames& names)
{
    for (const std::wstring& file : names.files) {
        HRESULT hr = CDSProductionUtils::IsFileEditable(file.c_str());
        if (hr != S_OK) {
            REPORT_REFUSED_FILE(FAILED(hr) ? hr : E_FAIL, file);
            RETURN_CODE(E_ADDTITLE_FILE_NOT_EDITABLE);
        }
    }
    return S_OK;
}

HRESULT AppendSources(IKVEProductionData* piStoryBoard, const EngineNames& names,
                      const TitleSources& sources)
{
    LONG numPanels = 0;
    CHECK_HR(piStoryBoard->GetNumberOfPanels(&numPanels));
    CComVariant files = MakeStringArray(names.files);
    CComVariant types = MakeLongArray(sources.sourceTypes);
    CComVariant eyes = MakeBoolArray(sources.leftEyeFirst);
    SAFEARRAY* pFileArr = files.parray;
    SAFEARRAY* pSourceTypeArr = types.parray;
    SAFEARRAY* pLeftEyeFirstFlagArr = eyes.parray;
    bool bProtocol = names.withProtocol;
    CHECK_HR(piStoryBoard->Add3DSourceFiles(pFileArr, pSourceTypeArr, pLeftEyeFirstFlagArr,
                                            numPanels, bProtocol ? VARIANT_TRUE : VARIANT_FALSE,
                                            NULL));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::AddMediaToTitle(IDSTitle* pTitle, VARIANT files, VARIANT sourceTypes,
                                     VARIANT leftEyeFirst)
{
    KVUClearErrorStack();
    CHECK_NULL(pTitle);
    CKVUTimer timer("DSAppUtils::AddMediaToTitle", 0);
    TitleSources sources;
    CHECK_HR_SHORT(ReadTitleSources(files, sourceTypes, leftEyeFirst, sources));
    EngineNames names = EngineNamesOf(sources.files);
    CHECK_HR_SHORT(RefuseUneditable(names));
    timer.AddEntry("PostEditable");
    CComPtr<IDSProjectData> spProject;
    CHECK_HR(pTitle->GetProject(&spProject));
    CHECK_NULL(spProject);
    CComPtr<IUnknown> spUnk;
    CHECK_HR(pTitle->GetProduction(&spUnk));
    CComQIPtr<IKVEProductionData> piStoryBoard(spUnk);
    CHECK_NULL(piStoryBoard);
    LONG lDSID = 0;
    CHECK_HR(pTitle->get_ID(&lDSID));
    CHECK_HR(spProject->BeginStoryboardUndo(spUnk, (DWORD)lDSID));
    HRESULT hr = AppendSources(piStoryBoard, names, sources);
    if (FAILED(hr)) {
        // Nothing was added: the step would only undo nothing.
        spProject->UndoStoryboard();
        return hr;
    }
    timer.AddEntry("AddSourceFiles");
    return S_OK;
}
