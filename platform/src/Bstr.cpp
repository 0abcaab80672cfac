#include "platform/Bstr.h"

#include "platform/StringConv.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <new>

namespace {

// The prefix holds the byte length, as on the original platform; it sits directly in front
// of the first character so that a BSTR is an ordinary zero-terminated wide string.
constexpr size_t kPrefix = sizeof(wchar_t) >= sizeof(uint32_t) ? sizeof(wchar_t) : 4;
constexpr UINT kMaxLength = 0x3FFFFFF0u / sizeof(wchar_t);

uint32_t& Prefix(BSTR text)
{
    return *reinterpret_cast<uint32_t*>(reinterpret_cast<char*>(text) - sizeof(uint32_t));
}

BSTR Allocate(UINT length)
{
    if (length > kMaxLength)
        return nullptr;
    char* block = static_cast<char*>(std::malloc(kPrefix + (length + 1) * sizeof(wchar_t)));
    if (!block)
        return nullptr;
    BSTR text = reinterpret_cast<BSTR>(block + kPrefix);
    Prefix(text) = static_cast<uint32_t>(length * sizeof(wchar_t));
    text[length] = L'\0';
    return text;
}

BSTR MustAllocate(const OLECHAR* text, UINT length)
{
    BSTR result = SysAllocStringLen(text, length);
    if (!result)
        throw std::bad_alloc();
    return result;
}

std::wstring_view ViewOf(BSTR text)
{
    return {text ? text : L"", SysStringLen(text)};
}

} // namespace

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text)
        return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    BSTR result = Allocate(length);
    if (!result)
        return nullptr;
    if (text)
        std::wmemcpy(result, text, length);
    else
        std::wmemset(result, L'\0', length);
    return result;
}

INT SysReAllocString(BSTR* target, const OLECHAR* text)
{
    if (!target)
        return FALSE;
    return SysReAllocStringLen(target, text, text ? static_cast<UINT>(std::wcslen(text)) : 0);
}

INT SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length)
{
    if (!target)
        return FALSE;
    BSTR replacement = SysAllocStringLen(text, length);
    if (!replacement)
        return FALSE;
    SysFreeString(*target);
    *target = replacement;
    return TRUE;
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(reinterpret_cast<char*>(text) - kPrefix);
}

UINT SysStringLen(BSTR text)
{
    return text ? Prefix(text) / sizeof(wchar_t) : 0;
}

UINT SysStringByteLen(BSTR text)
{
    return text ? Prefix(text) : 0;
}

HRESULT VarBstrCmp(BSTR left, BSTR right, LCID, ULONG flags)
{
    std::wstring_view a = ViewOf(left);
    std::wstring_view b = ViewOf(right);
    int order = (flags & NORM_IGNORECASE) ? CompareNoCase(a, b) : a.compare(b);
    return order < 0 ? VARCMP_LT : order > 0 ? VARCMP_GT : VARCMP_EQ;
}

HRESULT VarBstrCat(BSTR left, BSTR right, BSTR* result)
{
    if (!result)
        return E_POINTER;
    UINT a = SysStringLen(left);
    UINT b = SysStringLen(right);
    if (a > kMaxLength - b)
        return E_OUTOFMEMORY;
    BSTR joined = Allocate(a + b);
    if (!joined)
        return E_OUTOFMEMORY;
    if (a)
        std::wmemcpy(joined, left, a);
    if (b)
        std::wmemcpy(joined + a, right, b);
    *result = joined;
    return S_OK;
}

CComBSTR::CComBSTR(int length) : m_str(length > 0 ? MustAllocate(nullptr, length) : nullptr) {}

CComBSTR::CComBSTR(int length, const OLECHAR* text)
    : m_str(length >= 0 ? MustAllocate(text, length) : nullptr)
{}

CComBSTR::CComBSTR(const OLECHAR* text)
    : m_str(text ? MustAllocate(text, static_cast<UINT>(std::wcslen(text))) : nullptr)
{}

CComBSTR::CComBSTR(const char* text)
{
    if (text)
        *this = CComBSTR(std::wstring_view(Utf8ToWide(text)));
}

CComBSTR::CComBSTR(std::wstring_view text)
    : m_str(MustAllocate(text.data(), static_cast<UINT>(text.size())))
{}

CComBSTR::CComBSTR(REFGUID guid) : CComBSTR(std::wstring_view(GuidToString(guid))) {}

