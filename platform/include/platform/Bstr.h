// BSTR: a wide string with a 32-bit byte-length prefix in front of its first character and a
// terminating zero after its last, allocated and freed by the Sys… functions. A null BSTR
// stands for the empty string everywhere a BSTR is read.
#pragma once

#include "platform/Guid.h"

#include <string>
#include <string_view>

using BSTR = wchar_t*;
using LCID = DWORD;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr ULONG NORM_IGNORECASE = 0x00000001;

// Results of VarBstrCmp.
constexpr HRESULT VARCMP_LT = 0;
constexpr HRESULT VARCMP_EQ = 1;
constexpr HRESULT VARCMP_GT = 2;
constexpr HRESULT VARCMP_NULL = 3;

// A new BSTR holding a copy of text (null when text is null or memory is short).
BSTR SysAllocString(const OLECHAR* text);

// A new BSTR of length characters copied from text, or zero-filled when text is null.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);

// Replaces *target with a copy of text; FALSE when memory is short (the old string is kept).
INT SysReAllocString(BSTR* target, const OLECHAR* text);
INT SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length);

// Frees a BSTR; null is allowed.
void SysFreeString(BSTR text);

// The length in characters (0 for null), taken from the prefix, so embedded zeros count.
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);

// Compares two BSTRs by their contents (null equals empty). flags may hold NORM_IGNORECASE.
// Returns VARCMP_LT, VARCMP_EQ or VARCMP_GT.
HRESULT VarBstrCmp(BSTR left, BSTR right, LCID locale, ULONG flags);

// A new BSTR of left followed by right.
HRESULT VarBstrCat(BSTR left, BSTR right, BSTR* result);

// An owned BSTR. Allocation failures throw std::bad_alloc, the one exception of the system.
class CComBSTR
{
public:
    CComBSTR() = default;
    explicit CComBSTR(int length);
    CComBSTR(int length, const OLECHAR* text);
    CComBSTR(const OLECHAR* text);
    CComBSTR(const char* text);
    CComBSTR(std::wstring_view text);
    CComBSTR(const std::wstring& text) : CComBSTR(std::wstring_view(text)) {}
    explicit CComBSTR(REFGUID guid);
    CComBSTR(const CComBSTR& other);
    CComBSTR(CComBSTR&& other) noexcept;
    ~CComBSTR();

    CComBSTR& operator=(const CComBSTR& other);
    CComBSTR& operator=(CComBSTR&& other) noexcept;
    CComBSTR& operator=(const OLECHAR* text);
    CComBSTR& operator=(const char* text);

    operator BSTR() const { return m_str; }
    // The address of the held string, for an out argument; the old string is freed first.
    BSTR* operator&();
    bool operator!() const { return m_str == nullptr; }

    unsigned int Length() const { return SysStringLen(m_str); }
    unsigned int ByteLength() const { return SysStringByteLen(m_str); }
    bool IsEmpty() const { return Length() == 0; }

    // A new BSTR copy owned by the caller.
    BSTR Copy() const;
    HRESULT CopyTo(BSTR* out) const;
    void Attach(BSTR text);
    BSTR Detach();
    void Empty();

    HRESULT Append(const CComBSTR& other);
    HRESULT Append(const OLECHAR* text);
    HRESULT Append(const OLECHAR* text, int length);
    HRESULT Append(wchar_t c);
    HRESULT Append(const char* text);
    HRESULT AppendBSTR(BSTR text);
    CComBSTR& operator+=(const CComBSTR& other);
    CComBSTR& operator+=(const OLECHAR* text);

    HRESULT ToLower();
    HRESULT ToUpper();

    // Comparisons by contents; a null string equals the empty string.
    bool operator==(const CComBSTR& other) const;
    bool operator==(const OLECHAR* text) const;
    bool operator==(std::nullptr_t) const { return m_str == nullptr; }
    bool operator!=(const CComBSTR& other) const { return !(*this == other); }
    bool operator!=(const OLECHAR* text) const { return !(*this == text); }
    bool operator!=(std::nullptr_t) const { return m_str != nullptr; }
    bool operator<(const CComBSTR& other) const;

    std::wstring_view View() const { return {m_str ? m_str : L"", Length()}; }
    std::wstring Str() const { return std::wstring(View()); }

    BSTR m_str = nullptr;
};

// An owned BSTR with value semantics, for the places that build a string argument inline.
class _bstr_t
{
public:
    _bstr_t() = default;
    _bstr_t(const wchar_t* text) : m_text(text) {}
    _bstr_t(const char* text) : m_text(text) {}
    _bstr_t(const std::wstring& text) : m_text(text.c_str()) {}
    _bstr_t(const CComBSTR& text) : m_text(text) {}

    operator const wchar_t*() const { return m_text.m_str ? m_text.m_str : L""; }
    operator wchar_t*() const { return m_text.m_str; }
    unsigned int length() const { return m_text.Length(); }
    BSTR copy() const { return m_text.Copy(); }

private:
    CComBSTR m_text;
};
