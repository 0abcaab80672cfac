#include "ColorPanel.h"

HRESULT ColorPanel::DoSetDuration(double seconds)
{
    m_duration = seconds;
    return S_OK;
}

HRESULT ColorPanel::get_Color(DWORD* colour)
{
    if (!colour)
        return E_POINTER;
    *colour = m_colour;
    return S_OK;
}

HRESULT ColorPanel::put_Color(DWORD colour)
{
    m_colour = colour & 0xFFFFFF;
    return Notify(S_OK);
}
