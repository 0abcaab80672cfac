#include "support/FrameGrab.h"

#include "model/KVEGraphManager.h"
#include "platform/ComPtr.h"
#include "platform/TaskMemory.h"

HRESULT ExtractFrame(IKVEProductionData* production, double time, int width, int height,
                     BgraImage& frame)
{
    CComPtr<IKVEGraphManager> graph;
    HRESULT hr = graph.CoCreateInstance(CLSID_KVEGraphManager);
    if (SUCCEEDED(hr))
        hr = graph->SetProduction(production);
    BYTE* pixels = nullptr;
    if (SUCCEEDED(hr))
        hr = graph->ExtractThumbnail(time, SIZE{width, height}, &pixels);
    if (SUCCEEDED(hr))
        hr = BgraImage::FromBuffer(pixels, width, height, frame);
    CoTaskMemFree(pixels);
    return hr;
}
