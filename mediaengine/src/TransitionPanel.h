// A transition between two source panels: an effect element of the transition catalogue, or a
// plain cut (no effect, no duration) where none was added.
#pragma once

#include "Panel.h"

#include <string>

class TransitionPanel : public PanelObject<TransitionPanel, IKVETransition>
{
public:
    // A plain cut.
    static CComPtr<TransitionPanel> MakeCut();
    // A transition from an effect element; duration overrides its "Duration" attribute when
    // given.
    static HRESULT CreateFromEffect(IXMLDOMNode* effect, const double* duration,
                                    CComPtr<TransitionPanel>& transition);

    KVEPanelKind Kind() const override { return KVE_PANEL_TRANSITION; }
    // The length the time line gives it: the wished length, cut to its shorter neighbour.
    double Duration() const override { return m_effective; }
    HRESULT DoSetDuration(double seconds);

    HRESULT get_Name(BSTR* name) override;
    HRESULT get_EffectID(BSTR* id) override;

    bool IsCut() const { return m_cut; }
    HRESULT WriteXml(ElementWriter& out) const override;
    double WishedDuration() const { return m_wished; }
    void SetEffectiveDuration(double seconds) { m_effective = seconds; }

private:
    friend ComObject<TransitionPanel, IBaseObject, IKVEEffectInfo, IKVETransition>;
    TransitionPanel() = default;

    bool m_cut = true;
    std::wstring m_name;
    std::wstring m_effectId;
    double m_wished = 0.0;
    double m_effective = 0.0;
};
