// Slideshows with more slides than a disc's slideshow can hold.
#include "dsutils/DSProjectValidator.h"

#include "Findings.h"

#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"

#include "model/KVEProductionData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The most panels a slideshow may have: slides on the even positions, the transitions between
// them on the odd ones.
constexpr LONG kMaxSlidePanels = 1997;
// The effect layers of a production: its panels' own (0) and those over the whole of it.
constexpr LONG kEffectLayers = 5;

// A colour panel between slides (a fade to black, a blank) shows no slide: it and the
// transition beside it do not count.
bool IsSlide(IBaseObject* pPanel)
{
    return !CComQIPtr<IKVESolidColor>(pPanel);
}

HRESULT CountSlidePanels(IKVEProductionData* pSbd, LONG nPanels, LONG& nCount)
{
    nCount = nPanels;
    for (LONG nPanel = 0; nPanel < nPanels; nPanel += 2) {
        CComPtr<IBaseObject> spPanel;
        CHECK_HR(pSbd->GetPanelBaseObject(nPanel, &spPanel));
        if (!IsSlide(spPanel))
            nCount -= 2;
    }
    return S_OK;
}

// The effects over a slideshow that ends are read before its slides are counted.
HRESULT ReadProductionEffects(IKVEProductionData* pSbd)
{
    CComPtr<IUnknown> spUnkn;
    CHECK_HR(pSbd->GetProductionObj(&spUnkn));
    CComQIPtr<IKVEProductionData> spParentObj(spUnkn);
    CHECK_NULL_TEXT(spParentObj.p, "(IKVEProductionData*) spParentObj");
    const double dTime = 0.0;
    for (LONG lLayer = 0; lLayer < kEffectLayers; ++lLayer) {
        CComPtr<IUnknown> spUnk;
        CHECK_HR(spParentObj->GetEffectAt(lLayer, dTime, &spUnk));
    }
    return S_OK;
}

} // namespace

HRESULT CDSProjectValidator::findTooBigSlideshows(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(pProject, kAllTags)) {
        if (!CDSProductionUtils::IsSlideShow(spTitle))
            continue;
        CComPtr<IUnknown> spUnknown;
        CHECK_HR(spTitle->GetProduction(&spUnknown));
        CComQIPtr<IKVEProductionData> spSbd(spUnknown);
        CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*) spSbd");
        if (!CDSProductionUtils::IsInfiniteSlideShow(spSbd))
            CHECK_HR_SHORT(ReadProductionEffects(spSbd));
        LONG nPanels = 0;
        CHECK_HR(spSbd->GetNumberOfPanels(&nPanels));
        if (nPanels <= kMaxSlidePanels)
            continue;
        LONG nCount = 0;
        CHECK_HR_SHORT(CountSlidePanels(spSbd, nPanels, nCount));
        LONG nTitleID = 0;
        CHECK_HR(spTitle->get_ID(&nTitleID));
        if (nCount > kMaxSlidePanels)
            AddFinding(m_errors, ErrorCode_TooManySlides, ErrorSeverity_Fatal, nTitleID);
    }
    return S_OK;
}
