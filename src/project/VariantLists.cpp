#include "VariantLists.h"

#include <new>

namespace {

// Element i of the array as a variant of the array's element type.
HRESULT ElementOf(SAFEARRAY* array, LONG i, CComVariant& element)
{
    VARTYPE vt = VT_EMPTY;
    HRESULT hr = SafeArrayGetVartype(array, &vt);
    if (FAILED(hr))
        return hr;
    element.Clear();
    if (vt == VT_VARIANT)
        return SafeArrayGetElement(array, &i, static_cast<VARIANT*>(&element));
    if (vt == VT_UNKNOWN || vt == VT_EMPTY || vt == VT_NULL)
        return DISP_E_BADVARTYPE;
    // Every other element type is a value that fits the variant's value slot.
    hr = SafeArrayGetElement(array, &i, &element.llVal);
    if (SUCCEEDED(hr))
        element.vt = vt;
    return hr;
}

void Take(const VARIANT& converted, std::wstring& out)
{
    out.assign(converted.bstrVal ? converted.bstrVal : L"", SysStringLen(converted.bstrVal));
}

void Take(const VARIANT& converted, LONG& out)
{
    out = converted.lVal;
}

void Take(const VARIANT& converted, VARIANT_BOOL& out)
{
    out = converted.boolVal;
}

template <class T> HRESULT ConvertInto(const VARIANT& source, VARTYPE vt, T& out)
{
    CComVariant converted;
    HRESULT hr = VariantChangeType(&converted, &source, 0, vt);
    if (SUCCEEDED(hr))
        Take(converted, out);
    return hr;
}

template <class T> HRESULT ReadArray(SAFEARRAY* array, VARTYPE vt, std::vector<T>& out)
{
    LONG lower = 0;
    LONG upper = -1;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return DISP_E_BADVARTYPE;
    for (LONG i = lower; i <= upper; ++i) {
        CComVariant element;
        T value{};
        HRESULT hr = ElementOf(array, i, element);
        if (SUCCEEDED(hr))
            hr = ConvertInto(element, vt, value);
        if (FAILED(hr))
            return hr;
        out.push_back(std::move(value));
    }
    return S_OK;
}

template <class T> HRESULT ReadList(const VARIANT& value, VARTYPE vt, std::vector<T>& out)
{
    out.clear();
    if (IsMissingArgument(value))
        return S_OK;
    HRESULT hr = S_OK;
    if (value.vt & VT_ARRAY) {
        hr = value.parray ? ReadArray(value.parray, vt, out) : DISP_E_BADVARTYPE;
    } else {
        T single{};
        hr = ConvertInto(value, vt, single);
        if (SUCCEEDED(hr))
            out.push_back(std::move(single));
    }
    if (FAILED(hr))
        out.clear();
    return hr;
}

// A variant that owns a new vector of count elements of the type.
CComVariant NewArray(VARTYPE vt, size_t count)
{
    CComVariant array;
    array.parray = SafeArrayCreateVector(vt, 0, static_cast<ULONG>(count));
    if (!array.parray)
        throw std::bad_alloc();
    array.vt = static_cast<VARTYPE>(VT_ARRAY | vt);
    return array;
}

template <class T, class Put>
CComVariant MakeArray(VARTYPE vt, const std::vector<T>& values, Put put)
{
    CComVariant array = NewArray(vt, values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        LONG index = static_cast<LONG>(i);
        if (FAILED(put(array.parray, index, values[i])))
            throw std::bad_alloc();
    }
    return array;
}

} // namespace

bool IsMissingArgument(const VARIANT& value)
{
    return value.vt == VT_EMPTY || value.vt == VT_NULL || value.vt == VT_ERROR;
}

HRESULT ReadStringList(const VARIANT& value, std::vector<std::wstring>& out)
{
    return ReadList(value, VT_BSTR, out);
}

HRESULT ReadLongList(const VARIANT& value, std::vector<LONG>& out)
{
    return ReadList(value, VT_I4, out);
}

HRESULT ReadBoolList(const VARIANT& value, std::vector<VARIANT_BOOL>& out)
{
    return ReadList(value, VT_BOOL, out);
}

CComVariant MakeStringArray(const std::vector<std::wstring>& values)
{
    return MakeArray(VT_BSTR, values, [](SAFEARRAY* array, LONG& index, const std::wstring& text) {
        CComBSTR copy(text);
        return SafeArrayPutElement(array, &index, copy.m_str);
    });
}

CComVariant MakeLongArray(const std::vector<LONG>& values)
{
    return MakeArray(VT_I4, values, [](SAFEARRAY* array, LONG& index, LONG number) {
        return SafeArrayPutElement(array, &index, &number);
    });
}

CComVariant MakeBoolArray(const std::vector<VARIANT_BOOL>& values)
{
    return MakeArray(VT_BOOL, values, [](SAFEARRAY* array, LONG& index, VARIANT_BOOL flag) {
        return SafeArrayPutElement(array, &index, &flag);
    });
}
