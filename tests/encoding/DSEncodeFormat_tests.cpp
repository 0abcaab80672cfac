// Disc formats, TV standards, video formats, resolutions and frame sizes.
#include "EncodingFakes.h"

#include "dsutils/DSEncodeParams.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <vector>

using namespace encoding_test;

namespace {

// What a new object holds after SetFormat(format, tv, true) with either TV standard.
struct FormatCase
{
    DiscFormat format;
    LONG maxCombined;
    LONG minVideo;
    VideoFormat video;
    SubpictureFormat subpicture;
    std::vector<VideoResolution> resolutions;
    VideoResolution resolution;
    LONG videoBitRate;
    AudioFormatSpec ntscAudio;
    AudioFormatSpec palAudio;
    LONG audioBitRate;
};

const std::vector<VideoResolution> kDVD = {VideoResolution_720, VideoResolution_704,
                                           VideoResolution_352, VideoResolution_352Half};
const std::vector<VideoResolution> kDVDWithout704 = {VideoResolution_720, VideoResolution_352,
                                                     VideoResolution_352Half};
const std::vector<VideoResolution> kBluRay = {
    VideoResolution_HD6,  VideoResolution_HD7,  VideoResolution_HD8, VideoResolution_HD14,
    VideoResolution_HD12, VideoResolution_HD15, VideoResolution_HD13};
const std::vector<VideoResolution> kHDDVD = {VideoResolution_HD6,  VideoResolution_HD7,
                                             VideoResolution_HD9,  VideoResolution_HD12,
                                             VideoResolution_HD14, VideoResolution_HD15};

constexpr AudioFormatSpec kAC3Stereo{AudioFormat_AC3, 2};
constexpr AudioFormatSpec kMPEGStereo{AudioFormat_MPEG, 2};

// Formats 3, 4, 8 and 10 have no encoding of their own: they keep the block of a new object.
const FormatCase kDVDFamily = {DiscFormat_DVD,
                               9500000,
                               3000000,
                               VideoFormat_MPEG2,
                               SubpictureFormat_SD,
                               kDVD,
                               VideoResolution_720,
                               9000000,
                               kAC3Stereo,
                               kAC3Stereo,
                               384000};

FormatCase DVDFamily(DiscFormat format)
{
    FormatCase dvd = kDVDFamily;
    dvd.format = format;
    return dvd;
}

const std::vector<FormatCase> kFormatCases = {
    {DiscFormat_DVD, 9500000, 3000000, VideoFormat_MPEG2, SubpictureFormat_SD, kDVD,
     VideoResolution_720, 9000000, kAC3Stereo, kMPEGStereo, 384000},
    {DiscFormat_DVD2, 9500000, 3000000, VideoFormat_MPEG2, SubpictureFormat_SD, kDVDWithout704,
     VideoResolution_720, 9000000, kAC3Stereo, kMPEGStereo, 384000},
    DVDFamily(DiscFormat_DVD3),
    DVDFamily(DiscFormat_DVD4),
    {DiscFormat_VCD,
     1374000,
     1150000,
     VideoFormat_MPEG1,
     SubpictureFormat_SD,
     {VideoResolution_352Half},
     VideoResolution_352Half,
     1150000,
     kMPEGStereo,
     kMPEGStereo,
     224000},
    {DiscFormat_SVCD,
     2824000,
     2600000,
     VideoFormat_MPEG2,
     SubpictureFormat_SD,
     {VideoResolution_480},
     VideoResolution_480,
     2600000,
     kMPEGStereo,
     kMPEGStereo,
     224000},
    {DiscFormat_BluRay, 40000000, 15000000, VideoFormat_MPEG2, SubpictureFormat_HD, kBluRay,
     VideoResolution_HD15, 28000000, kAC3Stereo, kAC3Stereo, 384000},
    DVDFamily(DiscFormat_BluRay2),
    {DiscFormat_HDDVD, 30000000, 15000000, VideoFormat_MPEG2, SubpictureFormat_HD, kHDDVD,
     VideoResolution_HD15, 22000000, kAC3Stereo, kAC3Stereo, 384000},
    DVDFamily(DiscFormat_HDDVD2),
    {DiscFormat_AVCHD, 40000000, 7000000, VideoFormat_AVC, SubpictureFormat_HD, kBluRay,
     VideoResolution_HD15, 15000000, kAC3Stereo, kAC3Stereo, 384000},
};

TEST(SetFormat, EveryFormatAndTVStandardLoadsItsLimitsAndHighQualityPreset)
{
    for (const FormatCase& expected : kFormatCases) {
        for (TVStandard tv : {TVStandard_NTSC, TVStandard_PAL}) {
            SCOPED_TRACE(testing::Message() << "format " << expected.format << ", TV " << tv);
            CDSEncodeParams params;
            EXPECT_EQ(params.SetFormat(expected.format, tv, true), S_OK);
            EXPECT_EQ(params.GetFormat(), expected.format);
            EXPECT_EQ(params.GetTVStandard(), tv);
            EXPECT_EQ(params.GetMaxCombinedBitRate(), expected.maxCombined);
            EXPECT_EQ(params.GetMinVideoBitRate(), expected.minVideo);
            EXPECT_EQ(params.GetVideoFormat(), expected.video);
            EXPECT_EQ(params.GetSubpictureFormat(), expected.subpicture);
            EXPECT_EQ(params.GetPossibleResolutions(), expected.resolutions);
            EXPECT_EQ(params.GetResolution(), expected.resolution);
            EXPECT_EQ(params.GetVideoBitRate(), expected.videoBitRate);
            EXPECT_EQ(params.GetAudioSpec(),
                      tv == TVStandard_NTSC ? expected.ntscAudio : expected.palAudio);
            EXPECT_EQ(params.GetAudioBitRate(), expected.audioBitRate);
        }
    }
}

TEST(SetFormat, PALStandardDVDPrefersMPEGAudio)
{
    CDSEncodeParams params;
    params.SetFormat(DiscFormat_DVD, TVStandard_PAL, true);
    const std::vector<AudioFormatSpec> pal = {
        kMPEGStereo, kAC3Stereo, {AudioFormat_AC3, 6}, {AudioFormat_LPCM, 2}};
    EXPECT_EQ(params.GetAudioSpecList(), pal);

    // Back to NTSC the block is loaded afresh, in its own order.
    params.SetFormat(DiscFormat_DVD, TVStandard_NTSC, true);
    EXPECT_EQ(params.GetAudioSpecList().front(), kAC3Stereo);
    EXPECT_EQ(params.GetAudioSpec(), kAC3Stereo);
}

TEST(SetFormat, NewTVStandardChoosesTheFirstAudioAndLowersVideoOnlyWhenNeeded)
{
    CDSEncodeParams params;
    params.SetEncoderPresets(EP_LongPlay);
    params.SetFormat(DiscFormat_DVD, TVStandard_PAL, false);
    EXPECT_EQ(params.GetAudioSpec(), kMPEGStereo);
    EXPECT_EQ(params.GetAudioBitRate(), 384000);
    EXPECT_EQ(params.GetVideoBitRate(), 3000000);

    // 9,300,000 beside 192,000 fits; beside the 384,000 of the new audio it does not.
    params.SetFormat(DiscFormat_DVD, TVStandard_NTSC, false);
    params.SetBitRates(9300000, kAC3Stereo, 192000);
    params.SetFormat(DiscFormat_DVD, TVStandard_PAL, false);
    EXPECT_EQ(params.GetAudioSpec(), kMPEGStereo);
    EXPECT_EQ(params.GetVideoBitRate(), 9500000 - 384000);
}

TEST(SetFormat, ChangingFormatAppliesTheHighQualityPresetOfTheNewFormat)
{
    CDSEncodeParams params;
    params.SetFormat(DiscFormat_HDDVD, TVStandard_NTSC, true);
    params.SetFormat(DiscFormat_DVD, TVStandard_NTSC);
    EXPECT_EQ(params.GetVideoBitRate(), 9000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_720);
    EXPECT_EQ(params.GetEncoderPresets(), EP_HQ);

    params.SetFormat(DiscFormat_BluRay, TVStandard_NTSC);
    EXPECT_EQ(params.GetVideoBitRate(), 28000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_HD15);
}

TEST(SetVideoFormat, SwitchesBluRayBlocksAndKeepsThePreset)
{
    CDSEncodeParams params;
    params.SetFormat(DiscFormat_BluRay, TVStandard_NTSC, true);
    params.SetEncoderPresets(EP_Better);
    EXPECT_EQ(params.SetVideoFormat(VideoFormat_AVC), S_OK);
    EXPECT_EQ(params.GetVideoFormat(), VideoFormat_AVC);
    EXPECT_EQ(params.GetMinVideoBitRate(), 7000000);
    EXPECT_EQ(params.GetVideoBitRate(), 13000000);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Better);

