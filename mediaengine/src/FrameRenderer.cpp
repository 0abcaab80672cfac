#include "FrameRenderer.h"

#include "ImageOps.h"
#include "MenuDrawer.h"
#include "Production.h"
#include "SourcePanel.h"

#include "platform/PathService.h"

#include <algorithm>
#include <cmath>

namespace {

// Productions nested deeper than this are drawn black: only a cycle goes so deep.
constexpr int kMaxNesting = 16;
constexpr DWORD kOpaqueBlack = 0xFF000000;

// The part of a picture the pan-and-zoom effect shows ("x", "y", "width", "height" as
// fractions of the picture).
RECT PanZoomPart(IXMLDOMNode* effect, const BgraImage& picture)
{
    auto fraction = [effect](const wchar_t* name, double fallback, double most) {
        double value = GetAttributeNumber(effect, name, fallback);
        return std::isfinite(value) ? std::clamp(value, 0.0, most) : std::min(fallback, most);
    };
    double x = fraction(L"x", 0.0, 1.0);
    double y = fraction(L"y", 0.0, 1.0);
    double w = fraction(L"width", 1.0, 1.0 - x);
    double h = fraction(L"height", 1.0, 1.0 - y);
    RECT part{LONG(x * picture.Width()), LONG(y * picture.Height()),
              LONG((x + w) * picture.Width()), LONG((y + h) * picture.Height())};
    part.right = std::max(part.right, part.left + 1);
    part.bottom = std::max(part.bottom, part.top + 1);
    return part;
}

// The view of a stereoscopic frame that comes first.
RECT FirstView(const SourceRequest& request, const BgraImage& picture)
{
    int w = picture.Width();
    int h = picture.Height();
    bool first = request.leftEyeFirst;
    if (request.stereoType == ENM_3DSOURCE_SIDE_BY_SIDE)
        return first ? RECT{0, 0, w / 2, h} : RECT{w / 2, 0, w, h};
    if (request.stereoType == ENM_3DSOURCE_TOP_BOTTOM)
        return first ? RECT{0, 0, w, h / 2} : RECT{0, h / 2, w, h};
    return RECT{0, 0, w, h};
}

} // namespace

HRESULT FrameRenderer::Render(IUnknown* production, double time, int width, int height,
                              BgraImage& frame, int depth)
{
    Production* source = ProductionOf(production);
    if (!source)
        return E_NOINTERFACE;
    HRESULT hr = BgraImage::Create(width, height, kOpaqueBlack, frame);
    if (FAILED(hr) || depth > kMaxNesting)
        return hr;
    hr = RenderTimeline(*source, time, frame, depth);
    if (FAILED(hr))
        return hr;
    MenuSnapshot menu;
    hr = source->SnapshotMenu(menu);
    if (SUCCEEDED(hr) && !menu.elements.empty())
        hr = DrawMenu(*this, *source, menu, time, frame, depth);
    return hr;
}

HRESULT FrameRenderer::RenderTimeline(const Production& production, double time, BgraImage& frame,
                                      int depth)
{
    const Timeline& panels = production.Panels();
    if (panels.Empty())
        return S_OK;
    // The last frame of the production starts a little before its end.
    time = std::clamp(time, 0.0, std::max(0.0, panels.Duration() - 1e-6));
    LONG position = panels.SourcePositionAt(time);
    Panel* shown = panels.At(position);
    Panel* transition = panels.At(position - 1);
    if (!transition || transition->Duration() <= 0.0 || time >= transition->End())
        return RenderPanel(production, shown, time, frame, depth);
    // Inside a transition: the panel before it passes into this one by the transition's effect.
    HRESULT hr = RenderPanel(production, panels.At(position - 2), time, frame, depth);
    BgraImage next;
    if (SUCCEEDED(hr))
        hr = BgraImage::Create(frame.Width(), frame.Height(), kOpaqueBlack, next);
    if (SUCCEEDED(hr))
        hr = RenderPanel(production, shown, time, next, depth);
    if (SUCCEEDED(hr))
        transition->Blend(frame, next, (time - transition->Start()) / transition->Duration());
    return hr;
}

HRESULT FrameRenderer::RenderPanel(const Production& production, Panel* panel, double time,
                                   BgraImage& frame, int depth)
{
    return panel->Render(*this, production, std::max(0.0, time - panel->Start()), frame, depth);
}

