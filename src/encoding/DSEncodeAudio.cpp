// The audio table of the disc format: allowed formats and channel counts, their rate lists and
// audio choices.
#include "dsutils/DSEncodeParams.h"

#include "FormatCapsTable.h"
#include "platform/ResultCodes.h"

#include <algorithm>
#include <optional>

namespace {

// AC-3 stereo stops at this rate and AC-3 5.1 starts there.
constexpr LONG kAC3ChannelSplitRate = 384000;

// The last of the ascending rates that is not above the limit; none when even the first is.
std::optional<LONG> LastRateNotAbove(const std::vector<LONG>& rates, LONG lLimit)
{
    std::optional<LONG> found;
    for (LONG lRate : rates) {
        if (lRate > lLimit)
            break;
        found = lRate;
    }
    return found;
}

bool Contains(const std::vector<LONG>& rates, LONG lRate)
{
    return std::find(rates.begin(), rates.end(), lRate) != rates.end();
}

} // namespace

int CDSEncodeParams::_FindAudioFormatIndex(AudioFormat eFormat) const
{
    std::span<const FormatCaps::AudioEntry> entries = AudioEntries(m_caps);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].audioFormat == eFormat)
            return static_cast<int>(i);
    }
    return -1;
}

std::span<const LONG> CDSEncodeParams::_FindAudioBitRateList(AudioFormat eFormat) const
{
    const int iEntry = _FindAudioFormatIndex(eFormat);
    if (iEntry < 0)
        return {};
    return EntryRates(m_caps.audio[iEntry]);
}

std::vector<AudioFormatSpec> CDSEncodeParams::GetAudioSpecList() const
{
    std::vector<AudioFormatSpec> afSpecs;
    for (const FormatCaps::AudioEntry& entry : AudioEntries(m_caps)) {
        afSpecs.push_back({entry.audioFormat, 2});
        if (entry.audioFormat == AudioFormat_AC3)
            afSpecs.push_back({AudioFormat_AC3, 6});
    }
    return afSpecs;
}

bool CDSEncodeParams::IsSpecAllowed(const AudioFormatSpec& afSpec) const
{
    const std::vector<AudioFormatSpec> afSpecs = GetAudioSpecList();
    return std::find(afSpecs.begin(), afSpecs.end(), afSpec) != afSpecs.end();
}

std::vector<LONG> CDSEncodeParams::GetAudioBitRateList(const AudioFormatSpec& afSpec) const
{
    std::vector<LONG> rates;
    for (LONG lRate : _FindAudioBitRateList(afSpec.audioFormat)) {
        if (afSpec.audioFormat == AudioFormat_AC3) {
            const bool bSurround = afSpec.channels > 2;
            if (bSurround ? lRate < kAC3ChannelSplitRate : lRate > kAC3ChannelSplitRate)
                continue;
        }
        rates.push_back(lRate);
    }
    return rates;
}

std::vector<LONG> CDSEncodeParams::GetAudioBitRateList() const
{
    return GetAudioBitRateList(m_afSpec);
}

LONG CDSEncodeParams::GetAllowedBitrate(AudioFormat eFormat, LONG lRate) const
{
    if (eFormat == AudioFormat_LPCM)
        return kLPCMBitRate;
    return LastRateNotAbove(GetAudioBitRateList({eFormat, 2}), lRate).value_or(0);
}

// The rate a preset pairs with an audio format: its highest stereo rate; 0 when the format is
// not allowed.
LONG CDSEncodeParams::HighestStereoRate(AudioFormat eFormat) const
{
    std::span<const LONG> rates = _FindAudioBitRateList(eFormat);
    return rates.empty() ? 0 : GetAllowedBitrate(eFormat, rates.back());
}

HRESULT CDSEncodeParams::GetAllowedAudioTypes(bool& bAC3, bool& bLPCM, bool& bMPEG) const
{
    bAC3 = _FindAudioFormatIndex(AudioFormat_AC3) >= 0;
    bLPCM = _FindAudioFormatIndex(AudioFormat_LPCM) >= 0;
    bMPEG = _FindAudioFormatIndex(AudioFormat_MPEG) >= 0;
    return S_OK;
}

LONG CDSEncodeParams::GetMaxAudioBitRate() const
{
    const LONG lLimit = CombinedRoomBeside(m_lVideoBitRate);
    const std::vector<LONG> rates = GetAudioBitRateList();
    if (rates.empty())
        return lLimit;
    return LastRateNotAbove(rates, lLimit).value_or(rates.front());
}

HRESULT CDSEncodeParams::SetAudioSpec(const AudioFormatSpec& afSpec)
{
    if (afSpec == m_afSpec)
        return S_OK;
    if (!IsSpecAllowed(afSpec))
        return E_SETAUDIOSPEC_NOT_ALLOWED;
    m_afSpec = afSpec;
    // Through SetBitRates, so that a rate that cannot fit lowers the video bitrate.
    return SetBitRates(m_lVideoBitRate, afSpec, GetMaxAudioBitRate());
}

// A caller that names the current format at a rate of its current list keeps its channels;
// any other choice is stereo.
AudioFormatSpec CDSEncodeParams::SpecForRate(AudioFormat eFormat, LONG lRate) const
{
    if (eFormat == m_afSpec.audioFormat && Contains(GetAudioBitRateList(), lRate))
        return m_afSpec;
    return {eFormat, 2};
}
