#include "OverlayTest.h"

#include "production/OverlayStills.h"

#include "dsutils/DSTags.h"

#include "model/IDSEncodingParams.h"

#include "platform/PathService.h"
#include "platform/StringConv.h"

#include "support/FrameGrab.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr const wchar_t* kWideMask = L"%CONTENT%/Overlays/Masks/Wide_mask.png";

class OverlaySourceResolution : public OverlayTest
{
protected:
    HRESULT ResolveFree(IDSMenuOverlay* overlay)
    {
        return CDSMenuUtils::ResolveOverlaySource(overlay, nullptr, false);
    }
    // The panels of the overlay's montage: their kinds and, for sources, their durations.
    std::vector<LONG> MontageKinds(IDSMenuOverlay* overlay)
    {
        LONG privateId = 0;
        EXPECT_EQ(S_OK, overlay->get_PrivateId(&privateId));
        CComPtr<IDSTitle> title = FindTitle(m_project, ULONG(privateId));
        EXPECT_TRUE(title);
        if (!title)
            return {};
        EXPECT_EQ(ULONG(TitleType_Private), GetTag(title));
        CComPtr<IKVEProductionData> montage = StoryboardOf(title);
        LONG count = 0;
        EXPECT_EQ(S_OK, montage->GetNumberOfPanels(&count));
        std::vector<LONG> kinds;
        for (LONG i = 0; i < count; ++i) {
            CComPtr<IBaseObject> panel;
            LONG kind = 0;
            EXPECT_EQ(S_OK, montage->GetPanelBaseObject(i, &panel));
            EXPECT_EQ(S_OK, panel->get_Kind(&kind));
            kinds.push_back(kind);
        }
        return kinds;
    }
    std::wstring MontageFile(IDSMenuOverlay* overlay, LONG position)
    {
        LONG privateId = 0;
        overlay->get_PrivateId(&privateId);
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, StoryboardOf(FindTitle(m_project, ULONG(privateId)))
                            ->GetPanelBaseObject(position, &panel));
        CComQIPtr<ISourceFile> source(panel);
        CComBSTR file;
        if (source)
            source->get_FileName(&file);
        return file.Str();
    }
    // The menu's frame at a time, as the engine renders it, kept as a picture to look at.
    BgraImage RenderMenu(double time, const char* picture)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(StoryboardOf(m_menu), time, 320, 240, frame));
        fs::create_directories(DSUTILS_TEST_PICTURES);
        EXPECT_EQ(S_OK, SaveImageFile(
                            frame, Utf8ToWide(std::string(DSUTILS_TEST_PICTURES "/") + picture)));
        return frame;
    }
};

TEST_F(OverlaySourceResolution, UnsetSourcesShowTheButtonsLinkOrTheMenusTitles)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4", 1.0);
    CComPtr<IDSMenuButton> button = ButtonTo(title);
    CComPtr<IDSMenuOverlay> free = FreeOverlay(OverlaySource_None);

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    ASSERT_EQ(S_OK, ResolveFree(free));
    EXPECT_EQ(OverlaySource_ButtonLink, TypeOf(ThumbnailOf(button)));
    EXPECT_EQ(OverlaySource_AllMenuTitles, TypeOf(free));
    for (IDSMenuOverlay* overlay : {ThumbnailOf(button).p, free.p}) {
        EXPECT_EQ(ClipOf(title), SourceOf(overlay));
        EXPECT_NEAR(1.0, InPointOf(overlay), 1e-9);
    }
}

