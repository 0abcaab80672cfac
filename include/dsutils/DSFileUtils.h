// The library's folders and files: where content, themes, buttons, the user's data and the
// temporary files live, unique file names inside them, and the log of the temporary files
// handed out, which the clean-up operations delete again by age, size or category.
//
// Deletions never reach outside the temporary folder (DirTemp): a category or pattern that
// is absolute where a relative one is expected, holds "..", or resolves outside that folder
// deletes nothing, is traced, and gives E_ACCESSDENIED.
#pragma once

#include "platform/Bstr.h"

#include <map>
#include <string>
#include <vector>

class CDSFileUtils
{
public:
    enum DirectoryType
    {
        DirNone = 0,               // GetFilePath only: the subfolder argument is the folder
        DirContent = 1,            // the content folder ("%CONTENT%")
        DirUserThemes4x3 = 2,      // app data + "Corvane/DVD/4x3/Themes"
        DirUserThemes16x9 = 3,     // app data + "Corvane/DVD/16x9/Themes"
        DirThemes4x3 = 4,          // content + "DVD/4x3/Themes"
        DirLocalThemes4x3 = 5,     // content + language + "/DVD/4x3/Themes/"
        DirThemes16x9 = 6,         // content + "DVD/16x9/Themes"
        DirLocalThemes16x9 = 7,    // content + language + "/DVD/16x9/Themes/"
        DirButtons4x3 = 8,         // content + "DVD/4x3/Button"
        DirLocalButtons4x3 = 9,    // content + language + "/DVD/4x3/Button/"
        DirText4x3 = 10,           // content + "DVD/4x3/Text"
        DirOverlays4x3 = 11,       // content + "DVD/4x3/Overlay"
        DirButtons16x9 = 12,       // content + "DVD/16x9/Button"
        DirLocalButtons16x9 = 13,  // content + language + "/DVD/16x9/Button/"
        DirText16x9 = 14,          // content + "DVD/16x9/Text"
        DirOverlays16x9 = 15,      // content + "DVD/16x9/Overlay"
        DirMandatory = 16,         // content + "DVD/Mandatory"
        DirImportButtons = 17,     // DirAppData + "ReelmarkImport/ButtonFiles"
        DirImportBackgrounds = 18, // DirAppData + "ReelmarkImport/Backgrounds"
        DirTemp = 19,              // the temporary folder, ending in "Reelmark_Temp"
        Temp_Files = DirTemp,
        DirAppData = 20,  // app data + "Corvane/Reelmark9/"
        DirMyVideos = 21, // the user's videos folder
        DirPlugins = 22,  // the plug-ins folder ("%PLUGINS%")
        DirImport = 23,   // DirAppData + "ReelmarkImport"
    };

    // Deletion rules of a logged temporary file: it is deleted when any set rule holds. A file
    // logged with no flag is deleted only by a forced deletion. Ages count whole days since
    // the file was last written.
    enum TempFileFlags : DWORD
    {
        TempFile_Always = 0x001,           // also: GetFilePath deletes an old file of the name
        TempFile_OlderThanADay = 0x002,    // age in days > 0
        TempFile_OlderThanSixDays = 0x004, // age in days > 6
        TempFile_Over1KB = 0x008,          // larger than 1,024 bytes
        TempFile_Over10KB = 0x010,         // larger than 10,240 bytes
        TempFile_Over100KB = 0x020,        // larger than 102,400 bytes
        TempFile_Over1MB = 0x040,          // larger than 1,048,576 bytes
        TempFile_Over10MB = 0x080,         // larger than 10,485,760 bytes
        TempFile_Over100MB = 0x100,        // larger than 104,857,600 bytes
        TempFile_Over1GB = 0x200,          // larger than 1,073,741,824 bytes
    };

    struct FileInfo
    {
        std::wstring path;
        DWORD flags = 0;
    };
    using FileList = std::vector<FileInfo>;
    // Category (the subfolder of the temporary folder) → the files handed out in it, in order.
    using FileLog = std::map<std::wstring, FileList>;

    CDSFileUtils() = default;
    CDSFileUtils(const CDSFileUtils&) = default;
    CDSFileUtils& operator=(const CDSFileUtils&) = default;
    ~CDSFileUtils() = default;

    // The folder of a kind, with subfolder appended when it is not empty; with create set the
    // folder is made when missing, and a failure to make it is returned as a failure code (the
    // system's error number itself would read as success). A kind outside the table leaves out
    // unchanged and returns S_OK. DirMyVideos appends the subfolder once.
    HRESULT GetDirectory(DirectoryType type, const wchar_t* subfolder, BSTR* out, bool create);
    HRESULT GetDirectory(DirectoryType type, const wchar_t* subfolder, CComBSTR& out,
                         bool create = false);

    // A shell folder (CSIDL_APPDATA 26, CSIDL_MYVIDEO 14) with relative appended; made when
    // create is set and it is missing (whether that succeeds is not checked).
    HRESULT _GetDirectory(int shellFolder, const wchar_t* relative, BSTR* out, bool create);

