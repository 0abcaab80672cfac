#include "DisplayList.h"
#include "OverlaySources.h"
#include "OverlayZoom.h"
#include "RawSource.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"

namespace {

HRESULT MenuStoryboard(IDSMenuElement* pElement, IUnknown* pSbd, CComPtr<IUnknown>& spUnk)
{
    if (pSbd) {
        spUnk = pSbd;
        return S_OK;
    }
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pElement->GetMenu(&spMenu));
    CHECK_NULL(spMenu.p);
    CHECK_HR(spMenu->GetProduction(&spUnk));
    return S_OK;
}

// Gives an unset source its kind: a button's thumbnail shows what the button leads to, a free
// overlay the titles of its menu.
HRESULT SetDefaultSourceType(IDSMenuOverlay* pOvl, bool bBtn)
{
    LONG srcType = 0;
    LONG lId = 0;
    CHECK_HR(pOvl->GetSourceType(&srcType, &lId));
    if (srcType != OverlaySource_None)
        return S_OK;
    srcType = bBtn ? OverlaySource_ButtonLink : OverlaySource_AllMenuTitles;
    CHECK_HR(pOvl->SetSourceType(srcType, 0));
    return S_OK;
}

// A free overlay showing a file plays it for the menu's duration.
HRESULT SetOverlayDuration(IDSMenuOverlay* pOvl)
{
    CComBSTR bstrSource;
    CHECK_HR(pOvl->get_Source(&bstrSource));
    if (bstrSource.IsEmpty())
        return S_OK;
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pOvl->GetMenu(&spMenu));
    double dDuration = 0.0;
    CHECK_HR(CDSMenuUtils::GetDuration(spMenu, &dDuration));
    double dInPoint = 0.0;
    CHECK_HR(pOvl->get_InPoint(&dInPoint));
    CHECK_HR(pOvl->put_OutPoint(dInPoint + dDuration));
    return S_OK;
}

HRESULT CheckFileSource(IDSMenuOverlay* pOvl, bool bBtn, CKVUTimer& timer)
{
    CComBSTR bstrSource;
    CHECK_HR(pOvl->get_Source(&bstrSource));
    std::wstring file = bstrSource.Str();
    if (!IsExistingFile(IsDiscSource(file) ? file.substr(4) : file))
        CHECK_HR(pOvl->put_Source(NULL));
    if (!bBtn) {
        CHECK_HR_SHORT(SetOverlayDuration(pOvl));
        timer.AddEntry("SetOverlayDuration");
    }
    return S_OK;
}

HRESULT BuildDisplayList(IDSMenuOverlay* pOvl, LONG srcType, LONG lId, DisplayList& displayList,
                         CKVUTimer& timer)
{
    switch (srcType) {
    case OverlaySource_ButtonLink:
        CHECK_HR_SHORT(ResolveBtnCmdLink(pOvl, displayList));
        timer.AddEntry("ResolveBtnCmdLink");
        break;
    case OverlaySource_Title:
        CHECK_HR_SHORT(ResolveTitleId(pOvl, lId, displayList));
        timer.AddEntry("ResolveTitleId");
        break;
    case OverlaySource_AllTitles:
        CHECK_HR_SHORT(ResolveAllTitles(pOvl, displayList));
        timer.AddEntry("ResolveAllTitles");
        break;
    case OverlaySource_AllMenuTitles:
        CHECK_HR_SHORT(ResolveAllMenuTitles(pOvl, displayList));
        timer.AddEntry("ResolveAllMenuTitles");
        break;
    default:
        break;
    }
    return S_OK;
}

bool ShowsSingleSource(IDSMenuOverlay* pOvl)
{
    CComPtr<IDSProjectData> spProject = GetProject(pOvl);
    VARIANT_BOOL vbSingle = VARIANT_FALSE;
    return spProject && SUCCEEDED(spProject->get_SingleSourceOverlays(&vbSingle)) &&
           vbSingle == VARIANT_TRUE;
}

