// A new object, reading and writing through projects, titles and menus, master settings.
#include "EncodingModelTest.h"

#include "dsutils/DSEncodeParams.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/Xml.h"

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

using ReadWrite = EncodingModelTest;

TEST_F(ReadWrite, ProjectSuppliesTheDiscAndItsEncodingObjectTheValues)
{
    EncodingValues master;
    master.aspect = AspectRatio_16x9;
    master.video = VideoFormat_AVC;
    master.resolution = VideoResolution_HD12;
    master.videoBitrate = 11000000;
    master.audioBitrate = 384000;
    master.twoPass = VARIANT_TRUE;
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_BluRay, TVStandard_PAL, master);
    project->put_FitToDisc(VARIANT_TRUE);
    project->put_DoCompression(VARIANT_FALSE);

    CDSEncodeParams params;
    ASSERT_EQ(params.Read(project), S_OK);
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

TEST_F(ReadWrite, TitleValuesRoundTripAndTheProjectKeepsItsDiscFormat)
{
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_DVD, TVStandard_NTSC);
    EncodingValues stored;
    stored.aspect = AspectRatio_16x9;
    stored.resolution = VideoResolution_352;
    stored.videoBitrate = 5000000;
    stored.audio = AudioFormat_MPEG;
    stored.audioBitrate = 224000;
    stored.twoPass = VARIANT_TRUE;
    CComPtr<IDSTitle> source = AddTitle(project, stored);
    CComPtr<IDSTitle> target = AddTitle(project);

    CDSEncodeParams params(source);
    params.SetFitToDisc(true);
    params.SetDoCompressionForFitToDisc(true);
    ASSERT_EQ(params.Write(target), S_OK);
    EXPECT_EQ(ValuesOf(target), stored);
    VARIANT_BOOL bFit = VARIANT_FALSE, bCompress = VARIANT_FALSE;
    project->get_FitToDisc(&bFit);
    project->get_DoCompression(&bCompress);
    EXPECT_EQ(bFit, VARIANT_TRUE);
    EXPECT_EQ(bCompress, VARIANT_TRUE);
    DiscFormat format = DiscFormat_None;
    project->get_DiscFormat(&format);
    EXPECT_EQ(format, DiscFormat_DVD);

    // Written back to where it came from by default.
    params.SetAspectRatio(AspectRatio_4x3);
    ASSERT_EQ(params.Write(), S_OK);
    EXPECT_EQ(ValuesOf(source).aspect, AspectRatio_4x3);
}

TEST_F(ReadWrite, ValuesOverTheCombinedLimitReadAsTheHighQualityPreset)
{
    EncodingValues over;
    over.resolution = VideoResolution_704;
    over.videoBitrate = 9400000;
    over.audioBitrate = 384000;
    CDSEncodeParams params(NewProject(DiscFormat_DVD, TVStandard_NTSC, over));
    EXPECT_EQ(params.GetVideoBitRate(), 9000000);
    EXPECT_EQ(params.GetResolution(), VideoResolution_720);
    EXPECT_EQ(params.GetAudioBitRate(), 384000);
}

TEST_F(ReadWrite, MenusAreEncodedAsTheirProject)
{
    EncodingValues master;
    master.resolution = VideoResolution_352Half;
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_DVD, TVStandard_PAL, master);
    CComPtr<IDSMenu> menu = AddMenu(project);
    CDSEncodeParams params(menu);
    EXPECT_EQ(params.GetResolution(), VideoResolution_352Half);
    EXPECT_EQ(params.GetTVStandard(), TVStandard_PAL);
    SIZE size{};
    ASSERT_EQ(CDSEncodeParams::GetFrameSize(size, menu, TVStandard_PAL), S_OK);
    EXPECT_EQ(size, (SIZE{352, 288}));
}

TEST_F(ReadWrite, CopiesShareTheObjectTheyWereReadFrom)
{
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_DVD, TVStandard_NTSC);
    CDSEncodeParams copy;
    {
        CDSEncodeParams original(project);
        copy = original;
    }
    copy.SetEncoderPresets(EP_LongPlay);
    ASSERT_EQ(copy.Write(), S_OK);
    EXPECT_EQ(ValuesOf(project).videoBitrate, 3000000);
    EXPECT_EQ(ValuesOf(project).resolution, VideoResolution_352Half);
}

TEST(ReadWriteFailures, FailuresAreLoggedWithTheCallAndKeepWhatWasRead)
{
    CComPtr<FakeEncodingParams> encoding = FakeEncodingParams::Create();
    encoding->values.aspect = AspectRatio_16x9;
    encoding->failing = "AudioBitrate";
    CDSEncodeParams params;
    EXPECT_EQ(params.Read(encoding->GetUnknown()), kPropertyFailure);
    EXPECT_TRUE(
        Mentions(FailingSite(), ResultCodeText(kPropertyFailure) +
                                    L" = m_spEncoding->get_AudioBitrate(&m_lAudioBitRate)"));
    EXPECT_EQ(params.GetAspectRatio(), AspectRatio_16x9);
    EXPECT_EQ(params.Write(), kPropertyFailure);
    EXPECT_TRUE(Mentions(FailingSite(), L" = spEncParams->put_AudioBitrate( m_lAudioBitRate)"));
}

