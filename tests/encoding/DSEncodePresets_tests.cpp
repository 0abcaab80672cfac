// Quality presets: what each sets on every disc format, and reading them back.
#include "EncodingModelTest.h"

#include "dsutils/DSEncodeParams.h"

#include <gtest/gtest.h>

#include <vector>

using namespace encoding_test;

namespace {

struct PresetCase
{
    EncoderPresets preset;
    LONG videoBitRate;
    VideoResolution resolution;
    EncoderPresets readBack;
};

struct FormatPresets
{
    const char* name;
    DiscFormat format;
    VideoFormat video;
    std::vector<PresetCase> presets;
};

// Parameters of a format at its high-quality preset, with the video format asked for.
CDSEncodeParams ParamsFor(DiscFormat format, VideoFormat video)
{
    CDSEncodeParams params;
    params.SetFormat(format, TVStandard_NTSC, true);
    params.SetVideoFormat(video);
    return params;
}

const std::vector<PresetCase> kStandardDefinition = {
    {EP_Standard, 4000000, VideoResolution_352, EP_Standard},
    // 6,500,000 rounds down to the whole megabit.
    {EP_Better, 6000000, VideoResolution_352, EP_Better},
    {EP_HQ, 9000000, VideoResolution_720, EP_HQ},
    {EP_LongPlay, 3000000, VideoResolution_352Half, EP_LongPlay}};
const std::vector<PresetCase> kAVC = {{EP_Standard, 11000000, VideoResolution_HD12, EP_Standard},
                                      {EP_Better, 13000000, VideoResolution_HD14, EP_Better},
                                      // 16,000,000 is above the AVC maximum.
                                      {EP_HQ, 15000000, VideoResolution_HD15, EP_HQ},
                                      {EP_LongPlay, 8000000, VideoResolution_HD8, EP_LongPlay}};

const std::vector<FormatPresets> kFormatPresets = {
    {"DVD", DiscFormat_DVD, VideoFormat_MPEG2, kStandardDefinition},
    {"DVD without 704", DiscFormat_DVD2, VideoFormat_MPEG2, kStandardDefinition},
    {"Video CD",
     DiscFormat_VCD,
     VideoFormat_MPEG1,
     {{EP_HQ, 1150000, VideoResolution_352Half, EP_Custom}}},
    {"Super Video CD",
     DiscFormat_SVCD,
     VideoFormat_MPEG2,
     {{EP_Standard, 2600000, VideoResolution_480, EP_Custom}}},
    {"Blu-ray MPEG-2",
     DiscFormat_BluRay,
     VideoFormat_MPEG2,
     {{EP_Standard, 20000000, VideoResolution_HD12, EP_Standard},
      {EP_Better, 25000000, VideoResolution_HD14, EP_Better},
      {EP_HQ, 28000000, VideoResolution_HD15, EP_HQ},
      {EP_LongPlay, 15000000, VideoResolution_HD8, EP_LongPlay}}},
    {"Blu-ray AVC", DiscFormat_BluRay, VideoFormat_AVC, kAVC},
    {"AVCHD", DiscFormat_AVCHD, VideoFormat_AVC, kAVC},
    {"HD DVD",
     DiscFormat_HDDVD,
     VideoFormat_MPEG2,
     {{EP_Standard, 17000000, VideoResolution_HD12, EP_Standard},
      {EP_Better, 20000000, VideoResolution_HD14, EP_Better},
      {EP_HQ, 22000000, VideoResolution_HD15, EP_HQ},
      {EP_LongPlay, 15000000, VideoResolution_HD9, EP_LongPlay}}},
};

TEST(EncoderPresets, EveryPresetOfEveryFormatSetsItsRateAndResolutionAndReadsBack)
{
    for (const FormatPresets& format : kFormatPresets) {
        for (const PresetCase& expected : format.presets) {
            SCOPED_TRACE(testing::Message() << format.name << ", preset " << expected.preset);
            CDSEncodeParams params = ParamsFor(format.format, format.video);
            params.SetEncoderPresets(EP_LongPlay);
            EXPECT_EQ(params.SetEncoderPresets(expected.preset), S_OK);
            EXPECT_EQ(params.GetVideoBitRate(), expected.videoBitRate);
            EXPECT_EQ(params.GetResolution(), expected.resolution);
            EXPECT_EQ(params.GetEncoderPresets(), expected.readBack);
            EXPECT_EQ(params.GetVideoEncoderPresets(), expected.readBack);
        }
    }
}

using ReducedRateDisc = EncodingModelTest;

TEST_F(ReducedRateDisc, HDDVDSharesOneRateForBetterAndHighQuality)
{
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_HDDVD, TVStandard_NTSC);
    project->put_DiscSize(static_cast<DiscSize>(5));
    CDSEncodeParams params(project);
    params.SetEncoderPresets(EP_HQ, true);
    EXPECT_EQ(params.GetVideoBitRate(), 19000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_HD14);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Better);

    project->put_DiscSize(static_cast<DiscSize>(6));
    params.Read(project);
    params.SetEncoderPresets(EP_HQ, true);
    EXPECT_EQ(params.GetVideoBitRate(), 22000000);
    EXPECT_EQ(params.GetEncoderPresets(), EP_HQ);
}

TEST(EncoderPresets, CustomAndUnknownPresetsKeepTheCurrentValues)
{
    CDSEncodeParams params = ParamsFor(DiscFormat_HDDVD, VideoFormat_MPEG2);
    params.SetVideoBitRate(18300000, false);
    params.SetResolution(VideoResolution_HD7);
    EXPECT_EQ(params.SetEncoderPresets(EP_Custom), S_OK);
    EXPECT_EQ(params.SetEncoderPresets(static_cast<EncoderPresets>(7)), S_OK);
    EXPECT_EQ(params.GetVideoBitRate(), 18300000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_HD7);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Custom);
}

TEST(EncoderPresets, AudioBelowItsHighestRateMakesThePresetCustom)
{
    CDSEncodeParams params;
    params.SetAudioBitRate(AudioFormat_AC3, 192000, false);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Custom);
    EXPECT_EQ(params.GetVideoEncoderPresets(), EP_HQ);

    params.SetEncoderPresets(EP_Standard, true);
    EXPECT_EQ(params.GetAudioBitRate(), 384000);
    EXPECT_EQ(params.GetEncoderPresets(), EP_Standard);
}

} // namespace
