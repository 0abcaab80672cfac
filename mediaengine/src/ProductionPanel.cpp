#include "ProductionPanel.h"
#include "ElementWriter.h"
#include "FrameRenderer.h"
#include "OutValue.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include <algorithm>

// A nested production that holds nothing after the offset still shows for this long, so that
// the panel never collapses to nothing.
constexpr double kMinimumNestedDuration = 1.0 / 30.0;

double ProductionDuration(IUnknown* production)
{
    CComQIPtr<IKVEProductionData> data(production);
    CComPtr<IUnknown> object;
    if (!data || FAILED(data->GetProductionObj(&object)))
        return 0.0;
    CComQIPtr<IProductionInfo> info(object);
    double duration = 0.0;
    if (info)
        info->get_Duration(&duration);
    return duration;
}

HRESULT ProductionPanel::WriteXml(ElementWriter& out) const
{
    return out.Copy(Effect().Node())
        .Text(L"moniker", m_moniker)
        .Number(L"offset", m_offset)
        .Number(L"duration", m_duration)
        .Number(L"volume", m_audio.volume)
        .Flag(L"nativeAudio", m_audio.native)
        .Result();
}

// The nested production's frame at the offset plus the time replaces the frame.
HRESULT ProductionPanel::Render(FrameRenderer& renderer, const ::Production&, double time,
                                BgraImage& frame, int depth) const
{
    BgraImage inner;
    HRESULT hr = renderer.Render(m_production, m_offset + time, frame.Width(), frame.Height(),
                                 inner, depth + 1);
    if (SUCCEEDED(hr))
        frame = std::move(inner);
    return hr;
}

ProductionPanel::ProductionPanel(std::wstring moniker, IUnknown* production, double offset,
                                 double duration)
    : m_moniker(std::move(moniker)), m_production(production), m_offset(std::max(offset, 0.0)),
      m_duration(std::max(duration, 0.0))
{}

double ProductionPanel::Duration() const
{
    if (m_duration > 0.0)
        return m_duration;
    return std::max(ProductionDuration(m_production) - m_offset, kMinimumNestedDuration);
}

HRESULT ProductionPanel::DoSetDuration(double seconds)
{
    m_duration = seconds;
    return S_OK;
}

HRESULT ProductionPanel::get_Moniker(BSTR* moniker)
{
    return CComBSTR(m_moniker).CopyTo(moniker);
}

HRESULT ProductionPanel::GetProduction(IUnknown** production)
{
    if (!production)
        return E_POINTER;
    return m_production.CopyTo(production);
}

HRESULT ProductionPanel::get_Offset(double* seconds)
{
    return ReturnValue(seconds, m_offset);
}

HRESULT ProductionPanel::put_Offset(double seconds)
{
    if (!(seconds >= 0.0))
        return E_INVALIDARG;
    m_offset = seconds;
    return Notify(S_OK);
}
