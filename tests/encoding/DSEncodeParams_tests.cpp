// A new object, reading and writing through a project and its titles, master settings.
#include "EncodingFakes.h"

#include "dsutils/DSEncodeParams.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace encoding_test;

namespace {

constexpr AudioFormatSpec kAC3Stereo{AudioFormat_AC3, 2};

// The message at the bottom of the error stack: the failing call itself.
std::wstring FailingSite()
{
    const std::vector<std::wstring> stack = KVUGetErrorStack();
    return stack.empty() ? std::wstring() : stack.front();
}

bool Mentions(const std::wstring& message, const std::wstring& text)
{
    return message.find(text) != std::wstring::npos;
}

TEST(NewParams, AreAStandardDVDAtTheHighQualityPreset)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.GetFormat(), DiscFormat_DVD);
    EXPECT_EQ(params.GetMaxCombinedBitRate(), 9500000);
    EXPECT_EQ(params.GetVideoBitRate(), 9000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_720);
    EXPECT_EQ(params.GetAudioSpec(), kAC3Stereo);
    EXPECT_EQ(params.GetAudioBitRate(), 384000);
    EXPECT_EQ(params.GetEncoderPresets(), EP_HQ);
    EXPECT_TRUE(params.DoCompressionForFitToDisc());
    params.SetFitToDisc(false);
    EXPECT_FALSE(params.DoCompressionForFitToDisc());
}

TEST(NewParams, ConstructionLeavesTheErrorStackAlone)
{
    KVUClearErrorStack();
    KVUReportError(L"earlier message");
    CDSEncodeParams params;
    EXPECT_EQ(KVUGetErrorStack(), std::vector<std::wstring>{L"earlier message"});
}

TEST(ReadWrite, ProjectSuppliesTheDiscAndItsEncodingObjectTheValues)
{
    EncodingValues master;
    master.aspect = AspectRatio_16x9;
    master.video = VideoFormat_AVC;
    master.resolution = VideoResolution_HD12;
    master.videoBitrate = 11000000;
    master.audioBitrate = 384000;
    master.twoPass = VARIANT_TRUE;
    CComPtr<FakeProject> project = MakeProject(DiscFormat_BluRay, TVStandard_PAL, master);
    project->disc.fitToDisc = VARIANT_TRUE;

    CDSEncodeParams params;
    ASSERT_EQ(params.Read(project->GetUnknown()), S_OK);
    EXPECT_EQ(params.GetFormat(), DiscFormat_BluRay);
    EXPECT_EQ(params.GetTVStandard(), TVStandard_PAL);
    EXPECT_EQ(params.GetVideoFormat(), VideoFormat_AVC);
    EXPECT_EQ(params.GetMinVideoBitRate(), 7000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_HD12);
    EXPECT_EQ(params.GetAspectRatio(), AspectRatio_16x9);
    EXPECT_TRUE(params.GetTwoPassEncoding());
    EXPECT_TRUE(params.IsFitToDiscOn());
    EXPECT_FALSE(params.DoCompressionForFitToDisc());
    EXPECT_EQ(params.GetEncoderPresets(), EP_Standard);
}

TEST(ReadWrite, TitleValuesRoundTripAndTheProjectKeepsItsDiscFormat)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC);
    EncodingValues stored;
    stored.aspect = AspectRatio_16x9;
    stored.resolution = VideoResolution_352;
    stored.videoBitrate = 5000000;
    stored.audio = AudioFormat_MPEG;
    stored.audioBitrate = 224000;
    stored.twoPass = VARIANT_TRUE;
    FakeTitle& source = project->AppendTitle(stored);
    FakeTitle& target = project->AppendTitle({});

    CDSEncodeParams params(static_cast<IDSTitle*>(&source));
    params.SetFitToDisc(true);
    params.SetDoCompressionForFitToDisc(true);
    ASSERT_EQ(params.Write(static_cast<IDSTitle*>(&target)), S_OK);
    EXPECT_EQ(target.values, stored);
    EXPECT_EQ(project->disc.fitToDisc, VARIANT_TRUE);
    EXPECT_EQ(project->disc.compression, VARIANT_TRUE);
    EXPECT_EQ(project->disc.format, DiscFormat_DVD);

    // Written back to where it came from by default.
    params.SetAspectRatio(AspectRatio_4x3);
    ASSERT_EQ(params.Write(), S_OK);
    EXPECT_EQ(source.values.aspect, AspectRatio_4x3);
}

