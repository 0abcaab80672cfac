// VARIANT values: initialising, clearing, copying and converting between types.
#include "platform/Variant.h"

#include "platform/StringConv.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <string>

namespace {

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
