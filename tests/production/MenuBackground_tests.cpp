#include "MenuProductionTest.h"

#include "dsutils/DSTags.h"

#include "model/KVEAudio.h"
#include "model/KVEProductionLink.h"

#include "support/ScopedEnvironment.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

constexpr DWORD kBlue = 0xFF3060A0;
constexpr DWORD kRed = 0xFFC02020;
constexpr DWORD kBlack = 0xFF000000;
constexpr const wchar_t* kPlaceholder = L"%CONTENT%/DVD/Mandatory/PlaceHolder.png";

class MenuBackground : public MenuProductionTest
{
protected:
    LONG TitleCount() { return Read(m_project.p, &IDSProjectData::get_TitleCount); }
    static LONG BkgndId(IDSMenu* menu) { return Read(menu, &IDSMenu::get_BkgndID); }
    static std::wstring BackgroundOf(IDSMenu* menu)
    {
        CComBSTR background;
        EXPECT_EQ(S_OK, menu->get_Background(&background));
        return background.Str();
    }
    static CComPtr<IKVEProductionData> BackgroundProduction(IDSMenu* menu)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, CDSMenuUtils::GetMenuBkgndProduction(menu, &production, false));
        return CComQIPtr<IKVEProductionData>(production);
    }
    static std::wstring MonikerOf(IBaseObject* panel)
    {
        CComQIPtr<IKVEProductionMoniker> moniker(panel);
        CComBSTR text;
        if (moniker) {
            EXPECT_EQ(S_OK, moniker->get_Moniker(&text));
        }
        return text.Str();
    }
    static bool PlaysNativeAudio(IBaseObject* panel)
    {
        CComQIPtr<IKVEAudioObject> audio(panel);
        return Read(audio.p, &IKVEAudioObject::get_UseNativeAudio) != VARIANT_FALSE;
    }
    static std::wstring BkgndAudioOf(IUnknown* storyboard)
    {
        CComBSTR audio;
        EXPECT_TRUE(SUCCEEDED(CDSProductionUtils::GetBkgndAudio(storyboard, audio)));
        return audio.Str();
    }
    static CComPtr<IUnknown> AudioItem(IKVEProductionData* storyboard, LONG index)
    {
        CComPtr<IUnknown> audio;
        EXPECT_EQ(S_OK, storyboard->GetAudioItem(index, &audio));
        return audio;
    }

    void SetBackground(IDSMenu* menu, const std::wstring& background)
    {
        ASSERT_EQ(S_OK, menu->put_Background(CComBSTR(background)));
    }
    std::wstring Picture(const char* name, DWORD colour)
    {
        return MakePicture(m_folder, name, 64, 48, colour);
    }
    // A production file that plays the clip.
    std::wstring ProductionFileOf(const std::wstring& clip)
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production.p)
                            ->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, nullptr));
        std::wstring file = m_folder.File("background.dmsm");
        EXPECT_EQ(S_OK, production->SaveAsProduction(CComBSTR(file)));
        return file;
    }
    static BgraImage Placeholder()
    {
        BgraImage picture;
        EXPECT_EQ(S_OK, LoadImageFile(ResolveContentPath(kPlaceholder), picture));
        return picture;
    }
};

TEST_F(MenuBackground, FirstResolutionMakesAPrivateTitleThatLaterOnesKeep)
{
    SetBackground(m_menu, Picture("blue.png", kBlue));
    LONG titles = TitleCount();
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));

    LONG id = BkgndId(m_menu);
    ASSERT_NE(0, id);
    EXPECT_EQ(titles + 1, TitleCount());
    EXPECT_EQ(ULONG(TitleType_Private), GetTag(FindTitle(m_project, id)));
    CComPtr<IBaseObject> shown = Panel(m_menu, 0);
    EXPECT_EQ(KVE_PANEL_PRODUCTION, KindOf(shown));
    EXPECT_EQ(L"moniker::dvdproduction_" + std::to_wstring(id), MonikerOf(shown));
    EXPECT_NEAR(15.0, CDSProductionUtils::GetDuration(StoryboardOf(m_menu)), 1e-9);
    EXPECT_NEAR(15.0, CDSProductionUtils::GetDuration(BackgroundProduction(m_menu)), 1e-9);
    EXPECT_EQ(kBlue, Render(m_menu.p, 7.0, 64, 48).PixelAt(32, 24));

    // Nothing changed, so the second resolution finds the title and keeps the panel.
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(id, BkgndId(m_menu));
    EXPECT_EQ(titles + 1, TitleCount());
    EXPECT_EQ(1, PanelCount(StoryboardOf(m_menu)));
    EXPECT_EQ(IdOfPanel(shown), IdOfPanel(Panel(m_menu, 0)));
}

