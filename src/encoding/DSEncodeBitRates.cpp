// Video and audio bitrates within the combined limit of the disc format, the rounding of
// preset bitrates and their display.
#include "dsutils/DSEncodeParams.h"

#include "FormatCapsTable.h"
#include "platform/ResultCodes.h"
#include "platform/WideFormat.h"

#include <algorithm>
#include <limits>

namespace {

// Audio-table searches for a replacement rate look at the preferred formats only.
constexpr size_t kAudioFallbackEntries = 3;

constexpr LONG kOneMegabit = 1000000;
constexpr LONG kHalfMegabit = 500000;

LONG ClampToLong(LONGLONG value)
{
    return static_cast<LONG>(std::clamp<LONGLONG>(value, std::numeric_limits<LONG>::min(),
                                                  std::numeric_limits<LONG>::max()));
}

} // namespace

bool CDSEncodeParams::ExceedsCombined(LONG lVideo, LONG lAudio) const
{
    return static_cast<LONGLONG>(lVideo) + lAudio > m_caps.maxCombinedBitRate;
}

// What the combined limit leaves beside a rate already in use.
LONG CDSEncodeParams::CombinedRoomBeside(LONG lUsed) const
{
    return ClampToLong(static_cast<LONGLONG>(m_caps.maxCombinedBitRate) - lUsed);
}

HRESULT CDSEncodeParams::SetBitRates(LONG lVideo, AudioFormatSpec afSpec, LONG lAudio)
{
    const std::vector<AudioFormatSpec> afSpecs = GetAudioSpecList();
    if (!afSpecs.empty() && !IsSpecAllowed(afSpec))
        afSpec = afSpecs.front();
    const std::vector<LONG> rates = GetAudioBitRateList(afSpec);
    if (!rates.empty() && std::find(rates.begin(), rates.end(), lAudio) == rates.end())
        lAudio = rates.back();
    HRESULT hr = S_OK;
    if (ExceedsCombined(lVideo, lAudio)) {
        lVideo = std::min(CombinedRoomBeside(lAudio), m_caps.maxVideoBitRate);
        hr = S_FALSE;
    }
    m_lAudioBitRate = lAudio;
    m_lVideoBitRate = lVideo;
    m_afSpec = afSpec;
    return hr;
}

HRESULT CDSEncodeParams::SetVideoBitRate(LONG lVideo, bool bAdjustAudio)
{
    AudioFormat eFormat = m_afSpec.audioFormat;
    LONG lAudio = m_lAudioBitRate;
    if (bAdjustAudio && ExceedsCombined(lVideo, lAudio))
        FindAppropriateAudioBitRate(lVideo, eFormat, lAudio);
    return SetBitRates(lVideo, SpecForRate(eFormat, lAudio), lAudio);
}

HRESULT CDSEncodeParams::SetAudioBitRate(AudioFormat eFormat, LONG lRate, bool bAdjustVideo)
{
    LONG lVideo = m_lVideoBitRate;
    if (bAdjustVideo && ExceedsCombined(lVideo, lRate))
        lVideo = CombinedRoomBeside(lRate);
    return SetBitRates(lVideo, SpecForRate(eFormat, lRate), lRate);
}

HRESULT CDSEncodeParams::FindAppropriateAudioBitRate(LONG lVideo, AudioFormat& eFormat,
                                                     LONG& lRate) const
{
    if (!ExceedsCombined(lVideo, lRate))
        return S_OK;
    const LONG lRoom = CombinedRoomBeside(lVideo);
    std::span<const FormatCaps::AudioEntry> entries = AudioEntries(m_caps);
    for (const FormatCaps::AudioEntry& entry :
         entries.first(std::min(entries.size(), kAudioFallbackEntries))) {
        const LONG lAllowed = GetAllowedBitrate(entry.audioFormat, lRoom);
        if (lAllowed != 0 && !ExceedsCombined(lVideo, lAllowed)) {
            eFormat = entry.audioFormat;
            lRate = lAllowed;
            return S_OK;
        }
    }
    eFormat = m_afSpec.audioFormat;
    lRate = m_lAudioBitRate;
    return S_FALSE;
}

