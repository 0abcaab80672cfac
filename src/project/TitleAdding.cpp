#include "ProjectMenus.h"
#include "ShellNameSplitter.h"
#include "TitleShape.h"
#include "TitleSources.h"
#include "VobMonikers.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSProjectValidator.h"
#include "dsutils/DSTags.h"

#include "model/IDSEncodingParams.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"

namespace {

// What AddTitle was asked for and what it learns about the title while it builds it.
struct TitleRequest
{
    VARIANT files;
    VARIANT sourceTypes;
    VARIANT leftEyeFirst;
    bool b3D = false;
    AspectRatio aspect = AspectRatio(0);
    // The sources read from the arguments; VOB monikers stand for their VOB files.
    TitleSources sources;
    TitleSourceKind kind = TitleSourceKind::Media;
    // The production object of a production file, whose shape tells the source's aspect.
    CComPtr<IUnknown> spProductionObj;
};

// Every VOB moniker is replaced by the engine's monikers of its VOB files, each with the
// moniker's packing and eye order, so that a moniker that names nothing is refused before a
// title is added.
HRESULT ExpandVobMonikers(TitleSources& sources)
{
    TitleSources expanded;
    for (size_t i = 0; i < sources.files.size(); ++i) {
        std::vector<std::wstring> parts;
        CHECK_HR_SHORT(ExpandVobMoniker(sources.files[i], parts));
        expanded.files.insert(expanded.files.end(), parts.begin(), parts.end());
        expanded.sourceTypes.insert(expanded.sourceTypes.end(), parts.size(),
                                    sources.sourceTypes[i]);
        expanded.leftEyeFirst.insert(expanded.leftEyeFirst.end(), parts.size(),
                                     sources.leftEyeFirst[i]);
    }
    sources = std::move(expanded);
    return S_OK;
}

HRESULT ReadRequest(TitleRequest& request)
{
    CHECK_HR_SHORT(ReadTitleSources(request.files, request.sourceTypes, request.leftEyeFirst,
                                    request.sources));
    request.kind = ClassifyFirstFile(request.sources.files.front());
    CHECK_HR_SHORT(CheckSourcesAgree(request.sources, request.kind));
    if (request.kind == TitleSourceKind::VobMoniker)
        CHECK_HR_SHORT(ExpandVobMonikers(request.sources));
    return S_OK;
}

// The local file the first source stands for.
std::wstring FirstSourceFile(const TitleRequest& request)
{
    const std::wstring& first = request.sources.files.front();
    if (request.kind == TitleSourceKind::VobMoniker)
        return VobFileOfMoniker(first);
    return CQTRShellNameSplitter(first).GetLocalPath();
}

HRESULT LoadProductionFile(IDSTitle* pTitle, TitleRequest& request)
{
    CComQIPtr<IKVEProductionData> spTitleSbd(CDSProductionUtils::GetProduction(pTitle).p);
    CHECK_NULL(spTitleSbd);
    CComBSTR bstrFile(FirstSourceFile(request));
    CHECK_HR(spTitleSbd->LoadProduction(bstrFile, 0));
    CComPtr<IUnknown> spUnk;
    CHECK_HR(spTitleSbd->GetProductionObj(&spUnk));
    request.spProductionObj = spUnk;
    return S_OK;
}

// Each VOB file goes in front of those added before it, so the files are added from the last.
HRESULT AddVobMonikers(IDSTitle* pTitle, const TitleSources& sources)
{
    CComQIPtr<IEditData> spED(CDSProductionUtils::GetProduction(pTitle).p);
    CHECK_NULL(spED);
    for (size_t i = sources.files.size(); i-- > 0;) {
        CComBSTR bstrFile(sources.files[i]);
        LONG l3DSourceType = sources.sourceTypes[i];
        VARIANT_BOOL bLeftEyeFirst = sources.leftEyeFirst[i];
        CComPtr<IUnknown> spUnk;
        CHECK_HR(spED->Add3DVOBMoniker(0, bstrFile, (tagENM_3DSOURCE_TYPE)l3DSourceType,
                                       bLeftEyeFirst, VARIANT_TRUE, &spUnk));
    }
    return S_OK;
}

// A production's own shape tells its aspect; media are asked for the shape of their pictures.
bool IsSource16x9(const TitleRequest& request)
{
    if (request.spProductionObj)
        return IsProductionShape16x9(request.spProductionObj);
    std::wstring file = FirstSourceFile(request);
    return !file.empty() && CDSProductionUtils::IsFile16x9(
                                file.c_str(), request.sources.sourceTypes.front()) == S_OK;
}

// The title is known by the name of its first file ("Holiday" for "/videos/Holiday.mp4",
// "VTS_01_1" for a DVD-Video title).
HRESULT NameAfterFirstFile(IDSTitle* pTitle, const TitleRequest& request)
{
    CQTRShellNameSplitter split(request.kind == TitleSourceKind::VobMoniker
                                    ? FirstSourceFile(request)
                                    : request.sources.files.front());
    CComBSTR bstrName(split.GetFileName());
    CHECK_HR(pTitle->put_Name(bstrName));
    return S_OK;
}

HRESULT SetEncodingAndAspect(IDSProjectData* pProj, IDSTitle* spTitle, const TitleRequest& request)
{
    CComQIPtr<IDSEncodingParams> pEncParams(spTitle);
    CHECK_NULL(pEncParams);
    CHECK_HR(CDSAppUtils::SetEncodingParamsForSlideshows(pEncParams, spTitle));
    DiscFormat eFormat = DiscFormat_None;
    CHECK_HR(pProj->get_DiscFormat(&eFormat));
    AspectRatio arTitle =
        ChooseTitleAspect(eFormat, request.aspect, [&request] { return IsSource16x9(request); });
    CHECK_HR_SHORT(ApplyTitleAspect(spTitle, arTitle));
    if (request.b3D) {
        CComQIPtr<IProductionInfo> spInfo(CDSProductionUtils::GetProduction(spTitle).p);
        CHECK_NULL(spInfo);
        CHECK_HR(spInfo->put_Is3D(VARIANT_TRUE));
    }
    return S_OK;
}

// Everything after the empty title is in the project.
HRESULT BuildTitle(IDSProjectData* pProj, IDSTitle* spTitle, TitleRequest& request,
                   CKVUTimer& timer)
{
    CHECK_HR_SHORT(NameAfterFirstFile(spTitle, request));
    timer.AddEntry("Title copy");
    if (request.kind == TitleSourceKind::Production ||
        request.kind == TitleSourceKind::SlideshowProduction)
        CHECK_HR_SHORT(LoadProductionFile(spTitle, request));
    timer.AddEntry("LoadProduction");
    if (request.kind == TitleSourceKind::VobMoniker)
        CHECK_HR_SHORT(AddVobMonikers(spTitle, request.sources));
    timer.AddEntry("AddVOBMoniker");
    if (request.kind == TitleSourceKind::Media)
        CHECK_HR(CDSAppUtils::AddMediaToTitle(spTitle, request.files, request.sourceTypes,
                                              request.leftEyeFirst));
    timer.AddEntry("AddMediaToTitle");
    CHECK_HR_SHORT(SetEncodingAndAspect(pProj, spTitle, request));
    timer.AddEntry("Encode&Aspect");
    // Without menus the player needs the title's own word for what comes after it.
    CHECK_HR_SHORT(SetMenulessEnd(spTitle, IsMenuless(pProj)));
    return S_OK;
}

// Takes a title that could not be completed out of the project again; the failure that stopped
// it stays on the error stack.
void DropTitle(IDSProjectData* pProj, IDSTitle* spTitle)
{
    LONG lTitleID = 0;
    if (SUCCEEDED(spTitle->get_ID(&lTitleID)))
        pProj->RemoveTitle(lTitleID, NULL);
}

} // namespace

