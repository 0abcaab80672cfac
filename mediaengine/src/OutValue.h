// Handing values out through out arguments, as every getter of the engine does.
#pragma once

#include "platform/WinTypes.h"

// Stores a value in *out; E_POINTER when out is null.
template <class T, class V> HRESULT ReturnValue(T* out, const V& value)
{
    if (!out)
        return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

// Stores a flag as VARIANT_TRUE or VARIANT_FALSE.
inline HRESULT ReturnFlag(VARIANT_BOOL* out, bool value)
{
    return ReturnValue(out, value ? VARIANT_TRUE : VARIANT_FALSE);
}
