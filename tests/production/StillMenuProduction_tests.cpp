#include "MenuProductionTest.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTags.h"

#include "model/KVEAudio.h"
#include "model/KVEGraphManager.h"

namespace {

constexpr DWORD kGreen = 0xFF20A040;

class StillMenuProduction : public MenuProductionTest
{
protected:
    StillMenuProduction() { EXPECT_EQ(S_OK, m_graph.CoCreateInstance(CLSID_KVEGraphManager)); }

    void Resolve(IDSMenu* menu) { ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu)); }
    void GreenMenu()
    {
        ASSERT_EQ(S_OK, m_menu->put_Background(
                            CComBSTR(MakePicture(m_folder, "green.png", 64, 48, kGreen))));
        Resolve(m_menu);
    }
    CComPtr<IKVEProductionData> Still(IDSMenu* menu, bool oneSecond)
    {
        CComPtr<IUnknown> still;
        EXPECT_EQ(S_OK,
                  CDSMenuUtils::CreateStillMenuProduction(menu, m_graph, &still, oneSecond, false));
        return CComQIPtr<IKVEProductionData>(still);
    }
    static std::wstring StillFile(IDSMenu* menu)
    {
        CComBSTR folder;
        EXPECT_EQ(S_OK,
                  CDSFileUtils().GetDirectory(CDSFileUtils::DirTemp, L"Menus", folder, false));
        return PathAppend(folder.Str(), L"MenuStill_" + std::to_wstring(GetID(menu)) + L".png");
    }
    static CComQIPtr<ISourceFile> OnlySource(IKVEProductionData* still)
    {
        EXPECT_EQ(1, PanelCount(still));
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, still->GetPanelBaseObject(0, &panel));
        return CComQIPtr<ISourceFile>(panel.p);
    }
    static std::pair<double, double> Interval(IKVEProductionData* still)
    {
        CComQIPtr<ISourceFile> source = OnlySource(still);
        double in = -1.0, out = -1.0;
        EXPECT_EQ(S_OK, source->get_InPoint(&in));
        EXPECT_EQ(S_OK, source->get_OutPoint(&out));
        return {in, out};
    }
    static CComQIPtr<IKVEAudioSubObject> FirstAudio(IKVEProductionData* production)
    {
        CComPtr<IUnknown> audio;
        EXPECT_EQ(S_OK, production->GetAudioItem(0, &audio));
        return CComQIPtr<IKVEAudioSubObject>(audio);
    }

    CComPtr<IKVEGraphManager> m_graph;
};

TEST_F(StillMenuProduction, TheStillHasTheFrameHeightAndTheMenusShape)
{
    GreenMenu();
    MakeWide(m_menu);
    CComPtr<IKVEProductionData> still = Still(m_menu, false);
    ASSERT_TRUE(still);
    BgraImage picture;
    ASSERT_EQ(S_OK, LoadImageFile(StillFile(m_menu), picture));
    EXPECT_EQ(853, picture.Width());
    EXPECT_EQ(480, picture.Height());
    EXPECT_EQ(kGreen, picture.PixelAt(426, 240));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(still));
    EXPECT_EQ(StillFile(m_menu), TextOf([&] {
                  CComBSTR name;
                  EXPECT_EQ(S_OK, OnlySource(still)->get_FileName(&name));
                  return name;
              }()));
    // The graph manager is left with the menu it rendered.
    CComPtr<IUnknown> rendered;
    EXPECT_EQ(S_OK, m_graph->GetProduction(&rendered));
    EXPECT_TRUE(CComPtr<IUnknown>(StoryboardOf(m_menu).p).IsEqualObject(rendered));

    // A 4:3 PAL menu.
    CComQIPtr<IDSEncodingParams> encoding(m_project.p);
    ASSERT_EQ(S_OK, encoding->put_AspectRatio(AspectRatio_4x3));
    ASSERT_EQ(S_OK, m_project->put_TVStandard(TVStandard_PAL));
    Still(m_menu, false);
    ASSERT_EQ(S_OK, LoadImageFile(StillFile(m_menu), picture));
    EXPECT_EQ(768, picture.Width());
    EXPECT_EQ(576, picture.Height());
}

TEST_F(StillMenuProduction, TheStillRunsFromTheMiddleOfTheFirstFrameToTheMiddleOfTheLast)
{
    GreenMenu();
    ASSERT_EQ(S_OK, Info(m_menu)->put_EditingFrameRate(25.0));
    CComPtr<IKVEProductionData> second = Still(m_menu, true);
    auto [in, out] = Interval(second);
    EXPECT_NEAR(0.02, in, 1e-9);
    EXPECT_NEAR(1.02, out, 1e-9);
    EXPECT_NEAR(1.0, CDSProductionUtils::GetDuration(second), 1e-9);
    EXPECT_DOUBLE_EQ(25.0, CDSProductionUtils::GetEditingFrameRate(second));

    // The menu's fifteen seconds end in the middle of the frame that begins at 15 s.
    std::tie(in, out) = Interval(Still(m_menu, false));
    EXPECT_NEAR(0.02, in, 1e-9);
    EXPECT_NEAR(15.02, out, 1e-9);
}