TEST(ReadWriteFailures, ObjectsWithoutEncodingParametersAreRefused)
{
    CDSEncodeParams params;
    EXPECT_EQ(params.Read(nullptr), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = pSource"));
    ASSERT_EQ(RegisterXmlClasses(), S_OK);
    CComPtr<IXMLDOMDocument> notEncoding;
    ASSERT_EQ(CreateXMLDocument(&notEncoding), S_OK);
    EXPECT_EQ(params.Read(notEncoding), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = (IDSEncodingParams*) m_spEncoding"));
    EXPECT_EQ(params.Write(), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = spEncParams"));
}

TEST_F(ReadWrite, SyncToProjectSwitchIsThatOfTheObjectReadFrom)
{
    CComPtr<IDSProjectData> project = NewProject(DiscFormat_DVD, TVStandard_NTSC);
    CComPtr<IDSTitle> title = AddTitle(project);
    CDSEncodeParams params(title);
    ASSERT_EQ(params.SetSyncToProject(VARIANT_TRUE), S_OK);
    VARIANT_BOOL bSync = VARIANT_FALSE;
    ASSERT_EQ(params.GetSyncToProject(&bSync), S_OK);
    EXPECT_EQ(bSync, VARIANT_TRUE);
    EXPECT_EQ(ValuesOf(title).sync, VARIANT_TRUE);
    EXPECT_EQ(CDSEncodeParams().SetSyncToProject(VARIANT_TRUE), E_POINTER);
}

class MasterSettings : public EncodingModelTest
{
protected:
    // A DVD project at the high-quality preset with titles at the presets given.
    static CComPtr<IDSProjectData> ProjectWithTitles(const std::vector<EncoderPresets>& presets)
    {
        CComPtr<IDSProjectData> project = NewProject(DiscFormat_DVD, TVStandard_NTSC);
        CDSEncodeParams master(project);
        master.SetEncoderPresets(EP_HQ, true);
        master.Write();
        for (EncoderPresets preset : presets) {
            CDSEncodeParams params(AddTitle(project));
            params.SetEncoderPresets(preset, true);
            params.Write();
        }
        return project;
    }

    static CComPtr<IDSTitle> Title(IDSProjectData* project, LONG index)
    {
        CComPtr<IDSTitle> title;
        EXPECT_EQ(project->get_Title(index, &title), S_OK);
        return title;
    }
};

TEST_F(MasterSettings, AllTitlesMatchWhenEachHasTheProjectsPreset)
{
    CComPtr<IDSProjectData> project = ProjectWithTitles({EP_HQ, EP_HQ});
    EXPECT_TRUE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project));

    project = ProjectWithTitles({EP_HQ, EP_LongPlay});
    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project));
    // Slideshows keep settings of their own.
    MakeSlideShow(Title(project, 2));
    EXPECT_TRUE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(project));
    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(Title(project, 1)));
    EXPECT_FALSE(CDSEncodeParams::AreAllTitlesUsingMasterSettings(nullptr));
}

TEST_F(MasterSettings, EveryTitleButSlideshowsIsSetToFollowTheProject)
{
    CComPtr<IDSProjectData> project = ProjectWithTitles({EP_LongPlay, EP_Standard, EP_Better});
    MakeSlideShow(Title(project, 2));
    CDSEncodeParams params(project);
    ASSERT_EQ(params.SetAllTitlesToMasterSetting(), S_OK);
    EXPECT_EQ(ValuesOf(Title(project, 1)).sync, VARIANT_TRUE);
    EXPECT_EQ(ValuesOf(Title(project, 2)).sync, VARIANT_FALSE);
    EXPECT_EQ(ValuesOf(Title(project, 3)).sync, VARIANT_TRUE);

    CComPtr<FakeEncodingParams> alone = FakeEncodingParams::Create();
    CDSEncodeParams withoutProject(alone->GetUnknown());
    EXPECT_EQ(withoutProject.SetAllTitlesToMasterSetting(), E_POINTER);
    EXPECT_TRUE(Mentions(FailingSite(), L"*** Error NULL = m_spProj"));
}

TEST(Availability, AVCFollowsTheConfigurationPerFormatFamily)
{
    CDSConfig config;
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats7And8, false), S_OK);
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats9And10, true), S_OK);
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_BluRay2));
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_HDDVD));
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_AVCHD));
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_DVD));

    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats7And8, true), S_OK);
    ASSERT_EQ(config.SetBool(DSConfig_AVCForFormats9And10, false), S_OK);
    EXPECT_TRUE(CDSEncodeParams::AVCAvailable(DiscFormat_BluRay));
    EXPECT_FALSE(CDSEncodeParams::AVCAvailable(DiscFormat_HDDVD));
}

} // namespace