    // A file path in the folder of a kind (DirNone: subfolder is the folder): name (default
    // "Reelmark_Temp") with extension (default "TMP"); for DirMyVideos only the file-name part
    // of name is used and the extension is "DMSD". With TempFile_Always in flags an existing
    // file of that name in the temporary folder is deleted first; with unique set, "_1", "_2"
    // … are added to the name until no file has it. Paths in DirTemp are logged under
    // subfolder with flags. E_INVALIDARG for a kind outside the table.
    HRESULT GetFilePath(DirectoryType type, const wchar_t* subfolder, bool create,
                        const wchar_t* name, const wchar_t* extension, bool unique, BSTR* out,
                        DWORD flags);
    HRESULT GetFilePath(DirectoryType type, const wchar_t* subfolder, bool create,
                        const wchar_t* name, const wchar_t* extension, bool unique, CComBSTR& out,
                        DWORD flags);

    // A new project file name in the user's videos folder: Reelmark_Temp.DMSD, or
    // Reelmark_Temp_1.DMSD … when taken.
    HRESULT GetProjectFilename(BSTR* out, bool create);
    HRESULT GetProjectFilename(CComBSTR& out, bool create);

    // Whether the path's extension is ".dmsd" in any case.
    static bool IsDVDProjectFile(const wchar_t* path);

    // Starts a search for the files (not folders) matching a pattern ("folder/*.xml"; "*" and
    // "?" wildcards, any case) in name order; found receives folder + "/" + name of the first.
    // E_FINDFILE_NO_MORE_FILES when none matches.
    HRESULT FindFile(const wchar_t* pattern, BSTR* ppstrFoundFile);
    // The next file of the search; E_FINDFILE_NO_MORE_FILES at its end. Folders are passed
    // over here too, so that files named after a folder are found.
    HRESULT FindNextFileW(BSTR* ppstrFoundFile);

    // Deletes the files (not folders) matching a pattern in the temporary folder. S_FALSE
    // when a file could not be deleted.
    HRESULT EraseFiles(const wchar_t* pattern);
    // Deletes a folder of the temporary folder with everything below it; tries a second time
    // after a second, then gives E_FAIL.
    HRESULT RecursiveEraseDirectory(const wchar_t* folder);
    // No category: the logged files of every category whose rules hold (with wholeFolder
    // also those logged without flags). A category with wholeFolder: every file of that
    // subfolder of the temporary folder. A category alone: its logged files whose rules hold.
    // S_OK when done, also when a file could not be deleted or lay outside the temporary
    // folder (each such file is traced); E_ACCESSDENIED for a category that is no subfolder.
    HRESULT EraseTempFiles(const wchar_t* category, bool wholeFolder);
    // Empties the working subfolders of the temporary folder, then moves the temporary folder
    // to the one the user chose (configuration 34 → 33) when that folder exists.
    HRESULT CleanupAllTempFiles();

    // The cache path of a chapter still of sourceFile at a time: in "StillThumbnailCache" of
    // the temporary folder (made when missing), "CachedChapterStill_<name>_<inode high>
    // <inode low><device>_<seconds as %.2f with '-' for the point>.png", where name is the
    // source's file name without extension; logged for deletion after six days. S_FALSE (out
    // untouched) when the source cannot be opened; E_POINTER for a null out (a failure, where
    // the system's invalid-parameter number would read as success).
    HRESULT ComposeChapterStillFilename(double seconds, const wchar_t* sourceFile,
                                        BSTR* pbstrFileName);

    // The temporary-file log of the process.
    static const FileLog& GetFileLog() { return sm_FileLog; }
    // Forgets every logged file (the files stay), so that a new session starts empty.
    static void ClearFileLog() { sm_FileLog.clear(); }

private:
    HRESULT LogFile(const wchar_t* category, const wchar_t* path, DWORD flags);
    HRESULT DeleteFiles(const FileList& files, bool force);
    HRESULT DeleteAllLogged(bool force);

    HRESULT BaseFolder(DirectoryType type, std::wstring& folder);
    HRESULT TempFolder(std::wstring& folder);
    HRESULT FolderOfFile(DirectoryType type, const wchar_t* subfolder, bool create,
                         std::wstring& folder);
    std::wstring FreeCandidate(const std::wstring& folder, const std::wstring& base,
                               const std::wstring& extension, bool unique, DWORD flags);
    HRESULT CheckDeletable(const std::wstring& path);
    HRESULT EraseCategoryFolder(const wchar_t* category);
    HRESULT AdoptChosenTempFolder();
    HRESULT NextFile(BSTR* ppstrFoundFile);

    static FileLog sm_FileLog;

    std::wstring m_content;
    std::wstring m_plugins;
    // The open search: its folder, the matching entries in name order and the next one.
    std::wstring m_searchFolder;
    std::vector<std::wstring> m_searchFiles;
    size_t m_searchNext = 0;
};
