#include "BackdropSetting.h"
#include "OnDiscThumbnails.h"
#include "OverlaySources.h"
#include "OverlayStills.h"
#include "RawSource.h"
#include "Subproductions.h"

#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/ResultCodes.h"

namespace {

struct SingleSource
{
    CComPtr<IUnknown> spObject;
    // The title, when the source is one (a button may lead to a menu instead).
    CComQIPtr<IDSTitle> spTitle;
    LONG lId = 0;
    double dOffset = 0.0;
    // What is learnt of the picture's shape on the way.
    double* pdAspect = nullptr;
};

HRESULT ClearSource(IDSMenuOverlay* pOvl)
{
    CHECK_HR(pOvl->put_Source(NULL));
    return S_OK;
}

CComBSTR SourceOf(IDSMenuOverlay* pOvl)
{
    CComBSTR bstrSource;
    pOvl->get_Source(&bstrSource);
    return bstrSource;
}

bool IsOnDiscTitle(IDSTitle* pTitle, IDSProjectData* pProject)
{
    LONG count = 0;
    return pTitle && SUCCEEDED(pTitle->get_OnDiscCount(&count)) && count > 0 &&
           !IsHDProject(pProject);
}

bool IsStillButtonThumbnail(IDSMenuOverlay* pOvl)
{
    CComPtr<IDSMenuElementList> spParent;
    pOvl->GetParentList(&spParent);
    VARIANT_BOOL vbStill = VARIANT_FALSE;
    return CComQIPtr<IDSMenuButton>(spParent) && SUCCEEDED(pOvl->get_StillImage(&vbStill)) &&
           vbStill != VARIANT_FALSE;
}

HRESULT SetOnDiscSource(IDSMenuOverlay* pOvl, const SingleSource& source)
{
    CComBSTR bstrCached;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, GetOnDiscCachedTitleThumbnail(pOvl, source.lId, &bstrCached));
    if (hr != S_OK)
        return ClearSource(pOvl);
    if (SourceOf(pOvl).Str() != bstrCached.Str())
        CHECK_HR(pOvl->put_Source(bstrCached));
    return S_OK;
}

// A still thumbnail that cannot be made leaves the overlay without a picture: it does not
// stop the menu's resolution.
HRESULT SetStillSource(IDSMenuOverlay* pOvl, const SingleSource& source)
{
    CComBSTR bstrOriginal;
    CHECK_HR(pOvl->get_Source(&bstrOriginal));
    CComBSTR bstrStill;
    if (FAILED(ExtractRawImage(pOvl, source.lId, source.dOffset, &bstrStill, source.pdAspect)) ||
        bstrStill.IsEmpty())
        return ClearSource(pOvl);
    if (bstrOriginal.Str() != bstrStill.Str())
        CHECK_HR(pOvl->put_Source(bstrStill));
    return S_OK;
}

HRESULT SetSubproductionSource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                               IKVEProductionData* pProduction, const SingleSource& source)
{
    CComBSTR bstrMoniker;
    CHECK_HR(AddSubproduction(pMenuSbd, &bstrMoniker, pProduction, source.lId));
    CHECK_HR(pOvl->put_Source(bstrMoniker));
    CHECK_HR(pOvl->put_InPoint(source.dOffset));
    return S_OK;
}

// The file a source names, for a stream on a disc the file that holds it.
std::wstring FileOfSource(const std::wstring& file)
{
    return IsDiscSource(file) ? file.substr(4) : file;
}

HRESULT SetFileSource(IDSMenuOverlay* pOvl, const SingleSource& source,
                      const RawSourceInfo& srcInfo)
{
    if (IsDiscSource(srcInfo.m_szSrcFile) && !IsExistingFile(FileOfSource(srcInfo.m_szSrcFile))) {
        TRACE_LINE("Could not extract raw image from VOB");
        return ClearSource(pOvl);
    }
    CHECK_HR(pOvl->put_Source(CComBSTR(srcInfo.m_szSrcFile.c_str())));
    CHECK_HR(pOvl->put_SourceRotation(srcInfo.m_lAngle));
    CHECK_HR(pOvl->put_InPoint(srcInfo.m_dInPoint));
    CHECK_HR(pOvl->put_OutPoint(srcInfo.m_dOutPoint));
    *source.pdAspect = srcInfo.m_dAspectRatio;
    return S_OK;
}

// Step 5: the file found, or what it stands for.
HRESULT SetFoundSource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                       IKVEProductionData* pProduction, const SingleSource& source,
                       RawSourceInfo srcInfo)
{
    if (CDSProductionUtils::IsProductionFile(srcInfo.m_szSrcFile.c_str()) &&
        FAILED(ExtractFirstSource(srcInfo.m_szSrcFile, srcInfo)))
        return ClearSource(pOvl);
    if (source.spTitle && NamesThemeBackdrop(SourceOf(pOvl).Str()) &&
        UseSubproductionsForOverlays())
        return SetSubproductionSource(pMenuSbd, pOvl, pProduction, source);
    return SetFileSource(pOvl, source, srcInfo);
}

HRESULT SetPictureSource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                         const SingleSource& source, bool bUseSubproduction)
{
    CComPtr<IKVEProductionData> spProduction = CDSProductionUtils::GetProduction(source.spObject);
    if (!spProduction)
        return ClearSource(pOvl);
    RawSourceInfo srcInfo;
    HRESULT hr = ExtractRawSource(spProduction, source.dOffset, srcInfo);
    if (hr == E_OVERLAYSOURCE_CANT_RESOLVE)
        return ClearSource(pOvl);
    CHECK_HR_TEXT(hr, "ExtractRawSource failed");
    // A menu's production is never kept inside another menu's: two menus leading to each
    // other would then hold each other for ever.
    if (hr == S_FALSE && bUseSubproduction && source.spTitle)
        return SetSubproductionSource(pMenuSbd, pOvl, spProduction, source);
    return SetFoundSource(pMenuSbd, pOvl, spProduction, source, srcInfo);
}

} // namespace

HRESULT SetSingleOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl, LONG lSourceId,
                               double dOffset, bool bUseSubproduction, double& dSourceAspect)
{
    dSourceAspect = 0.0;
    CHECK_NULL(pMenuSbd);
    CHECK_NULL(pOvl);
    CComPtr<IDSProjectData> spProject = GetProject(pOvl);
    CHECK_NULL_TEXT(spProject.p, "(IDSProjectData*)spProject");
    SingleSource source;
    source.lId = lSourceId;
    source.dOffset = dOffset;
    source.pdAspect = &dSourceAspect;
    spProject->FindByID(lSourceId, &source.spObject);
    source.spTitle = source.spObject.p;
    if (IsOnDiscTitle(source.spTitle, spProject))
        return SetOnDiscSource(pOvl, source);
    if (IsStillButtonThumbnail(pOvl))
        return SetStillSource(pOvl, source);
    return SetPictureSource(pMenuSbd, pOvl, source, bUseSubproduction);
}