// A button's thumbnail shows its title's clip from the thumbnail time of the chapter it
// plays: the rendered menu shows that frame's colours where the thumbnail is.
TEST_F(OverlaySourceResolution, ThumbnailsShowTheirTitleAtTheChaptersThumbnailTime)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4", 1.0);
    CDSChapterList chapters(StoryboardOf(title));
    ASSERT_EQ(S_OK, chapters.InsertChapter(1.2, nullptr));
    ASSERT_EQ(S_OK, chapters.SetChapterThumbTime(2, 1.6));
    CComPtr<IDSMenuButton> whole = ButtonTo(title, 0, -0.5f);
    CComPtr<IDSMenuButton> second = ButtonTo(title, 2, 0.5f);

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(whole, nullptr));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(second, nullptr));
    EXPECT_NEAR(1.0, InPointOf(ThumbnailOf(whole)), 1e-9);
    EXPECT_NEAR(1.6, InPointOf(ThumbnailOf(second)), 1e-9);

    BgraImage frame = RenderMenu(0.0, "thumbnails-at-thumbnail-times.png");
    // Each thumbnail is 0.4 wide (64 pixels of 320) around x = -0.5 and 0.5: its left half
    // shows the frame's left colour, its right half the right colour.
    for (auto [centre, index] : {std::pair{80, 25}, std::pair{240, 40}}) {
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(index), frame.PixelAt(centre - 16, 120), 40);
        EXPECT_COLOUR_NEAR(RightColourOfFrame(index), frame.PixelAt(centre + 16, 120), 40);
    }
}

TEST_F(OverlaySourceResolution, FileSourcesKeepExistingFilesAndLoseDeletedOnes)
{
    std::wstring kept = MakePicture(m_folder, "kept.png", 8, 6, 0xFF102030);
    std::wstring gone = MakePicture(m_folder, "gone.png", 8, 6, 0xFF102030);
    CComPtr<IDSMenuOverlay> keeps = FreeOverlay(OverlaySource_File);
    CComPtr<IDSMenuOverlay> loses = FreeOverlay(OverlaySource_File);
    ASSERT_EQ(S_OK, keeps->put_Source(CComBSTR(kept.c_str())));
    ASSERT_EQ(S_OK, loses->put_Source(CComBSTR(gone.c_str())));
    fs::remove(fs::path(WideToUtf8(gone)));

    ASSERT_EQ(S_OK, ResolveFree(keeps));
    ASSERT_EQ(S_OK, ResolveFree(loses));
    EXPECT_EQ(kept, SourceOf(keeps));
    EXPECT_EQ(L"", SourceOf(loses));
    EXPECT_EQ(OverlaySource_File, TypeOf(loses));
}

// Only three free overlays may carry nested productions: each resolution moves the first one
// beyond the third to the project's first user title.
TEST_F(OverlaySourceResolution, NestedSourcesBeyondTheThirdFallBackToTheFirstUserTitle)
{
    CComPtr<IDSTitle> excluded = ClipTitle("excluded.mp4");
    ASSERT_EQ(S_OK, excluded->put_Excluded(VARIANT_TRUE));
    CComPtr<IDSTitle> first = ClipTitle("first.mp4");
    ButtonTo(first);
    std::vector<CComPtr<IDSMenuOverlay>> overlays;
    for (int i = 0; i < 5; ++i)
        overlays.push_back(FreeOverlay(OverlaySource_AllMenuTitles));

    for (const CComPtr<IDSMenuOverlay>& overlay : overlays)
        ASSERT_EQ(S_OK, ResolveFree(overlay));
    for (int i = 0; i < 5; ++i) {
        LONG id = -1;
        EXPECT_EQ(i < 3 ? OverlaySource_AllMenuTitles : OverlaySource_Title,
                  TypeOf(overlays[size_t(i)], &id));
        EXPECT_EQ(i < 3 ? 0 : IdOf(first), id);
    }
}

// A title showing no plain picture at the moment asked for: with nested productions the
// overlay shows the title's production itself from that moment; without, the nearest clip.
TEST_F(OverlaySourceResolution, PicturesThatAreNoFileShowTheTitlesProductionOrTheNearestClip)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4", 3.0);
    ASSERT_EQ(S_OK, Edit(title)->AddSolidColor(2, 0x0000FF, nullptr));
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_Title, IdOf(title));

    ASSERT_EQ(S_OK, ResolveFree(overlay));
    EXPECT_EQ(ClipOf(title), SourceOf(overlay));
    EXPECT_NEAR(2.0, InPointOf(overlay), 0.01);

    ASSERT_EQ(S_OK, CDSConfig().SetBool(DSConfig_OverlaySubProductions, true));
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    std::wstring moniker = L"moniker::dvdproduction_" + std::to_wstring(IdOf(title));
    EXPECT_EQ(moniker, SourceOf(overlay));
    EXPECT_NEAR(3.0, InPointOf(overlay), 1e-9);
    CComPtr<IUnknown> nested;
    ASSERT_EQ(S_OK, StoryboardOf(m_menu)->GetSubProduction(CComBSTR(moniker.c_str()), &nested));
    EXPECT_TRUE(nested.IsEqualObject(StoryboardOf(title)));
}

