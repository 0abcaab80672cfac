// Bitrates within the combined limit, audio choices, rounding and display.
#include "EncodingFakes.h"

#include "dsutils/DSEncodeParams.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace encoding_test;

namespace {

constexpr AudioFormatSpec kAC3Stereo{AudioFormat_AC3, 2};
constexpr AudioFormatSpec kAC3Surround{AudioFormat_AC3, 6};
constexpr AudioFormatSpec kMPEGStereo{AudioFormat_MPEG, 2};
constexpr AudioFormatSpec kLPCMStereo{AudioFormat_LPCM, 2};

// The combined limit of a standard DVD less the LPCM rate.
constexpr LONG kDVDRoomBesideLPCM = 9500000 - 1536000;

CDSEncodeParams ParamsFor(DiscFormat format, TVStandard tv = TVStandard_NTSC)
{
    CDSEncodeParams params;
    params.SetFormat(format, tv, true);
    return params;
}

void ExpectBitRates(const CDSEncodeParams& params, LONG video, AudioFormatSpec afSpec, LONG audio)
{
    EXPECT_EQ(params.GetVideoBitRate(), video);
    EXPECT_EQ(params.GetAudioSpec(), afSpec);
    EXPECT_EQ(params.GetAudioBitRate(), audio);
}

TEST(SetBitRates, StoresWhatFitsAndLowersVideoOverTheCombinedLimit)
{
    CDSEncodeParams params;
    // Above the maximum video bitrate, but video and audio together fit: stored as given.
    EXPECT_EQ(params.SetBitRates(9116000, kAC3Stereo, 384000), S_OK);
    ExpectBitRates(params, 9116000, kAC3Stereo, 384000);
    EXPECT_EQ(params.SetBitRates(9200000, kAC3Stereo, 384000), S_FALSE);
    ExpectBitRates(params, 9000000, kAC3Stereo, 384000);
    EXPECT_EQ(params.SetBitRates(9000000, kLPCMStereo, 1536000), S_FALSE);
    ExpectBitRates(params, kDVDRoomBesideLPCM, kLPCMStereo, 1536000);
}

TEST(SetBitRates, ReplacesAudioTheFormatDoesNotAllow)
{
    CDSEncodeParams params;
    params.SetBitRates(5000000, kAC3Surround, 192000);
    ExpectBitRates(params, 5000000, kAC3Surround, 640000);
    params.SetBitRates(5000000, {AudioFormat_AC3, 4}, 192000);
    ExpectBitRates(params, 5000000, kAC3Stereo, 192000);

    CDSEncodeParams bluRay = ParamsFor(DiscFormat_BluRay);
    bluRay.SetBitRates(20000000, kMPEGStereo, 224000);
    ExpectBitRates(bluRay, 20000000, kAC3Stereo, 384000);
}

TEST(SetVideoBitRate, AdjustingChoosesAnAudioRateThatFits)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.SetVideoBitRate(9300000, true), S_OK);
    ExpectBitRates(params, 9300000, kAC3Stereo, 192000);

    CDSEncodeParams pal = ParamsFor(DiscFormat_DVD, TVStandard_PAL);
    EXPECT_EQ(pal.SetVideoBitRate(9300000, true), S_OK);
    ExpectBitRates(pal, 9300000, kMPEGStereo, 192000);
}

TEST(SetVideoBitRate, LowersTheVideoWhenNoAudioFitsOrAdjustingIsOff)
{
    CDSEncodeParams params;
    // 50,000 is below every rate of the preferred formats.
    EXPECT_EQ(params.SetVideoBitRate(9450000, true), S_FALSE);
    ExpectBitRates(params, 9000000, kAC3Stereo, 384000);
    EXPECT_EQ(params.SetVideoBitRate(9300000, false), S_FALSE);
    ExpectBitRates(params, 9000000, kAC3Stereo, 384000);
}

TEST(SetVideoBitRate, KeepsSurroundAudioUnlessOnlyStereoFits)
{
    CDSEncodeParams params;
    params.SetAudioSpec(kAC3Surround);
    EXPECT_EQ(params.SetVideoBitRate(8000000, false), S_OK);
    ExpectBitRates(params, 8000000, kAC3Surround, 448000);
    EXPECT_EQ(params.SetVideoBitRate(9200000, true), S_OK);
    ExpectBitRates(params, 9200000, kAC3Stereo, 256000);
}

TEST(SetAudioBitRate, StereoAC3StopsAt384000)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.SetAudioBitRate(AudioFormat_AC3, 448000, true), S_OK);
    ExpectBitRates(params, 9000000, kAC3Stereo, 384000);
    EXPECT_EQ(params.SetAudioBitRate(AudioFormat_MPEG, 224000, false), S_OK);
    ExpectBitRates(params, 9000000, kMPEGStereo, 224000);
}