HRESULT FrameRenderer::RenderSource(const Production& production, const SourcePanel& source,
                                    double time, BgraImage& frame, int depth)
{
    if (source.IsPlainVideo())
        return RenderVideo(production, source, time, frame);
    BgraImage picture;
    HRESULT hr = SourcePicture(source, source.InPoint() + time, picture, depth);
    if (FAILED(hr))
        return hr;
    double aspect = source.DisplayAspect();
    if (!(aspect > 0.0))
        aspect = double(picture.Width()) / picture.Height();
    return PlacePicture(picture, aspect, production.UsesSourceAspectRatio(),
                        production.AspectRatio(), frame);
}

// The decoded frame goes to its place in one conversion that scales it too: no picture of the
// frame's own size is made, stretched and blended.
HRESULT FrameRenderer::RenderVideo(const Production& production, const SourcePanel& source,
                                   double time, BgraImage& frame)
{
    const AVFrame* decoded = nullptr;
    HRESULT hr = m_cache.VideoFrame(source.MediaPath(), source.InPoint() + time, &decoded);
    if (FAILED(hr))
        return hr;
    double aspect = source.DisplayAspect();
    if (!(aspect > 0.0))
        aspect = double(decoded->width) / decoded->height;
    RECT target = production.UsesSourceAspectRatio()
                      ? FitInside(frame.Width(), frame.Height(), aspect, production.AspectRatio())
                      : RECT{0, 0, frame.Width(), frame.Height()};
    return DrawAvFrameInto(*decoded, frame, target, FrameScaling::Fast);
}

// The picture of a source at a time, cut to its first view and pan-and-zoom part and turned.
HRESULT FrameRenderer::SourcePicture(const SourcePanel& source, double sourceTime,
                                     BgraImage& picture, int depth)
{
    HRESULT hr = S_OK;
    if (IUnknown* nested = source.NestedProduction()) {
        double aspect = 4.0 / 3.0;
        if (Production* inner = ProductionOf(nested))
            aspect = inner->AspectRatio();
        int height = 480;
        hr = Render(nested, sourceTime, int(std::lround(height * aspect)), height, picture,
                    depth + 1);
    } else {
        // The panel knows what its file holds: no need to probe it again.
        hr = RenderMedia(source.MediaPath(), source.SourceType() == KVE_SOURCE_STILL, sourceTime,
                         picture);
    }
    if (FAILED(hr))
        return hr;
    BgraImage part;
    hr = CropImage(picture, FirstView(source.Request(), picture), part);
    if (SUCCEEDED(hr) && source.PanZoom())
        hr = CropImage(BgraImage(part), PanZoomPart(source.PanZoom(), part), part);
    if (SUCCEEDED(hr))
        picture = source.Rotation() ? RotateQuarterTurns(part, source.Rotation()) : std::move(part);
    return hr;
}

HRESULT FrameRenderer::RenderMediaFile(const std::wstring& path, double time, BgraImage& picture)
{
    // Stored names may reach content through "%CONTENT%" and in another case; the menu keeps
    // the name as it was given, so that a saved production serves wherever content lies.
    std::wstring file = ResolveContentPath(path);
    const MediaInfo* info = nullptr;
    HRESULT probed = m_cache.Info(file, &info);
    return FAILED(probed) ? probed : RenderMedia(file, info->isStill, time, picture);
}

HRESULT FrameRenderer::RenderMedia(const std::wstring& path, bool still, double time,
                                   BgraImage& picture)
{
    if (still) {
        const BgraImage* cached = nullptr;
        HRESULT hr = m_cache.Picture(path, &cached);
        if (SUCCEEDED(hr))
            picture = *cached;
        return hr;
    }
    const AVFrame* frame = nullptr;
    HRESULT hr = m_cache.VideoFrame(path, time, &frame);
    return FAILED(hr) ? hr : ImageFromAvFrame(*frame, 0, 0, picture, FrameScaling::Fast);
}

// Puts a picture in the frame: keeping its shape (letterboxed on black) or filling the frame.
HRESULT FrameRenderer::PlacePicture(const BgraImage& picture, double pictureAspect, bool keepShape,
                                    double frameAspect, BgraImage& frame)
{
    RECT target = keepShape ? FitInside(frame.Width(), frame.Height(), pictureAspect, frameAspect)
                            : RECT{0, 0, frame.Width(), frame.Height()};
    BgraImage sized;
    HRESULT hr =
        StretchImage(picture, target.right - target.left, target.bottom - target.top, sized);
    if (SUCCEEDED(hr))
        BlendOver(frame, sized, target.left, target.top);
    return hr;
}
