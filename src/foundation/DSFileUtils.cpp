#include "dsutils/DSFileUtils.h"

#include "DirectoryListing.h"
#include "FileOperations.h"
#include "OwnedFolder.h"
#include "TempFileRules.h"

#include "dsutils/DSAppUtils.h"

#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <chrono>
#include <ctime>
#include <thread>

CDSFileUtils::FileLog CDSFileUtils::sm_FileLog;

namespace {

using Dir = CDSFileUtils::DirectoryType;

constexpr const wchar_t* kTempFolderName = L"Reelmark_Temp";

// What a folder kind is made of: a base folder and a relative part.
enum class Base
{
    Content,      // the content folder
    LocalContent, // the content folder, then the interface language
    AppData,      // the user's application-data folder
    AppFolder,    // the application's own folder (DirAppData)
};

struct FolderRule
{
    Dir type;
    Base base;
    const wchar_t* relative;
};

constexpr FolderRule kFolderRules[] = {
    {Dir::DirUserThemes4x3, Base::AppData, L"Corvane/DVD/4x3/Themes"},
    {Dir::DirUserThemes16x9, Base::AppData, L"Corvane/DVD/16x9/Themes"},
    {Dir::DirThemes4x3, Base::Content, L"DVD/4x3/Themes"},
    {Dir::DirLocalThemes4x3, Base::LocalContent, L"/DVD/4x3/Themes/"},
    {Dir::DirThemes16x9, Base::Content, L"DVD/16x9/Themes"},
    {Dir::DirLocalThemes16x9, Base::LocalContent, L"/DVD/16x9/Themes/"},
    {Dir::DirButtons4x3, Base::Content, L"DVD/4x3/Button"},
    {Dir::DirLocalButtons4x3, Base::LocalContent, L"/DVD/4x3/Button/"},
    {Dir::DirText4x3, Base::Content, L"DVD/4x3/Text"},
    {Dir::DirOverlays4x3, Base::Content, L"DVD/4x3/Overlay"},
    {Dir::DirButtons16x9, Base::Content, L"DVD/16x9/Button"},
    {Dir::DirLocalButtons16x9, Base::LocalContent, L"/DVD/16x9/Button/"},
    {Dir::DirText16x9, Base::Content, L"DVD/16x9/Text"},
    {Dir::DirOverlays16x9, Base::Content, L"DVD/16x9/Overlay"},
    {Dir::DirMandatory, Base::Content, L"DVD/Mandatory"},
    {Dir::DirImportButtons, Base::AppFolder, L"ReelmarkImport/ButtonFiles"},
    {Dir::DirImportBackgrounds, Base::AppFolder, L"ReelmarkImport/Backgrounds"},
    {Dir::DirAppData, Base::AppData, L"Corvane/Reelmark9/"},
    {Dir::DirImport, Base::AppFolder, L"ReelmarkImport"},
};

// The working subfolders of the temporary folder that a clean-up empties, in this order.
constexpr const wchar_t* kWorkingCategories[] = {
    L"StillThumbnailCache",
    L"ExtractedVOBUS",
    L"OnDiscCache",
    L"Menus",
    L"Images",
    L"Projects",
    L"Titles",
    L"VCD",
    L"VCD/EXT",
    L"VCD/VCD",
    L"SubPicProd",
};

const FolderRule* FindRule(Dir type)
{
    for (const FolderRule& rule : kFolderRules) {
        if (rule.type == type)
            return &rule;
    }
    return nullptr;
}

std::wstring OrDefault(const wchar_t* text, const wchar_t* fallback)
{
    return text && *text ? std::wstring(text) : std::wstring(fallback);
}

std::wstring FileNamePart(const wchar_t* path)
{
    std::wstring_view text(path ? path : L"");
    size_t slash = text.rfind(L'/');
    return std::wstring(slash == std::wstring_view::npos ? text : text.substr(slash + 1));
}

std::wstring Candidate(const std::wstring& folder, const std::wstring& base,
                       const std::wstring& extension, int number)
{
    std::wstring name = number == 0
                            ? FormatWide(L"%ls.%ls", base.c_str(), extension.c_str())
                            : FormatWide(L"%ls_%d.%ls", base.c_str(), number, extension.c_str());
    return PathAppend(folder, name);
}

HRESULT ShellFolder(int csidl, const wchar_t* relative, std::wstring& folder, bool create)
{
    std::wstring base;
    CHECK_HR(GetShellFolderPath(csidl, base));
    folder = PathAppend(base, relative ? relative : L"");
    if (create)
        MakeFolder(folder);
    return S_OK;
}

// Whether the text holds word without its first letter, as the temporary folder's names are
// compared where their first letter's case may differ.
bool ContainsTail(const std::wstring& text, std::wstring_view word)
{
    return word.size() > 1 && text.find(word.substr(1)) != std::wstring::npos;
}

HRESULT CheckDeletableIn(const std::wstring& path, const std::wstring& tempFolder)
{
    if (!HasParentStep(path) && LiesWithin(path, tempFolder))
        return S_OK;
    TRACE_LINE("Refusing to delete %s: it is not in the temporary folder %s",
               WideToUtf8(path).c_str(), WideToUtf8(tempFolder).c_str());
    return E_ACCESSDENIED;
}

HRESULT CheckCategory(const wchar_t* category)
{
    if (StaysBelow(category))
        return S_OK;
    TRACE_LINE("Refusing to erase the temporary category %s: it is not a subfolder",
               WideToUtf8(category).c_str());
    return E_ACCESSDENIED;
}

// Files logged without a rule go only when forced; the others when a rule holds.
bool ShouldDelete(const CDSFileUtils::FileInfo& file, bool force)
{
    if (file.flags == 0)
        return force;
    TempFileFacts facts;
    if (!ReadTempFileFacts(file.path, std::time(nullptr), facts)) {
        TRACE_LINE("*** Could not open temp file: %s\n", WideToUtf8(file.path).c_str());
        return false;
    }
    return TempFileRuleHolds(file.flags, facts);
}

// False when the file stays although it should go (outside the folder, or not deletable).
bool DeleteLoggedFile(const CDSFileUtils::FileInfo& file, bool force,
                      const std::wstring& tempFolder)
{
    std::string shown = WideToUtf8(file.path);
    if (!PathExists(file.path)) {
        TRACE_LINE("*** Temp file not created: %s\n", shown.c_str());
        return true;
    }
    if (!ShouldDelete(file, force))
        return true;
    if (FAILED(CheckDeletableIn(file.path, tempFolder)))
        return false;
    TRACE_LINE("*** Deleting %s\n", shown.c_str());
    if (RemoveFile(file.path))
        return true;
    TRACE_LINE("Can't delete %s ", shown.c_str());
    return false;
}

bool DeleteMatchedFile(const std::wstring& path)
{
    std::string shown = WideToUtf8(path);
    if (RemoveFile(path)) {
        TRACE_LINE("%s deleted", shown.c_str());
        return true;
    }
    TRACE_LINE("Can't delete %s ", shown.c_str());
    return false;
}

// A folder being released by another program may need a moment.
HRESULT RemoveTreeTwice(const std::wstring& folder)
{
    if (RemoveTree(folder))
        return S_OK;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return RemoveTree(folder) ? S_OK : E_FAIL;
}

std::wstring Stem(const wchar_t* path)
{
    return WidePath(NativePath(path).stem());
}

template <class Operation> HRESULT HandOut(BSTR* out, Operation operation)
{
    CComBSTR text;
    HRESULT hr = operation(text);
    if (SUCCEEDED(hr) && text.m_str)
        *out = text.Detach();
    return hr;
}

} // namespace

