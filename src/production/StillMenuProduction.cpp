// Still menus: one picture of a resolved menu shown for the menu's time, with the menu's
// background audio under it.
#include "FrameTiming.h"
#include "ProductionAccess.h"

#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"
#include "dsutils/TmpStr.h"

#include "foundation/FileOperations.h"

#include "model/KVEAudio.h"
#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionLink.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>

namespace {

// The frame's height from the project's encoding, and the width of the menu's shape.
HRESULT StillFrameSize(IDSMenu* spMenu, int& nX, int& nY)
{
    CComPtr<IDSProjectData> spProjectData = GetProject(spMenu);
    CHECK_NULL_TEXT(spProjectData.p, "(IDSProjectData*)spProjectData");
    TVStandard tvsystem = TVStandard_NTSC;
    CHECK_HR(spProjectData->get_TVStandard(&tvsystem));
    SIZE size{};
    CHECK_HR(CDSEncodeParams::GetFrameSize(size, spMenu, tvsystem));
    nY = size.cy;
    nX = IsAspectRatio4x3(spMenu) ? nY * 4 / 3 : nY * 16 / 9;
    return S_OK;
}

HRESULT StillMenuPath(IDSMenu* spMenu, CComBSTR& bstrStillMenu)
{
    CDSFileUtils files;
    CHECK_HR(files.GetFilePath(CDSFileUtils::DirTemp, L"Menus", true,
                               TmpStr(L"MenuStill_%d", int(GetID(spMenu))), L"png", false,
                               bstrStillMenu, 0));
    return S_OK;
}

// A production in the shape of the menu that runs at the menu storyboard's frame rate.
HRESULT NewStillProduction(IDSMenu* spMenu, IKVEProductionData* spMenuSbd,
                           CComPtr<IKVEProductionData>& spStillSbd)
{
    CHECK_HR(spStillSbd.CoCreateInstance(CLSID_KVEProduction));
    CComPtr<IUnknown> spUnk;
    CHECK_HR(spStillSbd->GetProductionObj(&spUnk));
    CComQIPtr<IProductionInfo> spInfo(spUnk);
    CHECK_NULL_TEXT(spInfo.p, "(IProductionInfo*)spInfo");
    CHECK_HR(spInfo->put_AspectRatio(IsAspectRatio4x3(spMenu) ? 4.0 / 3.0 : 16.0 / 9.0));
    CHECK_HR(spInfo->put_EditingFrameRate(1.0 / FramePeriodOf(spMenuSbd)));
    return S_OK;
}

// From the middle of the first frame to the middle of the frame that holds the still's time,
// one frame at least.
HRESULT AddStill(IEditData* spEditData, const CComBSTR& bstrStillMenu, double d, double p)
{
    double dStart = 0.5 * p;
    double dEnd = std::max(MiddleOfFrameAt(d, p), dStart + p);
    CComPtr<IUnknown> spUnk;
    CHECK_HR(spEditData->AddSourceFile(0, bstrStillMenu, dStart, dEnd, VARIANT_FALSE, &spUnk));
    return S_OK;
}

// Gives the new audio the level, repeat, offsets and fades of the menu storyboard's
// background audio; without one the new audio keeps the engine's defaults.
HRESULT CopyAudioSettings(IKVEProductionData* spMenuSbd, IUnknown* spUnkAudio)
{
    std::vector<CComPtr<IKVEAudioSubObject>> menuAudios = BackgroundAudiosOf(spMenuSbd);
    if (menuAudios.empty())
        return S_OK;
    IKVEAudioSubObject* pFrom = menuAudios.front();
    CComQIPtr<IKVEAudioSubObject> spTo(spUnkAudio);
    CHECK_NULL_TEXT(spTo.p, "(IKVEAudioSubObject*)spUnkAudio");
    double dValue = 0.0;
    CHECK_HR(pFrom->get_StartOffset(&dValue));
    CHECK_HR(spTo->put_StartOffset(dValue));
    CHECK_HR(pFrom->get_EndOffset(&dValue));
    CHECK_HR(spTo->put_EndOffset(dValue));
    CHECK_HR(pFrom->get_FadeIn(&dValue));
    CHECK_HR(spTo->put_FadeIn(dValue));
    CHECK_HR(pFrom->get_FadeOut(&dValue));
    CHECK_HR(spTo->put_FadeOut(dValue));
    CComQIPtr<IKVEAudioObject> spLevelFrom(pFrom), spLevelTo(spUnkAudio);
    if (spLevelFrom && spLevelTo) {
        CHECK_HR(spLevelFrom->get_VolumeLevel(&dValue));
        CHECK_HR(spLevelTo->put_VolumeLevel(dValue));
    }
    CComQIPtr<IKVEAudioSource> spRepeatFrom(pFrom), spRepeatTo(spUnkAudio);
    VARIANT_BOOL bRepeat = VARIANT_FALSE;
    if (spRepeatFrom && spRepeatTo) {
        CHECK_HR(spRepeatFrom->get_Repeat(&bRepeat));
        CHECK_HR(spRepeatTo->put_Repeat(bRepeat));
    }
    return S_OK;
}

// The menu's Audio under the still; a file that does not exist gives a still without audio.
HRESULT AddMenuAudio(IDSMenu* spMenu, IKVEProductionData* spMenuSbd, IEditData* spEditData)
{
    CComBSTR bstrMenuAudio;
    CHECK_HR(spMenu->get_Audio(&bstrMenuAudio));
    if (!IsExistingFile(bstrMenuAudio.Str()))
        return S_OK;
    CComPtr<IUnknown> spUnkAudio;
    if (CDSProductionUtils::IsSmartSoundAudio(bstrMenuAudio))
        CHECK_HR(spEditData->AddProductionSmartAudio(bstrMenuAudio, enBackgroundAudio, 0.0, 0.0,
                                                     &spUnkAudio));
    else
        CHECK_HR(
            spEditData->AddProductionAudio(bstrMenuAudio, enBackgroundAudio, 0.0, &spUnkAudio));
    CHECK_HR_SHORT(CopyAudioSettings(spMenuSbd, spUnkAudio));
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::CreateStillMenuProduction(const CComPtr<IDSMenu>& spMenu,
                                                const CComPtr<IKVEGraphManager>& spGraphMgr,
                                                IUnknown** ppUnkStillSbd, bool bOneSecond,
                                                bool /*bReserved*/)
{
    KVUClearErrorStack();
    CHECK_NULL_TEXT(spMenu.p, "(IDSMenu*)spMenu");
    CHECK_NULL_TEXT(spGraphMgr.p, "(IKVEGraphManager*)spGraphMgr");
    CHECK_NULL(ppUnkStillSbd);
    CComPtr<IUnknown> spUnkMenuSbd;
    CHECK_HR(spMenu->GetProduction(&spUnkMenuSbd));
    CComQIPtr<IKVEProductionData> spMenuSbd(spUnkMenuSbd);
    CHECK_NULL_TEXT(spMenuSbd.p, "(IKVEProductionData*)spMenuSbd");
    CHECK_HR(spGraphMgr->SetProduction(spUnkMenuSbd));

    int nX = 0, nY = 0;
    CHECK_HR_SHORT(StillFrameSize(spMenu, nX, nY));
    CComBSTR bstrStillMenu;
    CHECK_HR_SHORT(StillMenuPath(spMenu, bstrStillMenu));
    IUnknown* spUnkGraphMgr = spGraphMgr;
    CHECK_HR_TEXT(
        CDSProductionUtils::SaveImage_32(spUnkMenuSbd, spUnkGraphMgr, nX, nY, bstrStillMenu, 0.0),
        "CDSProductionUtils::SaveImage_32(spUnkMenuSbd, spUnkGraphMgr, nX, nY, "
        "bstrStillMenu)");

    CComPtr<IKVEProductionData> spStillSbd;
    CHECK_HR_SHORT(NewStillProduction(spMenu, spMenuSbd, spStillSbd));
    CComQIPtr<IEditData> spEditData(spStillSbd);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spEditData");
    double d = bOneSecond ? 1.0 : CDSProductionUtils::GetDuration(spMenuSbd);
    CHECK_HR_SHORT(AddStill(spEditData, bstrStillMenu, d, FramePeriodOf(spMenuSbd)));
    CHECK_HR_SHORT(AddMenuAudio(spMenu, spMenuSbd, spEditData));
    CHECK_HR(spStillSbd->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ppUnkStillSbd)));
    return S_OK;
}
