// A menu's background lives in a production of its own, owned by a private title of the
// project (the menu's BkgndID); the menu storyboard shows it as its first panel through a
// sub-production moniker, with the menu's duration and background audio.
#include "BackgroundAudio.h"
#include "MandatoryContent.h"
#include "Subproductions.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "themes/ElementSteps.h"

#include "model/KVEEditData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Variant.h"

namespace {

CComQIPtr<IKVEProductionData> MenuStoryboardOf(IDSMenu* pMenu)
{
    CComPtr<IUnknown> spUnkMenuSbd;
    if (FAILED(pMenu->GetProduction(&spUnkMenuSbd)))
        return nullptr;
    return CComQIPtr<IKVEProductionData>(spUnkMenuSbd);
}

HRESULT FindBackgroundTitle(IDSProjectData* spProject, LONG lBkgndID,
                            CComPtr<IDSTitle>& spBkgndTitle)
{
    CComPtr<IUnknown> spUnkBkgndTitle;
    CHECK_HR(spProject->FindByID(lBkgndID, &spUnkBkgndTitle));
    spBkgndTitle = CComQIPtr<IDSTitle>(spUnkBkgndTitle);
    CHECK_NULL_TEXT(spBkgndTitle.p, "(IDSTitle*)spUnkBkgndTitle");
    return S_OK;
}

HRESULT AddBackgroundTitle(IDSMenu* pMenu, IDSProjectData* spProject,
                           CComPtr<IDSTitle>& spBkgndTitle)
{
    CHECK_HR(spProject->AddTitle(-1, &spBkgndTitle));
    CHECK_HR(spBkgndTitle->put_Tag(TitleType_Private));
    LONG lBkgndID = 0;
    CHECK_HR(spBkgndTitle->get_ID(&lBkgndID));
    CHECK_HR(pMenu->put_BkgndID(lBkgndID));
    return S_OK;
}

// A Background named by a moniker is a production that the background production keeps
// under that name (a theme's background copied with its menu); it becomes the only panel.
HRESULT AddKeptProduction(IKVEProductionData* spProdData, const CComBSTR& bstrBkgndSource)
{
    CComPtr<IUnknown> spUnkSub;
    CHECK_HR(spProdData->GetSubProduction(bstrBkgndSource, &spUnkSub));
    if (!spUnkSub) {
        TRACE_LINE("Menu background \"%ls\" is not kept", bstrBkgndSource.Str().c_str());
        return S_FALSE;
    }
    CComQIPtr<IEditData> spEditData(spProdData);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spEditData");
    CHECK_HR(spEditData->AddProductionMoniker(0, bstrBkgndSource, spUnkSub, 0.0, 0.0, VARIANT_TRUE,
                                              NULL));
    return S_OK;
}

// Puts the menu's Background into the production: a production file as the whole of it, a
// kept production or any other file as its only panel. A file that does not exist leaves the
// production without panels, which the resolution then answers with the placeholder.
HRESULT AddBackgroundSource(IDSMenu* pMenu, IKVEProductionData* spProdData)
{
    CComBSTR bstrBkgndSource;
    CHECK_HR(pMenu->get_Background(&bstrBkgndSource));
    if (IsProductionMoniker(bstrBkgndSource.View()))
        return AddKeptProduction(spProdData, bstrBkgndSource);
    if (!IsExistingFile(bstrBkgndSource.Str())) {
        if (bstrBkgndSource.Length())
            TRACE_LINE("Menu background \"%ls\" is missing", bstrBkgndSource.Str().c_str());
        return S_FALSE;
    }
    if (CDSProductionUtils::IsProductionFile(bstrBkgndSource)) {
        CHECK_HR(spProdData->LoadProduction(bstrBkgndSource, 0));
        return S_OK;
    }
    CComQIPtr<IEditData> spEditData(spProdData);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spEditData");
    CHECK_HR_TEXT(spEditData->AddSourceFile(0, bstrBkgndSource, 0.0, 0.0, VARIANT_TRUE, NULL),
                  "spEditData->AddSourceFile (0, bstrBkgndSource, 0.0, 0.0, VARIANT_TRUE, NULL)");
    return S_OK;
}

// Makes the production last the menu's duration; a production without panels has nothing to
// stretch.
HRESULT LastMenuDuration(IDSMenu* pMenu, IKVEProductionData* spProdData)
{
    LONG lPanels = 0;
    CHECK_HR(spProdData->GetNumberOfPanels(&lPanels));
    if (lPanels == 0)
        return S_OK;
    double dDuration = 0.0;
    CHECK_HR(pMenu->get_Duration(&dDuration));
    CHECK_HR(CDSProductionUtils::SetDuration(spProdData, dDuration));
    return S_OK;
}

// Builds the background production from the menu anew, in the shape of the menu's frame.
HRESULT FillBackgroundProduction(IDSMenu* pMenu, IKVEProductionData* spProdData)
{
    CHECK_HR(CDSProductionUtils::ClearProduction(spProdData));
    CHECK_HR_SHORT(AddBackgroundSource(pMenu, spProdData));
    // A loaded production file brings its own shape, which the menu's replaces.
    CHECK_HR(CDSProductionUtils::MatchAspectRatio(MenuStoryboardOf(pMenu), spProdData));
    CHECK_HR_SHORT(LastMenuDuration(pMenu, spProdData));
    return S_OK;
}

// A background title whose production is marked for producing again (a new one, or one made
// stale by a new theme) is built from the menu's Background; a current one is kept.
HRESULT BringUpToDate(IDSMenu* pMenu, IDSTitle* spBkgndTitle, IKVEProductionData* spProdData)
{
    VARIANT_BOOL bCurrent = VARIANT_FALSE;
    CHECK_HR(spBkgndTitle->get_ProductionCurrent(&bCurrent));
    if (bCurrent != VARIANT_FALSE)
        return S_OK;
    CHECK_HR_SHORT(FillBackgroundProduction(pMenu, spProdData));
    CHECK_HR(spBkgndTitle->put_ProductionCurrent(VARIANT_TRUE));
    return S_OK;
}

// A production-file background whose media went missing shows black for the menu's duration
// instead of holes.
HRESULT ShowBlackForMissingMedia(IDSMenu* pMenu, IKVEProductionData* spMenuSbd,
                                 IKVEProductionData* spTargetSbd)
{
    CComBSTR bstrBkgndSource;
    CHECK_HR(pMenu->get_Background(&bstrBkgndSource));
    if (!CDSProductionUtils::IsProductionFile(bstrBkgndSource))
        return S_OK;
    CHECK_HR(CDSProductionUtils::MatchAspectRatio(spMenuSbd, spTargetSbd));
    CComVariant varFileNameList;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr,
                    spTargetSbd->GetMissingSourceFileNames(0, 0, VARIANT_FALSE, &varFileNameList));
    if (hr != S_OK)
        return S_OK;
    CComQIPtr<IEditData> spEditTargetSbd(spTargetSbd);
    CHECK_NULL_TEXT(spEditTargetSbd.p, "(IEditData*)spEditTargetSbd");
    // Every panel goes, not only the first: a missing file further on would otherwise be
    // found again by every resolution.
    CHECK_HR(CDSProductionUtils::ClearProduction(spTargetSbd));
    CHECK_HR(spEditTargetSbd->AddSolidColor(0, RGB(0, 0, 0), NULL));
    CHECK_HR_SHORT(LastMenuDuration(pMenu, spTargetSbd));
    return S_OK;
}

