// A panel that shows a nested production, named by a moniker.
#pragma once

#include "Panel.h"

#include <string>

class ProductionPanel : public PanelObject<ProductionPanel, IKVEProductionMoniker, IKVEAudioObject>
{
public:
    KVEPanelKind Kind() const override { return KVE_PANEL_PRODUCTION; }
    // The set duration, or what the nested production holds after the offset.
    double Duration() const override;
    HRESULT DoSetDuration(double seconds);

    HRESULT get_Moniker(BSTR* moniker) override;
    HRESULT GetProduction(IUnknown** production) override;
    HRESULT get_Offset(double* seconds) override;
    HRESULT put_Offset(double seconds) override;

    HRESULT get_VolumeLevel(double* level) override { return m_audio.GetVolume(level); }
    HRESULT put_VolumeLevel(double level) override { return Notify(m_audio.PutVolume(level)); }
    HRESULT get_UseNativeAudio(VARIANT_BOOL* use) override { return m_audio.GetNative(use); }
    HRESULT put_UseNativeAudio(VARIANT_BOOL use) override { return Notify(m_audio.PutNative(use)); }

    const std::wstring& Moniker() const { return m_moniker; }
    IUnknown* Production() const { return m_production; }
    IUnknown* NestedProduction() const override { return m_production; }
    HRESULT WriteXml(ElementWriter& out) const override;
    HRESULT Render(FrameRenderer& renderer, const ::Production& production, double time,
                   BgraImage& frame, int depth) const override;
    double Offset() const { return m_offset; }
    // The duration as set; 0 follows the nested production.
    double SetLength() const { return m_duration; }
    const AudioSettings& Audio() const { return m_audio; }
    void SetNativeAudio(bool native) { m_audio.native = native; }

private:
    friend ComObject<ProductionPanel, IBaseObject, IKVEEffectInfo, IKVEProductionMoniker,
                     IKVEAudioObject>;
    ProductionPanel(std::wstring moniker, IUnknown* production, double offset, double duration);

    std::wstring m_moniker;
    CComPtr<IUnknown> m_production;
    double m_offset;
    double m_duration;
    AudioSettings m_audio;
};

// The duration of a production (its information's), 0 when it has none.
double ProductionDuration(IUnknown* production);