TEST_F(OverlaySourceResolution, SeveralTitlesMakeAMontageJoinedByDissolves)
{
    std::vector<CComPtr<IDSTitle>> titles = {ClipTitle("a.mp4", 0.4), ClipTitle("b.mp4", 0.8),
                                             ClipTitle("c.mp4", 1.2)};
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_AllTitles);
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    LONG privateId = 0;
    ASSERT_EQ(S_OK, overlay->get_PrivateId(&privateId));
    LONG titleCount = 0;
    ASSERT_EQ(S_OK, m_project->get_TitleCount(&titleCount));

    const std::vector<LONG> expected = {KVE_PANEL_SOURCE_FILE, KVE_PANEL_TRANSITION,
                                        KVE_PANEL_SOURCE_FILE, KVE_PANEL_TRANSITION,
                                        KVE_PANEL_SOURCE_FILE};
    EXPECT_EQ(expected, MontageKinds(overlay));
    for (LONG i = 0; i < 3; ++i)
        EXPECT_EQ(ClipOf(titles[size_t(i)]), MontageFile(overlay, 2 * i));
    std::wstring moniker = L"moniker::dvdproduction_" + std::to_wstring(IdOf(overlay));
    EXPECT_EQ(moniker, SourceOf(overlay));
    CComPtr<IUnknown> nested;
    ASSERT_EQ(S_OK, StoryboardOf(m_menu)->GetSubProduction(CComBSTR(moniker.c_str()), &nested));
    EXPECT_TRUE(nested.IsEqualObject(StoryboardOf(FindTitle(m_project, ULONG(privateId)))));

    // Again: the same private title is built anew, no other is made.
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    LONG again = 0, countAgain = 0;
    ASSERT_EQ(S_OK, overlay->get_PrivateId(&again));
    ASSERT_EQ(S_OK, m_project->get_TitleCount(&countAgain));
    EXPECT_EQ(privateId, again);
    EXPECT_EQ(titleCount, countAgain);
    EXPECT_EQ(expected, MontageKinds(overlay));
}

TEST_F(OverlaySourceResolution, MontagesShowThePlaceholderForMissingPictures)
{
    CComPtr<IDSTitle> present = ClipTitle("present.mp4");
    CComPtr<IDSTitle> missing = ClipTitle("missing.mp4");
    fs::remove(fs::path(WideToUtf8(ClipOf(missing))));
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_AllTitles);
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    EXPECT_EQ(ClipOf(present), MontageFile(overlay, 0));
    EXPECT_EQ(L"%CONTENT%/DVD/Mandatory/PlaceHolder.png", MontageFile(overlay, 2));
}

TEST_F(OverlaySourceResolution, SingleSourceProjectsShowTheFirstTitleOnly)
{
    CComPtr<IDSTitle> first = ClipTitle("first.mp4");
    ClipTitle("second.mp4");
    ASSERT_EQ(S_OK, m_project->put_SingleSourceOverlays(VARIANT_TRUE));
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_AllTitles);
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    EXPECT_EQ(ClipOf(first), SourceOf(overlay));
    LONG privateId = -1;
    ASSERT_EQ(S_OK, overlay->get_PrivateId(&privateId));
    EXPECT_EQ(0, privateId);
}