// ---- folders

HRESULT CDSFileUtils::GetDirectory(DirectoryType type, const wchar_t* subfolder, BSTR* out,
                                   bool create)
{
    KVUClearErrorStack();
    CHECK_NULL(out);
    return HandOut(out,
                   [&](CComBSTR& folder) { return GetDirectory(type, subfolder, folder, create); });
}

HRESULT CDSFileUtils::GetDirectory(DirectoryType type, const wchar_t* subfolder, CComBSTR& out,
                                   bool create)
{
    KVUClearErrorStack();
    std::wstring folder;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, BaseFolder(type, folder));
    if (hr == S_FALSE)
        return S_OK;
    if (subfolder && *subfolder)
        folder = PathAppend(folder, subfolder);
    out = folder.c_str();
    if (create)
        CHECK_HR(MakeFolder(folder));
    return S_OK;
}

HRESULT CDSFileUtils::_GetDirectory(int shellFolder, const wchar_t* relative, BSTR* out,
                                    bool create)
{
    KVUClearErrorStack();
    CHECK_NULL(out);
    std::wstring folder;
    CHECK_HR(ShellFolder(shellFolder, relative, folder, create));
    *out = CComBSTR(folder).Detach();
    return S_OK;
}

// S_FALSE for a kind outside the table.
HRESULT CDSFileUtils::BaseFolder(DirectoryType type, std::wstring& folder)
{
    switch (type) {
    case DirContent:
        if (m_content.empty())
            m_content = ExpandPathMacros(L"%CONTENT%");
        folder = m_content;
        return S_OK;
    case DirPlugins:
        if (m_plugins.empty())
            m_plugins = ExpandPathMacros(L"%PLUGINS%");
        folder = m_plugins;
        return S_OK;
    case DirTemp:
        return TempFolder(folder);
    case DirMyVideos:
        return ShellFolder(CSIDL_MYVIDEO, nullptr, folder, false);
    default:
        break;
    }
    const FolderRule* rule = FindRule(type);
    if (!rule)
        return S_FALSE;
    switch (rule->base) {
    case Base::Content:
        CHECK_HR(BaseFolder(DirContent, folder));
        // Content folders are found without regard to case ("DVD/MANDATORY" is
        // "DVD/Mandatory").
        folder = ResolveContentPath(PathAppend(folder, rule->relative));
        return S_OK;
    case Base::LocalContent:
        CHECK_HR(BaseFolder(DirContent, folder));
        folder = PathAppend(folder, CDSAppUtils::GetUILanguageID().Str() + rule->relative);
        return S_OK;
    case Base::AppData:
        return ShellFolder(CSIDL_APPDATA, rule->relative, folder, false);
    case Base::AppFolder:
        CHECK_HR(BaseFolder(DirAppData, folder));
        folder = PathAppend(folder, rule->relative);
        return S_OK;
    }
    return S_FALSE;
}

