// Small helpers shared by the property methods of every object: copying a value out through an
// out pointer, and strings between BSTR and the objects' own storage.
#pragma once

#include "platform/Bstr.h"

#include <cmath>
#include <string>

namespace objectmodel {

// *out = value; E_POINTER for a null out pointer.
template <class T> HRESULT CopyOut(const T& value, T* out)
{
    if (!out)
        return E_POINTER;
    *out = value;
    return S_OK;
}

// A new BSTR copy of value in *out (the caller frees it); E_OUTOFMEMORY when allocation fails.
HRESULT CopyOut(const std::wstring& value, BSTR* out);

// The text of a BSTR; a null BSTR is the empty string.
std::wstring TextOf(BSTR text);

inline VARIANT_BOOL ToVariantBool(bool value)
{
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// A VARIANT_BOOL holds exactly VARIANT_TRUE or VARIANT_FALSE; any other value is refused.
inline bool IsVariantBool(VARIANT_BOOL value)
{
    return value == VARIANT_TRUE || value == VARIANT_FALSE;
}

inline bool AllFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

} // namespace objectmodel
