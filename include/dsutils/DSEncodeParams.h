// The encoding parameters of a project or of one title: disc format, TV standard, aspect
// ratio, video format, resolution and bitrate, audio format, channels and bitrate, subpicture
// format, two-pass and fit-to-disc switches. Values are loaded from the object model (Read),
// edited through setters that keep them inside what the disc format allows, and stored back
// (Write). Bitrates are in bits per second.
#pragma once

#include "model/IDSEncodingParams.h"
#include "model/IDSProjectData.h"
#include "platform/ComPtr.h"

#include <span>
#include <string>
#include <vector>

// The quality presets of the encoder.
enum EncoderPresets : LONG
{
    EP_Custom = 0,
    EP_Standard = 1,
    EP_Better = 2,
    EP_HQ = 3,
    EP_LongPlay = 4,
};

// An audio format with its channel count (2 for stereo, 6 for 5.1).
struct AudioFormatSpec
{
    AudioFormat audioFormat = AudioFormat_None;
    LONG channels = 2;

    bool operator==(const AudioFormatSpec& other) const = default;
};

// An audio format and one of its bitrates.
struct AudioBitRateList
{
    AudioFormat audioFormat = AudioFormat_None;
    LONG bitRate = 0;
    LONG reserved = 0;
};

// One cell of the preset table: a video bitrate (before rounding) and a resolution.
struct EncoderSettings
{
    LONG videoBitRate = 0;
    VideoResolution resolution = VideoResolution_None;
};

// What a disc format allows.
struct FormatCaps
{
    static constexpr int kResolutionSlots = 8;
    static constexpr int kAudioEntries = 6;
    static constexpr int kAudioRateSlots = 10;

    // One audio format with its bitrates in ascending order; empty slots hold 0.
    struct AudioEntry
    {
        AudioFormat audioFormat;
        LONG bitRates[kAudioRateSlots];
    };

    // Video plus audio may not exceed it.
    LONG maxCombinedBitRate;
    LONG minVideoBitRate;
    LONG maxVideoBitRate;
    // Allowed resolutions, filled slots first, empty slots 0.
    VideoResolution resolutions[kResolutionSlots];
    // Allowed audio in order of preference; the first entry with format 0 ends the table.
    AudioEntry audio[kAudioEntries];
};

class CDSEncodeParams
{
public:
    // With a source (an encoding object, a project, a title or a menu) the values are read
    // from it (Read; call Read yourself to see its result). Without one, the defaults of a
    // standard DVD: NTSC, 4:3, MPEG-2 at the high-quality preset, stereo AC-3.
    explicit CDSEncodeParams(IUnknown* pSource = nullptr);

    // Reads the values from an encoding object, a project, a title or a menu (a menu is encoded
    // as its project). The project of a title or menu supplies the disc format, TV standard
    // and fit-to-disc switches. Values over the combined limit are replaced by the
    // high-quality preset. Failures are logged and returned; the values read before the
    // failure are kept.
    HRESULT Read(IUnknown* pSource);
    // Writes the values to the target's encoding parameters (null: those read from), and the
    // TV standard and fit-to-disc switches to the project read from. The disc format is not
    // written.
    HRESULT Write(IUnknown* pTarget = nullptr);

    DiscFormat GetFormat() const { return m_eDiscFormat; }
    TVStandard GetTVStandard() const { return m_eTVStandard; }
    AspectRatio GetAspectRatio() const { return m_eAspectRatio; }
    VideoFormat GetVideoFormat() const { return m_eVideoFormat; }
    VideoResolution GetResolution() const { return m_eVideoResolution; }
    SubpictureFormat GetSubpictureFormat() const { return m_eSubpictureFormat; }
    LONG GetVideoBitRate() const { return m_lVideoBitRate; }
    LONG GetAudioBitRate() const { return m_lAudioBitRate; }
    AudioFormatSpec GetAudioSpec() const { return m_afSpec; }
    LONG GetMaxCombinedBitRate() const { return m_caps.maxCombinedBitRate; }
    LONG GetMinVideoBitRate() const { return m_caps.minVideoBitRate; }
    const FormatCaps& GetFormatCaps() const { return m_caps; }
    bool GetTwoPassEncoding() const { return m_bTwoPassEncoding != VARIANT_FALSE; }
    bool IsFitToDiscOn() const { return m_bFitToDisc != VARIANT_FALSE; }
    // True only when fit-to-disc and compression are both on.
    bool DoCompressionForFitToDisc() const;

    void SetAspectRatio(AspectRatio eAspect) { m_eAspectRatio = eAspect; }
    void SetTwoPassEncoding(bool bTwoPass);
    void SetFitToDisc(bool bFit);
    void SetDoCompressionForFitToDisc(bool bCompress);

    // The SyncToProject switch of the encoding object read from.
    HRESULT GetSyncToProject(VARIANT_BOOL* pbSync) const;
    HRESULT SetSyncToProject(VARIANT_BOOL bSync);

    // --- Disc format, video format and resolution ---