// The user's temporary folder (configuration 33), else the system's, which is made when
// missing; a base that is no folder falls back to the application's folder.
HRESULT CDSFileUtils::TempFolder(std::wstring& folder)
{
    CDSConfig config;
    std::wstring base = config.GetString(DSConfig_TempFolder).Str();
    if (base.empty()) {
        base = SystemTempFolder();
        MakeFolder(base);
    }
    if (IsDirectory(base)) {
        folder = PathAppend(base, kTempFolderName);
        return S_OK;
    }
    CHECK_HR(BaseFolder(DirAppData, folder));
    folder = PathAppend(folder, kTempFolderName);
    return S_OK;
}

// ---- file names

HRESULT CDSFileUtils::GetFilePath(DirectoryType type, const wchar_t* subfolder, bool create,
                                  const wchar_t* name, const wchar_t* extension, bool unique,
                                  BSTR* out, DWORD flags)
{
    KVUClearErrorStack();
    CHECK_NULL(out);
    return HandOut(out, [&](CComBSTR& path) {
        return GetFilePath(type, subfolder, create, name, extension, unique, path, flags);
    });
}

HRESULT CDSFileUtils::GetFilePath(DirectoryType type, const wchar_t* subfolder, bool create,
                                  const wchar_t* name, const wchar_t* extension, bool unique,
                                  CComBSTR& out, DWORD flags)
{
    KVUClearErrorStack();
    std::wstring folder;
    CHECK_HR(FolderOfFile(type, subfolder, create, folder));
    std::wstring base = OrDefault(name, kTempFolderName);
    std::wstring suffix = OrDefault(extension, L"TMP");
    if (type == DirMyVideos) {
        base = OrDefault(FileNamePart(name).c_str(), kTempFolderName);
        suffix = L"DMSD";
    }
    std::wstring path = FreeCandidate(folder, base, suffix, unique, flags);
    out = path.c_str();
    if (type == DirTemp)
        LogFile(subfolder, path.c_str(), flags);
    return S_OK;
}

