// The background audio of a storyboard: one audio object of the kind enBackgroundAudio, a
// plain file repeated up to the storyboard's end or a smart audio track that arranges its own
// length.
#include "BackgroundAudio.h"

#include "dsutils/DSProductionUtils.h"

#include "ProductionAccess.h"

#include "model/KVEAudio.h"
#include "model/KVEEditData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

HRESULT DeleteBackgroundAudio(IKVEProductionData* pSbd, IEditData* spEditData)
{
    for (const CComPtr<IKVEAudioSubObject>& spAudio : BackgroundAudiosOf(pSbd)) {
        LONG lID = 0;
        CHECK_HR(spAudio->get_ID(&lID));
        CHECK_HR(spEditData->DeleteProductionAudio(lID));
    }
    return S_OK;
}

// A smart audio track plays from the start to the storyboard's end, however long that is.
HRESULT SetSbdBkgndSmartAudio(IEditData* spEditData, const CComBSTR& bstrTitle)
{
    CComPtr<IUnknown> spUnkAudio;
    CHECK_HR(
        spEditData->AddProductionSmartAudio(bstrTitle, enBackgroundAudio, 0.0, 0.0, &spUnkAudio));
    return S_OK;
}

HRESULT SetSbdBkgndFileAudio(IKVEProductionData* pSbd, IEditData* spEditData,
                             const CComBSTR& bstrSource)
{
    CComPtr<IUnknown> spUnkAudio;
    CHECK_HR(spEditData->AddProductionAudio(bstrSource, enBackgroundAudio, 0.0, &spUnkAudio));
    CHECK_HR(CDSProductionUtils::_matchBkgndAudioDuration(pSbd));
    return S_OK;
}

} // namespace

HRESULT UseNativeAudioUnless(IKVEProductionData* pSbd, bool bBackgroundAudio)
{
    LONG lPanels = 0;
    CHECK_HR(pSbd->GetNumberOfPanels(&lPanels));
    if (lPanels == 0)
        return S_OK;
    CComPtr<IBaseObject> spPanel;
    CHECK_HR(pSbd->GetPanelBaseObject(0, &spPanel));
    CComQIPtr<IKVEAudioObject> spAudioObj(spPanel);
    if (!spAudioObj)
        return S_OK;
    CHECK_HR(spAudioObj->put_UseNativeAudio(bBackgroundAudio ? VARIANT_FALSE : VARIANT_TRUE));
    return S_OK;
}

HRESULT CDSProductionUtils::SetBkgndAudio(IUnknown* pSbd, const CComBSTR& bstrAudio)
{
    KVUClearErrorStack();
    CHECK_NULL(pSbd);
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pSbd");
    CComQIPtr<IEditData> spEditData(pSbd);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spEditData");
    CHECK_HR_SHORT(DeleteBackgroundAudio(spSbd, spEditData));
    if (bstrAudio.Length()) {
        if (IsSmartSoundAudio(bstrAudio))
            CHECK_HR_SHORT(SetSbdBkgndSmartAudio(spEditData, bstrAudio));
        else
            CHECK_HR_SHORT(SetSbdBkgndFileAudio(spSbd, spEditData, bstrAudio));
    }
    CHECK_HR_SHORT(UseNativeAudioUnless(spSbd, bstrAudio.Length() != 0));
    return S_OK;
}

HRESULT CDSProductionUtils::GetBkgndAudio(IUnknown* pSbd, CComBSTR& bstrAudio)
{
    KVUClearErrorStack();
    CHECK_NULL(pSbd);
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*)pSbd");
    bstrAudio.Empty();
    std::vector<CComPtr<IKVEAudioSubObject>> audios = BackgroundAudiosOf(spSbd);
    if (audios.empty())
        return S_FALSE;
    BSTR* pbstrAudioSource = &bstrAudio;
    if (CComQIPtr<IKVESmartAudio> pSmartAudio = audios.front().p) {
        CHECK_HR(pSmartAudio->get_Moniker(pbstrAudioSource));
        return S_OK;
    }
    CComQIPtr<IKVEAudioSource> spAudioSource(audios.front().p);
    CHECK_NULL_TEXT(spAudioSource.p, "(IKVEAudioSource*)spAudioSource");
    CHECK_HR(spAudioSource->get_FileName(pbstrAudioSource));
    return S_OK;
}
