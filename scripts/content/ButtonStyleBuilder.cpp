#include "ButtonStyleBuilder.h"

#include "MenuElements.h"
#include "MenuProduction.h"
#include "StylePictures.h"
#include "ThemeLayout.h"
#include "ThemeLooks.h"

#include "dsutils/DSButtonStyleInfo.h"

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/KVEGraphManager.h"
#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/TaskMemory.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr double kArtScale = ThemeLayout::artScale;
constexpr double kMargin = ThemeLayout::shadowMargin;
constexpr unsigned kLightLabel = 0xF2F4F7;
constexpr unsigned kDarkLabel = 0x2E2A24;
// The colour the previews are shown on, and how much larger than the reference frame they are
// rendered.
constexpr DWORD kPreviewBackground = 0x2B2F36;
constexpr int kPreviewScale = 2;

// What a style's builder works with: the geometry of the aspect, where its pictures go, and
// the scene its thumbnail shows.
struct StyleContext
{
    ThemeLayout layout;
    const ContentWriter& out;
    std::wstring art;
    std::wstring scene;
};

// Reference pixels, downward offsets from the button's centre.
struct Box
{
    double offset;
    double width;
    double height;
};

Place PlaceOf(const ThemeLayout& layout, const Box& box)
{
    return {0.0f, -layout.UnitsY(box.offset), layout.UnitsX(box.width), layout.UnitsY(box.height)};
}

HRESULT PaintArt(const StyleContext& context, const std::wstring& name, const Box& box,
                 const std::function<void(Canvas&)>& paint, std::wstring& stored)
{
    std::wstring relative = context.art + L"/" + name + L".png";
    CHECK_HR(context.out.Paint(relative, int(std::lround(box.width * kArtScale)),
                               int(std::lround(box.height * kArtScale)), paint));
    stored = ContentWriter::Stored(relative);
    return S_OK;
}

// A picture of the style's look behind (tag 2) or over (tag 8) the thumbnail.
HRESULT AddArt(IDSMenuButton* button, const StyleContext& context, const std::wstring& name,
               ULONG tag, const Box& box, const std::function<void(Canvas&)>& paint)
{
    OverlayDesign art;
    art.tag = tag;
    CHECK_HR(PaintArt(context, name, box, paint, art.source));
    art.place = PlaceOf(context.layout, box);
    CHECK_HR(AddOverlayElement(button, art));
    return S_OK;
}

HRESULT AddThumbnail(IDSMenuButton* button, const StyleContext& context, double offset)
{
    OverlayDesign thumbnail;
    thumbnail.tag = OverlayType_Thumbnail;
    thumbnail.source = context.scene;
    thumbnail.place =
        PlaceOf(context.layout, {offset, context.layout.ThumbWidth(), ThemeLayout::thumbHeight});
    thumbnail.highlight = OverlayHLI_Region;
    thumbnail.sourceType = OverlaySource_None;
    CHECK_HR(AddOverlayElement(button, thumbnail));
    return S_OK;
}

HRESULT AddLabel(IDSMenuButton* button, const StyleContext& context, const Box& box,
                 unsigned colour, bool bold)
{
    TextDesign text;
    text.tag = TextType_Label;
    text.label = L"My Movie";
    text.place = PlaceOf(context.layout, box);
    text.face = L"DejaVu Sans";
    text.size = ThemeLayout::labelFontSize;
    text.bold = bold;
    text.colour = colour;
    text.edge = colour == kDarkLabel ? 0xFFFFFF : 0x000000;
    text.highlight = TextHLI_Text;
    CHECK_HR(AddTextElement(button, text));
    return S_OK;
}

// The thumbnail on a picture that reaches side pixels beyond it left and right and vertical
// pixels above and below; the label under it.
HRESULT BuildOnArtWithLabelBelow(IDSMenuButton* button, const StyleContext& c,
                                 const std::wstring& name, double side, double vertical,
                                 const std::function<void(Canvas&)>& paint)
{
    double artHeight = ThemeLayout::thumbHeight + 2 * vertical;
    double height = artHeight + ThemeLayout::labelGap + ThemeLayout::labelHeight;
    double thumb = -(height - artHeight) / 2;
    CHECK_HR(AddArt(button, c, name, 0x02,
                    {thumb, c.layout.ThumbWidth() + 2 * (side + kMargin), artHeight + 2 * kMargin},
                    paint));
    CHECK_HR(AddThumbnail(button, c, thumb));
    CHECK_HR(AddLabel(
        button, c,
        {(height - ThemeLayout::labelHeight) / 2, c.layout.LabelWidth(), ThemeLayout::labelHeight},
        kLightLabel, false));
    return S_OK;
}

// A white frame with a soft shadow.
HRESULT BuildFramed(IDSMenuButton* button, const StyleContext& c)
{
    return BuildOnArtWithLabelBelow(button, c, L"Framed_Frame", 6.0, 6.0, [](Canvas& canvas) {
        PaintFramedFrame(canvas, kMargin * kArtScale);
    });
}

