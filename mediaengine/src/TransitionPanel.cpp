#include "TransitionPanel.h"
#include "ElementWriter.h"

// A transition whose effect names no length lasts a second.
constexpr double kDefaultTransitionDuration = 1.0;

HRESULT TransitionPanel::WriteXml(ElementWriter& out) const
{
    if (m_cut)
        return out.Flag(L"cut", true).Result();
    return out.Flag(L"cut", false).Number(L"duration", m_wished).Copy(Effect().Node()).Result();
}

CComPtr<TransitionPanel> TransitionPanel::MakeCut()
{
    return Create();
}

HRESULT TransitionPanel::CreateFromEffect(IXMLDOMNode* effect, const double* duration,
                                          CComPtr<TransitionPanel>& transition)
{
    CComQIPtr<IXMLDOMElement> element(effect);
    if (!element)
        return E_INVALIDARG;
    double wished =
        duration ? *duration : GetAttributeNumber(effect, L"Duration", kDefaultTransitionDuration);
    if (!(wished > 0.0))
        return E_INVALIDARG;
    CComPtr<TransitionPanel> created = Create();
    HRESULT hr = created->Effect().Put(effect);
    if (FAILED(hr))
        return hr;
    created->m_name = GetAttributeText(effect, L"Name");
    created->m_effectId = ChildElementText(effect, L"effect_id");
    created->m_wished = wished;
    created->m_cut = false;
    transition = created;
    return S_OK;
}

HRESULT TransitionPanel::DoSetDuration(double seconds)
{
    if (IsCut())
        return E_FAIL;
    m_wished = seconds;
    return S_OK;
}

HRESULT TransitionPanel::get_Name(BSTR* name)
{
    return CComBSTR(m_name).CopyTo(name);
}

HRESULT TransitionPanel::get_EffectID(BSTR* id)
{
    return CComBSTR(m_effectId).CopyTo(id);
}