TEST(SetAudioBitRate, AdjustingLowersTheVideoBeforeTheRatesAreStored)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.SetAudioBitRate(AudioFormat_LPCM, 1536000, true), S_OK);
    ExpectBitRates(params, kDVDRoomBesideLPCM, kLPCMStereo, 1536000);
    EXPECT_EQ(CDSEncodeParams().SetAudioBitRate(AudioFormat_LPCM, 1536000, false), S_FALSE);
}

TEST(SetAudioBitRate, KeepsSurroundForARateOfTheSurroundList)
{
    CDSEncodeParams params;
    params.SetAudioSpec(kAC3Surround);
    EXPECT_EQ(params.SetAudioBitRate(AudioFormat_AC3, 640000, true), S_OK);
    ExpectBitRates(params, 9500000 - 640000, kAC3Surround, 640000);
}

TEST(SetAudioSpec, TakesTheHighestRateThatFitsBesideTheVideo)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.SetAudioSpec(kAC3Surround), S_OK);
    ExpectBitRates(params, 9000000, kAC3Surround, 448000);
    EXPECT_EQ(params.SetAudioSpec(kAC3Surround), S_OK);

    CDSEncodeParams longPlay;
    longPlay.SetEncoderPresets(EP_LongPlay);
    longPlay.SetAudioSpec(kAC3Surround);
    EXPECT_EQ(longPlay.GetAudioBitRate(), 640000);

    // Audio that cannot fit at all lowers the video instead.
    EXPECT_EQ(params.SetAudioSpec(kLPCMStereo), S_FALSE);
    ExpectBitRates(params, kDVDRoomBesideLPCM, kLPCMStereo, 1536000);
}

TEST(SetAudioSpec, RefusesASpecTheFormatDoesNotAllowWithoutLogging)
{
    CDSEncodeParams params = ParamsFor(DiscFormat_BluRay);
    KVUClearErrorStack();
    KVUReportError(L"earlier message");
    EXPECT_EQ(params.SetAudioSpec(kMPEGStereo), E_SETAUDIOSPEC_NOT_ALLOWED);
    EXPECT_EQ(params.SetAudioSpec({AudioFormat_AC3, 4}), E_SETAUDIOSPEC_NOT_ALLOWED);
    ExpectBitRates(params, 28000000, kAC3Stereo, 384000);
    EXPECT_EQ(KVUGetErrorStack(), std::vector<std::wstring>{L"earlier message"});
}

TEST(AllowedAudio, SpecListsFollowTheFormatsTable)
{
    EXPECT_EQ(CDSEncodeParams().GetAudioSpecList(),
              (std::vector<AudioFormatSpec>{kAC3Stereo, kAC3Surround, kMPEGStereo, kLPCMStereo}));
    EXPECT_EQ(ParamsFor(DiscFormat_VCD).GetAudioSpecList(),
              std::vector<AudioFormatSpec>{kMPEGStereo});
    EXPECT_EQ(ParamsFor(DiscFormat_HDDVD).GetAudioSpecList(),
              (std::vector<AudioFormatSpec>{kAC3Stereo, kAC3Surround, kLPCMStereo}));

    bool bAC3 = false, bLPCM = false, bMPEG = false;
    EXPECT_EQ(ParamsFor(DiscFormat_BluRay).GetAllowedAudioTypes(bAC3, bLPCM, bMPEG), S_OK);
    EXPECT_TRUE(bAC3 && bLPCM && !bMPEG);
    ParamsFor(DiscFormat_SVCD).GetAllowedAudioTypes(bAC3, bLPCM, bMPEG);
    EXPECT_TRUE(!bAC3 && !bLPCM && bMPEG);
}

TEST(AllowedAudio, AC3RatesSplitAt384000AndAllowedRatesComeFromTheStereoList)
{
    CDSEncodeParams dvd;
    EXPECT_EQ(dvd.GetAudioBitRateList(kAC3Stereo),
              (std::vector<LONG>{128000, 192000, 256000, 384000}));
    EXPECT_EQ(dvd.GetAudioBitRateList(kAC3Surround), (std::vector<LONG>{384000, 448000, 640000}));
    EXPECT_EQ(dvd.GetAudioBitRateList(kMPEGStereo).size(), 8u);
    EXPECT_EQ(dvd.GetAudioBitRateList(), dvd.GetAudioBitRateList(kAC3Stereo));
    EXPECT_EQ(ParamsFor(DiscFormat_HDDVD).GetAudioBitRateList(kAC3Surround),
              (std::vector<LONG>{384000, 448000}));
    EXPECT_TRUE(ParamsFor(DiscFormat_BluRay).GetAudioBitRateList(kMPEGStereo).empty());

    // An allowed rate is the rate itself or the next one down of the stereo list.
    EXPECT_EQ(dvd.GetAllowedBitrate(AudioFormat_MPEG, 200000), 192000);
    EXPECT_EQ(dvd.GetAllowedBitrate(AudioFormat_MPEG, 192000), 192000);
    EXPECT_EQ(dvd.GetAllowedBitrate(AudioFormat_MPEG, 100000), 0);
    EXPECT_EQ(dvd.GetAllowedBitrate(AudioFormat_AC3, 640000), 384000);
    EXPECT_EQ(dvd.GetAllowedBitrate(AudioFormat_LPCM, 1), 1536000);
}

