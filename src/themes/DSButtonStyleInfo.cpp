#include "dsutils/DSButtonStyleInfo.h"

#include "dsutils/DSFileUtils.h"

#include "foundation/XMLUtl.h"

#include "model/IDSMenuElement.h"
#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <filesystem>

namespace {

// The styles of each aspect, filled on first use and kept for the process.
std::vector<DSButtonStyleInfo> s_styles4x3;
std::vector<DSButtonStyleInfo> s_styles16x9;

std::vector<DSButtonStyleInfo>& StylesOf(bool b4x3)
{
    return b4x3 ? s_styles4x3 : s_styles16x9;
}

// Style names may say that they name a file: "file::path" or "file:path".
std::wstring WithoutStylePrefix(const wchar_t* pszStyle)
{
    std::wstring_view style(pszStyle ? pszStyle : L"");
    for (std::wstring_view prefix : {L"file::", L"file:"}) {
        if (style.substr(0, prefix.size()) == prefix) {
            style.remove_prefix(prefix.size());
            break;
        }
    }
    return ResolveContentPath(style);
}

bool IsFile(const std::wstring& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(WideToUtf8(path)), error);
}

std::wstring FolderPart(const std::wstring& path)
{
    size_t slash = path.rfind(L'/');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring WithoutTrailingSeparators(std::wstring folder)
{
    while (folder.size() > 1 && folder.back() == L'/')
        folder.pop_back();
    return folder;
}

HRESULT FolderOf(CDSFileUtils::DirectoryType type, std::wstring& folder)
{
    CComBSTR found;
    CHECK_HR_SHORT(CDSFileUtils().GetDirectory(type, nullptr, found));
    folder = WithoutTrailingSeparators(found.Str());
    return S_OK;
}

HRESULT ButtonFolderOf(bool b4x3, std::wstring& folder)
{
    return FolderOf(b4x3 ? CDSFileUtils::DirButtons4x3 : CDSFileUtils::DirButtons16x9, folder);
}

// The document element of an XML file. A file that is missing or not well-formed is reported
// with the parser's reason.
HRESULT LoadDocumentElement(const std::wstring& path, CComPtr<IXMLDOMElement>& root)
{
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(XMLUtl::CreateDocument(&spDoc));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CHECK_HR(spDoc->load(CComVariant(path.c_str()), &loaded));
    if (loaded == VARIANT_FALSE) {
        HRESULT hr = IsFile(path) ? E_INVALIDARG : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        CComBSTR reason;
        spDoc->get_parseErrorReason(&reason);
        LOG_HR(hr,
               ("spDoc->load(\"" + WideToUtf8(path) + "\"): " + WideToUtf8(reason.View())).c_str());
        return hr;
    }
    CHECK_HR(spDoc->get_documentElement(&root));
    CHECK_NULL(root.p);
    return S_OK;
}

std::wstring TagNameOf(IXMLDOMElement* pElement)
{
    CComBSTR name;
    pElement->get_tagName(&name);
    return name.Str();
}

std::wstring AttributeOf(IXMLDOMElement* pElement, const wchar_t* name)
{
    CComVariant value;
    if (pElement->getAttribute(CComBSTR(name), &value) != S_OK || value.vt != VT_BSTR)
        return std::wstring();
    return std::wstring(value.bstrVal, SysStringLen(value.bstrVal));
}

// A whole decimal number in the 32-bit range.
bool ParseId(const std::wstring& text, LONG& id)
{
    if (text.empty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    long long value = std::wcstoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != L'\0' || value < INT32_MIN || value > INT32_MAX)
        return false;
    id = static_cast<LONG>(value);
    return true;
}

// A link names a theme file of the theme folder by its name alone: it may not lead out of
// that folder, nor name a folder or a drive.
bool IsPlainThemeName(const std::wstring& link)
{
    return !link.empty() && link.find_first_of(L"/\\:") == std::wstring::npos &&
           link.find(L"..") == std::wstring::npos && link.find(L'\0') == std::wstring::npos;
}

HRESULT ThemeFileOfLink(bool b4x3, const std::wstring& link, std::wstring& path)
{
    std::wstring folder;
    CHECK_HR_SHORT(
        FolderOf(b4x3 ? CDSFileUtils::DirThemes4x3 : CDSFileUtils::DirThemes16x9, folder));
    path = ResolveContentPath(PathAppend(folder, link + L".dmsd"));
    return S_OK;
}

bool HoldsAspect4x3(const std::wstring& path)
{
    for (size_t at = 0; at + 3 <= path.size(); ++at) {
        if (CompareNoCase(std::wstring_view(path).substr(at, 3), L"4x3") == 0)
            return true;
    }
    return false;
}

bool LiesIn(const std::wstring& path, bool b4x3)
{
    std::wstring folder;
    return SUCCEEDED(ButtonFolderOf(b4x3, folder)) && CompareNoCase(FolderPart(path), folder) == 0;
}

// The aspect of a style file: that of the button folder it lies in, else 4:3 when its path
// names "4x3". The folder comes first, so that a content folder installed below a folder
// whose name holds "4x3" does not make every style 4:3.
bool IsStyleFile4x3(const std::wstring& path)
{
    if (LiesIn(path, false))
        return false;
    return LiesIn(path, true) || HoldsAspect4x3(path);
}

std::wstring PreviewOf(const std::wstring& file)
{
    size_t dot = file.rfind(L'.');
    size_t slash = file.rfind(L'/');
    std::wstring stem = dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)
                            ? file
                            : file.substr(0, dot);
    std::wstring preview = ResolveContentPath(stem + L".PNG");
    return IsFile(preview) ? preview : std::wstring();
}