TEST_F(MenuBackground, ThemedMenusShowTheirBackgroundUnderTheirElements)
{
    for (bool wide : {false, true}) {
        SCOPED_TRACE(wide ? "Cobalt" : "Aurora");
        CComPtr<IDSMenu> menu = ThemedMenu(wide);
        ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu));
        BgraImage frame = Render(menu.p, 1.0);
        WritePicture(frame, wide ? "background-cobalt" : "background-aurora");

        BgraImage background;
        ASSERT_EQ(S_OK, LoadImageFile(ResolveContentPath(BackgroundOf(menu)), background));
        BgraImage expected;
        ASSERT_EQ(S_OK, StretchImage(background, kWidth, kHeight, expected));
        // The bottom corners hold no element; the title text does not look like the picture.
        EXPECT_COLOUR_NEAR(expected.PixelAt(4, kHeight - 4), frame.PixelAt(4, kHeight - 4), 2);
        EXPECT_COLOUR_NEAR(expected.PixelAt(kWidth - 4, kHeight - 4),
                           frame.PixelAt(kWidth - 4, kHeight - 4), 2);
        int differing = 0;
        for (int x = 0; x < kWidth; ++x)
            differing += ColourDistance(expected.PixelAt(x, 46), frame.PixelAt(x, 46)) > 40;
        EXPECT_GT(differing, 20);
    }
}

TEST_F(MenuBackground, VideoBackgroundPlaysUnderTheMenuAndEndsOnItsLastWholeFrame)
{
    ClipShape shape;
    shape.frameCount = 50;
    SetBackground(m_menu, MakeClip(m_folder, "clip.mp4", shape));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));

    // Two seconds of clip cannot fill 15: the background ends in the middle of its last whole
    // frame (at its own editing rate, 29.97), while the menu keeps its own duration.
    EXPECT_NEAR((std::floor(2.0 * 29.97) - 1.0 + 0.5) / 29.97,
                CDSProductionUtils::GetDuration(BackgroundProduction(m_menu)), 1e-9);
    EXPECT_NEAR(15.0, CDSProductionUtils::GetDuration(StoryboardOf(m_menu)), 1e-9);
    BgraImage frame = Render(m_menu.p, 1.02, 64, 48);
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(25), frame.PixelAt(8, 24), 24);
    EXPECT_COLOUR_NEAR(RightColourOfFrame(25), frame.PixelAt(56, 24), 24);
}

TEST_F(MenuBackground, StaleBackgroundsAreBuiltAgainFromTheMenu)
{
    SetBackground(m_menu, Picture("blue.png", kBlue));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    LONG id = BkgndId(m_menu);
    LONG panel = IdOfPanel(Panel(m_menu, 0));

    // A new theme gives the menu another background and marks the private productions.
    SetBackground(m_menu, Picture("red.png", kRed));
    ASSERT_EQ(S_OK, CDSMenuUtils::_DirtyOverlayProductions(m_project));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));

    EXPECT_EQ(id, BkgndId(m_menu));
    EXPECT_NE(panel, IdOfPanel(Panel(m_menu, 0)));
    EXPECT_EQ(1, PanelCount(BackgroundProduction(m_menu)));
    EXPECT_EQ(kRed, Render(m_menu.p, 7.0, 64, 48).PixelAt(32, 24));
}

TEST_F(MenuBackground, AMonikerBackgroundShowsTheProductionKeptUnderItsName)
{
    // A theme's menu copied into the project brings its background as a production that the
    // background production keeps under a moniker.
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    CComPtr<IKVEProductionData> kept;
    ASSERT_EQ(S_OK, kept.CoCreateInstance(CLSID_KVEProduction));
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(kept.p)->AddSourceFile(
                        0, CComBSTR(Picture("red.png", kRed)), 0.0, 0.0, VARIANT_TRUE, nullptr));
    CComBSTR name(L"moniker::theme_background");
    ASSERT_EQ(S_OK, BackgroundProduction(m_menu)->SetSubProduction(name, kept));
    ASSERT_EQ(S_OK, m_menu->put_Background(name));
    ASSERT_EQ(S_OK, CDSMenuUtils::_DirtyOverlayProductions(m_project));

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(name.Str(), BackgroundOf(m_menu));
    EXPECT_EQ(kRed, Render(m_menu.p, 7.0, 64, 48).PixelAt(32, 24));
}

