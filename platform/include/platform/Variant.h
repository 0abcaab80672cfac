// VARIANT, the tagged value of automation interfaces, and the one-dimensional SAFEARRAY.
// A VARIANT owns what it holds: its BSTR, its interface reference or its array, released by
// VariantClear.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

using VARTYPE = uint16_t;
using SCODE = int32_t;

enum VARENUM : VARTYPE
{
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
};

struct SAFEARRAYBOUND
{
    ULONG cElements;
    LONG lLbound;
};

struct SAFEARRAY
{
    USHORT cDims;
    USHORT fFeatures;
    ULONG cbElements;
    ULONG cLocks;
    void* pvData;
    SAFEARRAYBOUND rgsabound[1];
};

struct VARIANT
{
    VARTYPE vt;
    union {
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        BSTR bstrVal;
        IUnknown* punkVal;
        SAFEARRAY* parray;
        char cVal;
        USHORT uiVal;
        ULONG ulVal;
        LONGLONG llVal;
        ULONGLONG ullVal;
        INT intVal;
        UINT uintVal;
    };
};

using VARIANTARG = VARIANT;

void VariantInit(VARIANT* value);

// Releases what the variant owns and leaves it VT_EMPTY.
HRESULT VariantClear(VARIANT* value);

// Clears *target, then makes it a deep copy of *source (strings and arrays duplicated,
// interfaces given one more reference).
HRESULT VariantCopy(VARIANT* target, const VARIANT* source);

// Converts *source to type vt into *target (which may be source itself). Numbers, booleans
// and strings convert among each other; a string that is not a number of the asked type gives
// DISP_E_TYPEMISMATCH and leaves *target as it was.
HRESULT VariantChangeType(VARIANT* target, const VARIANT* source, USHORT flags, VARTYPE vt);

// One-dimensional arrays of VT_I1 … VT_UINT numbers, VT_BOOL, VT_BSTR, VT_UNKNOWN, VT_ERROR and
// VT_VARIANT elements.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count);
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds);
HRESULT SafeArrayDestroy(SAFEARRAY* array);
HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
UINT SafeArrayGetDim(SAFEARRAY* array);
HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound);
// Copies element *index out: strings and variants are duplicated, interfaces AddRef'd.
HRESULT SafeArrayGetElement(SAFEARRAY* array, LONG* index, void* value);
// Stores a copy of *value (for VT_BSTR and VT_UNKNOWN, value is the BSTR or interface itself).
HRESULT SafeArrayPutElement(SAFEARRAY* array, LONG* index, void* value);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);

// An owned VARIANT.
class CComVariant : public VARIANT
{
public:
    CComVariant();
    CComVariant(const CComVariant& other);
    CComVariant(CComVariant&& other) noexcept;
    CComVariant(const VARIANT& other);
    CComVariant(LONG value, VARTYPE type = VT_I4);
    CComVariant(double value);
    CComVariant(bool value);
    CComVariant(const OLECHAR* text);
    CComVariant(const char* text);
    CComVariant(const CComBSTR& text);
    CComVariant(IUnknown* object);
    CComVariant(const SAFEARRAY* array);
    ~CComVariant();

    CComVariant& operator=(const CComVariant& other);
    CComVariant& operator=(CComVariant&& other) noexcept;
    CComVariant& operator=(const VARIANT& other);
    CComVariant& operator=(LONG value);
    CComVariant& operator=(double value);
    CComVariant& operator=(bool value);
    CComVariant& operator=(const OLECHAR* text);
    CComVariant& operator=(IUnknown* object);

    bool operator==(const VARIANT& other) const;
    bool operator!=(const VARIANT& other) const { return !(*this == other); }

    HRESULT Clear() { return VariantClear(this); }
    HRESULT Copy(const VARIANT* source) { return VariantCopy(this, source); }
    HRESULT CopyTo(BSTR* out) const;
    HRESULT ChangeType(VARTYPE vt, const VARIANT* source = nullptr);
    // Takes over what *source owns and leaves it empty.
    HRESULT Attach(VARIANT* source);
    // Moves what this variant owns into *target (cleared first) and leaves this one empty.
    HRESULT Detach(VARIANT* target);
};

// Builds a CComVariant of type VT_ERROR, the "no argument" marker of optional parameters.
CComVariant MakeErrorVariant(SCODE code);
