#include "TransitionPanel.h"
#include "ElementWriter.h"

#include "ImageOps.h"

// A transition whose effect names no length lasts a second.
constexpr double kDefaultTransitionDuration = 1.0;

HRESULT TransitionPanel::WriteXml(ElementWriter& out) const
{
    if (m_cut)
        return out.Flag(L"cut", true).Result();
    // The name and identifier are saved beside the effect, whose data may no longer carry
    // them.
    return out.Flag(L"cut", false)
        .Number(L"duration", m_wished)
        .Text(L"name", m_name)
        .Text(L"effectId", m_effectId)
        .Copy(Effect().Node())
        .Result();
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
    created->RestoreIdentity(GetAttributeText(effect, L"Name"),
                             ChildElementText(effect, L"effect_id"));
    created->m_wished = wished;
    created->m_cut = false;
    transition = created;
    return S_OK;
}

void TransitionPanel::RestoreIdentity(const std::wstring& name, const std::wstring& effectId)
{
    m_name = name;
    m_effectId = effectId;
    m_style = TransitionStyleOf(effectId);
}

void TransitionPanel::Blend(BgraImage& outgoing, const BgraImage& incoming, double progress) const
{
    switch (m_style) {
    case TransitionStyle::FadeThroughBlack:
        FadeThroughBlackInto(outgoing, incoming, progress);
        return;
    case TransitionStyle::WipeLeftToRight:
        WipeInto(outgoing, incoming, progress, WipeDirection::LeftToRight);
        return;
    case TransitionStyle::WipeTopToBottom:
        WipeInto(outgoing, incoming, progress, WipeDirection::TopToBottom);
        return;
    case TransitionStyle::Dissolve:
        break;
    }
    DissolveInto(outgoing, incoming, progress);
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