// Reads one style file into an entry; a failure means the file is no style.
HRESULT ReadStyle(const std::wstring& file, DSButtonStyleInfo& style)
{
    CComPtr<IDSMenuButton> pBtn;
    CHECK_HR(pBtn.CoCreateInstance(uuidof<CDSMenuButton>()));
    CHECK_HR_SHORT(LoadButtonFromFile(file.c_str(), pBtn));
    ULONG tag = 0;
    CComBSTR name;
    CHECK_HR(pBtn->get_Tag(&tag));
    CHECK_HR(pBtn->get_Name(&name));
    style.m_strName = name.Str();
    style.m_strPath = file;
    style.m_strPreview = PreviewOf(file);
    style.m_dwTypeMask = tag;
    return S_OK;
}

// The files of a folder that match a pattern, in name order.
std::vector<std::wstring> FilesOf(const std::wstring& folder, const wchar_t* pattern)
{
    std::vector<std::wstring> files;
    CDSFileUtils search;
    CComBSTR file;
    HRESULT hr = search.FindFile(PathAppend(folder, pattern).c_str(), &file);
    while (SUCCEEDED(hr)) {
        files.push_back(file.Str());
        file.Empty();
        hr = search.FindNextFileW(&file);
    }
    return files;
}

// Whether the button class can be made at all, so that a missing class is reported rather
// than taken for a folder of unreadable styles.
HRESULT CheckButtonClass()
{
    CComPtr<IDSMenuButton> pBtn;
    CHECK_HR(pBtn.CoCreateInstance(uuidof<CDSMenuButton>()));
    return S_OK;
}

} // namespace

HRESULT InitButtonStyleCache(bool b4x3, bool bNotImplemented)
{
    if (bNotImplemented)
        return E_NOTIMPL;
    std::vector<DSButtonStyleInfo>& styles = StylesOf(b4x3);
    if (!styles.empty())
        return S_OK;
    CHECK_HR_SHORT(CheckButtonClass());
    std::wstring folder;
    CHECK_HR_SHORT(ButtonFolderOf(b4x3, folder));
    for (const std::wstring& file : FilesOf(folder, L"*.xml")) {
        DSButtonStyleInfo style;
        if (SUCCEEDED(ReadStyle(file, style)))
            styles.push_back(std::move(style));
        else
            TRACE_LINE("Button style %s skipped: it does not load", WideToUtf8(file).c_str());
    }
    // The files passed over are traced; what their loads reported is no failure of the fill.
    KVUClearErrorStack();
    return S_OK;
}

