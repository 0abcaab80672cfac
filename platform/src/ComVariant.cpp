// CComVariant, the owning wrapper of a VARIANT.
#include "platform/Variant.h"

#include <new>

CComVariant::CComVariant()
{
    VariantInit(this);
}

CComVariant::CComVariant(const CComVariant& other) : CComVariant()
{
    if (FAILED(VariantCopy(this, &other)))
        throw std::bad_alloc();
}

CComVariant::CComVariant(CComVariant&& other) noexcept : VARIANT(other)
{
    VariantInit(&other);
}

CComVariant::CComVariant(const VARIANT& other) : CComVariant()
{
    if (FAILED(VariantCopy(this, &other)))
        throw std::bad_alloc();
}

CComVariant::CComVariant(LONG value, VARTYPE type) : CComVariant()
{
    vt = (type == VT_ERROR) ? VT_ERROR : VT_I4;
    lVal = value;
}

CComVariant::CComVariant(double value) : CComVariant()
{
    vt = VT_R8;
    dblVal = value;
}

CComVariant::CComVariant(bool value) : CComVariant()
{
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

CComVariant::CComVariant(const OLECHAR* text) : CComVariant()
{
    vt = VT_BSTR;
    bstrVal = CComBSTR(text).Detach();
}

CComVariant::CComVariant(const char* text) : CComVariant()
{
    vt = VT_BSTR;
    bstrVal = CComBSTR(text).Detach();
}

CComVariant::CComVariant(const CComBSTR& text) : CComVariant()
{
    vt = VT_BSTR;
    bstrVal = text.Copy();
}

CComVariant::CComVariant(IUnknown* object) : CComVariant()
{
    vt = VT_UNKNOWN;
    punkVal = object;
    if (object)
        object->AddRef();
}

CComVariant::CComVariant(const SAFEARRAY* array) : CComVariant()
{
    if (!array)
        return;
    SAFEARRAY* copy = nullptr;
    if (FAILED(SafeArrayCopy(const_cast<SAFEARRAY*>(array), &copy)))
        throw std::bad_alloc();
    VARTYPE type = VT_EMPTY;
    SafeArrayGetVartype(copy, &type);
    vt = static_cast<VARTYPE>(VT_ARRAY | type);
    parray = copy;
}

CComVariant::~CComVariant()
{
    VariantClear(this);
}

CComVariant& CComVariant::operator=(const CComVariant& other)
{
    return *this = static_cast<const VARIANT&>(other);
}

CComVariant& CComVariant::operator=(CComVariant&& other) noexcept
{
    if (this != std::addressof(other)) {
        VariantClear(this);
        static_cast<VARIANT&>(*this) = other;
        VariantInit(&other);
    }
    return *this;
}

CComVariant& CComVariant::operator=(const VARIANT& other)
{
    if (FAILED(VariantCopy(this, &other)))
        throw std::bad_alloc();
    return *this;
}

CComVariant& CComVariant::operator=(LONG value)
{
    return *this = CComVariant(value);
}

CComVariant& CComVariant::operator=(double value)
{
    return *this = CComVariant(value);
}

CComVariant& CComVariant::operator=(bool value)
{
    return *this = CComVariant(value);
}

CComVariant& CComVariant::operator=(const OLECHAR* text)
{
    return *this = CComVariant(text);
}

CComVariant& CComVariant::operator=(IUnknown* object)
{
    return *this = CComVariant(object);
}

bool CComVariant::operator==(const VARIANT& other) const
{
    if (vt != other.vt)
        return false;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BSTR:
        return VarBstrCmp(bstrVal, other.bstrVal, LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
    case VT_UNKNOWN:
        return punkVal == other.punkVal;
    case VT_R8:
        return dblVal == other.dblVal;
    case VT_R4:
        return fltVal == other.fltVal;
    case VT_BOOL:
        return boolVal == other.boolVal;
    case VT_I8:
    case VT_UI8:
        return llVal == other.llVal;
    default:
        if (vt & VT_ARRAY)
            return parray == other.parray;
        return lVal == other.lVal;
    }
}

HRESULT CComVariant::CopyTo(BSTR* out) const
{
    if (!out)
        return E_POINTER;
    if (vt != VT_BSTR)
        return DISP_E_TYPEMISMATCH;
    *out = bstrVal ? SysAllocStringLen(bstrVal, SysStringLen(bstrVal)) : nullptr;
    return (bstrVal && !*out) ? E_OUTOFMEMORY : S_OK;
}

HRESULT CComVariant::ChangeType(VARTYPE type, const VARIANT* source)
{
    return VariantChangeType(this, source ? source : this, 0, type);
}

HRESULT CComVariant::Attach(VARIANT* source)
{
    if (!source)
        return E_INVALIDARG;
    VariantClear(this);
    static_cast<VARIANT&>(*this) = *source;
    VariantInit(source);
    return S_OK;
}

HRESULT CComVariant::Detach(VARIANT* target)
{
    if (!target)
        return E_POINTER;
    VariantClear(target);
    *target = static_cast<VARIANT&>(*this);
    VariantInit(this);
    return S_OK;
}

CComVariant MakeErrorVariant(SCODE code)
{
    return CComVariant(code, VT_ERROR);
}
