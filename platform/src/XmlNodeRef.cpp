#include "XmlNodeRef.h"

#include "platform/ComPtr.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <iterator>

namespace {

struct CharRange
{
    char32_t first;
    char32_t last;
};

// The characters XML 1.0 allows at the start of a name.
constexpr CharRange kNameStart[] = {
    {':', ':'},       {'A', 'Z'},       {'_', '_'},       {'a', 'z'},
    {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x2FF},    {0x370, 0x37D},
    {0x37F, 0x1FFF},  {0x200C, 0x200D}, {0x2070, 0x218F}, {0x2C00, 0x2FEF},
    {0x3001, 0xD7FF}, {0xF900, 0xFDCF}, {0xFDF0, 0xFFFD}, {0x10000, 0xEFFFF},
};

// The further characters XML 1.0 allows after the first.
constexpr CharRange kNameRest[] = {
    {'-', '.'}, {'0', '9'}, {0xB7, 0xB7}, {0x300, 0x36F}, {0x203F, 0x2040},
};

template <size_t N> bool InRanges(const CharRange (&ranges)[N], char32_t c)
{
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const CharRange& r) { return c >= r.first && c <= r.last; });
}

} // namespace

HRESULT ContextOf(IUnknown* node, XmlNodeContext& context)
{
    if (!node)
        return E_POINTER;
    CComPtr<IXmlNodeSource> source;
    if (FAILED(node->QueryInterface(IID_IXmlNodeSource, reinterpret_cast<void**>(&source))))
        return E_INVALIDARG;
    context = source->Context();
    return S_OK;
}

std::wstring ToWide(std::string_view text)
{
    return Utf8ToWide(text);
}

std::string ToUtf8(std::wstring_view text)
{
    return WideToUtf8(text.substr(0, text.find(L'\0')));
}

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

std::wstring_view ViewOf(BSTR text)
{
    return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view();
}

HRESULT ReturnText(std::wstring_view text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnTextVariant(std::wstring_view text, VARIANT* out)
{
    if (!out)
        return E_POINTER;
    VariantClear(out);
    HRESULT hr = ReturnText(text, &out->bstrVal);
    if (SUCCEEDED(hr))
        out->vt = VT_BSTR;
    return hr;
}

HRESULT ReturnNullVariant(VARIANT* out)
{
    if (!out)
        return E_POINTER;
    VariantClear(out);
    out->vt = VT_NULL;
    return S_FALSE;
}

HRESULT TextOfVariant(const VARIANT& value, std::wstring& text)
{
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) {
        text.clear();
        return S_OK;
    }
    CComVariant converted;
    if (HRESULT hr = VariantChangeType(&converted, &value, 0, VT_BSTR); FAILED(hr))
        return hr;
    text = ViewOf(converted.bstrVal);
    return S_OK;
}

bool IsXmlName(std::wstring_view name)
{
    if (name.empty() || !InRanges(kNameStart, name.front()))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [](wchar_t c) { return InRanges(kNameStart, c) || InRanges(kNameRest, c); });
}
