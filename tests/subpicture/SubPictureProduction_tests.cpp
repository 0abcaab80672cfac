// The scratch menu a subpicture is rendered from: pattern regions and pattern-coloured copies of
// the highlighted parts of the buttons at their places in the menu, saved as a production file
// and loaded from it; and the pattern pictures of the two aspect ratios.
#include "SubpictureTest.h"

#include "subpicture/SPUPattern.h"
#include "subpicture/SubPictureProduction.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/KVEProductionInfo.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "support/FrameGrab.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr float kTolerance = 1e-5f;
constexpr SIZE kFrame{720, 480};

// Whether a region lies on the whole pixels of the frame that the element's extent covers.
::testing::AssertionResult OnPixelsOf(const FloatRect& region, const FloatRect& extent)
{
    RECT want{}, got{};
    EXPECT_EQ(S_OK, CDSMenuUtils::ConvertToRect(want, extent, kFrame.cx, kFrame.cy));
    EXPECT_EQ(S_OK, CDSMenuUtils::ConvertToRect(got, region, kFrame.cx, kFrame.cy));
    double edges[4] = {(region.left + 1) * kFrame.cx / 2.0, (1 - region.top) * kFrame.cy / 2.0,
                       (region.right + 1) * kFrame.cx / 2.0, (1 - region.bottom) * kFrame.cy / 2.0};
    for (double edge : edges) {
        if (std::fabs(edge - std::round(edge)) > 1e-3)
            return ::testing::AssertionFailure() << "edge at " << edge << " pixels";
    }
    if (want.left == got.left && want.top == got.top && want.right == got.right &&
        want.bottom == got.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << got.left << "," << got.top << "," << got.right << "," << got.bottom
           << ") is not (" << want.left << "," << want.top << "," << want.right << ","
           << want.bottom << ")";
}

std::wstring SourceOf(IUnknown* element)
{
    CComBSTR source;
    EXPECT_EQ(S_OK, CComQIPtr<IDSMenuOverlay>(element)->get_Source(&source));
    return source.Str();
}

LONG HighlightOf(IDSMenuElement* element)
{
    LONG mode = -1;
    EXPECT_EQ(S_OK, element->get_Highlight(&mode));
    return mode;
}

::testing::AssertionResult IsAt(IDSMenuElement* element, float x, float y)
{
    float ex = 0, ey = 0;
    EXPECT_EQ(S_OK, element->GetPosition(&ex, &ey));
    if (std::fabs(ex - x) < kTolerance && std::fabs(ey - y) < kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << ex << "," << ey;
}

class ScratchMenu : public SubpictureTest
{
protected:
    explicit ScratchMenu(bool wide = false) : SubpictureTest(wide) {}

    // The production made from the menu; the scratch menu it was built on goes to m_scratch.
    CComPtr<IKVEProductionData> Build()
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        EXPECT_EQ(S_OK, CreateScratchMenu(m_menu, m_scratchProject, m_scratch));
        EXPECT_EQ(S_OK, CreateSubPictureProduction(m_menu, production, m_scratch, kFrame));
        return production;
    }

    static std::wstring ScratchFile()
    {
        return PathAppend(PathAppend(TempFolder(), L"SubPicProd"), L"SubPicture.DMSM");
    }

    CComPtr<IDSProjectData> m_scratchProject;
    CComPtr<IDSMenu> m_scratch;
};

TEST_F(ScratchMenu, HoldsPatternRegionsAndPatternCopiesAtTheirPlacesInTheMenu)
{
    Build();
    ASSERT_EQ(Count(m_scratch), 4);
    // The region overlay: the pattern over the whole pixels of the element's extent.
    CComPtr<IDSMenuElement> region = Item(m_scratch, 1);
    EXPECT_EQ(SourceOf(region), kSPUPattern4x3);
    EXPECT_TRUE(OnPixelsOf(ExtentOf(region), ExtentOf(m_region)));
    // The picture overlay: itself, at the button's position plus its own.
    CComPtr<IDSMenuElement> picture = Item(m_scratch, 2);
    EXPECT_EQ(SourceOf(picture), m_folder.File("green.png"));
    EXPECT_TRUE(IsAt(picture, kButtonX + 0.3f, kButtonY + 0.1f));
    EXPECT_TRUE(OnPixelsOf(ExtentOf(picture), ExtentOf(m_picture)));
    EXPECT_EQ(GetTag(picture), ULONG(OverlayType_Generic));
    EXPECT_EQ(HighlightOf(picture), OverlayHLI_None);
    // The label: its words in the pattern colour, at its place in the menu.
    CComQIPtr<IDSMenuText> label(Item(m_scratch, 3).p);
    ASSERT_TRUE(label);
    EXPECT_TRUE(IsAt(label, kButtonX - 0.2f, kButtonY - 0.2f));
    CComBSTR words;
    ASSERT_EQ(S_OK, label->get_Label(&words));
    EXPECT_EQ(words.Str(), L"PLAY");
    for (LONG kind : {TextColour_Face, TextColour_Edge, TextColour_Shadow}) {
        COLORREF colour = 0;
        ASSERT_EQ(S_OK, label->GetColor(kind, &colour));
        EXPECT_EQ(colour, RGB(0xFF, 0, 0)) << kind;
    }
    EXPECT_EQ(HighlightOf(label), TextHLI_None);
    float size = 0;
    ASSERT_EQ(S_OK, label->get_FontSize(&size));
    EXPECT_FLOAT_EQ(size, 0.12f);
    // The text region: the pattern over the text's extent.
    CComPtr<IDSMenuElement> boxed = Item(m_scratch, 4);
    EXPECT_EQ(SourceOf(boxed), kSPUPattern4x3);
    EXPECT_TRUE(OnPixelsOf(ExtentOf(boxed), ExtentOf(m_boxed)));

    // The menu itself is left as it was.
    COLORREF face = 0;
    ASSERT_EQ(S_OK, m_label->GetColor(TextColour_Face, &face));
    EXPECT_EQ(face, RGB(0x20, 0x40, 0xFF));
    EXPECT_EQ(HighlightOf(m_picture), OverlayHLI_Picture);
    EXPECT_EQ(Count(m_button), 5);
}

TEST_F(ScratchMenu, ElementsOfNestedButtonsTakeEveryHoldersPosition)
{
    CComPtr<IDSMenuButton> inner = AddButton(m_button);
    ASSERT_EQ(S_OK, inner->SetPosition(0.1f, -0.1f));
    CComPtr<IDSMenuOverlay> deep = AddOverlay(inner);
    Place(deep, 0.05f, 0.05f, 0.1f, 0.1f, OverlayHLI_Picture);
    CComPtr<IDSProjectData> scratchProject;
    CComPtr<IDSMenu> scratch;
    ASSERT_EQ(S_OK, CreateScratchMenu(m_menu, scratchProject, scratch));
    ASSERT_EQ(S_OK,
              CreateOverlaySPUElement(CComQIPtr<IDSMenuElementList>(scratch.p), deep, kFrame));
    ASSERT_EQ(Count(scratch), 1);
    EXPECT_TRUE(IsAt(Item(scratch, 1), kButtonX + 0.15f, kButtonY - 0.05f));
}

TEST_F(ScratchMenu, IsRenderedFromTheProductionFileAloneOnBlack)
{
    // An older file of the name, unreadable as a production, is replaced.
    fs::create_directories(fs::path(ScratchFile()).parent_path());
    std::ofstream(fs::path(ScratchFile())) << "not a production";
    CComPtr<IKVEProductionData> production = Build();
    ASSERT_TRUE(fs::is_regular_file(fs::path(ScratchFile())));
    // Nothing of the scratch project is needed any more.
    m_scratch.Release();
    m_scratchProject.Release();
    LONG panels = 0;
    ASSERT_EQ(S_OK, production->GetNumberOfPanels(&panels));
    EXPECT_EQ(panels, 1);
    BgraImage frame;
    ASSERT_EQ(S_OK, ExtractFrame(production, 0.02, 720, 480, frame));
    RECT region = PixelsOf(ExtentOf(m_region), 720, 480);
    EXPECT_EQ(frame.PixelAt((region.left + region.right) / 2, (region.top + region.bottom) / 2),
              0xFFFF0000u);
    EXPECT_EQ(frame.PixelAt(10, 10), 0xFF000000u);
    RECT plain = PixelsOf(ExtentOf(m_plain), 720, 480);
    EXPECT_EQ(frame.PixelAt((plain.left + plain.right) / 2, (plain.top + plain.bottom) / 2),
              0xFF000000u);
}

TEST_F(ScratchMenu, RefusesMissingArguments)
{
    CComPtr<IKVEProductionData> production;
    ASSERT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
    CComPtr<IDSProjectData> scratchProject;
    CComPtr<IDSMenu> scratch;
    ASSERT_EQ(S_OK, CreateScratchMenu(m_menu, scratchProject, scratch));
    CComQIPtr<IDSMenuElementList> list(scratch.p);
    EXPECT_EQ(E_POINTER, CreateSubPictureProduction(nullptr, production, scratch, kFrame));
    EXPECT_EQ(E_POINTER, CreateSubPictureProduction(m_menu, nullptr, scratch, kFrame));
    EXPECT_EQ(E_POINTER, CreateSubPictureProduction(m_menu, production, nullptr, kFrame));
    EXPECT_EQ(E_POINTER, CreateOverlaySPUElement(nullptr, m_region, kFrame));
    EXPECT_EQ(E_POINTER, CreateTextSPUElement(list, nullptr, kFrame));
    // A frame of no size has no pixels to lay a region on.
    EXPECT_EQ(E_INVALIDARG, CreateRegionOverlay(list, ExtentOf(m_region), SIZE{0, 480}));
    EXPECT_EQ(Count(scratch), 0);
}

class WideScratchMenu : public ScratchMenu
{
protected:
    WideScratchMenu() : ScratchMenu(true) { fs::remove_all(fs::path(WidePattern())); }

    static std::wstring WidePattern() { return PathAppend(TempFolder(), L"SPU_16x9Pattern.png"); }
};

TEST_F(WideScratchMenu, RegionsShowThe16x9PatternMadeOnFirstUse)
{
    Build();
    ASSERT_EQ(Count(m_scratch), 4);
    EXPECT_EQ(SourceOf(Item(m_scratch, 1)), WidePattern());
    BgraImage pattern;
    ASSERT_EQ(S_OK, LoadImageFile(WidePattern(), pattern));
    EXPECT_EQ(pattern.Width(), 320);
    EXPECT_EQ(pattern.Height(), 180);
    for (int y = 0; y < 180; y += 9)
        for (int x = 0; x < 320; x += 9)
            ASSERT_EQ(pattern.PixelAt(x, y), 0xFFFF0000u);
    CComPtr<IKVEProductionData> production;
    ASSERT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
    CComPtr<IDSProjectData> scratchProject;
    CComPtr<IDSMenu> scratch;
    ASSERT_EQ(S_OK, CreateScratchMenu(m_menu, scratchProject, scratch));
    ASSERT_EQ(S_OK, CreateSubPictureProduction(m_menu, production, scratch, kFrame));
    double aspect = 0;
    CComPtr<IUnknown> object;
    ASSERT_EQ(S_OK, production->GetProductionObj(&object));
    ASSERT_EQ(S_OK, CComQIPtr<IProductionInfo>(object.p)->get_AspectRatio(&aspect));
    EXPECT_NEAR(aspect, 16.0 / 9.0, 1e-9);
}

TEST_F(WideScratchMenu, AnExistingPatternIsUsedAsItIs)
{
    MakePicture(m_folder, "small.png", 4, 4, 0xFFFF0000);
    fs::copy_file(m_folder.Path() / "small.png", fs::path(WidePattern()));
    CComBSTR source;
    ASSERT_EQ(S_OK, GetSPUPatternSource(true, &source));
    EXPECT_EQ(source.Str(), WidePattern());
    BgraImage pattern;
    ASSERT_EQ(S_OK, LoadImageFile(WidePattern(), pattern));
    EXPECT_EQ(pattern.Width(), 4);
}

TEST_F(WideScratchMenu, The4x3PatternStandsInWhenThe16x9OneCannotBeMade)
{
    // A folder where the picture should be: nothing can be written there.
    fs::create_directories(fs::path(WidePattern()));
    CComBSTR source;
    ASSERT_EQ(S_OK, GetSPUPatternSource(true, &source));
    EXPECT_EQ(source.Str(), kSPUPattern4x3);
    EXPECT_TRUE(fs::is_regular_file(fs::path(ResolveContentPath(source.Str()))));
    source.Empty();
    ASSERT_EQ(S_OK, GetSPUPatternSource(false, &source));
    EXPECT_EQ(source.Str(), kSPUPattern4x3);
    EXPECT_EQ(E_POINTER, GetSPUPatternSource(false, nullptr));
    fs::remove_all(fs::path(WidePattern()));
}

} // namespace
