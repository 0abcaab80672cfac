// The one-dimensional SAFEARRAY: creation, bounds, element access and copies.
#include "platform/Variant.h"

#include <cstdlib>
#include <cstring>
#include <new>

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

} // namespace

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