LONG CDSEncodeParams::GetMaxVideoBitRate() const
{
    return std::min(m_caps.maxVideoBitRate, CombinedRoomBeside(m_lAudioBitRate));
}

LONG CDSEncodeParams::GetMaximumPossibleVideoBitRate(AudioBitRateList& list) const
{
    list = {};
    _FindMinAudioBitRate(list.audioFormat, list.bitRate);
    return std::min(CombinedRoomBeside(list.bitRate), m_caps.maxVideoBitRate);
}

HRESULT CDSEncodeParams::_FindMinAudioBitRate(AudioFormat& eFormat, LONG& lRate) const
{
    for (const FormatCaps::AudioEntry& entry : AudioEntries(m_caps)) {
        const std::vector<LONG> rates = GetAudioBitRateList({entry.audioFormat, 2});
        if (!rates.empty()) {
            eFormat = entry.audioFormat;
            lRate = rates.front();
            return S_OK;
        }
    }
    return E_FINDMINAUDIOBITRATE_NO_RATE;
}

// The highest rate of an audio format and channel count, and the video range it leaves.
void CDSEncodeParams::RangesOfSpec(const AudioFormatSpec& afSpec, LONG& lAudio, LONG& lMinVideo,
                                   LONG& lMaxVideo) const
{
    const std::vector<LONG> rates = GetAudioBitRateList(afSpec);
    lAudio = rates.empty() ? 0 : rates.back();
    lMaxVideo = std::min(CombinedRoomBeside(lAudio), m_caps.maxVideoBitRate);
    lMinVideo = std::min(m_caps.minVideoBitRate, lMaxVideo);
}

HRESULT CDSEncodeParams::_FindAudioDefaults(AudioFormatSpec& afSpec, LONG& lAudio, LONG& lMinVideo,
                                            LONG& lMaxVideo) const
{
    const std::vector<AudioFormatSpec> afSpecs = GetAudioSpecList();
    afSpec = afSpecs.empty() ? AudioFormatSpec{} : afSpecs.front();
    RangesOfSpec(afSpec, lAudio, lMinVideo, lMaxVideo);
    return S_OK;
}

HRESULT CDSEncodeParams::_FindAudioInfomation(AudioFormatSpec afSpec, LONG& lAudio, LONG& lMinVideo,
                                              LONG& lMaxVideo) const
{
    if (!IsSpecAllowed(afSpec))
        return _FindAudioDefaults(afSpec, lAudio, lMinVideo, lMaxVideo);
    RangesOfSpec(afSpec, lAudio, lMinVideo, lMaxVideo);
    return S_OK;
}

LONG CDSEncodeParams::_FindNearestHalf(LONG lBitRate) const
{
    AudioFormatSpec afSpec;
    LONG lAudio = 0;
    LONG lMinVideo = 0;
    LONG lMaxVideo = 0;
    _FindAudioDefaults(afSpec, lAudio, lMinVideo, lMaxVideo);
    // A fixed-rate format has one video bitrate.
    if (lMinVideo == lMaxVideo)
        return lMinVideo;
    const LONG lVideo = std::min({lBitRate, CombinedRoomBeside(lAudio), m_caps.maxVideoBitRate});
    // The rate that leaves room for LPCM audio is kept exact.
    if (lVideo == CombinedRoomBeside(kLPCMBitRate))
        return lVideo;
    const LONG lWhole = lVideo / kOneMegabit * kOneMegabit;
    return lVideo - lWhole <= kHalfMegabit ? lWhole : lWhole + kHalfMegabit;
}

std::wstring CDSEncodeParams::GetSizeString(LONG lBitsPerSecond)
{
    if (lBitsPerSecond > 1000000)
        return FormatWide(L"%6.2f Mb/s", lBitsPerSecond * 0.000001);
    if (lBitsPerSecond > 1000)
        return FormatWide(L"%5.0f Kb/s", lBitsPerSecond * 0.001);
    return FormatWide(L"%d b/s", lBitsPerSecond);
}