HRESULT GetButtonStyleInfo(std::vector<const DSButtonStyleInfo*>& out, DWORD dwTypeMask, bool b4x3,
                           bool bNotImplemented)
{
    KVUClearErrorStack();
    out.clear();
    HRESULT hr = InitButtonStyleCache(b4x3, bNotImplemented);
    if (FAILED(hr) && hr != E_NOTIMPL)
        return hr;
    for (const DSButtonStyleInfo& style : StylesOf(b4x3)) {
        if (style.m_dwTypeMask & dwTypeMask)
            out.push_back(&style);
    }
    return S_OK;
}

HRESULT FlushButtonStyleCache()
{
    s_styles4x3.clear();
    s_styles16x9.clear();
    return E_NOTIMPL;
}

bool IsFileButtonStyle(const wchar_t* pszStyle, bool b4x3)
{
    std::wstring path = WithoutStylePrefix(pszStyle);
    return !path.empty() && LiesIn(path, b4x3) && IsFile(path);
}

HRESULT LoadButtonFromFile(const wchar_t* pszPath, IDSMenuButton* pButton)
{
    KVUClearErrorStack();
    CHECK_NULL(pszPath);
    CHECK_NULL(pButton);
    std::wstring path = WithoutStylePrefix(pszPath);
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR_SHORT(LoadDocumentElement(path, spRoot));
    if (TagNameOf(spRoot) != L"LinkedButton") {
        CHECK_HR(pButton->loadXML(spRoot));
        return S_OK;
    }
    bool bFound = false;
    CHECK_HR(ButtonIndirectLoad(IsStyleFile4x3(path), spRoot, pButton, &bFound));
    if (!bFound)
        RETURN_CODE(E_BUTTONSTYLE_LINKED_BUTTON_NOT_FOUND);
    return S_OK;
}

HRESULT ButtonIndirectLoad(bool b4x3, IXMLDOMElement* pElement, IDSMenuButton* pButton,
                           bool* pbFound)
{
    KVUClearErrorStack();
    CHECK_NULL(pElement);
    CHECK_NULL(pButton);
    CHECK_NULL(pbFound);
    *pbFound = false;
    if (TagNameOf(pElement) != L"LinkedButton")
        return S_FALSE;
    std::wstring link = AttributeOf(pElement, L"link");
    std::wstring idText = AttributeOf(pElement, L"ID");
    if (!IsPlainThemeName(link)) {
        LOG_HR(
            E_BUTTONSTYLE_UNSAFE_LINK,
            ("LinkedButton link \"" + WideToUtf8(link) + "\" is not a plain theme name").c_str());
        return E_BUTTONSTYLE_UNSAFE_LINK;
    }
    LONG lID = 0;
    if (!ParseId(idText, lID)) {
        LOG_HR(E_INVALIDARG,
               ("LinkedButton ID \"" + WideToUtf8(idText) + "\" is not a number").c_str());
        return E_INVALIDARG;
    }
    std::wstring themeFile;
    CHECK_HR_SHORT(ThemeFileOfLink(b4x3, link, themeFile));
    CHECK_HR(LoadButtonFromTheme(themeFile.c_str(), pButton, pbFound, lID));
    return S_OK;
}

HRESULT LoadButtonFromTheme(const wchar_t* pszThemeFile, IDSMenuButton* pButton, bool* pbFound,
                            LONG lButtonId)
{
    KVUClearErrorStack();
    CHECK_NULL(pszThemeFile);
    CHECK_NULL(pButton);
    CHECK_NULL(pbFound);
    *pbFound = false;
    CComPtr<IXMLDOMElement> spThemeRoot;
    CHECK_HR_SHORT(LoadDocumentElement(ResolveContentPath(pszThemeFile), spThemeRoot));
    CComPtr<IXMLDOMNodeList> spButtons;
    CHECK_HR(spThemeRoot->getElementsByTagName(CComBSTR(L"Button"), &spButtons));
    CComPtr<IXMLDOMNode> spNode;
    while (spButtons->nextNode(&spNode) == S_OK) {
        CComQIPtr<IXMLDOMElement> spButton(spNode.p);
        spNode.Release();
        LONG lID = 0;
        if (!spButton || !ParseId(AttributeOf(spButton, L"ID"), lID) || lID != lButtonId)
            continue;
        CHECK_HR(pButton->loadXML(spButton));
        *pbFound = true;
        return S_OK;
    }
    return S_OK;
}
