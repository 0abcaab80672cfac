#include "MandatoryContent.h"
#include "OnDiscThumbnails.h"
#include "OverlaySources.h"
#include "RawSource.h"
#include "Subproductions.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"
#include "dsutils/DSTransition.h"

#include "foundation/FileOperations.h"

#include "model/KVEEditData.h"

#include "platform/Check.h"
#include "platform/DebugOutput.h"

#include <algorithm>

namespace {

struct Montage
{
    CComPtr<IKVEProductionData> spPrivate;
    CComQIPtr<IEditData> spEditData;
    CComPtr<IUnknown> spTrans;
    double dPanelDuration = 0.0;
};

// The picture of one title in a montage without nested productions: a file and the interval
// of it to play.
struct MontagePicture
{
    std::wstring file;
    double dStart = 0.0;
    double dEnd = 0.0;
};

// The titles of the list, each with its offset; other entries have no place in a montage.
std::vector<std::pair<CComPtr<IDSTitle>, double>> TitlesOf(IDSMenuOverlay* pOvl,
                                                           const DisplayList& displayList)
{
    std::vector<std::pair<CComPtr<IDSTitle>, double>> titles;
    CComPtr<IDSProjectData> spProject = GetProject(pOvl);
    for (const DisplayEntry& entry : displayList) {
        if (CComPtr<IDSTitle> spTitle = FindTitle(spProject, ULONG(entry.m_Id)))
            titles.emplace_back(spTitle, entry.m_dOffset);
    }
    return titles;
}

// Steps 1 to 3: the dissolve, the share of each title, and the overlay's private production
// emptied and shaped like the menu.
HRESULT PrepareMontage(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl, size_t count,
                       Montage& montage)
{
    CDSTransition catalogue;
    CHECK_HR(catalogue.FindByName(L"Dissolve", &montage.spTrans));
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pOvl->GetMenu(&spMenu));
    double dMenuDuration = 0.0;
    CHECK_HR(CDSMenuUtils::GetDuration(spMenu, &dMenuDuration));
    montage.dPanelDuration = dMenuDuration / double(std::max<size_t>(count, 1));
    LONG lPrivateId = 0;
    CHECK_HR(pOvl->get_PrivateId(&lPrivateId));
    DWORD dwTitleId = DWORD(lPrivateId);
    CHECK_HR(GetPrivateProduction(GetProject(spMenu), &montage.spPrivate, &dwTitleId));
    if (dwTitleId != DWORD(lPrivateId))
        CHECK_HR(pOvl->put_PrivateId(LONG(dwTitleId)));
    CHECK_HR(CDSProductionUtils::ClearProduction(montage.spPrivate));
    CHECK_HR(CDSProductionUtils::MatchAspectRatio(pMenuSbd, montage.spPrivate));
    montage.spEditData = montage.spPrivate.p;
    CHECK_NULL_TEXT(montage.spEditData.p, "(IEditData*)spEditData");
    return S_OK;
}

bool IsOnDiscTitle(IDSTitle* pTitle)
{
    LONG count = 0;
    return SUCCEEDED(pTitle->get_OnDiscCount(&count)) && count > 0 &&
           !IsHDProject(GetProject(pTitle));
}

// The placeholder when it is there; an empty name (a black panel) when even that is missing.
MontagePicture Placeholder()
{
    if (IsExistingFile(kPlaceholderPicture))
        return {kPlaceholderPicture, 0.0, 0.0};
    OutputDebugStringW(L">>> WARNING: Default Reelmark placeholder is missing! <<<");
    return {};
}