// A still thumbnail is a picture of the title's frame in the still cache; it is kept while
// the thumbnail shows it and made again once the thumbnail was made stale.
TEST_F(OverlaySourceResolution, StillThumbnailsAreCachedPicturesOfTheTitlesFrame)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4", 3.0 / 25.0);
    CComPtr<IDSMenuButton> button = ButtonTo(title);
    CComPtr<IDSMenuOverlay> thumbnail = ThumbnailOf(button);
    ASSERT_EQ(S_OK, thumbnail->put_StillImage(VARIANT_TRUE));

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    std::wstring still = SourceOf(thumbnail);
    std::wstring name = L"StillThumbnailCache/OvlStill_" + std::to_wstring(IdOf(thumbnail)) + L"_" +
                        std::to_wstring(IdOf(title)) + L"_0-12.png";
    EXPECT_NE(std::wstring::npos, still.find(name)) << WideToUtf8(still);
    BgraImage picture;
    ASSERT_EQ(S_OK, LoadImageFile(still, picture));
    EXPECT_EQ(640, picture.Width());
    EXPECT_EQ(480, picture.Height());
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(3), picture.PixelAt(160, 240), 40);

    MakePicture(m_folder, "marker.png", 4, 4, 0xFFFF00FF);
    fs::copy_file(m_folder.Path() / "marker.png", fs::path(WideToUtf8(still)),
                  fs::copy_options::overwrite_existing);
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    ASSERT_EQ(S_OK, LoadImageFile(still, picture));
    EXPECT_EQ(4, picture.Width());

    ASSERT_EQ(S_OK, CDSMenuUtils::ClearForResolve(button));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    ASSERT_EQ(S_OK, LoadImageFile(still, picture));
    EXPECT_EQ(640, picture.Width());

    // A 16:9 title gives a still as wide as 480 lines of that shape.
    ASSERT_EQ(S_OK, Info(title)->put_AspectRatio(16.0 / 9.0));
    ASSERT_EQ(S_OK, CDSMenuUtils::ClearForResolve(button));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    ASSERT_EQ(S_OK, LoadImageFile(SourceOf(thumbnail), picture));
    EXPECT_EQ(853, picture.Width());
    EXPECT_EQ(480, picture.Height());

    // Whole seconds keep their two places, so that no two times share a name.
    CComBSTR bstrName;
    ASSERT_EQ(S_OK, ComposeOverlayStillFilename(7, 9, 3.0, &bstrName));
    EXPECT_TRUE(bstrName.Str().ends_with(L"StillThumbnailCache/OvlStill_7_9_3-00.png"))
        << WideToUtf8(bstrName.Str());
}

// A button that leads to a chapter menu shows the menu's title, zoomed to fill its thumbnail:
// the crop is kept in the thumbnail's effect data with the scale and the two shapes.
TEST_F(OverlaySourceResolution, ThumbnailsOfButtonsLeadingToMenusFillTheirThumbnail)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4");
    CComPtr<IDSMenu> chapters = Tagged(AddMenu(m_project), MenuType_Chapter);
    CComPtr<IDSMenuButton> chapterButton =
        Placed(AddButton(chapters), ButtonType_Command, 0, 0, 1, 1);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(chapterButton, title));
    CComPtr<IDSMenuButton> button = ButtonTo(chapters);

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    CComPtr<IDSMenuOverlay> thumbnail = ThumbnailOf(button);
    VARIANT_BOOL fill = VARIANT_FALSE;
    ASSERT_EQ(S_OK, thumbnail->get_ZoomToFill(&fill));
    EXPECT_EQ(VARIANT_TRUE, fill);
    EXPECT_EQ(ClipOf(title), SourceOf(thumbnail));

    LONG effectId = 0;
    ASSERT_EQ(S_OK, thumbnail->get_EffectID(&effectId));
    CComPtr<IUnknown> item;
    ASSERT_EQ(S_OK, StoryboardOf(m_menu)->GetObjectByID(effectId, &item));
    CComPtr<IXMLDOMNode> effect, crop;
    ASSERT_EQ(S_OK, CComQIPtr<IKVEEffectInfo>(item)->GetEffectInfo(&effect));
    ASSERT_EQ(S_OK, effect->selectSingleNode(CComBSTR(L"plugin_data/Crop"), &crop));
    CComBSTR xml;
    ASSERT_EQ(S_OK, crop->get_xml(&xml));
    EXPECT_NE(std::wstring::npos, xml.Str().find(L"sourceAspect")) << WideToUtf8(xml.Str());

    // A second resolution leaves one crop.
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    CComPtr<IXMLDOMNodeList> crops;
    LONG count = 0;
    ASSERT_EQ(S_OK, effect->selectNodes(CComBSTR(L"plugin_data/Crop"), &crops));
    ASSERT_EQ(S_OK, crops->get_length(&count));
    EXPECT_EQ(1, count);
}

