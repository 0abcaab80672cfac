#include "support/FrameGrab.h"

#include "model/KVEGraphManager.h"
#include "platform/ComPtr.h"
#include "platform/TaskMemory.h"

#include <algorithm>
#include <cstdlib>

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

int ColourDistance(DWORD a, DWORD b)
{
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}
