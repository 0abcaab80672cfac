#include "GraphManager.h"
#include "OutValue.h"

#include "Production.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

HRESULT GraphManager::SetParentWindow(HWND window)
{
    m_window = window;
    return S_OK;
}

HRESULT GraphManager::GetParentWindow(HWND* window)
{
    return ReturnValue(window, m_window);
}

HRESULT GraphManager::SetProduction(IUnknown* production)
{
    if (production && !ProductionOf(production))
        return E_NOINTERFACE;
    Stop();
    m_production = production;
    return S_OK;
}

HRESULT GraphManager::GetProduction(IUnknown** production)
{
    if (!production)
        return E_POINTER;
    m_production.CopyTo(production);
    return m_production ? S_OK : S_FALSE;
}

HRESULT GraphManager::SetAutoShowPreview(VARIANT_BOOL show)
{
    m_autoShow = show != VARIANT_FALSE;
    return S_OK;
}

HRESULT GraphManager::GetAutoShowPreview(VARIANT_BOOL* show)
{
    return ReturnFlag(show, m_autoShow);
}

HRESULT GraphManager::GetGraphContext(LONG* mode, IUnknown** context)
{
    if (!mode)
        return E_POINTER;
    *mode = m_mode;
    if (context)
        m_context.CopyTo(context);
    return S_OK;
}

HRESULT GraphManager::SetGraphContext(LONG mode, IUnknown* context)
{
    m_mode = mode;
    m_context = context;
    return S_OK;
}

// Without a window there is nothing to show: the graph is ready to give frames.
HRESULT GraphManager::Preview()
{
    if (!m_production)
        return E_POINTER;
    m_state = KVE_PREVIEW_RUNNING;
    return S_OK;
}

HRESULT GraphManager::GetPreviewState(LONG* state)
{
    return ReturnValue(state, m_state);
}

HRESULT GraphManager::Stop()
{
    bool running = m_state != KVE_PREVIEW_STOPPED;
    m_state = KVE_PREVIEW_STOPPED;
    m_cache.Clear();
    return running ? S_OK : S_FALSE;
}

HRESULT GraphManager::ExtractThumbnail(double time, SIZE size, BYTE** pixels)
{
    KVUClearErrorStack();
    CHECK_NULL(pixels);
    *pixels = nullptr;
    CHECK_NULL_TEXT(m_production.p, "m_production");
    if (size.cx < 1 || size.cy < 1 || size.cx > kMaxImageSide || size.cy > kMaxImageSide)
        CHECK_HR_TEXT(E_INVALIDARG, "ExtractThumbnail size");
    BgraImage frame;
    CHECK_HR(m_renderer.Render(m_production, time, size.cx, size.cy, frame));
    CHECK_HR(frame.CopyToTaskMemory(pixels));
    return S_OK;
}

HRESULT GraphManager::GetComposition(IUnknown** composition)
{
    return GetProduction(composition);
}