    EXPECT_EQ(params.SetVideoFormat(VideoFormat_MPEG2), S_OK);
    EXPECT_EQ(params.GetMinVideoBitRate(), 15000000);
    EXPECT_EQ(params.GetVideoBitRate(), 25000000);
}

TEST(SetVideoFormat, HDDVDKeepsAVCOnceChosen)
{
    CDSEncodeParams params;
    params.SetFormat(DiscFormat_HDDVD, TVStandard_NTSC, true);
    EXPECT_EQ(params.SetVideoFormat(VideoFormat_AVC), S_OK);
    EXPECT_EQ(params.GetVideoFormat(), VideoFormat_AVC);
    params.SetFormat(DiscFormat_HDDVD, TVStandard_PAL, true);
    EXPECT_EQ(params.GetVideoFormat(), VideoFormat_AVC);
}

TEST(SetResolution, RefusesAResolutionTheFormatDoesNotAllowUnlessFallingBack)
{
    CDSEncodeParams params;
    params.SetFormat(DiscFormat_DVD2, TVStandard_NTSC, true);
    KVUReportError(L"left over");
    EXPECT_EQ(params.SetResolution(VideoResolution_704), E_SETRESOLUTION_NOT_ALLOWED);
    const std::vector<std::wstring> stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_NE(stack[0].find(ResultCodeText(E_SETRESOLUTION_NOT_ALLOWED)), std::wstring::npos);
    // The empty slots of the list are no resolution.
    EXPECT_EQ(params.SetResolution(VideoResolution_None), E_SETRESOLUTION_NOT_ALLOWED);
    EXPECT_EQ(params.GetResolution(), VideoResolution_720);

    EXPECT_EQ(params.SetResolution(VideoResolution_352), S_OK);
    EXPECT_EQ(params.GetResolution(), VideoResolution_352);
    EXPECT_EQ(params.SetResolution(VideoResolution_HD14, true), S_OK);
    EXPECT_EQ(params.GetResolution(), VideoResolution_352Half);
}

