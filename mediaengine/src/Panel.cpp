#include "Panel.h"

Panel* PanelOf(IUnknown* object)
{
    CComQIPtr<IBaseObject> base(object);
    return dynamic_cast<Panel*>(base.p);
}

HRESULT AudioSettings::GetVolume(double* level) const
{
    if (!level)
        return E_POINTER;
    *level = volume;
    return S_OK;
}

HRESULT AudioSettings::PutVolume(double level)
{
    if (!(level >= 0.0 && level <= 1.0))
        return E_INVALIDARG;
    volume = level;
    return S_OK;
}

HRESULT AudioSettings::GetNative(VARIANT_BOOL* use) const
{
    if (!use)
        return E_POINTER;
    *use = native ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT AudioSettings::PutNative(VARIANT_BOOL use)
{
    native = use != VARIANT_FALSE;
    return S_OK;
}
