// Production files and the XML form of productions.
#include "Production.h"

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
    snapshot = m_savedMenu;
    return S_OK;
}
