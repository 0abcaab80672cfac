// Globally unique identifiers of interfaces and classes, read from and written as the
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" text form.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <type_traits>

struct GUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using REFGUID = const GUID&;

constexpr bool operator==(const GUID& a, const GUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i])
            return false;
    }
    return true;
}

constexpr bool operator!=(const GUID& a, const GUID& b)
{
    return !(a == b);
}

// Orders GUIDs field by field so that they can key ordered maps.
bool operator<(const GUID& a, const GUID& b);

inline constexpr GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

namespace guid_detail {
constexpr int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr uint32_t Hex(const char* text, int first, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        int digit = HexDigit(text[first + i]);
        if (digit < 0)
            throw "GUID text holds a character that is not a hexadecimal digit";
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}
} // namespace guid_detail

// Compile-time GUID from its braced text form; a malformed literal does not compile.
template <size_t N> consteval GUID MakeGuid(const char (&text)[N])
{
    static_assert(N == 39, "GUID text is \"{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}\"");
    using guid_detail::Hex;
    if (text[0] != '{' || text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-' ||
        text[37] != '}')
        throw "GUID text is not in the braced form";
    GUID g{Hex(text, 1, 8),
           static_cast<uint16_t>(Hex(text, 10, 4)),
           static_cast<uint16_t>(Hex(text, 15, 4)),
           {}};
    const int bytePos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i)
        g.Data4[i] = static_cast<uint8_t>(Hex(text, bytePos[i], 2));
    return g;
}

// Reads the braced form (braces optional, either case of hex digits). Returns S_OK, or
// E_INVALIDARG for a malformed or null text, leaving *out unchanged.
HRESULT GuidFromString(const wchar_t* text, GUID* out);

// The braced upper-case text form.
std::wstring GuidToString(const GUID& guid);

// Interface identity: each interface names its IID and its base interface through
// DS_INTERFACE_ID, which lets QueryInterface answer for the whole inheritance chain. The two
// functions it declares are found by argument-dependent lookup, so interfaces may live in
// any namespace.
#define DS_INTERFACE_ID(Interface, BaseInterface, text)                                            \
    struct Interface;                                                                              \
    inline constexpr GUID IID_##Interface = MakeGuid(text);                                        \
    constexpr const GUID& DsInterfaceIid(const Interface*)                                         \
    {                                                                                              \
        return IID_##Interface;                                                                    \
    }                                                                                              \
    constexpr BaseInterface* DsInterfaceBase(const Interface*)                                     \
    {                                                                                              \
        return nullptr;                                                                            \
    }                                                                                              \
    static_assert(true, "")

template <class T> constexpr const GUID& uuidof()
{
    return DsInterfaceIid(static_cast<const T*>(nullptr));
}

// The interface T derives from, as its DS_INTERFACE_ID names it (void for IUnknown).
template <class T>
using InterfaceBaseOf =
    std::remove_pointer_t<decltype(DsInterfaceBase(static_cast<const T*>(nullptr)))>;
