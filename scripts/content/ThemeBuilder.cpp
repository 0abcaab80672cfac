#include "ThemeBuilder.h"

#include "MenuElements.h"
#include "MenuProduction.h"
#include "ThemeLayout.h"
#include "ThemePictures.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "model/IDSEncodingParams.h"
#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"

#include "platform/Check.h"

#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr double kArtScale = ThemeLayout::artScale;
constexpr double kFrameMargin = ThemeLayout::shadowMargin;
constexpr double kBadgeMargin = ThemeLayout::badgeMargin;
constexpr double kMenuSeconds = 30.0;
// Two rows of three buttons, centred, the first row taking what does not fill a row.
constexpr ULONG kButtonLayout = 0x01500C21;
constexpr int kCommandButtons = 6;
constexpr int kIndexButtons = 3;

enum class TemplateKind
{
    Main,
    Chapter,
};

constexpr NavSign kSigns[] = {NavSign::Next, NavSign::Prev, NavSign::Up, NavSign::Home};

const wchar_t* SignName(NavSign sign)
{
    switch (sign) {
    case NavSign::Next:
        return L"Next";
    case NavSign::Prev:
        return L"Prev";
    case NavSign::Up:
        return L"Up";
    case NavSign::Home:
        return L"Home";
    }
    return L"";
}

ULONG SignTag(NavSign sign)
{
    switch (sign) {
    case NavSign::Next:
        return ButtonType_Next;
    case NavSign::Prev:
        return ButtonType_Prev;
    case NavSign::Up:
        return ButtonType_Up;
    case NavSign::Home:
        return ButtonType_Home;
    }
    return 0;
}

// The relative paths of a theme's pictures.
struct ThemeArt
{
    std::wstring background;
    std::wstring frame;
    std::wstring pill;
    std::array<std::wstring, 4> signs;
};

int ArtPixels(double referencePixels)
{
    return int(std::lround(referencePixels * kArtScale));
}

HRESULT PaintArt(const ThemeLook& look, const ThemeLayout& layout, const ContentWriter& out,
                 ThemeArt& art)
{
    std::wstring folder = ThemeFolder(look);
    art.background = folder + L"/Background.png";
    SIZE size = BackgroundSize(look);
    CHECK_HR(
        out.Paint(art.background, size.cx, size.cy, [&](Canvas& c) { PaintBackground(look, c); }));
    double border = ThemeLayout::frameBorder + kFrameMargin;
    art.frame = folder + L"/Frame.png";
    CHECK_HR(out.Paint(art.frame, ArtPixels(layout.ThumbWidth() + 2 * border),
                       ArtPixels(ThemeLayout::thumbHeight + 2 * border),
                       [&](Canvas& c) { PaintThumbFrame(look, c, kFrameMargin * kArtScale); }));
    art.pill = folder + L"/Index.png";
    CHECK_HR(out.Paint(art.pill, ArtPixels(ThemeLayout::pillWidth + 2 * kBadgeMargin),
                       ArtPixels(ThemeLayout::pillHeight + 2 * kBadgeMargin),
                       [&](Canvas& c) { PaintPill(look, c, kBadgeMargin * kArtScale); }));
    int badge = ArtPixels(ThemeLayout::iconSide + 2 * kBadgeMargin);
    for (size_t i = 0; i < std::size(kSigns); ++i) {
        art.signs[i] = folder + L"/" + SignName(kSigns[i]) + L".png";
        CHECK_HR(out.Paint(art.signs[i], badge, badge, [&](Canvas& c) {
            PaintBadge(look, kSigns[i], c, kBadgeMargin * kArtScale);
        }));
    }
    return S_OK;
}

// Palette entries: black, white, the two highlight colours, the look's dark and middle
// colours, its text colours and a ramp of greys.
std::array<PaletteEntry, kPaletteEntries> PaletteOf(const ThemeLook& look)
{
    auto entry = [](unsigned rgb) {
        return PaletteEntry{BYTE(rgb >> 16), BYTE(rgb >> 8), BYTE(rgb)};
    };
    std::array<PaletteEntry, kPaletteEntries> palette{};
    const unsigned colours[] = {0x000000,  0xFFFFFF,    look.accent,      look.accentLight,
                                look.dark, look.middle, look.titleColour, look.labelColour};
    for (size_t i = 0; i < std::size(colours); ++i)
        palette[i] = entry(colours[i]);
    for (int i = 8; i < kPaletteEntries; ++i) {
        BYTE grey = BYTE((i - 7) * 255 / 9);
        palette[size_t(i)] = PaletteEntry{grey, grey, grey};
    }
    return palette;
}

