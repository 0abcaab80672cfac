// The one way every object of the model stores a property: check the value the way the
// interfaces promise, store it, and mark the project changed.
#pragma once

#include "PropertyAccess.h"

#include "platform/NativePath.h"

namespace objectmodel {

class PropertyStore
{
protected:
    PropertyStore() = default;
    ~PropertyStore() = default;

    // Called after every change of the object.
    virtual void MarkChanged() = 0;

    template <class T> HRESULT Store(T& field, const T& value)
    {
        field = value;
        MarkChanged();
        return S_OK;
    }

    // Only VARIANT_TRUE and VARIANT_FALSE are stored; anything else gives E_INVALIDARG.
    HRESULT StoreSwitch(VARIANT_BOOL& field, VARIANT_BOOL value)
    {
        if (!IsVariantBool(value))
            return E_INVALIDARG;
        return Store(field, value);
    }

    // A path the file system cannot take (longer than kMaxPathBytes) gives
    // HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE): a project that held it could be saved
    // but not loaded again.
    HRESULT StorePath(std::wstring& field, const std::wstring& path)
    {
        HRESULT hr = CheckPathLength(path);
        return FAILED(hr) ? hr : Store(field, path);
    }

    // Infinities and not-a-numbers give E_INVALIDARG.
    HRESULT StoreFinite(double& field, double value)
    {
        if (!AllFinite({value}))
            return E_INVALIDARG;
        return Store(field, value);
    }
};

} // namespace objectmodel