TEST_F(MenuBackground, BackgroundAudioSilencesTheBackgroundsOwnSoundUntilItIsCleared)
{
    SetBackground(m_menu, Picture("blue.png", kBlue));
    ClipShape shape;
    shape.toneFrequency = 440.0;
    std::wstring tone = MakeClip(m_folder, "tone.mp4", shape);
    ASSERT_EQ(S_OK, m_menu->put_Audio(CComBSTR(tone)));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));

    CComPtr<IKVEProductionData> storyboard = StoryboardOf(m_menu);
    EXPECT_EQ(tone, BkgndAudioOf(storyboard));
    EXPECT_FALSE(PlaysNativeAudio(Panel(m_menu, 0)));
    ASSERT_EQ(1, AudioCount(storyboard));
    CComQIPtr<IKVEAudioSubObject> placed(AudioItem(storyboard, 0));
    double end = 0.0;
    EXPECT_EQ(S_OK, placed->get_EndOffset(&end));
    EXPECT_NEAR(15.0, end, 1e-9);
    VARIANT_BOOL repeat = VARIANT_FALSE;
    EXPECT_EQ(S_OK, CComQIPtr<IKVEAudioSource>(placed.p)->get_Repeat(&repeat));
    EXPECT_EQ(VARIANT_TRUE, repeat);

    // The same audio again is not added again.
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(1, AudioCount(storyboard));

    ASSERT_EQ(S_OK, m_menu->put_Audio(CComBSTR(L"")));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(0, AudioCount(storyboard));
    EXPECT_TRUE(PlaysNativeAudio(Panel(m_menu, 0)));

    // Audio that went missing plays nothing; it does not stop the menu from resolving.
    ASSERT_EQ(S_OK, m_menu->put_Audio(CComBSTR(m_folder.File("gone.mp2"))));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(0, AudioCount(storyboard));
    EXPECT_TRUE(PlaysNativeAudio(Panel(m_menu, 0)));
}

TEST_F(MenuBackground, SmartAudioIsATrackThatAnswersWithItsFile)
{
    std::wstring track = m_folder.File("fanfare.xml");
    std::ofstream(std::filesystem::path(track))
        << "<SmartAudio title=\"Fanfare\" maxDuration=\"90\"><Segment file=\"a.wav\"/>"
           "</SmartAudio>";
    ClipShape shape;
    shape.toneFrequency = 440.0;
    std::wstring tone = MakeClip(m_folder, "tone.mp4", shape);
    EXPECT_TRUE(CDSProductionUtils::IsSmartSoundAudio(track.c_str()));
    EXPECT_FALSE(CDSProductionUtils::IsSmartSoundAudio(tone.c_str()));
    EXPECT_FALSE(CDSProductionUtils::IsSmartSoundAudio(m_folder.File("gone.xml").c_str()));

    CComPtr<IKVEProductionData> storyboard = StoryboardOf(m_title);
    AddSource(m_title, Picture("blue.png", kBlue));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetBkgndAudio(storyboard, CComBSTR(track)));
    ASSERT_EQ(1, AudioCount(storyboard));
    EXPECT_TRUE(CComQIPtr<IKVESmartAudio>(AudioItem(storyboard, 0).p));
    EXPECT_EQ(track, BkgndAudioOf(storyboard));

    // A plain file replaces the track.
    ASSERT_EQ(S_OK, CDSProductionUtils::SetBkgndAudio(storyboard, CComBSTR(tone)));
    ASSERT_EQ(1, AudioCount(storyboard));
    EXPECT_FALSE(CComQIPtr<IKVESmartAudio>(AudioItem(storyboard, 0).p));
    EXPECT_EQ(tone, BkgndAudioOf(storyboard));
}

