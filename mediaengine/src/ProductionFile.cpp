// Production files and the XML form of productions.
#include "Production.h"

#include "MenuReader.h"

HRESULT Production::LoadProduction(BSTR, LONG)
{
    return E_NOTIMPL;
}

HRESULT Production::SaveAsProduction(BSTR)
{
    return E_NOTIMPL;
}

HRESULT Production::SaveToXml(IXMLDOMNode*)
{
    return E_NOTIMPL;
}

HRESULT Production::LoadFromXml(IXMLDOMNode*)
{
    return E_NOTIMPL;
}

HRESULT Production::SnapshotMenu(MenuSnapshot& snapshot) const
{
    if (m_menu)
        return ReadMenuSnapshot(m_menu, snapshot);
    snapshot = m_savedMenu;
    return S_OK;
}
