#include "support/FrameGrab.h"

#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionInfo.h"
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

namespace {

HRESULT InfoOf(IUnknown* production, CComPtr<IProductionInfo>& info)
{
    CComQIPtr<IKVEProductionData> data(production);
    if (!data)
        return E_NOINTERFACE;
    CComPtr<IUnknown> object;
    HRESULT hr = data->GetProductionObj(&object);
    if (FAILED(hr))
        return hr;
    info = CComQIPtr<IProductionInfo>(object.p);
    return info ? S_OK : E_NOINTERFACE;
}

} // namespace

HRESULT MenuBackgroundProduction(IDSMenu* menu, CComPtr<IKVEProductionData>& production)
{
    CComBSTR background;
    CComPtr<IUnknown> menuProduction;
    CComPtr<IProductionInfo> menuInfo;
    CComPtr<IProductionInfo> info;
    double aspect = 0.0;
    HRESULT hr = menu->get_Background(&background);
    if (SUCCEEDED(hr))
        hr = menu->GetProduction(&menuProduction);
    if (SUCCEEDED(hr))
        hr = InfoOf(menuProduction, menuInfo);
    if (SUCCEEDED(hr))
        hr = menuInfo->get_AspectRatio(&aspect);
    if (SUCCEEDED(hr))
        hr = production.CoCreateInstance(CLSID_KVEProduction);
    if (SUCCEEDED(hr))
        hr = InfoOf(production, info);
    if (SUCCEEDED(hr))
        hr = info->put_AspectRatio(aspect);
    if (SUCCEEDED(hr))
        hr = CComQIPtr<IEditData>(production.p)
                 ->AddSourceFile(0, background, 0.0, 0.0, VARIANT_FALSE, nullptr);
    return hr;
}
