// A panel of one solid colour.
#pragma once

#include "Panel.h"

class ColorPanel : public PanelObject<ColorPanel, IKVESolidColor>
{
public:
    KVEPanelKind Kind() const override { return KVE_PANEL_SOLID_COLOR; }
    double Duration() const override { return m_duration; }
    HRESULT DoSetDuration(double seconds);

    HRESULT get_Color(DWORD* colour) override;
    HRESULT put_Color(DWORD colour) override;

    // red << 16 | green << 8 | blue.
    DWORD Color() const { return m_colour; }

    HRESULT WriteXml(ElementWriter& out) const override;
    HRESULT Render(FrameRenderer& renderer, const Production& production, double time,
                   BgraImage& frame, int depth) const override;

private:
    friend ComObject<ColorPanel, IBaseObject, IKVEEffectInfo, IKVESolidColor>;
    ColorPanel(DWORD colour, double duration) : m_colour(colour & 0xFFFFFF), m_duration(duration) {}

    DWORD m_colour;
    double m_duration;
};