    // Loads what the disc format allows and fits the values to it. A new format (or force)
    // applies the format's high-quality preset; a new TV standard chooses the first audio
    // format of the format at its highest stereo rate.
    HRESULT SetFormat(DiscFormat eFormat, TVStandard eTV, bool bForce = false);
    // Changes the video format of the formats that offer a choice (7 and 9) and re-applies
    // the current preset; other formats ignore the call.
    HRESULT SetVideoFormat(VideoFormat eFormat);
    // The video formats the disc format allows, preferred first; empty for formats without
    // encoding of their own.
    std::vector<VideoFormat> GetVideoFormatList() const;
    // Makes an allowed resolution current. A resolution the format does not allow gives
    // 0xC201007B and changes nothing, unless bFallback asks for the last allowed one instead.
    HRESULT SetResolution(VideoResolution eResolution, bool bFallback = false);
    std::vector<VideoResolution> GetPossibleResolutions() const;
    // The resolution that suits a video bitrate on the current disc format.
    VideoResolution FindBestVideoResolution(LONG lBitRate) const;
    // The frame size of a resolution (a height of 480 lines for NTSC, 576 for any other
    // standard, where the resolution depends on it). E_UNEXPECTED and 0 x 0 outside 1 to 15.
    static HRESULT GetFrameSize(SIZE& size, VideoResolution eResolution, TVStandard eTV);
    // The frame size of the resolution of an encoding object (or of a menu's project); with
    // bDisplay, frames 1080 lines high are reported 1920 wide and frames 704 wide are reported
    // 720 wide.
    static HRESULT GetFrameSize(SIZE& size, IUnknown* pEncoding, TVStandard eTV,
                                bool bDisplay = false);

    // High-definition AVC encoding: always on format 11, on 7 and 8 and on 9 and 10 when the
    // configuration enables it.
    static bool AVCAvailable(DiscFormat eFormat);
    static bool MPEG2Available() { return true; }
    static bool AC3Available() { return true; }

    // --- Presets ---

    // Sets the preset's video bitrate (rounded to half megabits) and resolution, then the
    // bitrates with the current audio. EP_Custom keeps the current video bitrate and
    // resolution. With bMaxAudio the audio bitrate becomes the highest stereo rate of the
    // current audio format, as the presets read back by GetEncoderPresets have it.
    // Returns the result of SetBitRates.
    HRESULT SetEncoderPresets(EncoderPresets ePreset, bool bMaxAudio = false);
    // EP_Custom unless the audio bitrate is the highest stereo rate of its format and the
    // video bitrate is a preset's.
    EncoderPresets GetEncoderPresets() const;
    // The preset whose video bitrate is the current one; EP_Custom when none is.
    EncoderPresets GetVideoEncoderPresets() const;
    // The preset table's cell for the current disc and video format; the current values for
    // EP_Custom and for values that name no preset.
    EncoderSettings GetPresetSettings(EncoderPresets ePreset) const;

    // --- Master settings ---

    // True when every title of the project that is not a slideshow has the project's preset;
    // false also when the project or a title cannot be read.
    static bool AreAllTitlesUsingMasterSettings(IUnknown* pProject);
    // Makes every title of the project read from (slideshows excepted) follow the project's
    // settings.
    HRESULT SetAllTitlesToMasterSetting();

    // --- Bitrates and audio ---

    // min(maximum video, combined limit - current audio bitrate).
    LONG GetMaxVideoBitRate() const;
    // The highest video bitrate any allowed audio leaves room for: beside the lowest audio
    // rate of the table, which list receives (format and rate).
    LONG GetMaximumPossibleVideoBitRate(AudioBitRateList& list) const;
    // The highest rate of the current audio list that fits beside the current video bitrate;
    // the lowest rate when none fits; the room left when the list is empty.
    LONG GetMaxAudioBitRate() const;
    // The rate itself when the format's stereo list has it, else the highest listed rate
    // below it, else 0; LPCM always 1,536,000.
    LONG GetAllowedBitrate(AudioFormat eFormat, LONG lRate) const;
    HRESULT GetAllowedAudioTypes(bool& bAC3, bool& bLPCM, bool& bMPEG) const;
    // Every allowed audio format with 2 channels, in preference order; AC-3 also with 6.
    std::vector<AudioFormatSpec> GetAudioSpecList() const;
    // The rates of an audio format and channel count: AC-3 stereo up to 384,000, AC-3 5.1 from
    // 384,000, every other format all its rates. Empty for a format the disc format does not allow.
    std::vector<LONG> GetAudioBitRateList(const AudioFormatSpec& afSpec) const;
    std::vector<LONG> GetAudioBitRateList() const;
    // Chooses an audio format and rate that fit beside lVideo, when eFormat / lRate do not.
    // S_OK when they fit or a fitting one was found; S_FALSE when none was, with eFormat and
    // lRate set to the current audio.
    HRESULT FindAppropriateAudioBitRate(LONG lVideo, AudioFormat& eFormat, LONG& lRate) const;
    // Stores the three values: audio the format does not allow is replaced by the first
    // allowed format and channel count, a rate it does not list by its highest rate; a video
    // bitrate that does not fit beside the audio is lowered, giving S_FALSE.
    HRESULT SetBitRates(LONG lVideo, AudioFormatSpec afSpec, LONG lAudio);
    // With bAdjustAudio, an audio rate that does not fit beside the new video bitrate is
    // replaced first (FindAppropriateAudioBitRate). Result of SetBitRates.
    HRESULT SetVideoBitRate(LONG lVideo, bool bAdjustAudio);
    // With bAdjustVideo, a video bitrate that does not fit beside the new audio rate is
    // lowered first. Result of SetBitRates.
    HRESULT SetAudioBitRate(AudioFormat eFormat, LONG lRate, bool bAdjustVideo);
    // Switches to an allowed audio format and channel count at the highest of its rates that fits
    // beside the video bitrate (the video bitrate is lowered when even the lowest does not fit:
    // S_FALSE). 0xC2010089 for audio the format does not allow, changing nothing.
    HRESULT SetAudioSpec(const AudioFormatSpec& afSpec);

