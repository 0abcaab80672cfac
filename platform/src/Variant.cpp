#include "platform/Variant.h"

#include "platform/StringConv.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <memory>
#include <new>
#include <string>

namespace {

size_t ElementSize(VARTYPE vt)
{
    switch (vt) {
    case VT_I1:
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
        return 4;
    case VT_R8:
    case VT_I8:
    case VT_UI8:
        return 8;
    case VT_BSTR:
        return sizeof(BSTR);
    case VT_UNKNOWN:
        return sizeof(IUnknown*);
    case VT_VARIANT:
        return sizeof(VARIANT);
    default:
        return 0;
    }
}

// The array's element type is kept in the features word, which the original platform also
// uses for it.
VARTYPE TypeOf(const SAFEARRAY* array)
{
    return array->fFeatures;
}

void* ElementAt(SAFEARRAY* array, LONG index)
{
    return static_cast<char*>(array->pvData) +
           static_cast<size_t>(index - array->rgsabound[0].lLbound) * array->cbElements;
}

bool IndexInRange(const SAFEARRAY* array, LONG* index)
{
    if (!index)
        return false;
    int64_t offset = static_cast<int64_t>(*index) - array->rgsabound[0].lLbound;
    return offset >= 0 && offset < static_cast<int64_t>(array->rgsabound[0].cElements);
}

void ReleaseElements(SAFEARRAY* array)
{
    VARTYPE vt = TypeOf(array);
    for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i) {
        void* slot = static_cast<char*>(array->pvData) + i * array->cbElements;
        if (vt == VT_BSTR)
            SysFreeString(*static_cast<BSTR*>(slot));
        else if (vt == VT_UNKNOWN && *static_cast<IUnknown**>(slot))
            (*static_cast<IUnknown**>(slot))->Release();
        else if (vt == VT_VARIANT)
            VariantClear(static_cast<VARIANT*>(slot));
    }
}

HRESULT CopyElement(VARTYPE vt, void* target, const void* source, size_t size)
{
    if (vt == VT_BSTR) {
        BSTR text = *static_cast<const BSTR*>(source);
        BSTR copy = text ? SysAllocStringLen(text, SysStringLen(text)) : nullptr;
        if (text && !copy)
            return E_OUTOFMEMORY;
        SysFreeString(*static_cast<BSTR*>(target));
        *static_cast<BSTR*>(target) = copy;
    } else if (vt == VT_UNKNOWN) {
        IUnknown* object = *static_cast<IUnknown* const*>(source);
        if (object)
            object->AddRef();
        IUnknown*& slot = *static_cast<IUnknown**>(target);
        if (slot)
            slot->Release();
        slot = object;
    } else if (vt == VT_VARIANT) {
        return VariantCopy(static_cast<VARIANT*>(target), static_cast<const VARIANT*>(source));
    } else {
        std::memcpy(target, source, size);
    }
    return S_OK;
}

// The value of a variant in the three forms that conversions pass through.
struct Scalar
{
    enum Kind
    {
        Integer,
        Real,
        Text
    } kind = Integer;
    int64_t integer = 0;
    double real = 0;
    std::wstring text;
};

