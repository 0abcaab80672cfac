#include "PropertyAccess.h"

namespace objectmodel {

HRESULT CopyOut(const std::wstring& value, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

std::wstring TextOf(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

} // namespace objectmodel
