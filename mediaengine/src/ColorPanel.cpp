#include "ColorPanel.h"
#include "ElementWriter.h"
#include "OutValue.h"

#include "platform/Image.h"

HRESULT ColorPanel::WriteXml(ElementWriter& out) const
{
    return out.Copy(Effect().Node())
        .Number(L"color", m_colour)
        .Number(L"duration", m_duration)
        .Result();
}

HRESULT ColorPanel::Render(FrameRenderer&, const Production&, double, BgraImage& frame, int) const
{
    frame.Fill(0xFF000000 | m_colour);
    return S_OK;
}

HRESULT ColorPanel::DoSetDuration(double seconds)
{
    m_duration = seconds;
    return S_OK;
}

HRESULT ColorPanel::get_Color(DWORD* colour)
{
    return ReturnValue(colour, m_colour);
}

HRESULT ColorPanel::put_Color(DWORD colour)
{
    m_colour = colour & 0xFFFFFF;
    return Notify(S_OK);
}