HRESULT ReadScalar(const VARIANT& v, Scalar& out)
{
    switch (v.vt) {
    case VT_EMPTY:
        out.integer = 0;
        return S_OK;
    case VT_I1:
        out.integer = v.cVal;
        return S_OK;
    case VT_UI1:
        out.integer = v.bVal;
        return S_OK;
    case VT_I2:
        out.integer = v.iVal;
        return S_OK;
    case VT_UI2:
        out.integer = v.uiVal;
        return S_OK;
    case VT_BOOL:
        out.integer = v.boolVal ? -1 : 0;
        return S_OK;
    case VT_I4:
    case VT_ERROR:
        out.integer = v.lVal;
        return S_OK;
    case VT_INT:
        out.integer = v.intVal;
        return S_OK;
    case VT_UI4:
        out.integer = v.ulVal;
        return S_OK;
    case VT_UINT:
        out.integer = v.uintVal;
        return S_OK;
    case VT_I8:
        out.integer = v.llVal;
        return S_OK;
    case VT_UI8:
        out.integer = static_cast<int64_t>(v.ullVal);
        return S_OK;
    case VT_R4:
        out.kind = Scalar::Real;
        out.real = v.fltVal;
        return S_OK;
    case VT_R8:
        out.kind = Scalar::Real;
        out.real = v.dblVal;
        return S_OK;
    case VT_BSTR:
        out.kind = Scalar::Text;
        out.text.assign(v.bstrVal ? v.bstrVal : L"", SysStringLen(v.bstrVal));
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t\r\n");
    if (first == std::wstring::npos)
        return L"";
    size_t last = text.find_last_not_of(L" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Reads text as a number: an integer when it has no fraction or exponent, else a real.
HRESULT ParseNumber(const std::wstring& text, Scalar& out)
{
    std::string narrow = WideToUtf8(Trimmed(text));
    if (CompareNoCase(text, L"true") == 0 || CompareNoCase(text, L"false") == 0) {
        out.kind = Scalar::Integer;
        out.integer = CompareNoCase(text, L"true") == 0 ? -1 : 0;
        return S_OK;
    }
    const char* first = narrow.data();
    const char* last = first + narrow.size();
    if (!narrow.empty() && *first == '+')
        ++first;
    int64_t integer = 0;
    auto [end, error] = std::from_chars(first, last, integer);
    if (error == std::errc() && end == last && first != last) {
        out.kind = Scalar::Integer;
        out.integer = integer;
        return S_OK;
    }
    double real = 0;
    auto [rend, rerror] = std::from_chars(first, last, real);
    if (rerror == std::errc() && rend == last && first != last) {
        out.kind = Scalar::Real;
        out.real = real;
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

std::wstring FormatReal(double value)
{
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return L"0";
    return Utf8ToWide(std::string(buffer, end));
}

template <class T> bool FitsIn(int64_t value)
{
    return value >= static_cast<int64_t>(std::numeric_limits<T>::min()) &&
           (value < 0 || static_cast<uint64_t>(value) <= std::numeric_limits<T>::max());
}

HRESULT IntegerOf(const Scalar& s, int64_t& out)
{
    if (s.kind == Scalar::Integer) {
        out = s.integer;
        return S_OK;
    }
    if (!std::isfinite(s.real) || std::fabs(s.real) > 9.2e18)
        return DISP_E_TYPEMISMATCH;
    out = static_cast<int64_t>(std::nearbyint(s.real));
    return S_OK;
}

template <class T> HRESULT StoreInteger(const Scalar& s, T& slot)
{
    int64_t value = 0;
    HRESULT hr = IntegerOf(s, value);
    if (FAILED(hr))
        return hr;
    if (!FitsIn<T>(value))
        return DISP_E_TYPEMISMATCH;
    slot = static_cast<T>(value);
    return S_OK;
}

HRESULT BuildScalar(const Scalar& s, VARTYPE vt, VARIANT& out)
{
    out.vt = vt;
    double real = s.kind == Scalar::Real ? s.real : static_cast<double>(s.integer);
    switch (vt) {
    case VT_EMPTY:
        return S_OK;
    case VT_I1:
        return StoreInteger(s, out.cVal);
    case VT_UI1:
        return StoreInteger(s, out.bVal);
    case VT_I2:
        return StoreInteger(s, out.iVal);
    case VT_UI2:
        return StoreInteger(s, out.uiVal);
    case VT_I4:
        return StoreInteger(s, out.lVal);
    case VT_INT:
        return StoreInteger(s, out.intVal);
    case VT_UI4:
        return StoreInteger(s, out.ulVal);
    case VT_UINT:
        return StoreInteger(s, out.uintVal);
    case VT_I8:
        return StoreInteger(s, out.llVal);
    case VT_UI8:
        return StoreInteger(s, out.ullVal);
    case VT_R4:
        out.fltVal = static_cast<float>(real);
        return S_OK;
    case VT_R8:
        out.dblVal = real;
        return S_OK;
    case VT_BOOL:
        out.boolVal = real != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case VT_BSTR: {
        std::wstring text =
            s.kind == Scalar::Real ? FormatReal(s.real) : std::to_wstring(s.integer);
        out.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return out.bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
}

} // namespace

void VariantInit(VARIANT* value)
{
    if (value) {
        std::memset(static_cast<void*>(value), 0, sizeof(VARIANT));
        value->vt = VT_EMPTY;
    }
}

HRESULT VariantClear(VARIANT* value)
{
    if (!value)
        return E_INVALIDARG;
    if (value->vt == VT_BSTR)
        SysFreeString(value->bstrVal);
    else if (value->vt == VT_UNKNOWN && value->punkVal)
        value->punkVal->Release();
    else if ((value->vt & VT_ARRAY) && value->parray)
        SafeArrayDestroy(value->parray);
    VariantInit(value);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* target, const VARIANT* source)
{
    if (!target || !source)
        return E_INVALIDARG;
    if (target == source)
        return S_OK;
    VARIANT copy;
    VariantInit(&copy);
    copy = *source;
    if (source->vt == VT_BSTR && source->bstrVal) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (!copy.bstrVal)
            return E_OUTOFMEMORY;
    } else if (source->vt == VT_UNKNOWN && source->punkVal) {
        source->punkVal->AddRef();
    } else if ((source->vt & VT_ARRAY) && source->parray) {
        HRESULT hr = SafeArrayCopy(source->parray, &copy.parray);
        if (FAILED(hr))
            return hr;
    }
    VariantClear(target);
    *target = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* target, const VARIANT* source, USHORT, VARTYPE vt)
{
    if (!target || !source)
        return E_INVALIDARG;
    if (source->vt == vt)
        return VariantCopy(target, source);
    if (vt == VT_UNKNOWN || (vt & VT_ARRAY) || source->vt == VT_UNKNOWN || (source->vt & VT_ARRAY))
        return DISP_E_TYPEMISMATCH;
    Scalar value;
    HRESULT hr = ReadScalar(*source, value);
    if (SUCCEEDED(hr) && value.kind == Scalar::Text && vt != VT_BSTR)
        hr = ParseNumber(value.text, value);
    if (FAILED(hr))
        return hr;
    VARIANT result;
    VariantInit(&result);
    if (value.kind == Scalar::Text) {
        result.vt = VT_BSTR;
        result.bstrVal = SysAllocStringLen(value.text.data(), static_cast<UINT>(value.text.size()));
        hr = result.bstrVal ? S_OK : E_OUTOFMEMORY;
    } else {
        hr = BuildScalar(value, vt, result);
    }
    if (FAILED(hr))
        return hr;
    VariantClear(target);
    *target = result;
    return S_OK;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count)
{
    SAFEARRAYBOUND bound{count, lowerBound};
    return SafeArrayCreate(vt, 1, &bound);
}

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds)
{
    size_t size = ElementSize(vt);
    if (dims != 1 || !bounds || size == 0)
        return nullptr;
    auto* array = static_cast<SAFEARRAY*>(std::calloc(1, sizeof(SAFEARRAY)));
    if (!array)
        return nullptr;
    array->cDims = 1;
    array->fFeatures = vt;
    array->cbElements = static_cast<ULONG>(size);
    array->rgsabound[0] = bounds[0];
    array->pvData = std::calloc(bounds[0].cElements ? bounds[0].cElements : 1, size);
    if (!array->pvData) {
        std::free(array);
        return nullptr;
    }
    return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array)
{
    if (!array)
        return S_OK;
    if (array->cLocks)
        return DISP_E_ARRAYISLOCKED;
    ReleaseElements(array);
    std::free(array->pvData);
    std::free(array);
    return S_OK;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt)
{
    if (!array || !vt)
        return E_INVALIDARG;
    *vt = TypeOf(array);
    return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* array)
{
    return array ? array->cDims : 0;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound)
{
    if (!array || !bound)
        return E_INVALIDARG;
    if (dim != 1)
        return DISP_E_BADINDEX;
    *bound = array->rgsabound[0].lLbound;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound)
{
    if (!array || !bound)
        return E_INVALIDARG;
    if (dim != 1)
        return DISP_E_BADINDEX;
    *bound = static_cast<LONG>(array->rgsabound[0].lLbound +
                               static_cast<int64_t>(array->rgsabound[0].cElements) - 1);
    return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* array, LONG* index, void* value)
{
    if (!array || !value)
        return E_INVALIDARG;
    if (!IndexInRange(array, index))
        return DISP_E_BADINDEX;
    VARTYPE vt = TypeOf(array);
    // The caller's slot holds nothing yet: start it empty so that the copy frees nothing.
    if (vt == VT_BSTR)
        *static_cast<BSTR*>(value) = nullptr;
    else if (vt == VT_UNKNOWN)
        *static_cast<IUnknown**>(value) = nullptr;
    else if (vt == VT_VARIANT)
        VariantInit(static_cast<VARIANT*>(value));
    return CopyElement(vt, value, ElementAt(array, *index), array->cbElements);
}

HRESULT SafeArrayPutElement(SAFEARRAY* array, LONG* index, void* value)
{
    if (!array)
        return E_INVALIDARG;
    if (!IndexInRange(array, index))
        return DISP_E_BADINDEX;
    VARTYPE vt = TypeOf(array);
    void* slot = ElementAt(array, *index);
    if (vt == VT_BSTR || vt == VT_UNKNOWN)
        return CopyElement(vt, slot, &value, array->cbElements);
    if (!value)
        return E_INVALIDARG;
    return CopyElement(vt, slot, value, array->cbElements);
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data)
{
    if (!array || !data)
        return E_INVALIDARG;
    ++array->cLocks;
    *data = array->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array)
{
    if (!array || array->cLocks == 0)
        return E_UNEXPECTED;
    --array->cLocks;
    return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy)
{
    if (!array || !copy)
        return E_INVALIDARG;
    *copy = nullptr;
    SAFEARRAY* result = SafeArrayCreate(TypeOf(array), 1, array->rgsabound);
    if (!result)
        return E_OUTOFMEMORY;
    for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i) {
        size_t offset = static_cast<size_t>(i) * array->cbElements;
        HRESULT hr = CopyElement(TypeOf(array), static_cast<char*>(result->pvData) + offset,
                                 static_cast<char*>(array->pvData) + offset, array->cbElements);
        if (FAILED(hr)) {
            SafeArrayDestroy(result);
            return hr;
        }
    }
    *copy = result;
    return S_OK;
}

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
    vt = static_cast<VARTYPE>(VT_ARRAY | TypeOf(array));
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
