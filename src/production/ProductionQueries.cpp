#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEAudio.h"
#include "model/KVEGraphManager.h"

#include "platform/StringConv.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

namespace {

constexpr double kDefaultFrameRate = 29.97;
constexpr double kWideAspect = 16.0 / 9.0;
constexpr double kWideTolerance = 0.01;

// The extension of a file name, with its dot; empty when the name part has none.
std::wstring_view ExtensionOf(const wchar_t* pszFile)
{
    std::wstring_view file(pszFile ? pszFile : L"");
    size_t name = file.find_last_of(L"/\\");
    name = name == std::wstring_view::npos ? 0 : name + 1;
    size_t dot = file.rfind(L'.');
    return dot == std::wstring_view::npos || dot < name ? std::wstring_view() : file.substr(dot);
}

bool HasExtension(const wchar_t* pszFile, std::initializer_list<const wchar_t*> extensions)
{
    std::wstring_view extension = ExtensionOf(pszFile);
    for (const wchar_t* known : extensions) {
        if (!extension.empty() && CompareNoCase(extension, known) == 0)
            return true;
    }
    return false;
}

// The storyboard's own ID of a panel or an audio object, checked by looking it up again, or
// of the item of a menu element.
DWORD StoryboardIdOf(IKVEProductionData* pSbd, IUnknown* pObject)
{
    LONG id = 0;
    if (CComQIPtr<IDSMenuElement> spElement = pObject) {
        ElementItemOf(pSbd, spElement, &id);
        return DWORD(id);
    }
    if (CComQIPtr<IBaseObject> spPanel = pObject)
        spPanel->get_ID(&id);
    else if (CComQIPtr<IKVEAudioSubObject> spAudio = pObject)
        spAudio->get_ID(&id);
    CComPtr<IUnknown> spFound;
    if (id <= 0 || FAILED(pSbd->GetObjectByID(id, &spFound)) || !spFound)
        return 0;
    return spFound.IsEqualObject(pObject) ? DWORD(id) : 0;
}

DWORD ProjectIdOf(IDSProjectData* pProject, IUnknown* pObject)
{
    LONG id = GetID(pObject);
    CComPtr<IUnknown> spFound;
    if (id <= 0 || FAILED(pProject->FindByID(id, &spFound)) || !spFound)
        return 0;
    return spFound.IsEqualObject(pObject) ? DWORD(id) : 0;
}

} // namespace

bool CDSProductionUtils::IsSlideShow(IUnknown* pObject)
{
    return SlideShowDocOf(pObject) != nullptr;
}

CComPtr<IKVEProductionData> CDSProductionUtils::GetProduction(IUnknown* pObject)
{
    CComPtr<IUnknown> spProduction;
    if (CComQIPtr<IDSTitle> spTitle = pObject)
        Answered(spTitle->GetProduction(&spProduction), "spTitle->GetProduction(&spProduction)");
    else if (CComQIPtr<IDSMenu> spMenu = pObject)
        Answered(spMenu->GetProduction(&spProduction), "spMenu->GetProduction(&spProduction)");
    else
        spProduction = pObject;
    return CComQIPtr<IKVEProductionData>(spProduction);
}

AspectRatio CDSProductionUtils::GetAspectRatio(IUnknown* pObject)
{
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    double ratio = 0.0;
    if (spInfo && Answered(spInfo->get_AspectRatio(&ratio), "spInfo->get_AspectRatio(&ratio)") &&
        std::fabs(ratio - kWideAspect) <= kWideTolerance)
        return AspectRatio_16x9;
    return AspectRatio_4x3;
}

double CDSProductionUtils::GetEditingFrameRate(IUnknown* pObject)
{
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    double rate = 0.0;
    if (spInfo &&
        Answered(spInfo->get_EditingFrameRate(&rate), "spInfo->get_EditingFrameRate(&rate)"))
        return rate;
    return kDefaultFrameRate;
}

double CDSProductionUtils::GetDuration(IUnknown* pObject)
{
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    double seconds = 0.0;
    if (spInfo && Answered(spInfo->get_Duration(&seconds), "spInfo->get_Duration(&seconds)"))
        return seconds;
    return 0.0;
}

bool CDSProductionUtils::Is3DProduction(IUnknown* pObject)
{
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pObject);
    VARIANT_BOOL is3D = VARIANT_FALSE;
    return spInfo && Answered(spInfo->get_Is3D(&is3D), "spInfo->get_Is3D(&is3D)") &&
           is3D == VARIANT_TRUE;
}

bool CDSProductionUtils::IsProductionFile(const wchar_t* pszFile)
{
    return HasExtension(pszFile, {L".dmsm", L".dmsm3d", L".dmss", L".pssd"});
}

bool CDSProductionUtils::IsSlideShowProductionFile(const wchar_t* pszFile)
{
    return HasExtension(pszFile, {L".dmss"});
}

CComPtr<IUnknown> CDSProductionUtils::GetComposition(IKVEGraphManager* pGraphManager)
{
    CComPtr<IUnknown> spComposition;
    if (pGraphManager)
        Answered(pGraphManager->GetComposition(&spComposition),
                 "pGraphManager->GetComposition(&spComposition)");
    return spComposition;
}

DWORD CDSProductionUtils::FindId(IUnknown* pContainer, IUnknown* pObject)
{
    if (!pContainer || !pObject)
        return 0;
    if (CComQIPtr<IKVEProductionData> spSbd = pContainer)
        return StoryboardIdOf(spSbd, pObject);
    if (CComQIPtr<IDSProjectData> spProject = pContainer)
        return ProjectIdOf(spProject, pObject);
    return 0;
}
