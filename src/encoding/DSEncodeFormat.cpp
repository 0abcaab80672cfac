// Disc format, video format, resolutions and frame sizes.
#include "dsutils/DSEncodeParams.h"

#include "FormatCapsTable.h"
#include "dsutils/DSTags.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

struct FrameSize
{
    LONG width;
    LONG ntscHeight;
    LONG palHeight;
};

// Frame sizes of resolutions 1 to 15.
constexpr FrameSize kFrameSizes[] = {{720, 480, 576},    {704, 480, 576},    {352, 480, 576},
                                     {352, 240, 288},    {480, 480, 576},    {720, 480, 576},
                                     {720, 480, 576},    {1280, 720, 720},   {960, 1080, 1080},
                                     {960, 1080, 1080},  {1280, 1080, 1080}, {1440, 1080, 1080},
                                     {1440, 1080, 1080}, {1920, 1080, 1080}, {1920, 1080, 1080}};

// Thresholds of FindBestVideoResolution for the high-definition formats: the resolution for
// rates up to the first and the second, above the third, and in between.
struct HDResolutionSteps
{
    LONG upToLow;
    VideoResolution low;
    LONG upToMiddle;
    VideoResolution middle;
    LONG above;
};

constexpr HDResolutionSteps kAVCSteps = {8000000, VideoResolution_HD8, 11000000,
                                         VideoResolution_HD12, 13000000};
constexpr HDResolutionSteps kBluRayMPEG2Steps = {15000000, VideoResolution_HD8, 20000000,
                                                 VideoResolution_HD12, 25000000};
constexpr HDResolutionSteps kHDDVDSteps = {15000000, VideoResolution_HD9, 17000000,
                                           VideoResolution_HD12, 20000000};

VideoResolution StepResolution(const HDResolutionSteps& steps, LONG lBitRate)
{
    if (lBitRate <= steps.upToLow)
        return steps.low;
    if (lBitRate <= steps.upToMiddle)
        return steps.middle;
    if (lBitRate > steps.above)
        return VideoResolution_HD15;
    return VideoResolution_HD14;
}

VideoResolution StandardDefinitionResolution(LONG lBitRate)
{
    if (lBitRate > 6500000)
        return VideoResolution_720;
    if (lBitRate < 4000000)
        return VideoResolution_352Half;
    return VideoResolution_352;
}

} // namespace

HRESULT CDSEncodeParams::SetFormat(DiscFormat eFormat, TVStandard eTV, bool bForce)
{
    KVUClearErrorStack();
    LoadFormatCaps(eFormat);
    if (eTV == TVStandard_PAL && (eFormat == DiscFormat_DVD || eFormat == DiscFormat_DVD2))
        PreferMPEGAudio();
    if (eFormat == DiscFormat_DVD2)
        RemoveResolution(VideoResolution_704);
    const bool bNewFormat = bForce || eFormat != m_eDiscFormat;
    // Stored before the preset so that the preset is the one of the new format.
    m_eDiscFormat = eFormat;
    if (bNewFormat) {
        CHECK_HR(ApplyPreset(EP_HQ, false));
        CHECK_HR(ChooseVideoCDResolution(eFormat));
    }
    if (eTV != m_eTVStandard)
        CHECK_HR(ChooseAudioForTVStandard());
    m_eTVStandard = eTV;
    return S_OK;
}

void CDSEncodeParams::LoadFormatCaps(DiscFormat eFormat)
{
    switch (eFormat) {
    case DiscFormat_DVD:
    case DiscFormat_DVD2:
        m_caps = kDVDCaps;
        m_eVideoFormat = VideoFormat_MPEG2;
        break;
    case DiscFormat_VCD:
        m_caps = kVideoCDCaps;
        m_eVideoFormat = VideoFormat_MPEG1;
        break;
    case DiscFormat_SVCD:
        m_caps = kSuperVideoCDCaps;
        m_eVideoFormat = VideoFormat_MPEG2;
        break;
    case DiscFormat_BluRay:
        if (m_eVideoFormat == VideoFormat_AVC) {
            m_caps = kBluRayAVCCaps;
        } else {
            m_caps = kBluRayMPEG2Caps;
            m_eVideoFormat = VideoFormat_MPEG2;
        }
        break;
    case DiscFormat_HDDVD:
        // HD DVD offers AVC as well; its rates and sizes are those of MPEG-2.
        m_caps = kHDDVDCaps;
        if (m_eVideoFormat != VideoFormat_AVC)
            m_eVideoFormat = VideoFormat_MPEG2;
        break;
    case DiscFormat_AVCHD:
        m_caps = kBluRayAVCCaps;
        m_eVideoFormat = VideoFormat_AVC;
        break;
    default:
        // Formats without encoding of their own keep the block they have.
        break;
    }
    const bool bHighDefinition =
        eFormat == DiscFormat_BluRay || eFormat == DiscFormat_HDDVD || eFormat == DiscFormat_AVCHD;
    m_eSubpictureFormat = bHighDefinition ? SubpictureFormat_HD : SubpictureFormat_SD;
}

// PAL discs carry MPEG audio in preference to AC-3.
void CDSEncodeParams::PreferMPEGAudio()
{
    const int iAC3 = _FindAudioFormatIndex(AudioFormat_AC3);
    const int iMPEG = _FindAudioFormatIndex(AudioFormat_MPEG);
    if (iAC3 >= 0 && iMPEG >= 0)
        std::swap(m_caps.audio[iAC3], m_caps.audio[iMPEG]);
}

void CDSEncodeParams::RemoveResolution(VideoResolution eResolution)
{
    VideoResolution* pBegin = std::begin(m_caps.resolutions);
    VideoResolution* pEnd = std::end(m_caps.resolutions);
    VideoResolution* pKept = std::remove(pBegin, pEnd, eResolution);
    std::fill(pKept, pEnd, VideoResolution_None);
}