// On a 16:9 menu an overlay without a mask takes the wide one; its 4:3 clip keeps its scale and
// the mask covers the overlay's whole frame (OverlayFit_tests.cpp).
TEST_F(OverlaySourceResolution, OverlaysOfWideMenusTakeTheWideMask)
{
    ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(m_project)->put_AspectRatio(AspectRatio_16x9));
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4");
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_Title, IdOf(title));
    ASSERT_EQ(S_OK, ResolveFree(overlay));
    CComBSTR mask;
    ASSERT_EQ(S_OK, overlay->get_AlphaMask(&mask));
    EXPECT_EQ(kWideMask, mask.Str());
    double x = 0, y = 0;
    ASSERT_EQ(S_OK, overlay->GetMaskSize(&x, &y));
    EXPECT_NEAR(1.0, x, 1e-6);
    EXPECT_NEAR(1.0, y, 1e-6);
    ASSERT_EQ(S_OK, overlay->GetSourceScale(&x, &y));
    EXPECT_NEAR(1.0, x, 1e-6);
    EXPECT_NEAR(1.0, y, 1e-6);
}

// An overlay that showed one of the theme's own backdrops takes the nested form unless the
// settings file of the temporary folder says otherwise.
TEST_F(OverlaySourceResolution, ThemeBackdropsFollowTheSettingsFile)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4");
    CComPtr<IDSMenuOverlay> overlay = FreeOverlay(OverlaySource_Title, IdOf(title));
    std::wstring moniker = L"moniker::dvdproduction_" + std::to_wstring(IdOf(title));
    fs::path settings =
        fs::path(WideToUtf8(SystemTempFolder())) / "_FilmcraftBurnToReelmarkSetting.ini";
    fs::create_directories(settings.parent_path());
    for (const char* value :
         std::initializer_list<const char*>{nullptr, "TRUE please", "false", "tru"}) {
        fs::remove(settings);
        if (value)
            std::ofstream(settings) << "[FilmcraftBurnToReelmarkSetting]\n"
                                    << "UseSubproductionsForOverlays=" << value << "\n";
        ASSERT_EQ(S_OK, overlay->put_Source(CComBSTR(L"%CONTENT%/Themes/Baby_4x3.png")));
        ASSERT_EQ(S_OK, ResolveFree(overlay));
        bool nested = !value || value[0] == 'T';
        EXPECT_EQ(nested ? moniker : ClipOf(title), SourceOf(overlay)) << (value ? value : "none");
    }
    fs::remove(settings);
}

TEST_F(OverlaySourceResolution, TitlesOnADiscShowTheirCachedThumbnail)
{
    CComPtr<IDSTitle> title = ClipTitle("clip.mp4");
    ASSERT_EQ(S_OK, title->put_OnDiscCount(1));
    CComPtr<IDSMenuButton> button = ButtonTo(title, 3);
    ASSERT_EQ(S_OK, CDSMenuUtils::ClearOnDiscThumbnailCache());

    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    EXPECT_EQ(L"", SourceOf(ThumbnailOf(button)));

    CComBSTR cached;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateOnDiscThumbnailCacheFileName(title, &cached, 3));
    std::wstring expected = L"OnDiscCache/Thumbnail_T" + std::to_wstring(IdOf(title)) + L"_3.PNG";
    EXPECT_NE(std::wstring::npos, cached.Str().find(expected)) << WideToUtf8(cached.Str());
    MakePicture(m_folder, "cached.png", 8, 6, 0xFF00FF00);
    fs::copy_file(m_folder.Path() / "cached.png", fs::path(WideToUtf8(cached.Str())));
    ASSERT_EQ(S_OK, CDSMenuUtils::ResolveBtnThumbSource(button, nullptr));
    EXPECT_EQ(cached.Str(), SourceOf(ThumbnailOf(button)));

    ASSERT_EQ(S_OK, CDSMenuUtils::ClearOnDiscThumbnailCache());
    EXPECT_FALSE(fs::exists(fs::path(WideToUtf8(cached.Str()))));
}

} // namespace
