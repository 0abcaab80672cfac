// Construction, reading from and writing to the object model, and the plain switches.
#include "dsutils/DSEncodeParams.h"

#include "FormatCapsTable.h"
#include "dsutils/DSTags.h"
#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"

namespace {

// HD DVD disc sizes that cannot carry the format's higher rates.
bool IsReducedRateSize(DiscSize eSize)
{
    return eSize == 5 || eSize == 7;
}

VARIANT_BOOL ToVariantBool(bool bValue)
{
    return bValue ? VARIANT_TRUE : VARIANT_FALSE;
}

} // namespace

CDSEncodeParams::CDSEncodeParams(IUnknown* pSource)
{
    SetUpDefaults();
    if (pSource)
        Read(pSource);
}

void CDSEncodeParams::SetUpDefaults()
{
    m_caps = kDVDCaps;
    // The default format's high-quality preset; it cannot fail on the DVD block.
    ApplyPreset(EP_HQ, false);
}

bool CDSEncodeParams::DoCompressionForFitToDisc() const
{
    return IsFitToDiscOn() && m_bDoCompression != VARIANT_FALSE;
}

void CDSEncodeParams::SetTwoPassEncoding(bool bTwoPass)
{
    m_bTwoPassEncoding = ToVariantBool(bTwoPass);
}

void CDSEncodeParams::SetFitToDisc(bool bFit)
{
    m_bFitToDisc = ToVariantBool(bFit);
}

void CDSEncodeParams::SetDoCompressionForFitToDisc(bool bCompress)
{
    m_bDoCompression = ToVariantBool(bCompress);
}

HRESULT CDSEncodeParams::GetSyncToProject(VARIANT_BOOL* pbSync) const
{
    KVUClearErrorStack();
    CHECK_NULL(pbSync);
    CHECK_NULL(m_spEncoding);
    CHECK_HR(m_spEncoding->get_SyncToProject(pbSync));
    return S_OK;
}

HRESULT CDSEncodeParams::SetSyncToProject(VARIANT_BOOL bSync)
{
    KVUClearErrorStack();
    CHECK_NULL(m_spEncoding);
    CHECK_HR(m_spEncoding->put_SyncToProject(bSync));
    return S_OK;
}

bool CDSEncodeParams::AVCAvailable(DiscFormat eFormat)
{
    switch (eFormat) {
    case DiscFormat_AVCHD:
        return true;
    case DiscFormat_BluRay:
    case DiscFormat_BluRay2:
        return CDSConfig().GetBool(DSConfig_AVCForFormats7And8);
    case DiscFormat_HDDVD:
    case DiscFormat_HDDVD2:
        return CDSConfig().GetBool(DSConfig_AVCForFormats9And10);
    default:
        return false;
    }
}

// A menu has no encoding parameters of its own: it is encoded as its project is.
CComPtr<IDSEncodingParams> CDSEncodeParams::EncodingParamsOf(IUnknown* pObject,
                                                             IDSProjectData* pProject)
{
    CComQIPtr<IDSEncodingParams> spEncoding(pObject);
    if (!spEncoding)
        spEncoding = CComQIPtr<IDSEncodingParams>(pProject);
    return spEncoding;
}

// Finds the encoding parameters of the source and the project that owns them.
HRESULT CDSEncodeParams::Attach(IUnknown* pSource)
{
    CHECK_NULL(pSource);
    m_spProj = CComQIPtr<IDSProjectData>(pSource);
    if (!m_spProj)
        m_spProj = GetProject(pSource);
    m_spEncoding = EncodingParamsOf(pSource, m_spProj);
    CHECK_NULL_TEXT(m_spEncoding, "(IDSEncodingParams*) m_spEncoding");
    return S_OK;
}

HRESULT CDSEncodeParams::Read(IUnknown* pSource)
{
    KVUClearErrorStack();
    CHECK_HR(Attach(pSource));
    // The video format comes first: the block of format 7 depends on it.
    CHECK_HR(m_spEncoding->get_VideoFormat(&m_eVideoFormat));
    if (m_spProj)
        CHECK_HR(ReadProjectSettings());
    CHECK_HR(ReadEncodingValues());
    if (ExceedsCombined(m_lVideoBitRate, m_lAudioBitRate))
        CHECK_HR(SetEncoderPresets(EP_HQ));
    return S_OK;
}

HRESULT CDSEncodeParams::ReadProjectSettings()
{
    CHECK_HR(m_spProj->get_DiscFormat(&m_eDiscFormat));
    m_bReducedRateDisc = false;
    if (m_eDiscFormat == DiscFormat_HDDVD) {
        DiscSize eDiscSize = SZ_None;
        CHECK_HR(m_spProj->get_DiscSize(&eDiscSize));
        m_bReducedRateDisc = IsReducedRateSize(eDiscSize);
    }
    CHECK_HR(m_spProj->get_TVStandard(&m_eTVStandard));
    CHECK_HR(m_spProj->get_FitToDisc(&m_bFitToDisc));
    CHECK_HR(m_spProj->get_DoCompression(&m_bDoCompression));
    CHECK_HR(SetFormat(m_eDiscFormat, m_eTVStandard, true));
    return S_OK;
}

HRESULT CDSEncodeParams::ReadEncodingValues()
{
    CHECK_HR(m_spEncoding->get_AspectRatio(&m_eAspectRatio));
    CHECK_HR(m_spEncoding->get_VideoResolution(&m_eVideoResolution));
    CHECK_HR(m_spEncoding->get_AudioBitrate(&m_lAudioBitRate));
    CHECK_HR(m_spEncoding->get_VideoBitrate(&m_lVideoBitRate));
    CHECK_HR(m_spEncoding->get_AudioFormat(&m_afSpec.audioFormat));
    CHECK_HR(m_spEncoding->get_AudioChannels(&m_afSpec.channels));
    CHECK_HR(m_spEncoding->get_TwoPassEncoding(&m_bTwoPassEncoding));
    return S_OK;
}

HRESULT CDSEncodeParams::Write(IUnknown* pTarget)
{
    KVUClearErrorStack();
    CComPtr<IDSEncodingParams> spEncParams = m_spEncoding;
    if (pTarget)
        spEncParams = CComQIPtr<IDSEncodingParams>(pTarget);
    CHECK_NULL(spEncParams);
    if (m_spProj) {
        CHECK_HR(m_spProj->put_TVStandard(m_eTVStandard));
        CHECK_HR(m_spProj->put_FitToDisc(m_bFitToDisc));
        CHECK_HR(m_spProj->put_DoCompression(m_bDoCompression));
    }
    CHECK_HR(spEncParams->put_VideoFormat(m_eVideoFormat));
    CHECK_HR(spEncParams->put_VideoResolution(m_eVideoResolution));
    CHECK_HR(spEncParams->put_VideoBitrate(m_lVideoBitRate));
    CHECK_HR(spEncParams->put_AudioFormat(m_afSpec.audioFormat));
    CHECK_HR(spEncParams->put_AudioChannels(m_afSpec.channels));
    CHECK_HR_TEXT(spEncParams->put_AudioBitrate(m_lAudioBitRate),
                  "spEncParams->put_AudioBitrate( m_lAudioBitRate)");
    CHECK_HR(spEncParams->put_AspectRatio(m_eAspectRatio));
    CHECK_HR(spEncParams->put_SubpictureFormat(m_eSubpictureFormat));
    CHECK_HR(spEncParams->put_TwoPassEncoding(m_bTwoPassEncoding));
    return S_OK;
}