// A background production without panels makes the placeholder the menu's background and
// shows it at once.
HRESULT ShowPlaceholderWhenEmpty(IDSMenu* pMenu, IKVEProductionData* spBkgndSbd)
{
    LONG lPanels = 0;
    CHECK_HR(spBkgndSbd->GetNumberOfPanels(&lPanels));
    if (lPanels > 0)
        return S_OK;
    CHECK_HR_TEXT(pMenu->put_Background(CComBSTR(kPlaceholderPicture)),
                  "pMenu->put_Background(bstr_t(\"%CONTENT%/DVD/Mandatory/PlaceHolder.png\"))");
    CHECK_HR_SHORT(AddBackgroundSource(pMenu, spBkgndSbd));
    CHECK_HR_SHORT(LastMenuDuration(pMenu, spBkgndSbd));
    return S_OK;
}

bool ShowsFirst(IKVEProductionData* spMenuSbd, const CComBSTR& bstrBkgndMoniker)
{
    CComPtr<IBaseObject> spPanel;
    if (FAILED(spMenuSbd->GetPanelBaseObject(0, &spPanel)))
        return false;
    CComQIPtr<IKVEProductionMoniker> spMoniker(spPanel);
    CComBSTR bstrShown;
    return spMoniker && SUCCEEDED(spMoniker->get_Moniker(&bstrShown)) &&
           bstrShown.View() == bstrBkgndMoniker.View();
}

// Reading the change mark clears it, so that the next resolution sees only what changed
// after this one.
HRESULT TakeChangeMark(IKVEProductionData* spBkgndSbd, bool& bChanged)
{
    VARIANT_BOOL bMark = VARIANT_FALSE;
    CHECK_HR(spBkgndSbd->IsChanged(&bMark));
    bChanged = bMark != VARIANT_FALSE;
    if (bChanged)
        CHECK_HR(spBkgndSbd->ClearChangeMark());
    return S_OK;
}