    // A preset video bitrate rounded to half megabits within what the format allows.
    LONG _FindNearestHalf(LONG lBitRate) const;
    // The index of the format's audio entry, -1 when the format is not allowed.
    int _FindAudioFormatIndex(AudioFormat eFormat) const;
    // The filled rate slots of the format's audio entry; empty when not allowed. The view
    // belongs to this object and holds until its disc format changes.
    std::span<const LONG> _FindAudioBitRateList(AudioFormat eFormat) const;
    // The first audio format with stereo rates and its lowest rate; 0xC201007C when the
    // table has none.
    HRESULT _FindMinAudioBitRate(AudioFormat& eFormat, LONG& lRate) const;
    // The first allowed audio, its highest rate and the video range that rate leaves.
    HRESULT _FindAudioDefaults(AudioFormatSpec& afSpec, LONG& lAudio, LONG& lMinVideo,
                               LONG& lMaxVideo) const;
    // The same for the given audio; the defaults when it is not allowed.
    HRESULT _FindAudioInfomation(AudioFormatSpec afSpec, LONG& lAudio, LONG& lMinVideo,
                                 LONG& lMaxVideo) const;

    // "%6.2f Mb/s" above 1,000,000, "%5.0f Kb/s" above 1,000, else "%d b/s".
    static std::wstring GetSizeString(LONG lBitsPerSecond);

private:
    static CComPtr<IDSEncodingParams> EncodingParamsOf(IUnknown* pObject, IDSProjectData* pProject);
    void SetUpDefaults();
    HRESULT Attach(IUnknown* pSource);
    HRESULT ReadProjectSettings();
    HRESULT ReadEncodingValues();

    void LoadFormatCaps(DiscFormat eFormat);
    void PreferMPEGAudio();
    void RemoveResolution(VideoResolution eResolution);
    HRESULT ChooseVideoCDResolution(DiscFormat eFormat);
    HRESULT ChooseAudioForTVStandard();

    HRESULT ApplyPreset(EncoderPresets ePreset, bool bMaxAudio);
    HRESULT ApplyResolution(VideoResolution eResolution, bool bFallback);
    bool IsResolutionAllowed(VideoResolution eResolution) const;

    bool IsSpecAllowed(const AudioFormatSpec& afSpec) const;
    LONG HighestStereoRate(AudioFormat eFormat) const;
    AudioFormatSpec SpecForRate(AudioFormat eFormat, LONG lRate) const;
    void RangesOfSpec(const AudioFormatSpec& afSpec, LONG& lAudio, LONG& lMinVideo,
                      LONG& lMaxVideo) const;
    bool ExceedsCombined(LONG lVideo, LONG lAudio) const;
    LONG CombinedRoomBeside(LONG lUsed) const;

    FormatCaps m_caps{};
    DiscFormat m_eDiscFormat = DiscFormat_DVD;
    TVStandard m_eTVStandard = TVStandard_NTSC;
    VARIANT_BOOL m_bFitToDisc = VARIANT_TRUE;
    VARIANT_BOOL m_bDoCompression = VARIANT_TRUE;
    AspectRatio m_eAspectRatio = AspectRatio_4x3;
    VideoFormat m_eVideoFormat = VideoFormat_MPEG2;
    VideoResolution m_eVideoResolution = VideoResolution_720;
    LONG m_lVideoBitRate = 7000000;
    LONG m_lAudioBitRate = 0;
    SubpictureFormat m_eSubpictureFormat = SubpictureFormat_SD;
    bool m_bReducedRateDisc = false;
    AudioFormatSpec m_afSpec{AudioFormat_AC3, 2};
    VARIANT_BOOL m_bTwoPassEncoding = VARIANT_FALSE;
    CComPtr<IDSEncodingParams> m_spEncoding;
    CComPtr<IDSProjectData> m_spProj;
};