CComBSTR::CComBSTR(const CComBSTR& other) : m_str(other.Copy()) {}

CComBSTR::CComBSTR(CComBSTR&& other) noexcept : m_str(other.m_str)
{
    other.m_str = nullptr;
}

CComBSTR::~CComBSTR()
{
    SysFreeString(m_str);
}

CComBSTR& CComBSTR::operator=(const CComBSTR& other)
{
    if (this != std::addressof(other))
        Attach(other.Copy());
    return *this;
}

CComBSTR& CComBSTR::operator=(CComBSTR&& other) noexcept
{
    if (this != std::addressof(other)) {
        SysFreeString(m_str);
        m_str = other.m_str;
        other.m_str = nullptr;
    }
    return *this;
}

CComBSTR& CComBSTR::operator=(const OLECHAR* text)
{
    if (text != m_str)
        Attach(text ? MustAllocate(text, static_cast<UINT>(std::wcslen(text))) : nullptr);
    return *this;
}

CComBSTR& CComBSTR::operator=(const char* text)
{
    return *this = CComBSTR(text);
}

BSTR* CComBSTR::operator&()
{
    Empty();
    return &m_str;
}

BSTR CComBSTR::Copy() const
{
    return m_str ? MustAllocate(m_str, Length()) : nullptr;
}

HRESULT CComBSTR::CopyTo(BSTR* out) const
{
    if (!out)
        return E_POINTER;
    *out = Copy();
    return S_OK;
}

void CComBSTR::Attach(BSTR text)
{
    if (text != m_str) {
        SysFreeString(m_str);
        m_str = text;
    }
}

BSTR CComBSTR::Detach()
{
    BSTR text = m_str;
    m_str = nullptr;
    return text;
}

void CComBSTR::Empty()
{
    SysFreeString(m_str);
    m_str = nullptr;
}

HRESULT CComBSTR::Append(const OLECHAR* text, int length)
{
    if (length < 0)
        return E_INVALIDARG;
    if (!text || length == 0)
        return S_OK;
    UINT old = Length();
    if (static_cast<UINT>(length) > kMaxLength - old)
        throw std::bad_alloc();
    BSTR joined = Allocate(old + static_cast<UINT>(length));
    if (!joined)
        throw std::bad_alloc();
    if (old)
        std::wmemcpy(joined, m_str, old);
    std::wmemcpy(joined + old, text, static_cast<size_t>(length));
    Attach(joined);
    return S_OK;
}

HRESULT CComBSTR::Append(const CComBSTR& other)
{
    return AppendBSTR(other.m_str);
}

HRESULT CComBSTR::Append(const OLECHAR* text)
{
    return text ? Append(text, static_cast<int>(std::wcslen(text))) : S_OK;
}

HRESULT CComBSTR::Append(wchar_t c)
{
    return Append(&c, 1);
}

HRESULT CComBSTR::Append(const char* text)
{
    return text ? Append(Utf8ToWide(text).c_str()) : S_OK;
}

HRESULT CComBSTR::AppendBSTR(BSTR text)
{
    if (text == m_str && text) {
        CComBSTR copy(*this);
        return Append(copy.m_str, static_cast<int>(copy.Length()));
    }
    return Append(text, static_cast<int>(SysStringLen(text)));
}

CComBSTR& CComBSTR::operator+=(const CComBSTR& other)
{
    Append(other);
    return *this;
}

CComBSTR& CComBSTR::operator+=(const OLECHAR* text)
{
    Append(text);
    return *this;
}

HRESULT CComBSTR::ToLower()
{
    for (UINT i = 0; i < Length(); ++i)
        m_str[i] = ToLowerChar(m_str[i]);
    return S_OK;
}

HRESULT CComBSTR::ToUpper()
{
    for (UINT i = 0; i < Length(); ++i)
        m_str[i] = ToUpperChar(m_str[i]);
    return S_OK;
}

bool CComBSTR::operator==(const CComBSTR& other) const
{
    return VarBstrCmp(m_str, other.m_str, LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
}

bool CComBSTR::operator==(const OLECHAR* text) const
{
    return View() == std::wstring_view(text ? text : L"");
}

bool CComBSTR::operator<(const CComBSTR& other) const
{
    return VarBstrCmp(m_str, other.m_str, LOCALE_USER_DEFAULT, 0) == VARCMP_LT;
}