// Highlights: nothing shows on a button at rest; a selected one takes the accent colour over
// about half its pattern pixels, an activated one the light accent more strongly.
HRESULT SetHighlightColours(IDSMenu* menu)
{
    // Pairs of palette index and contrast for the red (pattern), white, green and blue classes.
    const BYTE rest[kSubpictureColourBytes] = {2, 0, 1, 0, 3, 0, 0, 0};
    const BYTE selected[kSubpictureColourBytes] = {2, 8, 1, 0, 3, 8, 0, 0};
    const BYTE activated[kSubpictureColourBytes] = {3, 12, 1, 0, 1, 12, 0, 0};
    CHECK_HR(menu->SetSubpictureColours(SPU_Normal, rest, nullptr));
    for (LONG scheme = SPU_Scheme0; scheme <= SPU_Scheme2; ++scheme)
        CHECK_HR(menu->SetSubpictureColours(scheme, selected, activated));
    return S_OK;
}

// The production of a template shows its background, so that a loaded theme renders as it
// is; menus made from it get their own background production when they are resolved.
HRESULT ShowBackground(IDSMenu* menu, const std::wstring& background, bool wide)
{
    CComQIPtr<IEditData> edit;
    CHECK_HR(ShapeMenuProduction(menu, wide, edit));
    CComPtr<IUnknown> panel;
    CHECK_HR(edit->AddSourceFile(0, CComBSTR(background), 0.0, 0.0, VARIANT_FALSE, &panel));
    CComQIPtr<IBaseObject> baseObject(panel.p);
    CHECK_NULL(baseObject.p);
    CHECK_HR(baseObject->put_Duration(kMenuSeconds));
    return S_OK;
}

HRESULT SetMenuLook(IDSMenu* menu, const ThemeLook& look, const ThemeLayout& layout,
                    const ThemeArt& art)
{
    std::wstring background = ContentWriter::Stored(art.background);
    CHECK_HR(menu->put_Background(CComBSTR(background)));
    CHECK_HR(menu->put_Duration(kMenuSeconds));
    std::array<PaletteEntry, kPaletteEntries> palette = PaletteOf(look);
    CHECK_HR(menu->SetPalette(palette.data()));
    CHECK_HR(SetHighlightColours(menu));
    CHECK_HR(menu->put_ButtonLayout(kButtonLayout));
    FloatRect grid = layout.Grid();
    CHECK_HR(menu->put_LayoutRect(&grid));
    CHECK_HR(ShowBackground(menu, background, look.wide));
    return S_OK;
}

HRESULT AddTitleText(IDSMenu* menu, const ThemeLook& look, const ThemeLayout& layout,
                     const std::wstring& title)
{
    TextDesign text;
    text.label = title;
    text.place = {0.0f, layout.Y(ThemeLayout::titleY),
                  layout.UnitsX(layout.width - 2 * ThemeLayout::titleInset),
                  layout.UnitsY(ThemeLayout::titleHeight)};
    text.face = look.titleFace;
    text.size = ThemeLayout::titleFontSize;
    text.bold = true;
    text.colour = look.titleColour;
    text.edge = look.textEdge;
    CHECK_HR(AddTextElement(menu, text));
    return S_OK;
}

// The label of a button, highlighted by drawing it in the highlight colour.
HRESULT AddLabel(IDSMenuButton* button, const ThemeLook& look, const std::wstring& label,
                 const Place& place, float size, unsigned colour)
{
    TextDesign text;
    text.tag = TextType_Label;
    text.label = label;
    text.place = place;
    text.face = look.labelFace;
    text.size = size;
    text.colour = colour;
    text.edge = look.textEdge;
    text.highlight = TextHLI_Text;
    CHECK_HR(AddTextElement(button, text));
    return S_OK;
}

