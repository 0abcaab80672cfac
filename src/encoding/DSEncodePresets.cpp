// The quality presets: applying one and recognising the one in use.
#include "dsutils/DSEncodeParams.h"

#include "EncoderPresetTable.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT CDSEncodeParams::SetEncoderPresets(EncoderPresets ePreset, bool bMaxAudio)
{
    KVUClearErrorStack();
    return ApplyPreset(ePreset, bMaxAudio);
}

HRESULT CDSEncodeParams::ApplyPreset(EncoderPresets ePreset, bool bMaxAudio)
{
    LONG lVideo = m_lVideoBitRate;
    EncoderSettings settings;
    if (FindPresetSettings(m_eDiscFormat, m_eVideoFormat, m_bReducedRateDisc, ePreset, settings)) {
        lVideo = _FindNearestHalf(settings.videoBitRate);
        CHECK_HR(ApplyResolution(settings.resolution, true));
    }
    const LONG lAudio = bMaxAudio ? HighestStereoRate(m_afSpec.audioFormat) : m_lAudioBitRate;
    return SetBitRates(lVideo, m_afSpec, lAudio);
}

EncoderSettings CDSEncodeParams::GetPresetSettings(EncoderPresets ePreset) const
{
    EncoderSettings settings{m_lVideoBitRate, m_eVideoResolution};
    FindPresetSettings(m_eDiscFormat, m_eVideoFormat, m_bReducedRateDisc, ePreset, settings);
    return settings;
}

EncoderPresets CDSEncodeParams::GetEncoderPresets() const
{
    const LONG lHighest = HighestStereoRate(m_afSpec.audioFormat);
    if (lHighest == 0 || m_lAudioBitRate != lHighest)
        return EP_Custom;
    return GetVideoEncoderPresets();
}

EncoderPresets CDSEncodeParams::GetVideoEncoderPresets() const
{
    switch (m_eDiscFormat) {
    case DiscFormat_DVD:
    case DiscFormat_DVD2:
    case DiscFormat_BluRay:
    case DiscFormat_HDDVD:
    case DiscFormat_AVCHD:
        break;
    default:
        return EP_Custom;
    }
    // The first match wins, so where two presets share a rate the lower one is reported.
    for (EncoderPresets ePreset : {EP_LongPlay, EP_Standard, EP_Better, EP_HQ}) {
        EncoderSettings settings;
        FindPresetSettings(m_eDiscFormat, m_eVideoFormat, m_bReducedRateDisc, ePreset, settings);
        if (_FindNearestHalf(settings.videoBitRate) == m_lVideoBitRate)
            return ePreset;
    }
    return EP_Custom;
}