MontagePicture PictureOfTitle(IDSMenuOverlay* pOvl, IDSTitle* pTitle, double dOffset)
{
    if (IsOnDiscTitle(pTitle)) {
        CComBSTR bstrCached;
        if (GetOnDiscCachedTitleThumbnail(pOvl, GetID(pTitle), &bstrCached) == S_OK)
            return {bstrCached.Str(), 0.0, 0.0};
        return Placeholder();
    }
    RawSourceInfo srcInfo;
    if (FAILED(ExtractRawSource(CDSProductionUtils::GetProduction(pTitle), dOffset, srcInfo)) ||
        (CDSProductionUtils::IsProductionFile(srcInfo.m_szSrcFile.c_str()) &&
         FAILED(ExtractFirstSource(srcInfo.m_szSrcFile, srcInfo))))
        return Placeholder();
    std::wstring file =
        IsDiscSource(srcInfo.m_szSrcFile) ? srcInfo.m_szSrcFile.substr(4) : srcInfo.m_szSrcFile;
    if (!IsExistingFile(file))
        return Placeholder();
    return {srcInfo.m_szSrcFile, srcInfo.m_dInPoint, srcInfo.m_dOutPoint};
}

HRESULT AddTitleProduction(const Montage& montage, IDSTitle* pTitle, double dOffset, LONG j)
{
    CComPtr<IUnknown> spProduction;
    CHECK_HR(pTitle->GetProduction(&spProduction));
    CComBSTR bstrMoniker;
    CHECK_HR(GenerateSubproductionMoniker(GetID(pTitle), &bstrMoniker));
    CComPtr<IUnknown> spUnk;
    CHECK_HR(montage.spEditData->AddProductionMoniker(
        j, bstrMoniker, spProduction, dOffset, montage.dPanelDuration, VARIANT_FALSE, &spUnk));
    return S_OK;
}

HRESULT AddTitlePicture(const Montage& montage, IDSMenuOverlay* pOvl, IDSTitle* pTitle,
                        double dOffset, LONG j)
{
    MontagePicture srcInfo = PictureOfTitle(pOvl, pTitle, dOffset);
    CComPtr<IUnknown> spUnk;
    if (srcInfo.file.empty())
        CHECK_HR(montage.spEditData->AddSolidColor(j, 0, &spUnk));
    else
        CHECK_HR(montage.spEditData->AddSourceFile(j, CComBSTR(srcInfo.file.c_str()),
                                                   srcInfo.dStart, srcInfo.dEnd, VARIANT_FALSE,
                                                   &spUnk));
    CComQIPtr<IBaseObject> spPanel(spUnk);
    CHECK_NULL(spPanel.p);
    // A source shorter than its share keeps its own length.
    if (FAILED(spPanel->put_Duration(montage.dPanelDuration)))
        TRACE_LINE("Setting OutPoint did not work %f", montage.dPanelDuration);
    return S_OK;
}

HRESULT AddDissolve(const Montage& montage, LONG position)
{
    CComPtr<IUnknown> spUnk;
    CHECK_HR(montage.spEditData->AddTransition(position, montage.spTrans, &spUnk, NULL));
    return S_OK;
}

} // namespace

HRESULT SetMultipleOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                                 const DisplayList& displayList, bool bUseSubproduction)
{
    CHECK_NULL(pMenuSbd);
    CHECK_NULL(pOvl);
    std::vector<std::pair<CComPtr<IDSTitle>, double>> titles = TitlesOf(pOvl, displayList);
    Montage montage;
    CHECK_HR_SHORT(PrepareMontage(pMenuSbd, pOvl, titles.size(), montage));
    for (size_t i = 0; i < titles.size(); ++i) {
        LONG j = LONG(2 * i);
        if (bUseSubproduction)
            CHECK_HR_SHORT(AddTitleProduction(montage, titles[i].first, titles[i].second, j));
        else
            CHECK_HR_SHORT(AddTitlePicture(montage, pOvl, titles[i].first, titles[i].second, j));
        if (j > 0)
            CHECK_HR_SHORT(AddDissolve(montage, j - 1));
    }
    CComBSTR bstrMoniker;
    CHECK_HR(AddSubproduction(pMenuSbd, &bstrMoniker, montage.spPrivate, GetID(pOvl)));
    CHECK_HR(pOvl->put_Source(bstrMoniker));
    CHECK_HR(pOvl->put_InPoint(0.0));
    return S_OK;
}
