#include "FormatDefaults.h"
#include "ProjectMenus.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/IDSEncodingParams.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

constexpr ULONG kPageMenus = MenuType_Main | MenuType_Chapter;

bool IsKnownFormat(DiscFormat eFormat)
{
    return eFormat >= DiscFormat_DVD && eFormat <= DiscFormat_AVCHD;
}

// What the conversion starts from and is asked for.
struct Conversion
{
    DiscFormat eNewFormat = DiscFormat_None;
    TVStandard tvStd = TVStandard_NTSC;
    AspectRatio arOld = AspectRatio_4x3;
    bool bWasMenuless = false;
    bool bWantMenuless = false;
};

HRESULT ReadStart(IDSProjectData* pProj, Conversion& conv)
{
    CHECK_HR(pProj->get_TVStandard(&conv.tvStd));
    CComQIPtr<IDSEncodingParams> spEP(pProj);
    CHECK_NULL(spEP.p);
    CHECK_HR(spEP->get_AspectRatio(&conv.arOld));
    return S_OK;
}

// The encoding parameters of the new format: video CDs are 4:3, and a DVD of format 1 gets the
// high-quality preset.
HRESULT WriteEncoding(IDSProjectData* pProj, const Conversion& conv)
{
    CDSEncodeParams enc(pProj);
    CHECK_HR_SHORT(enc.SetFormat(conv.eNewFormat, conv.tvStd, false));
    if (IsVideoCD(conv.eNewFormat) && conv.arOld == AspectRatio_16x9)
        enc.SetAspectRatio(AspectRatio_4x3);
    if (conv.eNewFormat == DiscFormat_DVD)
        CHECK_HR_SHORT(enc.SetEncoderPresets(EP_HQ));
    CHECK_HR_SHORT(enc.Write());
    return S_OK;
}

// Without menus the titles play one after another: every main and chapter menu goes, with the
// transition menus and backgrounds only they used, and each title ends with the end command
// of a project without menus.
HRESULT MakeMenuless(IDSProjectData* pProj)
{
    CHECK_HR_SHORT(DeleteMenusExcept(pProj, kPageMenus, nullptr));
    CHECK_HR_SHORT(SetMenulessEnds(pProj, true));
    CHECK_HR_SHORT(MendDeadLinks(pProj));
    return S_OK;
}

// The menus that stay are fitted to the new disc: still menus where it plays no moving ones,
// links that lead nowhere mended, Up and Home buttons repaired, the root chain reflowed.
HRESULT CleanUpMenus(IDSProjectData* pProj)
{
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, kPageMenus)) {
        if (CDSMenuUtils::MenuShouldBeStill(spMenu))
            SetFlag(spMenu, MenuFlag_Still);
    }
    CHECK_HR_SHORT(MendDeadLinks(pProj));
    CDSMenuUtils::ValidateLinksForAllMenus(pProj);
    if (IDSMenu* pRoot = CDSMenuUtils::GetRootMenu(pProj))
        CHECK_HR(CDSAppUtils::ReflowMenus(pRoot, false));
    return S_OK;
}

HRESULT RemoveChapterMenusAndCleanUp(IDSProjectData* pProj)
{
    CHECK_HR(CDSAppUtils::RemoveAllChapterMenus(pProj));
    CHECK_HR_SHORT(CleanUpMenus(pProj));
    return S_OK;
}

// A project that is to keep or get menus, by its new format: menus are rebuilt where the project
// had none or their aspect ratio changed; otherwise the menus are cleaned up, without chapter
// menus on the discs that do not keep them.
HRESULT BringMenus(IDSProjectData* pProj, const Conversion& conv)
{
    HRESULT hr = S_OK;
    switch (conv.eNewFormat) {
    case DiscFormat_VCD:
    case DiscFormat_SVCD:
        if (conv.arOld == AspectRatio_16x9)
            CHECK_HR_ASSIGN(hr, CDSAppUtils::RegenerateMenus(pProj, NULL, false, true));
        else if (conv.bWasMenuless)
            CHECK_HR_ASSIGN(hr, CDSAppUtils::RegenerateMenus(pProj, NULL, false, false));
        else
            CHECK_HR_ASSIGN(hr, RemoveChapterMenusAndCleanUp(pProj));
        return hr;
    case DiscFormat_DVD2:
        if (!conv.bWasMenuless && conv.arOld != AspectRatio_16x9)
            CHECK_HR_ASSIGN(hr, RemoveChapterMenusAndCleanUp(pProj));
        else
            CHECK_HR_ASSIGN(hr, CDSAppUtils::RegenerateMenus(pProj, NULL, false, false));
        return hr;
    default:
        if (conv.bWasMenuless)
            CHECK_HR_ASSIGN(hr, CDSAppUtils::RegenerateMenus(pProj, NULL, false, false));
        else
            CHECK_HR_ASSIGN(hr, CleanUpMenus(pProj));
        return hr;
    }
}

} // namespace

HRESULT CDSAppUtils::ConvertProjectType(IDSProjectData* pProj, DiscFormat eNewFormat, ULONG options)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    Conversion conv;
    conv.eNewFormat = eNewFormat;
    conv.bWasMenuless = IsMenuless(pProj);
    conv.bWantMenuless = (options & ConvertProject_Menuless) != 0;
    DiscFormat eOldFormat = DiscFormat_None;
    CHECK_HR(pProj->get_DiscFormat(&eOldFormat));
    if (!IsKnownFormat(eNewFormat)) {
        KVUReportError(L"Project Type is invalid\n");
        LOG_HR(E_FAIL, nullptr);
        return E_FAIL;
    }
    if (eNewFormat == eOldFormat && conv.bWasMenuless == conv.bWantMenuless)
        return S_OK;
    CHECK_HR_SHORT(ReadStart(pProj, conv));
    CHECK_HR(pProj->put_DiscFormat(eNewFormat));
    CHECK_HR_SHORT(WriteEncoding(pProj, conv));
    if (conv.bWantMenuless)
        return MakeMenuless(pProj);
    return BringMenus(pProj, conv);
}