// A white card holding the thumbnail, the label written on its wide bottom strip.
HRESULT BuildPolaroid(IDSMenuButton* button, const StyleContext& c)
{
    constexpr double side = 8.0;
    constexpr double strip = 34.0;
    double height = ThemeLayout::thumbHeight + side + strip;
    double thumb = side + ThemeLayout::thumbHeight / 2 - height / 2;
    CHECK_HR(AddArt(button, c, L"Polaroid_Card", 0x02,
                    {0.0, c.layout.ThumbWidth() + 2 * (side + kMargin), height + 2 * kMargin},
                    [](Canvas& canvas) { PaintPolaroidCard(canvas, kMargin * kArtScale); }));
    CHECK_HR(AddThumbnail(button, c, thumb));
    CHECK_HR(AddLabel(button, c,
                      {height / 2 - strip / 2, c.layout.ThumbWidth(), ThemeLayout::labelHeight},
                      kDarkLabel, false));
    return S_OK;
}

// The thumbnail on a strip of film.
HRESULT BuildFilmstrip(IDSMenuButton* button, const StyleContext& c)
{
    constexpr double band = 16.0;
    return BuildOnArtWithLabelBelow(button, c, L"Filmstrip_Film", 6.0, band, [](Canvas& canvas) {
        PaintFilmstrip(canvas, kMargin * kArtScale, band * kArtScale);
    });
}

// The label on a dark bar across the bottom of the thumbnail, inside a thin border.
HRESULT BuildCaption(IDSMenuButton* button, const StyleContext& c)
{
    constexpr double border = 3.0;
    constexpr double bar = 30.0;
    CHECK_HR(AddArt(button, c, L"Caption_Border", 0x02,
                    {0.0, c.layout.ThumbWidth() + 2 * (border + kMargin),
                     ThemeLayout::thumbHeight + 2 * (border + kMargin)},
                    [](Canvas& canvas) { PaintThinBorder(canvas, kMargin * kArtScale); }));
    CHECK_HR(AddThumbnail(button, c, 0.0));
    Box barBox{ThemeLayout::thumbHeight / 2 - bar / 2, c.layout.ThumbWidth(), bar};
    CHECK_HR(AddArt(button, c, L"Caption_Bar", 0x08, barBox,
                    [](Canvas& canvas) { PaintCaptionBar(canvas); }));
    CHECK_HR(AddLabel(button, c, {barBox.offset, barBox.width - 8, ThemeLayout::labelHeight},
                      kLightLabel, true));
    return S_OK;
}

struct Style
{
    const wchar_t* file;
    const wchar_t* name;
    HRESULT (*build)(IDSMenuButton*, const StyleContext&);
};

constexpr Style kStyles[] = {
    {L"Framed", L"Framed", BuildFramed},
    {L"Polaroid", L"Polaroid", BuildPolaroid},
    {L"Filmstrip", L"Filmstrip", BuildFilmstrip},
    {L"Caption", L"Caption", BuildCaption},
};

HRESULT WriteStyle(const Style& style, const StyleContext& context, const std::wstring& relative)
{
    CComPtr<IDSMenuButton> button;
    CHECK_HR(button.CoCreateInstance(uuidof<CDSMenuButton>()));
    CHECK_HR(button->put_Tag(ButtonType_Command));
    CHECK_HR(button->put_Name(CComBSTR(style.name)));
    CHECK_HR(style.build(button, context));
    CComPtr<IDSProjectFile> files;
    CHECK_HR(files.CoCreateInstance(CLSID_CDSProjectFile));
    CHECK_HR(context.out.MakeFolderFor(relative));
    CHECK_HR(files->SaveButtonStyle(CComBSTR(context.out.Path(relative)), button));
    return S_OK;
}

// A linked style is no button file of its own: a "LinkedButton" element naming a theme button.
HRESULT WriteLinkedStyle(const ContentWriter& out, const std::wstring& relative,
                         const std::wstring& theme, LONG id)
{
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(CreateXMLDocument(&document));
    CComPtr<IXMLDOMNode> declaration;
    CHECK_HR(document->createProcessingInstruction(
        CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-8\""), &declaration));
    CHECK_HR(document->appendChild(declaration, nullptr));
    CComPtr<IXMLDOMElement> linked;
    CHECK_HR(document->createElement(CComBSTR(L"LinkedButton"), &linked));
    CHECK_HR(linked->setAttribute(CComBSTR(L"link"), CComVariant(theme.c_str())));
    CHECK_HR(linked->setAttribute(CComBSTR(L"ID"), CComVariant(id)));
    CHECK_HR(document->appendChild(linked, nullptr));
    CHECK_HR(out.MakeFolderFor(relative));
    CHECK_HR(document->save(CComVariant(out.Path(relative).c_str())));
    return S_OK;
}

