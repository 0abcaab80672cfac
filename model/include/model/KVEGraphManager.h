// The graph manager renders a production: it previews it and extracts single frames.
#pragma once

#include "platform/Unknown.h"

// Graph managers.
inline constexpr CLSID CLSID_KVEGraphManager = MakeGuid("{30477DAE-4EB8-4B08-8D02-57E6018CCCE0}");

// The graph context for extracting single frames.
inline constexpr LONG KVE_GRAPH_CONTEXT_FRAME_EXTRACTION = 0x1000001A;
// The context of a new graph manager: previewing for a person.
inline constexpr LONG KVE_GRAPH_CONTEXT_PREVIEW = 0x10000001;

enum KVEPreviewState : LONG
{
    KVE_PREVIEW_STOPPED = 0,
    KVE_PREVIEW_PAUSED = 1,
    KVE_PREVIEW_RUNNING = 2,
};

DS_INTERFACE_ID(IKVEGraphManager, IUnknown, "{73CD018C-CF66-4B26-9FD3-7278569B0449}");

struct IKVEGraphManager : IUnknown
{
    // The window previews show in; null for none.
    virtual HRESULT SetParentWindow(HWND window) = 0;
    virtual HRESULT GetParentWindow(HWND* window) = 0;
    // The production to render (an IKVEProductionData); null detaches. Setting a production
    // stops a running preview.
    virtual HRESULT SetProduction(IUnknown* production) = 0;
    virtual HRESULT GetProduction(IUnknown** production) = 0;
    // Whether Preview shows its window by itself.
    virtual HRESULT SetAutoShowPreview(VARIANT_BOOL show) = 0;
    virtual HRESULT GetAutoShowPreview(VARIANT_BOOL* show) = 0;
    // The mode rendering runs in and an object that goes with it (may be null).
    virtual HRESULT GetGraphContext(LONG* mode, IUnknown** context) = 0;
    virtual HRESULT SetGraphContext(LONG mode, IUnknown* context) = 0;
    // Builds the graph for the production and starts the preview; E_POINTER without a
    // production.
    virtual HRESULT Preview() = 0;
    // A KVEPreviewState value.
    virtual HRESULT GetPreviewState(LONG* state) = 0;
    // Stops a preview and drops what it opened; S_FALSE when none was running.
    virtual HRESULT Stop() = 0;
    // The frame at a time, size.cx × size.cy pixels of 32-bit BGRA (rows top to bottom), in a
    // block of the task allocator that the caller frees with CoTaskMemFree. E_POINTER without
    // a production, E_INVALIDARG for a size outside 1 … 16384; media that cannot be decoded
    // give their failure.
    virtual HRESULT ExtractThumbnail(double time, SIZE size, BYTE** pixels) = 0;
    // The production being rendered, counted; S_FALSE and null when none.
    virtual HRESULT GetComposition(IUnknown** composition) = 0;
};