HRESULT SetOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                         const DisplayList& displayList, bool bBtn, double& dSourceAspect)
{
    CDSConfig config;
    bool bUseSubproduction =
        config.GetBool(bBtn ? DSConfig_ThumbnailSubProductions : DSConfig_OverlaySubProductions);
    if (displayList.empty()) {
        CHECK_HR(pOvl->put_Source(NULL));
        return S_OK;
    }
    if (displayList.size() == 1 || ShowsSingleSource(pOvl))
        return SetSingleOverlaySource(pMenuSbd, pOvl, displayList.front().m_Id,
                                      displayList.front().m_dOffset, bUseSubproduction,
                                      dSourceAspect);
    return SetMultipleOverlaySource(pMenuSbd, pOvl, displayList, bUseSubproduction);
}

} // namespace

HRESULT CDSMenuUtils::ResolveOverlaySource(IDSMenuOverlay* pOvl, IUnknown* pSbd, bool bBtn)
{
    KVUClearErrorStack();
    CHECK_NULL(pOvl);
    CKVUTimer timer("ResolveOverlaySource", 0);
    CComPtr<IUnknown> spUnk;
    CHECK_HR_SHORT(MenuStoryboard(pOvl, pSbd, spUnk));
    CComQIPtr<IKVEProductionData> pMenuSbd(spUnk);
    CHECK_NULL_TEXT(pMenuSbd.p, "(IKVEProductionData*)pMenuSbd");
    CHECK_HR_SHORT(SetDefaultSourceType(pOvl, bBtn));
    CHECK_HR(LimitMenuOverlaySubproductions(pOvl));
    LONG srcType = 0;
    LONG lId = 0;
    CHECK_HR(pOvl->GetSourceType(&srcType, &lId));
    // The shape of the source when resolving it told it: asking the file again costs a probe.
    double dSourceAspect = 0.0;
    if (srcType == OverlaySource_File) {
        CHECK_HR_SHORT(CheckFileSource(pOvl, bBtn, timer));
    } else {
        DisplayList displayList;
        CHECK_HR_SHORT(BuildDisplayList(pOvl, srcType, lId, displayList, timer));
        CHECK_HR_TEXT(SetOverlaySource(pMenuSbd, pOvl, displayList, bBtn, dSourceAspect),
                      "SetOverlaySource(pMenuSbd, pOvl, displayList, bBtn)");
        timer.AddEntry("SetOverlaySource");
    }
    CHECK_HR_SHORT(ZoomOverlaySource(pMenuSbd, pOvl, dSourceAspect));
    timer.AddEntry("Zoom Overlay Source");
    return S_OK;
}

HRESULT CDSMenuUtils::ResolveBtnThumbSource(IDSMenuButton* pBtn, IUnknown* pSbd)
{
    KVUClearErrorStack();
    CHECK_NULL(pBtn);
    CComPtr<IUnknown> spUnk;
    CHECK_HR_SHORT(MenuStoryboard(pBtn, pSbd, spUnk));
    std::vector<CComPtr<IDSMenuOverlay>> thumbnails = GetOverlayList(pBtn, OverlayType_Thumbnail);
    if (thumbnails.empty())
        return S_OK;
    CComPtr<IDSMenuOverlay> spThumbnail = thumbnails.front();
    VARIANT_BOOL vbZoom = VARIANT_FALSE;
    if ((GetTag(pBtn) & ButtonType_Command) && GetLinkedMenu(pBtn) &&
        SUCCEEDED(spThumbnail->get_ZoomToFill(&vbZoom)) && vbZoom != VARIANT_TRUE)
        CHECK_HR(spThumbnail->put_ZoomToFill(VARIANT_TRUE));
    CHECK_HR(ResolveOverlaySource(spThumbnail, spUnk, true));
    return S_OK;
}
