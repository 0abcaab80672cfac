#include "ColorPanel.h"
#include "OutValue.h"

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