// A menu of one colour in a project of its own, on which previews are drawn.
HRESULT NewPreviewMenu(bool wide, CComPtr<IDSProjectData>& project, CComPtr<IDSMenu>& menu)
{
    CHECK_HR(project.CoCreateInstance(CLSID_CDSProjectData));
    CHECK_HR(project->AddMenu(-1, &menu));
    CComQIPtr<IEditData> edit;
    CHECK_HR(ShapeMenuProduction(menu, wide, edit));
    CHECK_HR(edit->AddSolidColor(0, kPreviewBackground, nullptr));
    return S_OK;
}

struct TaskMemoryFree
{
    void operator()(BYTE* block) const { CoTaskMemFree(block); }
};

HRESULT RenderMenu(IDSMenu* menu, int width, int height, BgraImage& frame)
{
    CComPtr<IUnknown> production;
    CHECK_HR(menu->GetProduction(&production));
    CComPtr<IKVEGraphManager> graph;
    CHECK_HR(graph.CoCreateInstance(CLSID_KVEGraphManager));
    CHECK_HR(graph->SetProduction(production));
    BYTE* pixels = nullptr;
    CHECK_HR(graph->ExtractThumbnail(0.5, SIZE{width, height}, &pixels));
    std::unique_ptr<BYTE, TaskMemoryFree> owned(pixels);
    CHECK_HR(BgraImage::FromBuffer(pixels, width, height, frame));
    return S_OK;
}

// The part of a picture inside a pixel rectangle, cut to the picture.
BgraImage Crop(const BgraImage& picture, RECT part)
{
    part.left = std::clamp<LONG>(part.left, 0, picture.Width() - 1);
    part.top = std::clamp<LONG>(part.top, 0, picture.Height() - 1);
    part.right = std::clamp<LONG>(part.right, part.left + 1, picture.Width());
    part.bottom = std::clamp<LONG>(part.bottom, part.top + 1, picture.Height());
    BgraImage cut(part.right - part.left, part.bottom - part.top);
    for (int y = 0; y < cut.Height(); ++y)
        std::memcpy(cut.Row(y), picture.Row(part.top + y) + size_t(part.left) * 4, cut.Stride());
    return cut;
}

// Loads the style file as a user would, shows its button alone on the preview menu and keeps
// the part of the frame around it.
HRESULT WritePreview(bool wide, const ContentWriter& out, const std::wstring& style,
                     const std::wstring& preview)
{
    CComPtr<IDSProjectData> project;
    CComPtr<IDSMenu> menu;
    CHECK_HR(NewPreviewMenu(wide, project, menu));
    CComPtr<IDSMenuButton> button;
    CHECK_HR(button.CoCreateInstance(uuidof<CDSMenuButton>()));
    CHECK_HR(LoadButtonFromFile(out.Path(style).c_str(), button));
    CComQIPtr<IDSMenuElementList> list(menu.p);
    CHECK_NULL(list.p);
    CHECK_HR(list->InsertElement(-1, button));
    CHECK_HR(button->SetPosition(0.0f, 0.0f));
    ThemeLayout layout(wide);
    int width = int(std::lround(layout.width)) * kPreviewScale;
    int height = int(ThemeLayout::height) * kPreviewScale;
    BgraImage frame;
    CHECK_HR(RenderMenu(menu, width, height, frame));
    FloatRect extent;
    CHECK_HR(button->GetExtent(&extent));
    LONG pad = 6 * kPreviewScale;
    RECT part{LONG(std::floor((extent.left + 1) / 2 * width)) - pad,
              LONG(std::floor((1 - extent.top) / 2 * height)) - pad,
              LONG(std::ceil((extent.right + 1) / 2 * width)) + pad,
              LONG(std::ceil((1 - extent.bottom) / 2 * height)) + pad};
    CHECK_HR(out.Save(Crop(frame, part), preview));
    return S_OK;
}

} // namespace

HRESULT MakeButtonStyles(bool wide, const ContentWriter& out, const std::wstring& theme,
                         LONG button)
{
    std::wstring folder = AspectFolder(wide) + L"/Button";
    StyleContext context{ThemeLayout(wide), out, folder + L"/Art",
                         ContentWriter::Stored(ContentWriter::ScenePath(1, wide))};
    for (const Style& style : kStyles) {
        std::wstring file = folder + L"/" + style.file;
        CHECK_HR(WriteStyle(style, context, file + L".xml"));
        CHECK_HR(WritePreview(wide, out, file + L".xml", file + L".PNG"));
    }
    std::wstring linked = folder + L"/Theme_" + theme;
    CHECK_HR(WriteLinkedStyle(out, linked + L".xml", theme, button));
    CHECK_HR(WritePreview(wide, out, linked + L".xml", linked + L".PNG"));
    return S_OK;
}
