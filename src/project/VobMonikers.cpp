#include "VobMonikers.h"

#include "dsutils/DSAppUtils.h"
#include "foundation/DirectoryListing.h"

#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr std::wstring_view kPrefix = L"vob:";
constexpr int kLastTitleSet = 99;

// A moniker that names a title set: its number and its DVD-Video folder.
struct TitleSetName
{
    int number = 0;
    std::wstring folder;
};

// Whether the moniker is of the form "vob:<digits>" or "vob:<digits>:<folder>".
bool ParseTitleSet(std::wstring_view moniker, TitleSetName& name)
{
    std::wstring_view rest = moniker.substr(kPrefix.size());
    size_t digits = 0;
    while (digits < rest.size() && std::iswdigit(rest[digits]))
        ++digits;
    if (digits == 0 || (digits < rest.size() && rest[digits] != L':'))
        return false;
    // More digits than a title set has stand for a number outside the range all the same.
    name.number = digits > 3 ? kLastTitleSet + 1 : std::stoi(std::wstring(rest.substr(0, digits)));
    name.folder = digits < rest.size() ? std::wstring(rest.substr(digits + 1)) : std::wstring();
    return true;
}

HRESULT ReportMoniker(HRESULT hr, const wchar_t* reason, std::wstring_view moniker)
{
    std::wstring text(moniker);
    KVUReportError(KVUErrStr(L"The VOB moniker \"%ls\" %ls\n", text.c_str(), reason));
    return hr;
}

// The folder that holds the VOB files: the VIDEO_TS folder inside a disc's root, or the folder
// itself.
std::wstring VideoTsFolder(const std::wstring& folder)
{
    for (const DirectoryEntry& entry : ListMatchingEntries(folder, L"VIDEO_TS")) {
        if (entry.isDirectory)
            return PathAppend(folder, entry.name);
    }
    return folder;
}

// Part 0 of a title set is its menu; parts 1 to 9 are the title.
bool IsTitlePart(const std::wstring& name)
{
    wchar_t part = name.size() > 7 ? name[7] : L'0';
    return part >= L'1' && part <= L'9';
}

} // namespace

bool CDSAppUtils::IsVOBMoniker(BSTR name)
{
    std::wstring_view text(name ? name : L"", SysStringLen(name));
    return text.size() >= kPrefix.size() &&
           CompareNoCase(text.substr(0, kPrefix.size()), kPrefix) == 0;
}

HRESULT ExpandVobMoniker(const std::wstring& moniker, std::vector<std::wstring>& monikers)
{
    monikers.clear();
    TitleSetName titleSet;
    if (!ParseTitleSet(moniker, titleSet)) {
        monikers.push_back(moniker);
        return S_OK;
    }
    if (titleSet.number < 1 || titleSet.number > kLastTitleSet)
        return ReportMoniker(E_INVALIDARG, L"names a title set outside 1 to 99", moniker);
    if (titleSet.folder.empty())
        return ReportMoniker(E_INVALIDARG, L"names no DVD-Video folder", moniker);
    std::wstring folder = VideoTsFolder(titleSet.folder);
    std::wstring pattern = FormatWide(L"VTS_%0.2d_?.VOB", titleSet.number);
    for (const DirectoryEntry& entry : ListMatchingEntries(folder, pattern)) {
        if (!entry.isDirectory && IsTitlePart(entry.name))
            monikers.push_back(std::wstring(kPrefix) + PathAppend(folder, entry.name));
    }
    if (monikers.empty())
        return ReportMoniker(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
                             L"names a title set without VOB files", moniker);
    return S_OK;
}

std::wstring VobFileOfMoniker(const std::wstring& moniker)
{
    return moniker.substr(std::min(moniker.size(), kPrefix.size()));
}
