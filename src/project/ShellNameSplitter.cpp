#include "ShellNameSplitter.h"

#include "platform/StringConv.h"

#include <cwchar>
#include <cwctype>

namespace {

bool IsSchemeStart(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsSchemeChar(wchar_t c)
{
    return IsSchemeStart(c) || (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
}

// The length of the scheme that starts the name when ":/" follows it, else 0.
size_t SchemeLength(std::wstring_view name)
{
    if (name.empty() || !IsSchemeStart(name[0]))
        return 0;
    size_t length = 1;
    while (length < name.size() && IsSchemeChar(name[length]))
        ++length;
    return name.substr(length, 2) == L":/" ? length : 0;
}

bool IsEscapeAt(std::wstring_view text, size_t i)
{
    return text[i] == L'%' && i + 2 < text.size() && std::iswxdigit(text[i + 1]) &&
           std::iswxdigit(text[i + 2]);
}

// "%XX" escapes are bytes of UTF-8; everything else is taken as it stands.
std::wstring DecodeEscapes(std::wstring_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsEscapeAt(text, i)) {
            std::wstring digits(text.substr(i + 1, 2));
            bytes += static_cast<char>(std::wcstol(digits.c_str(), nullptr, 16));
            i += 2;
        } else {
            bytes += WideToUtf8(text.substr(i, 1));
        }
    }
    return Utf8ToWide(bytes);
}

} // namespace

CQTRShellNameSplitter::CQTRShellNameSplitter(std::wstring_view name) : m_name(name)
{
    std::wstring_view rest = name;
    SplitProtocol(rest);
    size_t slash = rest.rfind(L'/');
    size_t fileStart = slash == std::wstring_view::npos ? 0 : slash + 1;
    m_path = rest.substr(0, fileStart);
    SplitFileName(rest.substr(fileStart));
}

void CQTRShellNameSplitter::SplitProtocol(std::wstring_view& rest)
{
    size_t length = SchemeLength(rest);
    if (length == 0)
        return;
    m_protocol = rest.substr(0, length);
    rest.remove_prefix(length + 1);
    if (rest.substr(0, 2) != L"//")
        return;
    rest.remove_prefix(2);
    size_t hostEnd = rest.find(L'/');
    if (hostEnd == std::wstring_view::npos)
        hostEnd = rest.size();
    m_host = rest.substr(0, hostEnd);
    rest.remove_prefix(hostEnd);
}

void CQTRShellNameSplitter::SplitFileName(std::wstring_view rest)
{
    size_t dot = rest.rfind(L'.');
    m_hasDot = dot != std::wstring_view::npos && dot > 0;
    if (!m_hasDot) {
        m_fileName = rest;
        return;
    }
    m_fileName = rest.substr(0, dot);
    m_extension = rest.substr(dot + 1);
}

std::wstring CQTRShellNameSplitter::Compose() const
{
    if (m_protocol.empty())
        return m_name;
    std::wstring composed;
    for (wchar_t c : m_protocol)
        composed += ToLowerChar(c);
    composed += L"://" + m_host + m_path + m_fileName;
    if (m_hasDot)
        composed += L"." + m_extension;
    return composed;
}

bool CQTRShellNameSplitter::IsLocal() const
{
    if (m_protocol.empty())
        return true;
    return CompareNoCase(m_protocol, L"file") == 0 &&
           (m_host.empty() || CompareNoCase(m_host, L"localhost") == 0);
}

std::wstring CQTRShellNameSplitter::GetLocalPath() const
{
    if (m_protocol.empty())
        return m_name;
    if (!IsLocal())
        return std::wstring();
    std::wstring path = m_path + m_fileName;
    if (m_hasDot)
        path += L"." + m_extension;
    return DecodeEscapes(path);
}
