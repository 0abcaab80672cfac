// A transition between two source panels: an effect element of the transition catalogue, or a
// plain cut (no effect, no duration) where none was added. The effect's name and identifier
// are fixed when the panel is made: data put on the panel later changes its parameters, not
// which effect it draws.
#pragma once

#include "Panel.h"
#include "TransitionEffects.h"

#include "platform/Image.h"

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

    const std::wstring& Name() const { return m_name; }
    const std::wstring& EffectId() const { return m_effectId; }
    // Gives back the name and identifier a saved panel had, which its effect element may no
    // longer carry.
    void RestoreIdentity(const std::wstring& name, const std::wstring& effectId);
    // Draws the passage at progress (0 the outgoing picture, 1 the incoming one) into
    // outgoing, by the panel's effect; both pictures have the same size.
    void Blend(BgraImage& outgoing, const BgraImage& incoming, double progress) const override;

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
    TransitionStyle m_style = TransitionStyle::Dissolve;
    double m_wished = 0.0;
    double m_effective = 0.0;
};
