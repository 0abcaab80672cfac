// Renders frames of productions: solid colours, still pictures and video frames placed in the
// frame, nested productions at their offsets, the effects of transitions (dissolves, fades
// through black, wipes), and a menu's elements over its background.
#pragma once

#include "MediaCache.h"

#include "platform/TextRenderer.h"
#include "platform/Unknown.h"

class Production;
class Panel;
class SourcePanel;

class FrameRenderer
{
public:
    FrameRenderer(MediaCache& cache, TextRenderer& text) : m_cache(cache), m_text(text) {}

    // The frame of a production (an IKVEProductionData of this engine) at a time, width ×
    // height pixels; times outside the production show its first or last frame.
    HRESULT Render(IUnknown* production, double time, int width, int height, BgraImage& frame,
                   int depth = 0);

    // The picture of a media file at a time (a still's picture, a video's frame, a production
    // file's frame), at its own size and shape.
    HRESULT RenderMediaFile(const std::wstring& path, double time, BgraImage& picture);

    // A source panel's picture at a time of its own, placed in the production's frame.
    HRESULT RenderSource(const Production& production, const SourcePanel& source, double time,
                         BgraImage& frame, int depth);

    TextRenderer& Text() { return m_text; }

private:
    HRESULT RenderTimeline(const Production& production, double time, BgraImage& frame, int depth);
    HRESULT RenderPanel(const Production& production, Panel* panel, double time, BgraImage& frame,
                        int depth);
    HRESULT RenderMedia(const std::wstring& path, bool still, double time, BgraImage& picture);
    HRESULT RenderVideo(const Production& production, const SourcePanel& source, double time,
                        BgraImage& frame);
    HRESULT SourcePicture(const SourcePanel& source, double sourceTime, BgraImage& picture,
                          int depth);
    HRESULT PlacePicture(const BgraImage& picture, double pictureAspect, bool keepShape,
                         double frameAspect, BgraImage& frame);

    MediaCache& m_cache;
    TextRenderer& m_text;
};