HRESULT CDSAppUtils::AddTitle(IDSProjectData* pProj, VARIANT files, VARIANT sourceTypes,
                              VARIANT leftEyeFirst, IDSTitle** ppTitle, bool b3D,
                              AspectRatio aspect)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    if (ppTitle)
        *ppTitle = nullptr;
    CKVUTimer timer("DSAppUtils::AddTitle", 0);
    CHECK_HR(CDSProjectValidator::CheckMaxTitlesPerProject(pProj));
    TitleRequest request{files, sourceTypes, leftEyeFirst, b3D, aspect};
    CHECK_HR_SHORT(ReadRequest(request));
    timer.AddEntry("Initialization");
    CComPtr<IDSTitle> spTitle;
    CHECK_HR(pProj->AddTitle(-1, &spTitle));
    timer.AddEntry("AddTitle");
    HRESULT hr = BuildTitle(pProj, spTitle, request, timer);
    if (FAILED(hr)) {
        LOG_HR(hr, "BuildTitle(pProj, spTitle, request, timer)");
        DropTitle(pProj, spTitle);
        return hr;
    }
    if (ppTitle)
        *ppTitle = spTitle.Detach();
    return S_OK;
}

HRESULT CDSAppUtils::AddTitle(IDSProjectData* pProj, BSTR bstrSourceFile, IDSTitle** ppTitle)
{
    CComVariant file(bstrSourceFile);
    CComVariant none;
    return AddTitle(pProj, file, none, none, ppTitle, false, AspectRatio(0));
}

HRESULT CDSAppUtils::AddTitle(IDSProjectData* pProj, VARIANT* pvFiles, IDSTitle** ppTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pvFiles);
    CComVariant none;
    return AddTitle(pProj, *pvFiles, none, none, ppTitle, false, AspectRatio(0));
}
