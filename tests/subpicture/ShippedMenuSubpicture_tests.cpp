// Subpictures of real menus made from the shipped themes the way a program makes them: the
// pattern classes lie exactly in the highlighted parts of each button, and the previews show
// each button's normal, selected and activated colours from the menu's palette. The
// subpicture and the previews (alone and laid over the menu) are written as PNG files under
// the build tree (DSUTILS_SUBPICTURE_PICTURES) for people to look at.
#include "SubpictureTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/SubPicture.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionInfo.h"
#include "platform/StringConv.h"
#include "support/FrameGrab.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 720;
constexpr int kHeight = 480;
constexpr int kCommandButtons = 4;

struct ShippedTheme
{
    const char* name;
    const wchar_t* file;
    bool wide;
};

constexpr ShippedTheme kThemes[] = {
    {"aurora_4x3", L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd", false},
    {"cobalt_16x9", L"%CONTENT%/DVD/16x9/Themes/Cobalt.dmsd", true},
};

bool IsInside(const RECT& rect, int x, int y)
{
    return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

// What a state's colour for the pattern class is, read from the menu as the player reads it:
// the palette entry of the class's index with the alpha of its contrast.
DWORD PatternColour(IDSMenu* menu, IDSMenuButton* button, int state)
{
    PaletteEntry palette[kPaletteEntries];
    EXPECT_EQ(S_OK, menu->GetPalette(palette));
    LONG scheme = 0;
    EXPECT_EQ(S_OK, button->get_ColourScheme(&scheme));
    BYTE selected[kSubpictureColourBytes] = {};
    BYTE activated[kSubpictureColourBytes] = {};
    if (state == 0) {
        EXPECT_EQ(S_OK, menu->GetSubpictureColours(SPU_Normal, selected, nullptr));
    } else {
        EXPECT_EQ(S_OK, menu->GetSubpictureColours(scheme, selected, activated));
    }
    const BYTE* pair = state == 2 ? activated : selected;
    const PaletteEntry& entry = palette[pair[0]];
    return MakeArgb(pair[1] == 0 ? 0 : BYTE((pair[1] + 1) * 255 / 16), entry.red, entry.green,
                    entry.blue);
}

class ShippedMenuSubpicture : public ProjectTest
{
protected:
    // A main menu made from the theme's template: its command buttons labelled, a Next button,
    // and a title that is no part of any button.
    void MakeMenu(const ShippedTheme& theme)
    {
        m_project = NewProject();
        ASSERT_EQ(S_OK, m_project->put_TVStandard(TVStandard_NTSC));
        ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(m_project.p)
                            ->put_AspectRatio(theme.wide ? AspectRatio_16x9 : AspectRatio_4x3));
        CComPtr<IDSMenu> mainTemplate;
        ASSERT_EQ(S_OK, CDSMenuUtils::CopyTemplate(m_project, theme.file, false, &mainTemplate))
            << KVUGetErrorStackText();
        m_menu = Tagged(AddMenu(m_project), MenuType_Main);
        ASSERT_EQ(S_OK, CDSMenuUtils::ApplyStyle(m_menu, mainTemplate));
        for (int i = 1; i <= kCommandButtons; ++i) {
            CComPtr<IDSMenuButton> button;
            ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_menu, &button, ButtonType_Command));
            for (const CComPtr<IDSMenuText>& label : GetTextList(button, TextType_Label))
                ASSERT_EQ(S_OK, label->put_Label(CComBSTR(FormatLabel(i).c_str())));
        }
        CComPtr<IDSMenuButton> next;
        ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_menu, &next, ButtonType_Next));
        ASSERT_EQ(S_OK, CDSMenuUtils::LayoutArrangeButtons(m_menu, true));
        m_buttons = GetButtonList(m_menu, kAllTags);
        ASSERT_EQ(m_buttons.size(), size_t(kCommandButtons + 1));
    }

    static std::wstring FormatLabel(int i) { return L"Holiday " + std::to_wstring(i); }

    static BgraImage Picture(BYTE* pixels)
    {
        TaskBlock owned(pixels);
        BgraImage picture;
        EXPECT_EQ(S_OK, BgraImage::FromBuffer(pixels, kWidth, kHeight, picture));
        return picture;
    }

    // The parts of the buttons that the subpicture highlights: regions, filled whole on the
    // pixels their extents cover, and texts, whose glyphs show inside their boxes.
    struct Part
    {
        RECT pixels;
        bool region;
    };

    std::vector<Part> HighlightedParts() const
    {
        std::vector<Part> parts;
        for (const CComPtr<IDSMenuButton>& button : m_buttons) {
            for (const CComPtr<IDSMenuElement>& element : GetElementList(button, kAllTags)) {
                LONG mode = 0;
                EXPECT_EQ(S_OK, element->get_Highlight(&mode));
                bool text = CComQIPtr<IDSMenuText>(element.p) != nullptr;
                bool region = text ? mode == TextHLI_Region : mode == OverlayHLI_Region;
                RECT pixels{};
                EXPECT_EQ(S_OK,
                          CDSMenuUtils::ConvertToRect(pixels, ExtentOf(element), kWidth, kHeight));
                if (region || (text && mode == TextHLI_Text))
                    parts.push_back({region ? pixels : Grown(pixels, 1), region});
            }
        }
        return parts;
    }

    RECT ActiveRegion(IDSMenuButton* button) const
    {
        FloatRect active{};
        EXPECT_EQ(S_OK, CDSMenuUtils::GetActiveRegion(button, &active));
        RECT rect{};
        EXPECT_EQ(S_OK, CDSMenuUtils::ConvertToRect(rect, active, kWidth, kHeight));
        return rect;
    }

    static FloatRect ExtentOf(IDSMenuElement* element)
    {
        FloatRect extent{};
        EXPECT_EQ(S_OK, element->GetExtent(&extent));
        return extent;
    }

    // The menu as the player shows it at rest: its background and its elements, in the
    // shape of the theme.
    BgraImage MenuFrame(bool wide)
    {
        CComBSTR background;
        EXPECT_EQ(S_OK, m_menu->get_Background(&background));
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, m_menu->GetProduction(&production));
        CComPtr<IUnknown> object;
        EXPECT_EQ(S_OK, CComQIPtr<IKVEProductionData>(production)->GetProductionObj(&object));
        EXPECT_EQ(S_OK, CComQIPtr<IProductionInfo>(object)->put_AspectRatio(wide ? 16.0 / 9.0
                                                                                 : 4.0 / 3.0));
        EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production)
                            ->AddSourceFile(0, background, 0.0, 0.0, VARIANT_FALSE, nullptr));
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(CComQIPtr<IKVEProductionData>(production), 0.5, kWidth,
                                     kHeight, frame));
        return frame;
    }

    static void Write(const BgraImage& picture, const std::string& name)
    {
        fs::path folder = DSUTILS_SUBPICTURE_PICTURES;
        fs::create_directories(folder);
        EXPECT_EQ(S_OK, SaveImageFile(picture, (folder / (name + ".png")).wstring()));
    }

    // The preview laid over the menu, as a player blends it.
    static BgraImage Over(const BgraImage& frame, const BgraImage& preview)
    {
        BgraImage shown = frame;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                BlendPixelOver(shown.Row(y) + x * 4, preview.PixelAt(x, y), 255);
        return shown;
    }

    // Regions hold the pattern on every pixel of theirs, the glyphs of texts lie in their
    // boxes, and nothing lies outside the buttons' regions.
    void CheckSubpicture(const BgraImage& classes) const
    {
        std::vector<Part> parts = HighlightedParts();
        ASSERT_GE(parts.size(), size_t(2 * kCommandButtons + 1));
        std::vector<RECT> buttons;
        for (const CComPtr<IDSMenuButton>& button : m_buttons)
            buttons.push_back(ActiveRegion(button));
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                DWORD pixel = classes.PixelAt(x, y);
                bool inRegion = false, inText = false, inButton = false;
                for (const Part& part : parts) {
                    inRegion |= part.region && Holds(part.pixels, x, y);
                    inText |= !part.region && Holds(part.pixels, x, y);
                }
                for (const RECT& button : buttons)
                    inButton |= IsInside(button, x, y);
                bool right = inRegion ? pixel == kSubpictureRed
                                      : pixel == 0 || (inText && pixel == kSubpictureRed);
                right = right && (pixel == 0 || inButton);
                if (!right && ++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is 0x" << std::hex << pixel;
            }
        }
        EXPECT_EQ(wrong, 0);
        // Every text shows its glyphs.
        for (const Part& part : parts) {
            if (part.region)
                continue;
            int ink = 0;
            for (int y = part.pixels.top; y < part.pixels.bottom; ++y)
                for (int x = part.pixels.left; x < part.pixels.right; ++x)
                    ink += classes.PixelAt(x, y) == kSubpictureRed ? 1 : 0;
            EXPECT_GT(ink, 60) << "text at " << part.pixels.left << "," << part.pixels.top;
        }
    }

    void CheckPreview(const BgraImage& classes, const BgraImage& preview, int state) const
    {
        std::vector<RECT> regions;
        for (const CComPtr<IDSMenuButton>& button : m_buttons)
            regions.push_back(ActiveRegion(button));
        int wrong = 0;
        int coloured = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                DWORD cls = classes.PixelAt(x, y);
                DWORD expected = cls;
                for (size_t i = 0; i < regions.size(); ++i) {
                    if (IsInside(regions[i], x, y) && cls == kSubpictureRed)
                        expected = PatternColour(m_menu, m_buttons[i], state);
                }
                coloured += expected != cls ? 1 : 0;
                if (preview.PixelAt(x, y) != expected && ++wrong <= 5)
                    ADD_FAILURE() << "state " << state << " pixel " << x << "," << y << " is 0x"
                                  << std::hex << preview.PixelAt(x, y) << ", not 0x" << expected;
            }
        }
        EXPECT_EQ(wrong, 0) << "state " << state;
        EXPECT_GT(coloured, 5000) << "state " << state;
    }

    void CheckButtonsApart() const
    {
        for (size_t i = 0; i < m_buttons.size(); ++i) {
            for (size_t j = i + 1; j < m_buttons.size(); ++j) {
                RECT a = ActiveRegion(m_buttons[i]);
                RECT b = ActiveRegion(m_buttons[j]);
                ASSERT_TRUE(a.right < b.left || b.right < a.left || a.bottom < b.top ||
                            b.bottom < a.top)
                    << "buttons " << i << " and " << j << " overlap";
            }
        }
    }

    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSMenu> m_menu;
    std::vector<CComPtr<IDSMenuButton>> m_buttons;
};