// Panel 0 of the menu storyboard shows the background production under its moniker; it is
// replaced only when it shows something else or the background production changed.
HRESULT ShowBackgroundFirst(IDSMenu* pMenu, IKVEProductionData* spMenuSbd,
                            IKVEProductionData* spBkgndSbd)
{
    LONG lBkgndID = 0;
    CHECK_HR(pMenu->get_BkgndID(&lBkgndID));
    CComBSTR bstrBkgndMoniker;
    CHECK_HR(GenerateSubproductionMoniker(lBkgndID, &bstrBkgndMoniker));
    bool bChanged = false;
    CHECK_HR_SHORT(TakeChangeMark(spBkgndSbd, bChanged));
    if (!bChanged && ShowsFirst(spMenuSbd, bstrBkgndMoniker))
        return S_OK;
    LONG lPanels = 0;
    CHECK_HR(spMenuSbd->GetNumberOfPanels(&lPanels));
    if (lPanels > 0)
        CHECK_HR(spMenuSbd->DeletePanel(0));
    CComQIPtr<IEditData> spEditMenuSbd(spMenuSbd);
    CHECK_NULL_TEXT(spEditMenuSbd.p, "(IEditData*)spEditMenuSbd");
    IKVEProductionData* spUnkBkgndSbd = spBkgndSbd;
    CHECK_HR(spEditMenuSbd->AddProductionMoniker(0, bstrBkgndMoniker, spUnkBkgndSbd, 0.0, 0.0,
                                                 VARIANT_TRUE, NULL));
    return S_OK;
}

// The menu's Audio becomes the storyboard's background audio. A file that went missing plays
// nothing rather than stopping the menu from being resolved.
HRESULT ResolveBackgroundAudio(IDSMenu* pMenu, IKVEProductionData* spMenuSbd)
{
    CComBSTR bstrMenuAudio;
    CHECK_HR(pMenu->get_Audio(&bstrMenuAudio));
    if (bstrMenuAudio.Length() && !IsExistingFile(bstrMenuAudio.Str())) {
        TRACE_LINE("Menu audio \"%ls\" is missing", bstrMenuAudio.Str().c_str());
        bstrMenuAudio.Empty();
    }
    CComBSTR bstrCurrent;
    CHECK_HR(CDSProductionUtils::GetBkgndAudio(spMenuSbd, bstrCurrent));
    if (bstrCurrent.View() != bstrMenuAudio.View())
        CHECK_HR(CDSProductionUtils::SetBkgndAudio(spMenuSbd, bstrMenuAudio));
    CHECK_HR_SHORT(UseNativeAudioUnless(spMenuSbd, bstrMenuAudio.Length() != 0));
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::GetMenuBkgndProduction(IDSMenu* pMenu, IUnknown** ppBkgndSbd, bool bCreate)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(ppBkgndSbd);
    *ppBkgndSbd = nullptr;
    CComPtr<IDSProjectData> spProject = GetProject(pMenu);
    CHECK_NULL_TEXT(spProject.p, "(IDSProjectData*) spProject");
    LONG lBkgndID = 0;
    CHECK_HR(pMenu->get_BkgndID(&lBkgndID));
    if (lBkgndID == 0 && !bCreate)
        return S_FALSE;
    CComPtr<IDSTitle> spBkgndTitle;
    if (lBkgndID != 0)
        CHECK_HR_SHORT(FindBackgroundTitle(spProject, lBkgndID, spBkgndTitle));
    else
        CHECK_HR_SHORT(AddBackgroundTitle(pMenu, spProject, spBkgndTitle));
    CComPtr<IKVEProductionData> spProdData = CDSProductionUtils::GetProduction(spBkgndTitle);
    CHECK_NULL_TEXT(spProdData.p, "(IKVEProductionData*)spProdData");
    if (bCreate)
        CHECK_HR_SHORT(BringUpToDate(pMenu, spBkgndTitle, spProdData));
    CHECK_HR(spProdData->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ppBkgndSbd)));
    return S_OK;
}

HRESULT CDSMenuUtils::ResolveMenuBkgndSource(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CComPtr<IUnknown> spUnkMenuSbd;
    CHECK_HR(pMenu->GetProduction(&spUnkMenuSbd));
    CComQIPtr<IKVEProductionData> spMenuSbd(spUnkMenuSbd);
    CHECK_NULL_TEXT(spMenuSbd.p, "(IKVEProductionData*)spMenuSbd");
    CComPtr<IUnknown> spUnkBkgndSbd;
    CHECK_HR(GetMenuBkgndProduction(pMenu, &spUnkBkgndSbd, true));
    CComQIPtr<IKVEProductionData> spBkgndSbd(spUnkBkgndSbd);
    CHECK_NULL_TEXT(spBkgndSbd.p, "(IKVEProductionData*)spBkgndSbd");
    // The background production is settled before the menu storyboard looks at its change
    // mark, so that a second resolution finds nothing to do.
    CHECK_HR_SHORT(ShowBlackForMissingMedia(pMenu, spMenuSbd, spBkgndSbd));
    CHECK_HR_SHORT(ShowPlaceholderWhenEmpty(pMenu, spBkgndSbd));
    CHECK_HR_SHORT(ShowBackgroundFirst(pMenu, spMenuSbd, spBkgndSbd));
    double dDuration = 0.0;
    CHECK_HR(pMenu->get_Duration(&dDuration));
    CHECK_HR(CDSProductionUtils::SetDuration(spUnkMenuSbd, dDuration));
    CHECK_HR_SHORT(ResolveBackgroundAudio(pMenu, spMenuSbd));
    return S_OK;
}