// A command button: the thumbnail in its frame and the label below; stacked at the centre
// until the menu is arranged.
HRESULT AddCommandButton(IDSMenu* menu, const ThemeLook& look, const ThemeLayout& layout,
                         const ThemeArt& art, int number, const std::wstring& label)
{
    double frameWidth = layout.ThumbWidth() + 2 * ThemeLayout::frameBorder;
    CComPtr<IDSMenuButton> button;
    CHECK_HR(AddButtonElement(
        menu, ButtonType_Command, look.name + L" Frame",
        {0, 0, layout.UnitsX(frameWidth), layout.UnitsY(layout.ButtonHeight())}, button));
    float thumbY = -layout.UnitsY(layout.FrameOffset());
    double border = ThemeLayout::frameBorder + kFrameMargin;
    OverlayDesign frame;
    frame.tag = 0x02;
    frame.source = ContentWriter::Stored(art.frame);
    frame.place = {0, thumbY, layout.UnitsX(layout.ThumbWidth() + 2 * border),
                   layout.UnitsY(ThemeLayout::thumbHeight + 2 * border)};
    CHECK_HR(AddOverlayElement(button, frame));
    OverlayDesign thumbnail;
    thumbnail.tag = OverlayType_Thumbnail;
    thumbnail.source = ContentWriter::Stored(ContentWriter::ScenePath(number, look.wide));
    thumbnail.place = {0, thumbY, layout.UnitsX(layout.ThumbWidth()),
                       layout.UnitsY(ThemeLayout::thumbHeight)};
    thumbnail.highlight = OverlayHLI_Region;
    thumbnail.sourceType = OverlaySource_None;
    CHECK_HR(AddOverlayElement(button, thumbnail));
    CHECK_HR(AddLabel(button, look, label,
                      {0, -layout.UnitsY(layout.LabelOffset()), layout.UnitsX(layout.LabelWidth()),
                       layout.UnitsY(ThemeLayout::labelHeight)},
                      ThemeLayout::labelFontSize, look.labelColour));
    return S_OK;
}

// Home and Up in the top corners, Prev and Next in the bottom ones.
Place SignPlace(NavSign sign, const ThemeLayout& layout)
{
    bool top = sign == NavSign::Home || sign == NavSign::Up;
    bool left = sign == NavSign::Home || sign == NavSign::Prev;
    double x = left ? ThemeLayout::cornerInset : layout.width - ThemeLayout::cornerInset;
    double y = top ? ThemeLayout::titleY : ThemeLayout::bottomRowY;
    return {layout.X(x), layout.Y(y), layout.UnitsX(ThemeLayout::iconSide),
            layout.UnitsY(ThemeLayout::iconSide)};
}

HRESULT AddNavButtons(IDSMenu* menu, const ThemeLayout& layout, const ThemeArt& art)
{
    double side = ThemeLayout::iconSide + 2 * kBadgeMargin;
    for (size_t i = 0; i < std::size(kSigns); ++i) {
        CComPtr<IDSMenuButton> button;
        CHECK_HR(AddButtonElement(menu, SignTag(kSigns[i]), SignName(kSigns[i]),
                                  SignPlace(kSigns[i], layout), button));
        OverlayDesign badge;
        badge.tag = 0x02;
        badge.source = ContentWriter::Stored(art.signs[i]);
        badge.place = {0, 0, layout.UnitsX(side), layout.UnitsY(side)};
        badge.highlight = OverlayHLI_Region;
        CHECK_HR(AddOverlayElement(button, badge));
    }
    return S_OK;
}

// The index buttons of a chapter menu between Prev and Next, labelled with the ranges of
// chapters that pages of six hold.
HRESULT AddIndexButtons(IDSMenu* menu, const ThemeLook& look, const ThemeLayout& layout,
                        const ThemeArt& art)
{
    for (int k = 0; k < kIndexButtons; ++k) {
        double x = layout.width / 2 + (k - 1) * ThemeLayout::pillSpacing;
        CComPtr<IDSMenuButton> button;
        CHECK_HR(AddButtonElement(menu, ButtonType_ChapterRange, L"Chapter Index",
                                  {layout.X(x), layout.Y(ThemeLayout::bottomRowY),
                                   layout.UnitsX(ThemeLayout::pillWidth),
                                   layout.UnitsY(ThemeLayout::pillHeight)},
                                  button));
        OverlayDesign pill;
        pill.tag = 0x02;
        pill.source = ContentWriter::Stored(art.pill);
        pill.place = {0, 0, layout.UnitsX(ThemeLayout::pillWidth + 2 * kBadgeMargin),
                      layout.UnitsY(ThemeLayout::pillHeight + 2 * kBadgeMargin)};
        pill.highlight = OverlayHLI_Region;
        CHECK_HR(AddOverlayElement(button, pill));
        int first = 1 + k * kCommandButtons;
        CHECK_HR(AddLabel(
            button, look,
            std::to_wstring(first) + L"-" + std::to_wstring(first + kCommandButtons - 1),
            {0, 0, layout.UnitsX(ThemeLayout::pillWidth), layout.UnitsY(ThemeLayout::pillHeight)},
            ThemeLayout::pillFontSize, look.glyph));
    }
    return S_OK;
}

