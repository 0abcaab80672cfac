#include "OverlayStills.h"
#include "RawSource.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/PathService.h"
#include "platform/TaskMemory.h"
#include "platform/WideFormat.h"

#include <memory>

namespace {

// A title flag: the title's stills are shared through the chapter-still cache.
constexpr ULONG TitleFlag_ChapterStills = 0x2;

struct StillRequest
{
    CComPtr<IKVEProductionData> spProduction;
    int nX = 0;
    int nY = 0;
    CComBSTR bstrFile;
    bool bChapterStill = false;
};

CComPtr<IUnknown> FindObject(IDSProjectData* pProject, LONG lId)
{
    CComPtr<IUnknown> spObject;
    if (pProject)
        pProject->FindByID(lId, &spObject);
    return spObject;
}

// The still's size: the menu's frame height, and the width of the production's shape.
HRESULT StillSize(IDSMenuOverlay* pOvl, StillRequest& request)
{
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pOvl->GetMenu(&spMenu));
    CHECK_HR(CDSMenuUtils::GetMenuSize(spMenu, request.nX, request.nY));
    bool b4x3 = CDSProductionUtils::GetAspectRatio(request.spProduction) == AspectRatio_4x3;
    request.nX = b4x3 ? request.nY * 4 / 3 : request.nY * 16 / 9;
    return S_OK;
}

// The chapter-still name of the source file shown at the offset; false when there is none.
bool ChapterStillName(IKVEProductionData* pProduction, double dOffset, CComBSTR& bstrFile)
{
    RawSourceInfo info;
    if (FAILED(ExtractRawSource(pProduction, dOffset, info)) || IsDiscSource(info.m_szSrcFile))
        return false;
    CDSFileUtils files;
    std::wstring source = ResolveContentPath(info.m_szSrcFile);
    return files.ComposeChapterStillFilename(info.m_dInPoint, source.c_str(), &bstrFile) == S_OK;
}

HRESULT NameStill(IDSMenuOverlay* pOvl, IUnknown* pSource, LONG lSourceId, double dOffset,
                  StillRequest& request)
{
    request.bChapterStill = (GetFlag(pSource) & TitleFlag_ChapterStills) &&
                            ChapterStillName(request.spProduction, dOffset, request.bstrFile);
    if (!request.bChapterStill)
        CHECK_HR(ComposeOverlayStillFilename(GetID(pOvl), lSourceId, dOffset, &request.bstrFile));
    return S_OK;
}

bool CanReuse(IDSMenuOverlay* pOvl, const StillRequest& request)
{
    if (!IsExistingFile(request.bstrFile.Str()))
        return false;
    CComBSTR bstrSource;
    pOvl->get_Source(&bstrSource);
    return request.bChapterStill || bstrSource.Str() == request.bstrFile.Str();
}

HRESULT RenderStill(const StillRequest& request, double dOffset)
{
    BYTE* pBytes = nullptr;
    CHECK_HR(CDSProductionUtils::GetImage_32(request.spProduction, nullptr, request.nX, request.nY,
                                             &pBytes, dOffset));
    std::unique_ptr<BYTE, decltype(&CoTaskMemFree)> spBytes(pBytes, &CoTaskMemFree);
    CHECK_HR(CDSProductionUtils::SaveImage_32(spBytes.get(), request.nX, request.nY,
                                              request.bstrFile.Str().c_str()));
    return S_OK;
}

} // namespace

HRESULT ComposeOverlayStillFilename(LONG lOverlayId, LONG lSourceId, double dTime, BSTR* pbstrFile)
{
    CHECK_NULL(pbstrFile);
    std::wstring name = FormatWide(L"OvlStill_%d_%d_%ls", int(lOverlayId), int(lSourceId),
                                   TimeSuffix(dTime).c_str());
    CDSFileUtils files;
    CHECK_HR(files.GetFilePath(CDSFileUtils::DirTemp, L"StillThumbnailCache", true, name.c_str(),
                               L"png", false, pbstrFile, CDSFileUtils::TempFile_OlderThanSixDays));
    return S_OK;
}

HRESULT ExtractRawImage(IDSMenuOverlay* pOvl, LONG lSourceId, double dOffset, BSTR* pbstrFile,
                        double* pdAspect)
{
    CHECK_NULL(pOvl);
    CHECK_NULL(pbstrFile);
    CComPtr<IUnknown> spSource = FindObject(GetProject(pOvl), lSourceId);
    StillRequest request;
    request.spProduction = CDSProductionUtils::GetProduction(spSource);
    CHECK_NULL_TEXT(request.spProduction.p, "(IKVEProductionData*)spProd");
    CHECK_HR_SHORT(StillSize(pOvl, request));
    CHECK_HR_SHORT(NameStill(pOvl, spSource, lSourceId, dOffset, request));
    if (!CanReuse(pOvl, request))
        CHECK_HR_SHORT(RenderStill(request, dOffset));
    *pbstrFile = request.bstrFile.Detach();
    if (pdAspect)
        *pdAspect = double(request.nX) / double(request.nY);
    return S_OK;
}
