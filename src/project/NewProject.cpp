#include "FormatDefaults.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"

#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// Project flag bits that settings 10 and 69 ask for.
constexpr ULONG kProjectFlagSetting10 = 0x01;
constexpr ULONG kProjectFlagMode2 = 0x40;
constexpr LONG kFlagModeSetting = 2;
// The disc size of the HD DVD formats' new projects.
constexpr DiscSize kHDDVDDiscSize = DiscSize(6);

AspectRatio ProjectAspect(DiscFormat eFormat, AspectRatio aspect, const CDSConfig& config)
{
    if (eFormat == DiscFormat_DVD2)
        return AspectRatio_4x3;
    if (aspect == AspectRatio_4x3 || aspect == AspectRatio_16x9)
        return aspect;
    return config.GetNumber(DSConfig_DefaultAspect) == 1 ? AspectRatio_16x9 : AspectRatio_4x3;
}

HRESULT SetDiscSwitches(IDSProjectData* pProject, DiscFormat eFormat, bool fitToDisc, LONG setting,
                        const CDSConfig& config)
{
    if (IsVideoCD(eFormat))
        CHECK_HR(pProject->put_FitToDisc(VARIANT_FALSE));
    else if (fitToDisc)
        CHECK_HR(pProject->put_FitToDisc(VARIANT_TRUE));
    CHECK_HR(pProject->put_CreationSetting(setting));
    CHECK_HR(pProject->put_TVStandard(DefaultTVStandard(eFormat, config)));
    return S_OK;
}

// The format's parameters at its high-quality preset with the top stereo audio rate, which the
// project's titles then follow.
HRESULT SetUpEncoding(IDSProjectData* pProject, DiscFormat eFormat, AspectRatio arProject)
{
    CDSEncodeParams encp;
    CHECK_HR(encp.Read(pProject));
    CHECK_HR(encp.SetFormat(eFormat, encp.GetTVStandard(), true));
    if (eFormat == DiscFormat_BluRay) {
        VideoFormat eVideo =
            CDSEncodeParams::AVCAvailable(eFormat) ? VideoFormat_AVC : VideoFormat_MPEG2;
        CHECK_HR(encp.SetVideoFormat(eVideo));
    }
    encp.SetAspectRatio(arProject);
    CHECK_HR(encp.SetEncoderPresets(EP_HQ, true));
    CHECK_HR(encp.SetSyncToProject(VARIANT_TRUE));
    CHECK_HR(encp.Write());
    return S_OK;
}

HRESULT SetDiscSizeAndFlags(IDSProjectData* pProject, DiscFormat eFormat, const CDSConfig& config)
{
    if (eFormat == DiscFormat_BluRay || eFormat == DiscFormat_BluRay2)
        CHECK_HR(pProject->put_DiscSize(SZ_BD25));
    else if (eFormat == DiscFormat_HDDVD || eFormat == DiscFormat_HDDVD2)
        CHECK_HR(pProject->put_DiscSize(kHDDVDDiscSize));
    if (!config.GetBool(DSConfig_ApplyProjectFlags))
        return S_OK;
    ULONG ulFlags = 0;
    CHECK_HR(pProject->get_Flags(&ulFlags));
    if (config.GetBool(DSConfig_ProjectFlagBit1))
        ulFlags |= kProjectFlagSetting10;
    if (config.GetNumber(DSConfig_ProjectFlagMode) == kFlagModeSetting)
        ulFlags |= kProjectFlagMode2;
    CHECK_HR(pProject->put_Flags(ulFlags));
    return S_OK;
}

HRESULT CopyDefaultTheme(IDSProjectData* pProject, AspectRatio arProject)
{
    CComPtr<IDSProjectData> spTheme;
    CComBSTR bstrThemePath;
    CHECK_HR(CMenuStyleUtil::LoadDefault(arProject == AspectRatio_4x3, &spTheme, bstrThemePath,
                                         pProject));
    CHECK_HR(CDSMenuUtils::CopyTemplates(pProject, spTheme));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::NewProject(IDSProjectData* pProject, LONG discFormat, AspectRatio aspect,
                                bool fitToDisc, bool bMenuless, LONG setting)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    if (discFormat < DiscFormat_DVD || discFormat > DiscFormat_AVCHD) {
        KVUReportError(KVUErrStr(L"There is no disc format %d\n", int(discFormat)));
        LOG_HR(E_INVALIDARG, "discFormat");
        return E_INVALIDARG;
    }
    DiscFormat eFormat = DiscFormat(discFormat);
    CDSConfig config;
    AspectRatio arProject = ProjectAspect(eFormat, aspect, config);
    CHECK_HR(pProject->Clear());
    CHECK_HR(pProject->put_DiscFormat(eFormat));
    CHECK_HR_SHORT(SetDiscSwitches(pProject, eFormat, fitToDisc, setting, config));
    CHECK_HR_SHORT(SetUpEncoding(pProject, eFormat, arProject));
    CHECK_HR_SHORT(SetDiscSizeAndFlags(pProject, eFormat, config));
    CHECK_HR_SHORT(CopyDefaultTheme(pProject, arProject));
    if (!bMenuless) {
        // The first main menu, made from the templates just copied, shows itself again when
        // it ends.
        CComPtr<IDSMenu> spMenu;
        CHECK_HR(CDSMenuUtils::AddMenu(pProject, MenuType_Main, &spMenu));
    }
    return S_OK;
}
