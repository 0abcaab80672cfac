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

// Menu coordinates (−1 … +1, y up) to the frame's pixels.
Extent PixelExtent(const DrawnElement& element, const BgraImage& frame)
{
    auto side = [](double size, int frameSide) {
        return std::clamp(int(std::lround(size / 2.0 * frameSide)), 1, kMaxImageSide);
    };
    return {(element.x + 1.0) / 2.0 * frame.Width(), (1.0 - element.y) / 2.0 * frame.Height(),
            side(element.width, frame.Width()), side(element.height, frame.Height())};
}

bool IsMoniker(const std::wstring& source)
{
    return source.size() > 8 &&
           CompareNoCase(std::wstring_view(source).substr(0, 8), L"moniker:") == 0;
}

HRESULT OverlayPicture(FrameRenderer& renderer, const Production& production,
                       const DrawnElement& element, const Extent& extent, int depth,
                       BgraImage& picture)
{
    if (IsMoniker(element.source)) {
        IUnknown* nested = production.SubProduction(element.source);
        if (!nested)
            return S_FALSE;
        return renderer.Render(nested, element.sourceTime, extent.width, extent.height, picture,
                               depth + 1);
    }
    BgraImage native;
    HRESULT hr = renderer.RenderMediaFile(element.source, element.sourceTime, native);
    return FAILED(hr) ? hr : StretchImage(native, extent.width, extent.height, picture);
}

void MaskPicture(FrameRenderer& renderer, const std::wstring& maskPath, BgraImage& picture)
{
    BgraImage mask;
    BgraImage sized;
    if (SUCCEEDED(renderer.RenderMediaFile(maskPath, 0.0, mask)) &&
        SUCCEEDED(StretchImage(mask, picture.Width(), picture.Height(), sized)))
        ApplyAlphaMask(picture, sized);
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
                    const DrawnElement& element, BgraImage& frame, int depth)
{
    if (element.source.empty())
        return S_OK;
    Extent extent = PixelExtent(element, frame);
    BgraImage picture;
    if (OverlayPicture(renderer, production, element, extent, depth, picture) != S_OK)
        return S_OK;
    if (!element.alphaMask.empty())
        MaskPicture(renderer, element.alphaMask, picture);
    Place(frame, picture, extent, element.rotation);
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
                 double, BgraImage& frame, int depth)
{
    for (const DrawnElement& element : menu.elements) {
        HRESULT hr = element.kind == DrawnElement::Kind::Text
                         ? DrawLabel(renderer, element, frame)
                         : DrawOverlay(renderer, production, element, frame, depth);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}