std::wstring CommandLabel(TemplateKind kind, int number)
{
    return kind == TemplateKind::Main ? L"Movie " + std::to_wstring(number)
                                      : std::to_wstring(number);
}

HRESULT MakeTemplate(IDSProjectData* project, const ThemeLook& look, const ThemeLayout& layout,
                     const ThemeArt& art, TemplateKind kind, CComPtr<IDSMenu>& menu)
{
    bool main = kind == TemplateKind::Main;
    CHECK_HR(project->AddMenu(-1, &menu));
    CHECK_HR(menu->put_Tag(main ? MenuType_MainTemplate : MenuType_ChapterTemplate));
    CHECK_HR(menu->put_Name(CComBSTR(look.name + (main ? L" Main Menu" : L" Scene Selection"))));
    CHECK_HR(SetMenuLook(menu, look, layout, art));
    CHECK_HR(AddTitleText(menu, look, layout, main ? L"Main Menu" : L"Scene Selection"));
    for (int number = 1; number <= kCommandButtons; ++number)
        CHECK_HR(AddCommandButton(menu, look, layout, art, number, CommandLabel(kind, number)));
    CHECK_HR(AddNavButtons(menu, layout, art));
    if (!main)
        CHECK_HR(AddIndexButtons(menu, look, layout, art));
    CHECK_HR(CDSMenuUtils::LayoutArrangeButtons(menu, true));
    return S_OK;
}

HRESULT NewThemeProject(const ThemeLook& look, CComPtr<IDSProjectData>& project)
{
    CHECK_HR(project.CoCreateInstance(CLSID_CDSProjectData));
    CHECK_HR(project->put_Name(CComBSTR(look.name)));
    CHECK_HR(project->put_DiscFormat(look.hd ? DiscFormat_BluRay : DiscFormat_DVD));
    CHECK_HR(project->put_TVStandard(TVStandard_NTSC));
    CComQIPtr<IDSEncodingParams> encoding(project.p);
    CHECK_NULL(encoding.p);
    CHECK_HR(encoding->put_AspectRatio(look.wide ? AspectRatio_16x9 : AspectRatio_4x3));
    return S_OK;
}

// Each template names the next one, the last the first.
HRESULT LinkRing(IDSMenu* first, IDSMenu* second)
{
    LONG firstId = 0;
    LONG secondId = 0;
    CHECK_HR(first->get_ID(&firstId));
    CHECK_HR(second->get_ID(&secondId));
    CHECK_HR(first->put_TemplateID(secondId));
    CHECK_HR(second->put_TemplateID(firstId));
    return S_OK;
}

HRESULT SaveTheme(IDSProjectData* project, const std::wstring& path)
{
    CComPtr<IDSProjectFile> files;
    CHECK_HR(files.CoCreateInstance(CLSID_CDSProjectFile));
    CHECK_HR(files->SaveProject(CComBSTR(path), project));
    return S_OK;
}

} // namespace

HRESULT MakeTheme(const ThemeLook& look, const ContentWriter& out, LONG& firstCommandButton)
{
    ThemeLayout layout(look.wide);
    ThemeArt art;
    CHECK_HR(PaintArt(look, layout, out, art));
    CComPtr<IDSProjectData> project;
    CHECK_HR(NewThemeProject(look, project));
    CComPtr<IDSMenu> main;
    CComPtr<IDSMenu> chapter;
    CHECK_HR(MakeTemplate(project, look, layout, art, TemplateKind::Main, main));
    CHECK_HR(MakeTemplate(project, look, layout, art, TemplateKind::Chapter, chapter));
    CHECK_HR(LinkRing(main, chapter));
    std::vector<CComPtr<IDSMenuButton>> commands = GetButtonList(main, ButtonType_Command);
    CHECK_HR(commands.empty() ? E_UNEXPECTED : S_OK);
    CHECK_HR(commands.front()->get_ID(&firstCommandButton));
    CHECK_HR(out.MakeFolderFor(ThemeFile(look)));
    CHECK_HR(SaveTheme(project, out.Path(ThemeFile(look))));
    return S_OK;
}