TEST(FindBestVideoResolution, EachFormatFamilyHasItsThresholds)
{
    const struct
    {
        DiscFormat format;
        VideoFormat video;
        LONG bitRate;
        VideoResolution best;
    } cases[] = {{DiscFormat_DVD, VideoFormat_MPEG2, 6500001, VideoResolution_720},
                 {DiscFormat_DVD, VideoFormat_MPEG2, 6500000, VideoResolution_352},
                 {DiscFormat_DVD, VideoFormat_MPEG2, 4000000, VideoResolution_352},
                 {DiscFormat_DVD, VideoFormat_MPEG2, 3999999, VideoResolution_352Half},
                 {DiscFormat_BluRay, VideoFormat_MPEG2, 15000000, VideoResolution_HD8},
                 {DiscFormat_BluRay, VideoFormat_MPEG2, 20000000, VideoResolution_HD12},
                 {DiscFormat_BluRay, VideoFormat_MPEG2, 25000000, VideoResolution_HD14},
                 {DiscFormat_BluRay, VideoFormat_MPEG2, 25000001, VideoResolution_HD15},
                 {DiscFormat_BluRay, VideoFormat_AVC, 8000000, VideoResolution_HD8},
                 {DiscFormat_BluRay, VideoFormat_AVC, 11000000, VideoResolution_HD12},
                 {DiscFormat_BluRay, VideoFormat_AVC, 13000000, VideoResolution_HD14},
                 {DiscFormat_BluRay, VideoFormat_AVC, 13000001, VideoResolution_HD15},
                 {DiscFormat_AVCHD, VideoFormat_AVC, 11000001, VideoResolution_HD14},
                 {DiscFormat_HDDVD, VideoFormat_MPEG2, 15000000, VideoResolution_HD9},
                 {DiscFormat_HDDVD, VideoFormat_MPEG2, 17000000, VideoResolution_HD12},
                 {DiscFormat_HDDVD, VideoFormat_MPEG2, 20000000, VideoResolution_HD14},
                 {DiscFormat_HDDVD, VideoFormat_MPEG2, 20000001, VideoResolution_HD15}};
    for (const auto& expected : cases) {
        CDSEncodeParams params;
        params.SetFormat(expected.format, TVStandard_NTSC, true);
        params.SetVideoFormat(expected.video);
        EXPECT_EQ(params.FindBestVideoResolution(expected.bitRate), expected.best)
            << "format " << expected.format << ", video " << expected.video << ", bitrate "
            << expected.bitRate;
    }
}