// The video CD formats have one frame size each.
HRESULT CDSEncodeParams::ChooseVideoCDResolution(DiscFormat eFormat)
{
    if (eFormat == DiscFormat_VCD)
        return ApplyResolution(VideoResolution_352Half, true);
    if (eFormat == DiscFormat_SVCD)
        return ApplyResolution(VideoResolution_480, true);
    return S_OK;
}

// A new TV standard starts from the format's preferred audio at its highest stereo rate,
// lowering the video bitrate only when both would not fit.
HRESULT CDSEncodeParams::ChooseAudioForTVStandard()
{
    std::span<const FormatCaps::AudioEntry> entries = AudioEntries(m_caps);
    if (entries.empty())
        return S_OK;
    const AudioFormat eFormat = entries.front().audioFormat;
    const LONG lAudio = HighestStereoRate(eFormat);
    LONG lVideo = m_lVideoBitRate;
    if (ExceedsCombined(lVideo, lAudio))
        lVideo = CombinedRoomBeside(lAudio);
    return SetBitRates(lVideo, {eFormat, 2}, lAudio);
}

HRESULT CDSEncodeParams::SetVideoFormat(VideoFormat eFormat)
{
    KVUClearErrorStack();
    if (m_eDiscFormat != DiscFormat_BluRay && m_eDiscFormat != DiscFormat_HDDVD)
        return S_OK;
    const EncoderPresets ePreset = GetEncoderPresets();
    m_eVideoFormat = eFormat;
    CHECK_HR(SetFormat(m_eDiscFormat, m_eTVStandard, false));
    CHECK_HR(SetEncoderPresets(ePreset));
    return S_OK;
}

std::vector<VideoFormat> CDSEncodeParams::GetVideoFormatList() const
{
    switch (m_eDiscFormat) {
    case DiscFormat_DVD:
    case DiscFormat_DVD2:
    case DiscFormat_SVCD:
        return {VideoFormat_MPEG2};
    case DiscFormat_VCD:
        return {VideoFormat_MPEG1};
    case DiscFormat_BluRay:
    case DiscFormat_HDDVD:
        return {VideoFormat_MPEG2, VideoFormat_AVC};
    case DiscFormat_AVCHD:
        return {VideoFormat_AVC};
    default:
        return {};
    }
}

HRESULT CDSEncodeParams::SetResolution(VideoResolution eResolution, bool bFallback)
{
    KVUClearErrorStack();
    return ApplyResolution(eResolution, bFallback);
}

HRESULT CDSEncodeParams::ApplyResolution(VideoResolution eResolution, bool bFallback)
{
    if (IsResolutionAllowed(eResolution)) {
        m_eVideoResolution = eResolution;
        return S_OK;
    }
    const std::vector<VideoResolution> resolutions = GetPossibleResolutions();
    if (!bFallback || resolutions.empty())
        RETURN_CODE(E_SETRESOLUTION_NOT_ALLOWED);
    m_eVideoResolution = resolutions.back();
    return S_OK;
}

bool CDSEncodeParams::IsResolutionAllowed(VideoResolution eResolution) const
{
    const std::vector<VideoResolution> resolutions = GetPossibleResolutions();
    return std::find(resolutions.begin(), resolutions.end(), eResolution) != resolutions.end();
}

std::vector<VideoResolution> CDSEncodeParams::GetPossibleResolutions() const
{
    std::vector<VideoResolution> resolutions;
    for (VideoResolution eResolution : m_caps.resolutions) {
        if (eResolution != VideoResolution_None)
            resolutions.push_back(eResolution);
    }
    return resolutions;
}

VideoResolution CDSEncodeParams::FindBestVideoResolution(LONG lBitRate) const
{
    switch (m_eDiscFormat) {
    case DiscFormat_BluRay:
        return StepResolution(m_eVideoFormat == VideoFormat_AVC ? kAVCSteps : kBluRayMPEG2Steps,
                              lBitRate);
    case DiscFormat_AVCHD:
        return StepResolution(kAVCSteps, lBitRate);
    case DiscFormat_HDDVD:
        return StepResolution(kHDDVDSteps, lBitRate);
    default:
        return StandardDefinitionResolution(lBitRate);
    }
}

HRESULT CDSEncodeParams::GetFrameSize(SIZE& size, VideoResolution eResolution, TVStandard eTV)
{
    size = {0, 0};
    if (eResolution < VideoResolution_720 || eResolution > VideoResolution_HD15)
        return E_UNEXPECTED;
    const FrameSize& frame = kFrameSizes[eResolution - VideoResolution_720];
    size = {frame.width, eTV == TVStandard_NTSC ? frame.ntscHeight : frame.palHeight};
    return S_OK;
}

HRESULT CDSEncodeParams::GetFrameSize(SIZE& size, IUnknown* pEncoding, TVStandard eTV,
                                      bool bDisplay)
{
    KVUClearErrorStack();
    size = {0, 0};
    CHECK_NULL(pEncoding);
    CComPtr<IDSEncodingParams> spEncoding = EncodingParamsOf(pEncoding, GetProject(pEncoding));
    CHECK_NULL_TEXT(spEncoding, "(IDSEncodingParams*) spEncoding");
    VideoResolution eResolution = VideoResolution_None;
    CHECK_HR(spEncoding->get_VideoResolution(&eResolution));
    CHECK_HR(GetFrameSize(size, eResolution, eTV));
    if (bDisplay) {
        // Anamorphic and cropped frames are shown at the full width of their frame family.
        if (size.cy == 1080)
            size.cx = 1920;
        else if (size.cx == 704)
            size.cx = 720;
    }
    return S_OK;
}