HRESULT CDSFileUtils::FolderOfFile(DirectoryType type, const wchar_t* subfolder, bool create,
                                   std::wstring& folder)
{
    if (type == DirNone) {
        folder = subfolder ? subfolder : L"";
        if (create)
            CHECK_HR(MakeFolder(folder));
        return S_OK;
    }
    CComBSTR found;
    CHECK_HR(GetDirectory(type, subfolder, found, create));
    if (!found) {
        LOG_HR(E_INVALIDARG, "type");
        return E_INVALIDARG;
    }
    folder = found.Str();
    return S_OK;
}

std::wstring CDSFileUtils::FreeCandidate(const std::wstring& folder, const std::wstring& base,
                                         const std::wstring& extension, bool unique, DWORD flags)
{
    std::wstring candidate = Candidate(folder, base, extension, 0);
    for (int number = 1;; ++number) {
        if ((flags & TempFile_Always) && PathExists(candidate) &&
            SUCCEEDED(CheckDeletable(candidate)))
            RemoveFile(candidate);
        if (!unique || !PathExists(candidate))
            return candidate;
        candidate = Candidate(folder, base, extension, number);
    }
}

HRESULT CDSFileUtils::GetProjectFilename(BSTR* out, bool create)
{
    return GetFilePath(DirMyVideos, nullptr, create, nullptr, nullptr, true, out, 0);
}

HRESULT CDSFileUtils::GetProjectFilename(CComBSTR& out, bool create)
{
    return GetFilePath(DirMyVideos, nullptr, create, nullptr, nullptr, true, out, 0);
}

bool CDSFileUtils::IsDVDProjectFile(const wchar_t* path)
{
    std::wstring name = FileNamePart(path);
    size_t dot = name.rfind(L'.');
    return dot != std::wstring::npos &&
           CompareNoCase(std::wstring_view(name).substr(dot), L".dmsd") == 0;
}

// ---- file search

HRESULT CDSFileUtils::FindFile(const wchar_t* pattern, BSTR* ppstrFoundFile)
{
    KVUClearErrorStack();
    CHECK_NULL(ppstrFoundFile);
    CHECK_NULL(pattern);
    std::wstring namePattern;
    SplitSearchPattern(pattern, m_searchFolder, namePattern);
    m_searchFiles.clear();
    m_searchNext = 0;
    for (DirectoryEntry& entry : ListMatchingEntries(m_searchFolder, namePattern)) {
        if (!entry.isDirectory)
            m_searchFiles.push_back(std::move(entry.name));
    }
    return NextFile(ppstrFoundFile);
}

HRESULT CDSFileUtils::FindNextFileW(BSTR* ppstrFoundFile)
{
    KVUClearErrorStack();
    CHECK_NULL(ppstrFoundFile);
    return NextFile(ppstrFoundFile);
}

HRESULT CDSFileUtils::NextFile(BSTR* ppstrFoundFile)
{
    if (m_searchNext >= m_searchFiles.size())
        RETURN_CODE(E_FINDFILE_NO_MORE_FILES);
    *ppstrFoundFile = CComBSTR(PathAppend(m_searchFolder, m_searchFiles[m_searchNext++])).Detach();
    return S_OK;
}

// ---- deletion

HRESULT CDSFileUtils::CheckDeletable(const std::wstring& path)
{
    std::wstring tempFolder;
    CHECK_HR(TempFolder(tempFolder));
    return CheckDeletableIn(path, tempFolder);
}

HRESULT CDSFileUtils::EraseFiles(const wchar_t* pattern)
{
    KVUClearErrorStack();
    CHECK_NULL(pattern);
    std::wstring folder, namePattern;
    SplitSearchPattern(pattern, folder, namePattern);
    CHECK_HR(CheckDeletable(folder));
    bool failed = false;
    for (const DirectoryEntry& entry : ListMatchingEntries(folder, namePattern)) {
        if (!entry.isDirectory && !DeleteMatchedFile(PathAppend(folder, entry.name)))
            failed = true;
    }
    return failed ? S_FALSE : S_OK;
}