TEST(GetFrameSize, EveryResolutionUnderBothStandards)
{
    const struct
    {
        VideoResolution resolution;
        LONG width, ntscHeight, palHeight;
    } cases[] = {{VideoResolution_720, 720, 480, 576},     {VideoResolution_704, 704, 480, 576},
                 {VideoResolution_352, 352, 480, 576},     {VideoResolution_352Half, 352, 240, 288},
                 {VideoResolution_480, 480, 480, 576},     {VideoResolution_HD6, 720, 480, 576},
                 {VideoResolution_HD7, 720, 480, 576},     {VideoResolution_HD8, 1280, 720, 720},
                 {VideoResolution_HD9, 960, 1080, 1080},   {VideoResolution_HD10, 960, 1080, 1080},
                 {VideoResolution_HD11, 1280, 1080, 1080}, {VideoResolution_HD12, 1440, 1080, 1080},
                 {VideoResolution_HD13, 1440, 1080, 1080}, {VideoResolution_HD14, 1920, 1080, 1080},
                 {VideoResolution_HD15, 1920, 1080, 1080}};
    for (const auto& expected : cases) {
        SIZE size{};
        EXPECT_EQ(CDSEncodeParams::GetFrameSize(size, expected.resolution, TVStandard_NTSC), S_OK);
        EXPECT_EQ(size, (SIZE{expected.width, expected.ntscHeight})) << expected.resolution;
        CDSEncodeParams::GetFrameSize(size, expected.resolution, TVStandard_PAL);
        EXPECT_EQ(size, (SIZE{expected.width, expected.palHeight})) << expected.resolution;
    }
    for (LONG outside : {0, 16, -1}) {
        SIZE size{99, 99};
        const VideoResolution resolution = static_cast<VideoResolution>(outside);
        EXPECT_EQ(CDSEncodeParams::GetFrameSize(size, resolution, TVStandard_NTSC), E_UNEXPECTED);
        EXPECT_EQ(size, (SIZE{0, 0}));
    }
}

TEST(GetFrameSize, DisplaySizeOfAnEncodingObjectWidensCroppedFrames)
{
    CComPtr<FakeEncodingParams> encoding = FakeEncodingParams::Create();
    SIZE size{};
    encoding->values.resolution = VideoResolution_HD9;
    EXPECT_EQ(CDSEncodeParams::GetFrameSize(size, encoding->GetUnknown(), TVStandard_NTSC), S_OK);
    EXPECT_EQ(size, (SIZE{960, 1080}));
    CDSEncodeParams::GetFrameSize(size, encoding->GetUnknown(), TVStandard_NTSC, true);
    EXPECT_EQ(size, (SIZE{1920, 1080}));
    encoding->values.resolution = VideoResolution_704;
    CDSEncodeParams::GetFrameSize(size, encoding->GetUnknown(), TVStandard_PAL, true);
    EXPECT_EQ(size, (SIZE{720, 576}));
}

TEST(GetFrameSize, EncodingObjectFailuresAreLoggedAndReturned)
{
    SIZE size{};
    ASSERT_EQ(RegisterXmlClasses(), S_OK);
    CComPtr<IXMLDOMDocument> notEncoding;
    ASSERT_EQ(CreateXMLDocument(&notEncoding), S_OK);
    EXPECT_EQ(CDSEncodeParams::GetFrameSize(size, notEncoding, TVStandard_NTSC), E_POINTER);
    std::vector<std::wstring> stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_NE(stack[0].find(L"*** Error NULL = (IDSEncodingParams*) spEncoding"),
              std::wstring::npos);

    CComPtr<FakeEncodingParams> encoding = FakeEncodingParams::Create();
    encoding->failing = "VideoResolution";
    EXPECT_EQ(CDSEncodeParams::GetFrameSize(size, encoding->GetUnknown(), TVStandard_NTSC),
              kPropertyFailure);
    stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_NE(stack[0].find(L" = spEncoding->get_VideoResolution(&eResolution)"),
              std::wstring::npos);
}

} // namespace