TEST_F(MenuBackground, ProductionFileBackgroundPlaysOrShowsBlackWhenItsMediaAreMissing)
{
    ClipShape shape;
    std::wstring clip = MakeClip(m_folder, "clip.mp4", shape);
    std::wstring production = ProductionFileOf(clip);
    SetBackground(m_menu, production);
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(10), Render(m_menu.p, 0.42, 64, 48).PixelAt(8, 24), 24);

    // A second menu with the same background after its media went away.
    std::filesystem::remove(std::filesystem::path(clip));
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    SetBackground(menu, production);
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu));
    CComPtr<IKVEProductionData> background = BackgroundProduction(menu);
    ASSERT_EQ(1, PanelCount(background));
    CComPtr<IBaseObject> black;
    ASSERT_EQ(S_OK, background->GetPanelBaseObject(0, &black));
    EXPECT_EQ(KVE_PANEL_SOLID_COLOR, KindOf(black));
    EXPECT_NEAR(15.0, CDSProductionUtils::GetDuration(background), 1e-9);
    for (double time : {0.5, 7.0, 14.9})
        EXPECT_EQ(kBlack, Render(menu.p, time, 64, 48).PixelAt(32, 24)) << time;

    LONG panel = IdOfPanel(Panel(menu, 0));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu));
    EXPECT_EQ(panel, IdOfPanel(Panel(menu, 0)));
    EXPECT_EQ(production, BackgroundOf(menu));
}

TEST_F(MenuBackground, WithoutAPictureTheMenuShowsThePlaceholder)
{
    BgraImage placeholder;
    ASSERT_EQ(S_OK, StretchImage(Placeholder(), 64, 48, placeholder));
    for (const std::wstring& background : {std::wstring(), m_folder.File("gone.png")}) {
        CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
        SetBackground(menu, background);
        ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu));
        EXPECT_EQ(kPlaceholder, BackgroundOf(menu));
        EXPECT_COLOUR_NEAR(placeholder.PixelAt(32, 24), Render(menu.p, 1.0, 64, 48).PixelAt(32, 24),
                           4);
        LONG panel = IdOfPanel(Panel(menu, 0));
        ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(menu));
        EXPECT_EQ(panel, IdOfPanel(Panel(menu, 0)));
    }
}

TEST_F(MenuBackground, ThePlaceholderIsNamedEvenWhereTheContentLacksIt)
{
    std::filesystem::path empty = m_folder.Path() / "content";
    std::filesystem::create_directories(empty);
    ScopedEnvironment content("REELMARK_CONTENT", empty.c_str());
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(kPlaceholder, BackgroundOf(m_menu));
    EXPECT_EQ(0, PanelCount(BackgroundProduction(m_menu)));
    LONG panel = IdOfPanel(Panel(m_menu, 0));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_EQ(panel, IdOfPanel(Panel(m_menu, 0)));
}

TEST_F(MenuBackground, AQueryMakesNothingAndAStaleIdIsALookupFailure)
{
    LONG titles = TitleCount();
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_FALSE, CDSMenuUtils::GetMenuBkgndProduction(m_menu, &production, false));
    EXPECT_FALSE(production);
    EXPECT_EQ(titles, TitleCount());
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GetMenuBkgndProduction(nullptr, &production, true));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::ResolveMenuBkgndSource(nullptr));

    ASSERT_EQ(S_OK, m_menu->put_BkgndID(4242));
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
    EXPECT_TRUE(StackHolds(L"spProject->FindByID(lBkgndID, &spUnkBkgndTitle)"));
    EXPECT_EQ(titles, TitleCount());
}

TEST_F(MenuBackground, MatchAspectRatioCopiesTheShapeAndLeavesAnEqualOneUnchanged)
{
    CComPtr<IKVEProductionData> wide = StoryboardOf(m_menu);
    ASSERT_EQ(S_OK, Info(m_menu)->put_AspectRatio(16.0 / 9.0));
    CComPtr<IKVEProductionData> target = StoryboardOf(m_title);
    ASSERT_EQ(S_OK, CDSProductionUtils::MatchAspectRatio(wide, target));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(target));

    ASSERT_EQ(S_OK, target->ClearChangeMark());
    ASSERT_EQ(S_OK, CDSProductionUtils::MatchAspectRatio(wide, target));
    VARIANT_BOOL changed = VARIANT_TRUE;
    EXPECT_EQ(S_OK, target->IsChanged(&changed));
    EXPECT_EQ(VARIANT_FALSE, changed);

    ASSERT_EQ(S_OK, CDSProductionUtils::MatchAspectRatio(nullptr, target));
    double ratio = 0.0;
    EXPECT_EQ(S_OK, Info(m_title)->get_AspectRatio(&ratio));
    EXPECT_DOUBLE_EQ(4.0 / 3.0, ratio);
    EXPECT_EQ(E_POINTER, CDSProductionUtils::MatchAspectRatio(wide, nullptr));
}

} // namespace