HRESULT CDSFileUtils::RecursiveEraseDirectory(const wchar_t* folder)
{
    KVUClearErrorStack();
    CHECK_NULL(folder);
    CHECK_HR(CheckDeletable(folder));
    CHECK_HR(RemoveTreeTwice(folder));
    return S_OK;
}

HRESULT CDSFileUtils::EraseTempFiles(const wchar_t* category, bool wholeFolder)
{
    KVUClearErrorStack();
    HRESULT hr = S_OK;
    if (!category || !*category) {
        hr = DeleteAllLogged(wholeFolder);
    } else {
        CHECK_HR(CheckCategory(category));
        auto logged = sm_FileLog.find(category);
        if (wholeFolder)
            hr = EraseCategoryFolder(category);
        else if (logged != sm_FileLog.end())
            hr = DeleteFiles(logged->second, false);
    }
    // A file that stays has been traced; the clean-up itself succeeded.
    return FAILED(hr) ? hr : S_OK;
}

HRESULT CDSFileUtils::EraseCategoryFolder(const wchar_t* category)
{
    std::wstring folder;
    CHECK_HR(FolderOfFile(DirTemp, category, false, folder));
    std::wstring pattern = Candidate(folder, L"*", L"*", 0);
    if (!ContainsTail(pattern, category) || !ContainsTail(pattern, kTempFolderName)) {
        TRACE_LINE("Refusing to erase %s: not a folder of the temporary folder",
                   WideToUtf8(pattern).c_str());
        return S_FALSE;
    }
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, EraseFiles(pattern.c_str()));
    return hr;
}

HRESULT CDSFileUtils::DeleteAllLogged(bool force)
{
    HRESULT result = S_OK;
    for (const auto& [category, files] : sm_FileLog) {
        HRESULT hr = S_OK;
        CHECK_HR_ASSIGN(hr, DeleteFiles(files, force));
        if (hr != S_OK)
            result = hr;
    }
    return result;
}

HRESULT CDSFileUtils::DeleteFiles(const FileList& files, bool force)
{
    std::wstring tempFolder;
    CHECK_HR(TempFolder(tempFolder));
    HRESULT result = S_OK;
    for (const FileInfo& file : files) {
        if (!DeleteLoggedFile(file, force, tempFolder))
            result = S_FALSE;
    }
    return result;
}

HRESULT CDSFileUtils::LogFile(const wchar_t* category, const wchar_t* path, DWORD flags)
{
    sm_FileLog[category ? category : L""].push_back(FileInfo{path, flags});
    return S_OK;
}

HRESULT CDSFileUtils::CleanupAllTempFiles()
{
    KVUClearErrorStack();
    for (const wchar_t* category : kWorkingCategories)
        EraseTempFiles(category, true);
    CHECK_HR(AdoptChosenTempFolder());
    return S_OK;
}

// A temporary folder the user chose takes effect at the next clean-up, when nothing of the
// old one is in use any more.
HRESULT CDSFileUtils::AdoptChosenTempFolder()
{
    CDSConfig config;
    std::wstring chosen = config.GetString(DSConfig_NewTempFolder).Str();
    if (!IsDirectory(chosen))
        return S_OK;
    EraseTempFiles(L"BurnLogs", true);
    CHECK_HR(config.SetString(DSConfig_TempFolder, chosen.c_str()));
    CHECK_HR(config.SetString(DSConfig_NewTempFolder, L""));
    return S_OK;
}

// ---- cache names

HRESULT CDSFileUtils::ComposeChapterStillFilename(double seconds, const wchar_t* sourceFile,
                                                  BSTR* pbstrFileName)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrFileName);
    FileIdentity identity;
    if (!sourceFile || !ReadFileIdentity(sourceFile, identity))
        return S_FALSE;
    std::wstring name = FormatWide(
        L"CachedChapterStill_%ls_%d%d%u_%ls", Stem(sourceFile).c_str(),
        static_cast<int>(identity.index >> 32), static_cast<int>(identity.index & 0xFFFFFFFFu),
        static_cast<unsigned>(identity.volume), TimeSuffix(seconds).c_str());
    CHECK_HR(GetFilePath(DirTemp, L"StillThumbnailCache", true, name.c_str(), L"png", false,
                         pbstrFileName, TempFile_OlderThanSixDays));
    return S_OK;
}