TEST_F(ShippedMenuSubpicture, HighlightsLieOnTheButtonsInThePalettesColours)
{
    for (const ShippedTheme& theme : kThemes) {
        SCOPED_TRACE(theme.name);
        MakeMenu(theme);
        CheckButtonsApart();
        BYTE* pixels = nullptr;
        ASSERT_EQ(S_OK, GetSubpicture_32(m_menu, nullptr, &pixels, kWidth, kHeight))
            << KVUGetErrorStackText();
        BgraImage classes = Picture(pixels);
        BYTE* states[3] = {};
        ASSERT_EQ(S_OK, GenerateSubPictureForPreview(m_menu, nullptr, kWidth, kHeight, &states[0],
                                                     &states[1], &states[2]))
            << KVUGetErrorStackText();
        BgraImage previews[3] = {Picture(states[0]), Picture(states[1]), Picture(states[2])};

        BgraImage frame = MenuFrame(theme.wide);
        std::string name = theme.name;
        Write(classes, name + "_subpicture");
        const char* stateNames[3] = {"normal", "selected", "activated"};
        for (int state = 0; state < 3; ++state) {
            Write(previews[state], name + "_preview_" + stateNames[state]);
            Write(Over(frame, previews[state]), name + "_menu_" + stateNames[state]);
        }

        CheckSubpicture(classes);
        for (int state = 0; state < 3; ++state)
            CheckPreview(classes, previews[state], state);
        // The shipped themes show nothing at rest, the accent at contrast 8 when selected and
        // the light accent at contrast 12 when activated.
        PaletteEntry palette[kPaletteEntries];
        ASSERT_EQ(S_OK, m_menu->GetPalette(palette));
        IDSMenuButton* first = m_buttons.front();
        EXPECT_EQ(PatternColour(m_menu, first, 0) >> 24, 0u);
        EXPECT_EQ(PatternColour(m_menu, first, 1),
                  MakeArgb(143, palette[2].red, palette[2].green, palette[2].blue));
        EXPECT_EQ(PatternColour(m_menu, first, 2),
                  MakeArgb(207, palette[3].red, palette[3].green, palette[3].blue));
    }
}

} // namespace
