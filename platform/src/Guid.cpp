#include "platform/Guid.h"

#include <cstdio>
#include <cwchar>
#include <tuple>

bool operator<(const GUID& a, const GUID& b)
{
    auto key = [](const GUID& g) {
        uint64_t tail = 0;
        for (uint8_t byte : g.Data4)
            tail = (tail << 8) | byte;
        return std::make_tuple(g.Data1, g.Data2, g.Data3, tail);
    };
    return key(a) < key(b);
}

namespace {

bool ReadHex(const wchar_t*& p, int count, uint32_t& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++p) {
        wchar_t c = *p;
        int digit = -1;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return true;
}

bool Expect(const wchar_t*& p, wchar_t c)
{
    if (*p != c)
        return false;
    ++p;
    return true;
}

} // namespace

HRESULT GuidFromString(const wchar_t* text, GUID* out)
{
    if (!text || !out)
        return E_INVALIDARG;
    const wchar_t* p = text;
    bool braced = *p == L'{';
    if (braced)
        ++p;
    GUID g{};
    uint32_t v = 0;
    if (!ReadHex(p, 8, g.Data1) || !Expect(p, L'-'))
        return E_INVALIDARG;
    if (!ReadHex(p, 4, v) || !Expect(p, L'-'))
        return E_INVALIDARG;
    g.Data2 = static_cast<uint16_t>(v);
    if (!ReadHex(p, 4, v) || !Expect(p, L'-'))
        return E_INVALIDARG;
    g.Data3 = static_cast<uint16_t>(v);
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !Expect(p, L'-'))
            return E_INVALIDARG;
        if (!ReadHex(p, 2, v))
            return E_INVALIDARG;
        g.Data4[i] = static_cast<uint8_t>(v);
    }
    if ((braced && !Expect(p, L'}')) || *p != L'\0')
        return E_INVALIDARG;
    *out = g;
    return S_OK;
}

std::wstring GuidToString(const GUID& g)
{
    wchar_t text[40];
    std::swprintf(text, 40, L"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
                  g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5],
                  g.Data4[6], g.Data4[7]);
    return text;
}