TEST(ReadWrite, WriteStoresTheSubpictureFormatOfTheDiscFormat)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_HDDVD, TVStandard_NTSC);
    CDSEncodeParams params(project->GetUnknown());
    ASSERT_EQ(params.Write(), S_OK);
    EXPECT_EQ(project->values.subpicture, SubpictureFormat_HD);
}

TEST(ReadWrite, ValuesOverTheCombinedLimitReadAsTheHighQualityPreset)
{
    EncodingValues over;
    over.resolution = VideoResolution_704;
    over.videoBitrate = 9400000;
    over.audioBitrate = 384000;
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC, over);
    CDSEncodeParams params(project->GetUnknown());
    EXPECT_EQ(params.GetVideoBitRate(), 9000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_720);
    EXPECT_EQ(params.GetAudioBitRate(), 384000);
}

TEST(ReadWrite, ReadFailureIsLoggedAndKeepsWhatWasRead)
{
    EncodingValues stored;
    stored.aspect = AspectRatio_16x9;
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC, stored);
    project->failing = "AudioBitrate";
    CDSEncodeParams params;
    EXPECT_EQ(params.Read(project->GetUnknown()), kPropertyFailure);
    EXPECT_TRUE(
        Mentions(FailingSite(), ResultCodeText(kPropertyFailure) +
                                    L" = m_spEncoding->get_AudioBitrate(&m_lAudioBitRate)"));
    EXPECT_EQ(params.GetAspectRatio(), AspectRatio_16x9);

    project->failing = "DiscFormat";
    EXPECT_EQ(params.Read(project->GetUnknown()), kPropertyFailure);
    EXPECT_TRUE(Mentions(FailingSite(), L" = m_spProj->get_DiscFormat(&m_eDiscFormat)"));
}

TEST(ReadWrite, WriteFailureIsLoggedWithTheWrittenProperty)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC);
    CDSEncodeParams params(project->GetUnknown());
    project->failing = "AudioBitrate";
    EXPECT_EQ(params.Write(), kPropertyFailure);
    EXPECT_TRUE(Mentions(FailingSite(), L" = spEncParams->put_AudioBitrate( m_lAudioBitRate)"));
    project->failing = "TVStandard";
    EXPECT_EQ(params.Write(), kPropertyFailure);
    EXPECT_TRUE(Mentions(FailingSite(), L" = m_spProj->put_TVStandard(m_eTVStandard)"));
}

TEST(ReadWrite, ObjectsWithoutEncodingParametersAreRefused)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.Read(nullptr), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = pSource"));
    CComPtr<FakeProduction> production = FakeProduction::Create();
    EXPECT_EQ(params.Read(production->GetUnknown()), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = (IDSEncodingParams*) m_spEncoding"));
    EXPECT_EQ(params.Write(), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = spEncParams"));
}

TEST(ReadWrite, CopiesShareTheObjectTheyWereReadFrom)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC);
    CDSEncodeParams copy;
    {
        CDSEncodeParams original(project->GetUnknown());
        copy = original;
    }
    copy.SetEncoderPresets(EP_LongPlay);
    ASSERT_EQ(copy.Write(), S_OK);
    EXPECT_EQ(project->values.videoBitrate, 3000000);
    EXPECT_EQ(project->values.resolution, VideoResolution_352Half);
}

