#include "MenuDrawer.h"

#include "FrameRenderer.h"
#include "ImageOps.h"
#include "Production.h"

#include "platform/StringConv.h"
#include "platform/TextRenderer.h"

#include <algorithm>
#include <cmath>

namespace {

struct Extent
{
    double centreX;
    double centreY;
    int width;
    int height;
};

// The pixels of a size in menu units (2 spans the frame), within what a picture can have.
int PixelSide(double size, int frameSide)
{
    double side = size / 2.0 * frameSide;
    return std::isnan(side) ? 1 : int(std::lround(std::clamp(side, 1.0, double(kMaxImageSide))));
}

// A centre far outside the frame draws nothing wherever it is: keeping it near lets pixel
// positions be whole numbers of the platform's size.
double NearFrame(double centre)
{
    constexpr double kReach = 4.0 * kMaxImageSide;
    return std::isnan(centre) ? -kReach : std::clamp(centre, -kReach, kReach);
}

// Menu coordinates (−1 … +1, y up) to the frame's pixels.
Extent PixelExtent(const DrawnElement& element, const BgraImage& frame)
{
    return {NearFrame((element.x + 1.0) / 2.0 * frame.Width()),
            NearFrame((1.0 - element.y) / 2.0 * frame.Height()),
            PixelSide(element.width, frame.Width()), PixelSide(element.height, frame.Height())};
}

bool IsMoniker(const std::wstring& source)
{
    return source.size() > 8 &&
           CompareNoCase(std::wstring_view(source).substr(0, 8), L"moniker:") == 0;
}

bool ShownAt(const DrawnElement& element, double time)
{
    return element.shownUntil <= element.shownFrom ||
           (element.shownFrom <= time && time <= element.shownUntil);
}

// Where in its source an overlay is at a time of the menu.
double SourceTimeAt(const DrawnElement& element, double time)
{
    if (element.still)
        return element.sourceTime;
    return element.sourceTime + std::max(0.0, time - element.shownFrom);
}

// The overlay's source at width × height.
HRESULT SourcePicture(FrameRenderer& renderer, const Production& production,
                      const DrawnElement& element, double time, int width, int height, int depth,
                      BgraImage& picture)
{
    double sourceTime = SourceTimeAt(element, time);
    if (IsMoniker(element.source)) {
        IUnknown* nested = production.SubProduction(element.source);
        if (!nested)
            return S_FALSE;
        return renderer.Render(nested, sourceTime, width, height, picture, depth + 1);
    }
    BgraImage native;
    HRESULT hr = renderer.RenderMediaFile(element.source, sourceTime, native);
    return FAILED(hr) ? hr : StretchImage(native, width, height, picture);
}

// Centres a picture of its own size on a canvas, cut to the canvas.
void CentreOn(BgraImage& canvas, const BgraImage& picture)
{
    BlendOver(canvas, picture, (canvas.Width() - picture.Width()) / 2,
              (canvas.Height() - picture.Height()) / 2);
}

// The mask at its scale, centred on a canvas of the extent's size; outside it nothing shows.
void MaskCanvas(FrameRenderer& renderer, const DrawnElement& element, BgraImage& canvas)
{
    BgraImage mask;
    BgraImage sized;
    int width = PixelSide(2.0 * element.maskScaleX, canvas.Width());
    int height = PixelSide(2.0 * element.maskScaleY, canvas.Height());
    if (FAILED(renderer.RenderMediaFile(element.alphaMask, 0.0, mask)) ||
        FAILED(StretchImage(mask, width, height, sized)))
        return;
    BgraImage placed(canvas.Width(), canvas.Height());
    CentreOn(placed, sized);
    ApplyAlphaMask(canvas, placed);
}

void ApplyOpacity(BgraImage& picture, double opacity)
{
    if (opacity >= 1.0)
        return;
    unsigned scale = unsigned(std::lround(std::clamp(opacity, 0.0, 1.0) * 256));
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.Row(y)[x * 4 + 3] = BYTE((picture.Row(y)[x * 4 + 3] * scale) >> 8);
}

void Place(BgraImage& frame, const BgraImage& picture, const Extent& extent, double rotation)
{
    if (std::fmod(rotation, 360.0) == 0.0)
        BlendOver(frame, picture, int(std::lround(extent.centreX - picture.Width() / 2.0)),
                  int(std::lround(extent.centreY - picture.Height() / 2.0)));
    else
        BlendRotated(frame, picture, extent.centreX, extent.centreY, rotation);
}

HRESULT DrawOverlay(FrameRenderer& renderer, const Production& production,
                    const DrawnElement& element, double time, BgraImage& frame, int depth)
{
    if (element.source.empty())
        return S_OK;
    Extent extent = PixelExtent(element, frame);
    int width = PixelSide(2.0 * element.sourceScaleX, extent.width);
    int height = PixelSide(2.0 * element.sourceScaleY, extent.height);
    BgraImage picture;
    if (SourcePicture(renderer, production, element, time, width, height, depth, picture) != S_OK)
        return S_OK;
    BgraImage canvas(extent.width, extent.height);
    CentreOn(canvas, picture);
    if (!element.alphaMask.empty())
        MaskCanvas(renderer, element, canvas);
    ApplyOpacity(canvas, element.opacity);
    Place(frame, canvas, extent, element.rotation);
    return S_OK;
}

HRESULT DrawLabel(FrameRenderer& renderer, const DrawnElement& element, BgraImage& frame)
{
    if (element.label.empty())
        return S_OK;
    Extent extent = PixelExtent(element, frame);
    BgraImage text(extent.width, extent.height);
    TextFont font;
    font.family = element.fontFamily;
    font.pixelSize = std::max(1.0, element.fontSize * frame.Height());
    font.bold = element.bold;
    font.italic = element.italic;
    HRESULT hr =
        renderer.Text().DrawText(text, element.label, RECT{0, 0, extent.width, extent.height}, font,
                                 element.colour, element.alignment);
    if (SUCCEEDED(hr))
        Place(frame, text, extent, element.rotation);
    return hr;
}

} // namespace

HRESULT DrawMenu(FrameRenderer& renderer, const Production& production, const MenuSnapshot& menu,
                 double time, BgraImage& frame, int depth)
{
    for (const DrawnElement& element : menu.elements) {
        if (!ShownAt(element, time))
            continue;
        HRESULT hr = element.kind == DrawnElement::Kind::Text
                         ? DrawLabel(renderer, element, frame)
                         : DrawOverlay(renderer, production, element, time, frame, depth);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}
