#include "Panel.h"
#include "OutValue.h"

Panel* PanelOf(IUnknown* object)
{
    CComQIPtr<IBaseObject> base(object);
    return dynamic_cast<Panel*>(base.p);
}

HRESULT AudioSettings::GetVolume(double* level) const
{
    return ReturnValue(level, volume);
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
    return ReturnFlag(use, native);
}

HRESULT AudioSettings::PutNative(VARIANT_BOOL use)
{
    native = use != VARIANT_FALSE;
    return S_OK;
}
