#include "platform/NativePath.h"

#include "platform/StringConv.h"

std::filesystem::path NativePath(std::wstring_view path)
{
    // A path made from bytes keeps them as they are: no locale is consulted.
    return std::filesystem::path(WideToUtf8(path));
}

std::wstring WidePath(const std::filesystem::path& path)
{
    return Utf8ToWide(path.native());
}

std::wstring PathExtension(std::wstring_view path)
{
    size_t slash = path.rfind(L'/');
    std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind(L'.');
    // A leading dot names a hidden file and starts no extension, as "." and ".." start none.
    if (dot == std::wstring_view::npos || dot == 0 || name == L"..")
        return {};
    return std::wstring(name.substr(dot));
}

HRESULT CheckPathLength(std::wstring_view path)
{
    if (path.find(L'\0') != std::wstring_view::npos)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    // A UTF-8 character takes at most four bytes: most paths need no counting.
    if (path.size() * 4 <= kMaxPathBytes)
        return S_OK;
    if (path.size() > kMaxPathBytes)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    return WideToUtf8(path).size() > kMaxPathBytes ? HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE)
                                                   : S_OK;
}
