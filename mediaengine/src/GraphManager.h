// The graph manager: renders the frames of one production at a time.
#pragma once

#include "FrameRenderer.h"
#include "MediaCache.h"

#include "model/KVEGraphManager.h"

#include "platform/ComObject.h"
#include "platform/TextRenderer.h"

class GraphManager : public ComObject<GraphManager, IKVEGraphManager>
{
public:
    HRESULT SetParentWindow(HWND window) override;
    HRESULT GetParentWindow(HWND* window) override;
    HRESULT SetProduction(IUnknown* production) override;
    HRESULT GetProduction(IUnknown** production) override;
    HRESULT SetAutoShowPreview(VARIANT_BOOL show) override;
    HRESULT GetAutoShowPreview(VARIANT_BOOL* show) override;
    HRESULT GetGraphContext(LONG* mode, IUnknown** context) override;
    HRESULT SetGraphContext(LONG mode, IUnknown* context) override;
    HRESULT Preview() override;
    HRESULT GetPreviewState(LONG* state) override;
    HRESULT Stop() override;
    HRESULT ExtractThumbnail(double time, SIZE size, BYTE** pixels) override;
    HRESULT GetComposition(IUnknown** composition) override;

private:
    friend ComObject<GraphManager, IKVEGraphManager>;
    GraphManager() = default;

    HWND m_window = nullptr;
    CComPtr<IUnknown> m_production;
    bool m_autoShow = true;
    LONG m_mode = KVE_GRAPH_CONTEXT_PREVIEW;
    CComPtr<IUnknown> m_context;
    LONG m_state = KVE_PREVIEW_STOPPED;
    MediaCache m_cache;
    TextRenderer m_text;
    FrameRenderer m_renderer{m_cache, m_text};
};