TEST(MaximumRates, VideoAndAudioMaximaLeaveRoomForEachOther)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.GetMaxVideoBitRate(), 9000000);
    EXPECT_EQ(params.GetMaxAudioBitRate(), 384000);
    params.SetBitRates(9350000, kAC3Stereo, 128000);
    EXPECT_EQ(params.GetMaxAudioBitRate(), 128000);
    params.SetAudioSpec(kLPCMStereo);
    EXPECT_EQ(params.GetMaxVideoBitRate(), kDVDRoomBesideLPCM);
}

TEST(MaximumRates, MaximumPossibleVideoUsesTheLowestAudioRate)
{
    AudioBitRateList list{AudioFormat_LPCM, 1, 77};
    EXPECT_EQ(CDSEncodeParams().GetMaximumPossibleVideoBitRate(list), 9000000);
    EXPECT_EQ(list.audioFormat, AudioFormat_AC3);
    EXPECT_EQ(list.bitRate, 128000);
    EXPECT_EQ(list.reserved, 0);

    EXPECT_EQ(ParamsFor(DiscFormat_VCD).GetMaximumPossibleVideoBitRate(list), 1150000);
    EXPECT_EQ(list.audioFormat, AudioFormat_MPEG);
    EXPECT_EQ(list.bitRate, 224000);
    EXPECT_EQ(ParamsFor(DiscFormat_HDDVD).GetMaximumPossibleVideoBitRate(list), 28000000);
}

TEST(FindNearestHalf, RoundsDownToHalfMegabitsWithinWhatTheFormatAllows)
{
    CDSEncodeParams params;
    const struct
    {
        LONG request;
        LONG rounded;
    } cases[] = {{6500000, 6000000},
                 {6500001, 6500000},
                 {7000000, 7000000},
                 {7499999, 7000000},
                 {7999999, 7500000},
                 {3000000, 3000000},
                 {kDVDRoomBesideLPCM, kDVDRoomBesideLPCM},
                 {kDVDRoomBesideLPCM + 1, 7500000},
                 {9900000, 9000000},
                 {0, 0}};
    for (const auto& expected : cases)
        EXPECT_EQ(params._FindNearestHalf(expected.request), expected.rounded)
            << "request " << expected.request;
    // Fixed-rate formats have one rate; high definition stops at its maximum.
    EXPECT_EQ(ParamsFor(DiscFormat_VCD)._FindNearestHalf(9000000), 1150000);
    EXPECT_EQ(ParamsFor(DiscFormat_SVCD)._FindNearestHalf(0), 2600000);
    EXPECT_EQ(ParamsFor(DiscFormat_AVCHD)._FindNearestHalf(16000000), 15000000);
}

TEST(AudioOutsideTheBlock, ReadValuesTheFormatDoesNotListAnswerSafely)
{
    // An encoding object read on its own keeps the block in use, whatever audio it holds.
    CComPtr<FakeEncodingParams> encoding = FakeEncodingParams::Create();
    encoding->values.audio = AudioFormat_MPEG;
    encoding->values.audioBitrate = 224000;
    encoding->values.videoBitrate = 20000000;
    CDSEncodeParams params = ParamsFor(DiscFormat_BluRay);
    ASSERT_EQ(params.Read(encoding->GetUnknown()), S_OK);
    EXPECT_TRUE(params.GetAudioBitRateList().empty());
    EXPECT_EQ(params.GetMaxAudioBitRate(), 20000000);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Custom);
    EXPECT_EQ(params.SetVideoBitRate(21000000, true), S_OK);
    ExpectBitRates(params, 21000000, kAC3Stereo, 384000);
}

TEST(GetSizeString, ChoosesTheUnitByMagnitude)
{
    EXPECT_EQ(CDSEncodeParams::GetSizeString(1500000), L"  1.50 Mb/s");
    EXPECT_EQ(CDSEncodeParams::GetSizeString(1000001), L"  1.00 Mb/s");
    EXPECT_EQ(CDSEncodeParams::GetSizeString(1000000), L" 1000 Kb/s");
    EXPECT_EQ(CDSEncodeParams::GetSizeString(192000), L"  192 Kb/s");
    EXPECT_EQ(CDSEncodeParams::GetSizeString(1000), L"1000 b/s");
    EXPECT_EQ(CDSEncodeParams::GetSizeString(999), L"999 b/s");
}

} // namespace
