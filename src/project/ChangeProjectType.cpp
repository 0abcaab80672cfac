#include "FormatDefaults.h"
#include "ProjectMenus.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/IDSEncodingParams.h"

#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"

namespace {

// The formats a project can be changed between: the standard-definition DVDs 1 and 2 and the
// high-definition formats 7 and 11.
bool IsChangeableFormat(DiscFormat eFormat)
{
    return eFormat == DiscFormat_DVD || eFormat == DiscFormat_DVD2 ||
           eFormat == DiscFormat_BluRay || eFormat == DiscFormat_AVCHD;
}

bool IsHDFormat(DiscFormat eFormat)
{
    return eFormat == DiscFormat_BluRay || eFormat == DiscFormat_AVCHD;
}

AspectRatio NewAspect(DiscFormat eNewFormat, bool bFourByThreeForSD)
{
    if (bFourByThreeForSD && !IsHDFormat(eNewFormat))
        return AspectRatio_4x3;
    return AspectRatio_16x9;
}

// The project's encoding parameters for the new format, its codec and its aspect ratio.
HRESULT WriteEncoding(IDSProjectData* pProj, DiscFormat eNewFormat, TVStandard tvStd,
                      AspectRatio arNew)
{
    CDSEncodeParams enc(pProj);
    CHECK_HR(enc.SetFormat(eNewFormat, tvStd));
    if (eNewFormat == DiscFormat_BluRay) {
        if (CDSEncodeParams::AVCAvailable(DiscFormat_BluRay))
            CHECK_HR(enc.SetVideoFormat(VideoFormat_AVC));
        else
            CHECK_HR(enc.SetVideoFormat(VideoFormat_MPEG2));
    }
    enc.SetAspectRatio(arNew);
    CHECK_HR(enc.Write(pProj));
    return S_OK;
}

// A Blu-ray disc starts as a single-layer disc; an AVCHD disc has no intro title.
HRESULT CleanUpForFormat(IDSProjectData* pProj, DiscFormat eNewFormat)
{
    if (eNewFormat == DiscFormat_BluRay)
        CHECK_HR(pProj->put_DiscSize(SZ_BD25));
    if (eNewFormat != DiscFormat_AVCHD)
        return S_OK;
    if (IDSTitle* pIntroTitle = CDSMenuUtils::GetFirstPlayTitle(pProj)) {
        CHECK_HR(CDSAppUtils::DeleteTitle(pProj, pIntroTitle));
        CHECK_HR_SHORT(MendDeadLinks(pProj));
    }
    return S_OK;
}

// The first transition of the button's commands goes.
HRESULT RemoveButtonTransition(IDSMenuButton* pButton)
{
    CCommandList commands(pButton);
    int i = commands.FindTransition();
    if (i < 0)
        return S_OK;
    CHECK_HR(commands.Remove(i));
    CHECK_HR(commands.Commit());
    return S_OK;
}

// The high-definition formats play no transitions made for a DVD: the main menus' buttons lose
// them, and with them the transition menus they led to.
HRESULT RemoveButtonTransitions(IDSProjectData* pProj)
{
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProj, MenuType_Main)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command))
            CHECK_HR_SHORT(RemoveButtonTransition(spButton));
    }
    CHECK_HR(CDSMenuUtils::RemoveUnreferencedTransitions(pProj));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::ChangeProjectType(IDSProjectData* pProj, DiscFormat eNewFormat,
                                       bool bFourByThreeForSD)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    DiscFormat eOldFormat = DiscFormat_None;
    CHECK_HR(pProj->get_DiscFormat(&eOldFormat));
    if (!IsChangeableFormat(eOldFormat) || !IsChangeableFormat(eNewFormat)) {
        KVUReportError(L"Project Type is invalid\n");
        LOG_HR(E_FAIL, nullptr);
        return E_FAIL;
    }
    if (eNewFormat == eOldFormat)
        return S_OK;
    CComQIPtr<IDSEncodingParams> spProjEP(pProj);
    CHECK_NULL(spProjEP.p);
    AspectRatio arOld = AspectRatio_4x3;
    CHECK_HR(spProjEP->get_AspectRatio(&arOld));
    CHECK_HR(pProj->put_DiscFormat(eNewFormat));
    CHECK_HR(pProj->put_FitToDisc(VARIANT_TRUE));
    TVStandard tvStd = DefaultTVStandard(eNewFormat, CDSConfig());
    CHECK_HR(pProj->put_TVStandard(tvStd));
    AspectRatio arNew = NewAspect(eNewFormat, bFourByThreeForSD);
    CHECK_HR_SHORT(WriteEncoding(pProj, eNewFormat, tvStd, arNew));
    CHECK_HR_SHORT(CleanUpForFormat(pProj, eNewFormat));
    if (eOldFormat == DiscFormat_DVD && IsHDFormat(eNewFormat))
        CHECK_HR_SHORT(RemoveButtonTransitions(pProj));
    if (arNew != arOld && !IsMenuless(pProj))
        CHECK_HR(CDSAppUtils::RegenerateMenus(pProj, NULL, true, true));
    return S_OK;
}