TEST(SyncToProject, ReadsAndWritesTheSwitchOfTheObjectReadFrom)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC);
    FakeTitle& title = project->AppendTitle({});
    CDSEncodeParams params(static_cast<IDSTitle*>(&title));
    ASSERT_EQ(params.SetSyncToProject(VARIANT_TRUE), S_OK);
    VARIANT_BOOL bSync = VARIANT_FALSE;
    ASSERT_EQ(params.GetSyncToProject(&bSync), S_OK);
    EXPECT_EQ(bSync, VARIANT_TRUE);
    EXPECT_EQ(title.values.sync, VARIANT_TRUE);
    EXPECT_EQ(CDSEncodeParams().SetSyncToProject(VARIANT_TRUE), E_POINTER);
}

// A project at the high-quality preset with titles at the presets given.
CComPtr<FakeProject> ProjectWithTitles(const std::vector<EncoderPresets>& presets)
{
    CComPtr<FakeProject> project = MakeProject(DiscFormat_DVD, TVStandard_NTSC);
    CDSEncodeParams master(project->GetUnknown());
    master.SetEncoderPresets(EP_HQ, true);
    master.Write();
    for (EncoderPresets preset : presets) {
        FakeTitle& title = project->AppendTitle({});
        CDSEncodeParams params(static_cast<IDSTitle*>(&title));
        params.SetEncoderPresets(preset, true);
        params.Write();
    }
    return project;
}

TEST(MasterSettings, AllTitlesMatchWhenEachHasTheProjectsPreset)
{
    CComPtr<FakeProject> project = ProjectWithTitles({EP_HQ, EP_HQ});
    EXPECT_TRUE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project->GetUnknown()));

    project = ProjectWithTitles({EP_HQ, EP_LongPlay});
    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project->GetUnknown()));
    // Slideshows keep settings of their own.
    project->titles[1]->production->slideShow = true;
    EXPECT_TRUE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project->GetUnknown()));

    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(nullptr));
    project->titles[0]->failing = "VideoBitrate";
    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project->GetUnknown()));
}

TEST(MasterSettings, EveryTitleButSlideshowsIsSetToFollowTheProject)
{
    CComPtr<FakeProject> project = ProjectWithTitles({EP_LongPlay, EP_Standard, EP_Better});
    project->titles[1]->production->slideShow = true;
    CDSEncodeParams params(project->GetUnknown());
    ASSERT_EQ(params.SetAllTitlesToMasterSetting(), S_OK);
    EXPECT_EQ(project->titles[0]->values.sync, VARIANT_TRUE);
    EXPECT_EQ(project->titles[1]->values.sync, VARIANT_FALSE);
    EXPECT_EQ(project->titles[2]->values.sync, VARIANT_TRUE);
}

TEST(MasterSettings, FailureToSetATitleIsLoggedAndReturned)
{
    CComPtr<FakeProject> project = ProjectWithTitles({EP_HQ, EP_HQ});
    project->titles[0]->failing = "SyncToProject";
    CDSEncodeParams params(project->GetUnknown());
    EXPECT_EQ(params.SetAllTitlesToMasterSetting(), kPropertyFailure);
    const std::vector<std::wstring> stack = KVUGetErrorStack();
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_TRUE(Mentions(stack[1], L" = encp.SetSyncToProject(VARIANT_TRUE)"));
    EXPECT_EQ(project->titles[1]->values.sync, VARIANT_FALSE);

    CComPtr<FakeEncodingParams> alone = FakeEncodingParams::Create();
    CDSEncodeParams withoutProject(alone->GetUnknown());
    EXPECT_EQ(withoutProject.SetAllTitlesToMasterSetting(), E_POINTER);
}

TEST(Availability, AVCFollowsTheConfigurationPerFormatFamily)
{
    CDSConfig config;
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats7And8, false), S_OK);
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats9And10, true), S_OK);
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_BluRay));
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_BluRay2));
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_HDDVD));
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_HDDVD2));
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_AVCHD));
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_DVD));

    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats7And8, true), S_OK);
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats9And10, false), S_OK);
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_BluRay));
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_HDDVD));
}

} // namespace