TEST_F(StillMenuProduction, TheMenusAudioComesWithItsSettings)
{
    GreenMenu();
    ClipShape shape;
    shape.toneFrequency = 554.0;
    std::wstring tone = MakeClip(m_folder, "tone.mp4", shape);
    ASSERT_EQ(S_OK, m_menu->put_Audio(CComBSTR(tone)));
    Resolve(m_menu);
    CComQIPtr<IKVEAudioSubObject> menuAudio = FirstAudio(StoryboardOf(m_menu));
    ASSERT_EQ(S_OK, menuAudio->put_FadeIn(0.5));
    ASSERT_EQ(S_OK, menuAudio->put_FadeOut(1.5));
    ASSERT_EQ(S_OK, CComQIPtr<IKVEAudioObject>(menuAudio.p)->put_VolumeLevel(0.25));

    CComPtr<IKVEProductionData> still = Still(m_menu, false);
    ASSERT_EQ(1, AudioCount(still));
    CComQIPtr<IKVEAudioSubObject> audio = FirstAudio(still);
    LONG kind = -1;
    double fadeIn = 0, fadeOut = 0, end = 0, level = 0;
    VARIANT_BOOL repeat = VARIANT_FALSE;
    CComBSTR file;
    EXPECT_EQ(S_OK, audio->get_Kind(&kind));
    EXPECT_EQ(S_OK, audio->get_FadeIn(&fadeIn));
    EXPECT_EQ(S_OK, audio->get_FadeOut(&fadeOut));
    EXPECT_EQ(S_OK, audio->get_EndOffset(&end));
    EXPECT_EQ(S_OK, CComQIPtr<IKVEAudioObject>(audio.p)->get_VolumeLevel(&level));
    EXPECT_EQ(S_OK, CComQIPtr<IKVEAudioSource>(audio.p)->get_Repeat(&repeat));
    EXPECT_EQ(S_OK, CComQIPtr<IKVEAudioSource>(audio.p)->get_FileName(&file));
    EXPECT_EQ(enBackgroundAudio, kind);
    EXPECT_EQ(tone, TextOf(file));
    EXPECT_DOUBLE_EQ(0.5, fadeIn);
    EXPECT_DOUBLE_EQ(1.5, fadeOut);
    EXPECT_NEAR(15.0, end, 1e-9);
    EXPECT_DOUBLE_EQ(0.25, level);
    EXPECT_EQ(VARIANT_TRUE, repeat);
}

TEST_F(StillMenuProduction, AMissingAudioFileGivesAStillWithoutAudio)
{
    GreenMenu();
    ASSERT_EQ(S_OK, m_menu->put_Audio(CComBSTR(m_folder.File("gone.mp2"))));
    CComPtr<IKVEProductionData> still = Still(m_menu, true);
    ASSERT_TRUE(still);
    EXPECT_EQ(0, AudioCount(still));
    EXPECT_EQ(1, PanelCount(still));
}

TEST_F(StillMenuProduction, MissingArgumentsAreRefused)
{
    CComPtr<IUnknown> still;
    EXPECT_EQ(E_POINTER,
              CDSMenuUtils::CreateStillMenuProduction(nullptr, m_graph, &still, false, false));
    EXPECT_TRUE(StackHolds(L"(IDSMenu*)spMenu"));
    EXPECT_EQ(E_POINTER,
              CDSMenuUtils::CreateStillMenuProduction(m_menu, nullptr, &still, false, false));
    EXPECT_TRUE(StackHolds(L"(IKVEGraphManager*)spGraphMgr"));
    EXPECT_EQ(E_POINTER,
              CDSMenuUtils::CreateStillMenuProduction(m_menu, m_graph, nullptr, false, false));
    EXPECT_TRUE(StackHolds(L"ppUnkStillSbd"));
}

TEST_F(StillMenuProduction, AThemedMenuStillShowsWhatTheMenuShows)
{
    for (bool wide : {false, true}) {
        SCOPED_TRACE(wide ? "Cobalt" : "Aurora");
        CComPtr<IDSMenu> menu = ThemedMenu(wide, 4);
        Resolve(menu);
        CComPtr<IKVEProductionData> still = Still(menu, false);
        ASSERT_TRUE(still);
        BgraImage picture;
        ASSERT_EQ(S_OK, LoadImageFile(StillFile(menu), picture));
        WritePicture(picture, wide ? "still-menu-cobalt" : "still-menu-aurora");

        // The still production shows the menu's first frame, stretched back to the frame;
        // only the edges of stars and letters suffer from the two scalings.
        BgraImage menuFrame = Render(menu.p, 0.0);
        BgraImage stillFrame = Render(still, 5.0);
        int far = 0, samples = 0;
        for (int y = 8; y < kHeight; y += 16)
            for (int x = 8; x < kWidth; x += 16, ++samples)
                far += ColourDistance(menuFrame.PixelAt(x, y), stillFrame.PixelAt(x, y)) > 48;
        EXPECT_LT(far, samples / 20);
    }
}

} // namespace
