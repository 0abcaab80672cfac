// Project operations of the application: static operations only. Each subsystem implements
// its own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSCapabilities.h"

#include "model/ProjectEnums.h"

#include "platform/Bstr.h"
#include "platform/Variant.h"

#include <filesystem>

struct IDSEncodingParams;
struct IDSMenu;
struct IDSMenuButton;
struct IDSProjectData;
struct IDSTitle;

class CDSAppUtils
{
public:
    CDSAppUtils() = delete;

    // Disc-format capabilities (foundation/FormatCaps.cpp).

    // Whether the disc format (a DiscFormat value, 1 to 11) has the capability. A format or a
    // capability outside the table answers false. Reads no project.
    static bool IsFormatCap(int discFormat, eFormatCaps capability);

    // User interface language (foundation/UILanguage.cpp).

    // The user's interface language as a decimal language identifier ("1033" for English
    // (United States)): REELMARK_UI_LANGUAGE when it holds a positive decimal number, else
    // the language of the user's message locale (LC_ALL, LC_MESSAGES, LANG), else "1033".
    static CComBSTR GetUILanguageID();

    // Chapter menus of a button (chapters/LinkedChapterTitle.cpp).

    // The title a button reaches through a chapter menu, borrowed (the project holds it): for
    // a command button that leads to a chapter menu, the title that menu's first command
    // button plays; for a command button on a chapter menu that leads to no menu, the title it
    // plays itself. The chapter goes to *pnChapter when given. Null otherwise.
    static IDSTitle* GetLinkedChapterTitle(IDSMenuButton* pButton, int* pnChapter);

    // Chapter menus made, updated and removed for one button (chapters/ChapterMenuButtons.cpp).

    // Gives a title button a chapter menu (CDSMenuUtils::GenerateChapterMenus under the
    // button's menu), leads the button to it and lays its pages out. A button that plays no
    // title but leads to a menu has its chapter menu updated instead
    // (UpdateChapterMenusFromBtn). S_FALSE, nothing made, for a title of one chapter;
    // E_POINTER for a null button or one that leads nowhere.
    static HRESULT MakeChapterMenuBtn(IDSMenuButton* pBtn);
    // Brings the chapter menu the button leads to in line with its title's chapters
    // (CDSMenuUtils::UpdateChapterMenus). E_UPDATECHAPTERMENUSFROMBTN_NO_CHAPTER_MENU when the
    // button leads to no chapter menu, E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE when that menu
    // plays no title; E_POINTER for a null button.
    static HRESULT UpdateChapterMenusFromBtn(IDSMenuButton* pBtn);
    // Makes the button play the title of the chapter menu it leads to (from its start) and
    // deletes every page of that chapter menu. E_POINTER for a null button, or one without a
    // chapter menu or title.
    static HRESULT RemoveChapMenusFromBtn(IDSMenuButton* pBtn);
    // RemoveChapMenusFromBtn for every command button of the project that leads to a chapter
    // menu. S_FALSE when the project has no chapter menu; stops at the first failure.
    static HRESULT RemoveAllChapterMenus(IDSProjectData* pProject);

    // Menu chains (project/ArrangeButtonsInChain.cpp, project/ReflowMenus.cpp, with
    // project/ChainFlow.cpp).

    // Lays the command buttons of every page of the menu's chain out on their grids
    // (CDSMenuUtils::LayoutArrangeButtons); with bForce also pages whose buttons the user
    // placed by hand. Stops at the first failing page; E_POINTER for a null menu.
    static HRESULT ArrangeButtonsInChain(IDSMenu* pMenu);
    static HRESULT ArrangeButtonsInChainEx(IDSMenu* pMenu, bool bForce);
    // Spreads the command buttons of the menu's chain over its pages after buttons were added
    // or removed, keeping their order: each page in turn is filled to what its layout holds,
    // pages are appended for buttons that do not fit and pages left empty at the end are
    // removed (the first page stays); then the pages are laid out (ArrangeButtonsInChainEx
    // with bForce) and a chapter menu's index buttons follow its pages. The main and chapter
    // menus that the buttons lead to are reflowed the same way, each chain once, also when
    // links lead back. Stops at the first failure; E_POINTER for a null menu.
    static HRESULT ReflowMenus(IDSMenu* pMenu, bool bForce);

    // Theme content (themes/ThemeContent.cpp).

    // Checks that a loaded theme can make menus: it has a main-menu template
    // (MenuType_MainTemplate) with a command button, and the background and audio files its
    // templates name are there (production monikers are not checked). Every shortcoming is
    // reported on the error stack; E_VERIFYACTIVETHEMECONTENT_INCOMPLETE when there is one,
    // E_POINTER for a null theme.
    static HRESULT VerifyActiveThemeContent(IDSProjectData* pTheme);

    // New projects and titles (project/MediaFileFilter.cpp, project/VobMonikers.cpp,
    // project/DiskChecks.cpp, project/InfoFile.cpp, project/TitleAdding.cpp,
    // project/TitleMedia.cpp, project/TitleEncoding.cpp, project/NewProject.cpp,
    // project/DeleteTitle.cpp).
    //
    // Media file names are plain paths or names with a protocol ("file:///home/me/clip.mp4");
    // "file" names stand for the files of this machine. A VOB moniker names a title of a
    // DVD-Video source: "vob:" (in any case) followed by the path of one VOB file, or by a
    // title-set number, a colon and the DVD-Video folder (the disc's root or its VIDEO_TS
    // folder): "vob:2:/media/dvd" stands for VTS_02_1.VOB, VTS_02_2.VOB … of that folder.

    // Sorts the files the user hands over (files: a path, or an array of paths) into those a
    // title can be made of. Empty entries and names without an extension are dropped; a name
    // with a protocol of four characters or more is given in its canonical form ("FILE:/a.ts"
    // becomes "file:///a.ts"). Then, comparing extensions without regard to case on the length
    // of each word: "vob", "ifo" and "dmss" are accepted unchecked; a file that does not exist
    // is refused with E_FILTERMEDIAFILES_FILE_NOT_FOUND; with allowTransportStreams, "tp",
    // "ts", "m2t", "m2ts", "trp", "mts" and "dvr-ms" are accepted unprobed; every other file
    // must be readable by the media engine (not asked for "tivo") and editable
    // (CDSProductionUtils::IsFileEditable), else it is refused with the engine's reason.
    // *accepted (its old value released) receives the accepted names in order as a
    // VT_ARRAY | VT_BSTR, or the error value DISP_E_PARAMNOTFOUND when none was accepted.
    // error becomes 0, or the reason of the last refusal. True when no file was refused. Every
    // refusal is reported on the error stack with the file's name; files that hold no string
    // or array of strings are refused as a whole with E_INVALIDARG.
    static bool FilterMediaFiles(VARIANT files, LONG& error, VARIANT* accepted,
                                 bool allowTransportStreams);
    // Whether the name is a VOB moniker: it begins with "vob:" in any case.
    static bool IsVOBMoniker(BSTR name);
    // Whether the path names an editable slideshow: extension ".dmss" or ".pssd", in any case.
    static bool IsEditableSlideshowFile(BSTR path);

    // Whether size bytes are free for the user on the volume that holds path (a path that does
    // not exist yet is asked about through the nearest folder above it). False when the system
    // cannot tell.
    static bool CheckDiskFreeSpace(const std::filesystem::path& path, ULONGLONG size);
    // Whether the file system of that volume can hold a file of size bytes: FAT up to
    // 2 GiB − 1 bytes, FAT32 up to 4 GiB − 1, any other file system (or one the system cannot
    // name) any size.
    static bool CheckDiskFileSizeLimit(const std::filesystem::path& path, ULONGLONG size);

    // Reads an info file: an XML document (at most 4 MiB) whose document element holds one
    // element per entry with the attributes "file" (a media file; a relative path counts from
    // the info file's folder) and "name" (its display name, empty when missing). *files (its
    // old value released) receives a VT_ARRAY | VT_BSTR of the pairs in document order: file,
    // name, file, name … Elements without a "file" attribute are passed over.
    // E_PARSEINFOFILE_CANT_PARSE, reported with the reason, when the file is missing, too
    // large, malformed or holds no entry; E_POINTER for a null path or out argument.
    static HRESULT ParseInfoFile(BSTR path, VARIANT* files);

    // Adds a title made of the files at the end of the project; one reference to it goes to
    // *ppTitle when ppTitle is not null. files is a path or an array of paths: one production
    // file (".dmsm", ".dmsm3d", ".dmss", ".pssd"), which becomes the title's production; or VOB
    // monikers, whose VOB files become its panels; or media files, appended with
    // AddMediaToTitle. sourceTypes (ENM_3DSOURCE_TYPE values) and leftEyeFirst (booleans) give
    // each file's stereoscopic packing and eye order; either may be left out (VT_EMPTY or an
    // error value), and missing entries are 2D with the left eye first. b3D marks the title's
    // production as stereoscopic. The title is named after its first file and takes the
    // project's encoding parameters (SetEncodingParamsForSlideshows). Its aspect ratio: 16:9
    // on the high-definition formats; else, on formats that let the caller choose, aspect
    // decides (AspectRatio_16x9, AspectRatio_4x3, or 0 to follow the source: 16:9 when the
    // production's shape is 16:9, or the first file is nearer to 16:9 than to 4:3); other
    // formats give 4:3. In a project without menus the title ends with its own end command
    // (DiscCommand_MenulessTitleEnd).
    // The project's title limit is checked first (CDSProjectValidator::CheckMaxTitlesPerProject,
    // whose refusal is returned). A failure after the title was added takes it out again, so
    // the project is left as it was: E_INVALIDARG for files that are no list of names, for a
    // production file or VOB moniker given with other files, or for source types outside
    // ENM_3DSOURCE_TYPE; E_ADDTITLE_FILE_NOT_EDITABLE for a media file the engine cannot edit;
    // the engine's or the object model's failure otherwise. E_POINTER for a null project.
    static HRESULT AddTitle(IDSProjectData* pProj, VARIANT files, VARIANT sourceTypes,
                            VARIANT leftEyeFirst, IDSTitle** ppTitle, bool b3D, AspectRatio aspect);
    // The same for one file or a list of files, 2D, with the aspect ratio following the
    // source.
    static HRESULT AddTitle(IDSProjectData* pProj, BSTR bstrSourceFile, IDSTitle** ppTitle);
    static HRESULT AddTitle(IDSProjectData* pProj, VARIANT* pvFiles, IDSTitle** ppTitle);
    // Appends media files (arguments as for AddTitle) to the title's production after its last
    // panel, as one undo step of the project. Every file must be editable, else
    // E_ADDTITLE_FILE_NOT_EDITABLE ("File is non-editable!") is reported with the engine's
    // reason and nothing is added. A failure of the engine leaves the production and the undo
    // steps as they were. E_POINTER for a null title or one in no project.
    static HRESULT AddMediaToTitle(IDSTitle* pTitle, VARIANT files, VARIANT sourceTypes,
                                   VARIANT leftEyeFirst);
    // Gives a title's encoding parameters (pEncParams, those of pTitle) the values of its
    // project's. A slideshow's parameters are detached from the project's (SyncToProject
    // false), so that changes of the master settings leave them alone; every other title
    // follows the project (SyncToProject true). E_POINTER for a null argument or a title in
    // no project.
    static HRESULT SetEncodingParamsForSlideshows(IDSEncodingParams* pEncParams, IDSTitle* pTitle);

    // Makes the project a new, empty project of the disc format (1 to 11): its properties,
    // fit-to-disc (always off for formats 5 and 6, switched on when fitToDisc, else left off),
    // the creation setting, the TV standard of the format's family (setting 8, or 9 for
    // formats 7 and 11: non-zero gives PAL), encoding parameters of the format at its
    // high-quality preset (AVC on format 7 when AVCAvailable), the aspect ratio (aspect when it
    // is AspectRatio_4x3 or AspectRatio_16x9, else setting 6: 1 gives 16:9; format 2 is always
    // 4:3), the disc size (BD25 for formats 7 and 8, 6 for 9 and 10), the project flags of
    // settings 4, 10 and 69, the templates of the default theme for the aspect ratio and one
    // main menu made from them (CDSMenuUtils::AddMenu). With bMenuless the main menu is left out
    // (the templates are still copied), for a project whose titles play one after another.
    // E_INVALIDARG for a format outside 1 to 11; failures of the object model and of the theme are
    // reported and returned.
    static HRESULT NewProject(IDSProjectData* pProject, LONG discFormat, AspectRatio aspect,
                              bool fitToDisc, bool bMenuless, LONG setting);

    // Removes the title from the project, then the main-menu buttons that play it, and
    // reflows the root menu's chain (ReflowMenus): the buttons left close up and a page left
    // empty goes. The title's own failure to go is returned, and then nothing else changes.
    // E_POINTER for a null argument.
    static HRESULT DeleteTitle(IDSProjectData* pProj, IDSTitle* pTitle);

    // Title buttons (project/TitleButtons.cpp, project/TitlesWithButtons.cpp,
    // project/TitleButtonSteps.cpp).

    // Adds to the menu a command button that leads to the target, a title or a menu of the
    // menu's project: a copy of the template's command button (CDSMenuUtils::AddButton), linked
    // to the target, labelled with its display name and showing it in its thumbnail
    // (ResolveBtnThumbSource); with bArrange the menu is laid out again (LayoutArrangeButtons).
    // *ppButton (when given) receives it (one reference). A full menu is refused first with the
    // validator's E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED; a step that fails after the button was
    // made takes it out again, and its failure is returned. E_INVALIDARG for a target that is
    // no title or menu of the project; E_POINTER for a null menu or target.
    static HRESULT AddButton(IDSMenu* pMenu, IUnknown* pTarget, bool bArrange,
                             IDSMenuButton** ppButton);
    // Adds a title made of the file, or of the files (a path or an array of paths, as AddTitle
    // takes them), and gives it a button (AddButton, laid out) on the first page of the root
    // menu's chain that has room: when every page is full, a new page is appended to the chain
    // for it. *ppButton and *ppTitle (each may be null) receive the button and the title (one
    // reference each). In a project without menus the title gets no button: S_FALSE,
    // *ppButton null. AddTitle's failures are returned with nothing added; when the button
    // cannot be made the title is taken out again and the failure (a limit refusal of the
    // validator unchanged) is returned: the project is left as it was. E_POINTER for a null
    // project or file list.
    static HRESULT AddTitleWithButton(IDSProjectData* pProj, BSTR bstrSourceFile,
                                      IDSMenuButton** ppButton, IDSTitle** ppTitle = nullptr);
    static HRESULT AddTitleWithButton(IDSProjectData* pProj, VARIANT* pvFiles,
                                      IDSMenuButton** ppButton, IDSTitle** ppTitle = nullptr);
    // Adds one title with a button for each file of files (a path or an array of paths), in
    // order, to the chain of pMenu or of the project's root menu: each button goes on the first
    // page with room, pages are appended as they fill, and the chain is reflowed once at the
    // end (ReflowMenus). With bChapterMenus each title of more than one chapter gets a chapter
    // menu behind its button (MakeChapterMenuBtn). In a project without menus the titles get no
    // buttons. A file whose title, button or chapter menu cannot be made leaves nothing behind
    // and the others are still added; the reports of such files stay on the error stack, each
    // followed by "The title of <file> could not be added", and the result is then
    // E_ADDTITLESWITHBUTTON_FAILED. A title or button limit of the validator ends the run and
    // is returned unchanged; the titles added before stay. *plAdded (when given) receives how
    // many titles were added. E_INVALIDARG for files that hold no name; E_POINTER for a null
    // project or menu, or a menu in no project.
    static HRESULT AddTitlesWithButton(IDSProjectData* pProj, VARIANT files, bool bChapterMenus,
                                       LONG* plAdded = nullptr);
    static HRESULT AddTitlesWithButton(IDSMenu* pMenu, VARIANT files, bool bChapterMenus,
                                       LONG* plAdded = nullptr);

    // Menus of a whole project (project/RegenerateMenus.cpp, project/ProjectTheme.cpp,
    // project/ProjectMenus.cpp, project/MenuMotion.cpp, project/ButtonStyleChange.cpp).

    // Rebuilds the project's menus from a theme: loads the theme for the aspect ratio of the
    // project's encoding parameters (with bProjectTheme the theme the project's templates came
    // from, in the theme folder of that aspect ratio; else, or when that does not load, the
    // default theme of the aspect ratio, CMenuStyleUtil::LoadDefault); then deletes the
    // project's main and chapter menus, its templates, the transition menus and the background
    // titles they leave unused; copies the theme's templates; makes a new root menu (AddMenu);
    // gives every title but the intro and the private ones a button (AddButton) in project
    // order, on pages added as they fill, and with bChapterMenus a chapter menu behind each
    // button of a title of more than one chapter (MakeChapterMenuBtn); reflows the root chain
    // (ReflowMenus with bForce). Titles lose the end command of a project without menus, and
    // commands of the project and its titles that led to deleted menus lead to the new root
    // menu. pMenu (may be null), a main menu of the project, survives as the root menu: it
    // loses its buttons and takes the new theme's look, its texts keep their words. A theme
    // that cannot be loaded is returned before anything changes; a later failure is returned
    // with the steps before it done. E_INVALIDARG for a pMenu that is no main menu of the
    // project; E_POINTER for a null project.
    static HRESULT RegenerateMenus(IDSProjectData* pProj, IDSMenu* pMenu, bool bChapterMenus,
                                   bool bProjectTheme);
    // Makes every main and chapter menu of the project a moving menu (bMotion) or a still one
    // (MenuFlag_Still). E_POINTER for a null project.
    static HRESULT MakeAllMotion(IDSProjectData* pProj, bool bMotion);
    // Gives buttons the look of a button style file (LoadButtonFromFile: a button file, or a
    // "LinkedButton" to a button of a theme; "file::" prefix allowed) through
    // CDSMenuUtils::ApplyStyle: their place, links and words stay. buttons holds the IDs of
    // the buttons (an ID or an array of IDs); left out (VT_EMPTY), every command button of the
    // project's main menus. Nothing changes when the style does not load (its failure is
    // returned) or an ID names no button of the project (E_INVALIDARG); E_POINTER for a null
    // project or file name.
    static HRESULT ChangeButtonStyle(IDSProjectData* pProj, BSTR bsSrcFile, VARIANT buttons);

    // Project type changes (project/ChangeProjectType.cpp, project/ConvertProjectType.cpp,
    // project/FormatDefaults.cpp).

    // Switches the project to another disc format among 1 and 2 (standard definition) and 7 and
    // 11 (high definition), in this order: the disc format; fit-to-disc on; the TV standard of
    // the new format's family (settings 8 and 9); the encoding parameters of the format (AVC on
    // format 7 when AVCAvailable) with the aspect ratio 16:9, or 4:3 for formats 1 and 2 when
    // bFourByThreeForSD; on format 7 the disc size SZ_BD25; on format 11 the intro title goes
    // (DeleteTitle, with the commands that played it); from format 1 to 7 or 11 every command
    // button of the main menus loses its first transition, and the transition menus no button
    // leads to go; when the aspect ratio changed, a project with menus has them rebuilt
    // (RegenerateMenus with chapter menus and the project's theme). S_OK without any change for
    // the format the project has. E_FAIL ("Project Type is invalid") for an old or new format
    // outside 1, 2, 7 and 11. A failure is returned with the steps before it done.
    static HRESULT ChangeProjectType(IDSProjectData* pProj, DiscFormat eNewFormat,
                                     bool bFourByThreeForSD);

    // Options of ConvertProjectType.
    enum eConvertOptions : ULONG
    {
        ConvertProject_Menuless = 0x1, // a project without menus is wanted
    };
    // Converts the project to the disc format (1 to 11) and to a project with or without menus
    // (ConvertProject_Menuless). The format and its encoding parameters come first (at the
    // project's TV standard; video CDs are 4:3, format 1 gets the high-quality preset). A
    // project without menus then has no main or chapter menus (nor the transition menus and
    // backgrounds they used), its titles end with the end command of a project without menus
    // and no command leads to a menu. A project with menus has them rebuilt (RegenerateMenus)
    // when it had none, and for video CDs when it was 16:9 and for format 2 when it was 16:9;
    // otherwise its menus stay, cleaned up: no chapter menus on video CDs and format 2, still
    // menus where the disc plays no moving ones, links that lead nowhere mended, Up and Home
    // buttons repaired and the root chain reflowed. S_OK without any change when the format
    // and the menus are what the project has. E_FAIL ("Project Type is invalid") for a format
    // outside 1 to 11. The result of the last step; a failure is returned with the steps
    // before it done.
    static HRESULT ConvertProjectType(IDSProjectData* pProj, DiscFormat eNewFormat, ULONG options);

    // Application services (environment/CrashHandler.cpp, environment/WebReports.cpp,
    // environment/ReportLogEvent.cpp, environment/UserActionLog.cpp,
    // environment/VersionChecks.cpp, environment/ScreenCapture.cpp).

    // Installs the process's crash handler on the first call: a fatal signal (SIGSEGV,
    // SIGBUS, SIGFPE, SIGILL, SIGABRT) in any thread then writes a crash report to
    // "<temporary folder>/<name>.dmp" (the signal, the faulting address or the sending
    // process, the thread, a backtrace, the program with its build ID and the library's
    // version), hands it to the error-reporting object as "Crash_<name>" when that class is
    // registered (platform/ErrorReport.h), and ends the process by the same signal, as it
    // would have ended without the handler. Everything the report needs is prepared here.
    // Later calls change nothing and give S_FALSE; E_POINTER for a null name, E_INVALIDARG
    // for an empty one. The window is not used.
    static HRESULT RegisterCrashHandler(const wchar_t* name, HWND window);

    // Sends the message to the error-reporting object once: when web reporting (setting 77)
    // is on and the boolean setting key is true, the key is set to false first, then the
    // message is sent as a message report. S_FALSE when nothing was to be sent; a failure to
    // clear the key (nothing is sent then), to create the object or to send is returned.
    static HRESULT PhoneHome(const wchar_t* message, int key);

    // Writes one event to the system's event log (syslog) under the source's name, with no
    // user and no raw data. Failures are passed over.
    static void ReportLogEvent(const wchar_t* source, WORD type, DWORD eventId, WORD category,
                               WORD stringCount, const wchar_t** strings);

    // The log of the user's actions: "UserOperations.txt" in the "ReportBug" folder of the
    // temporary folder, deleted by the clean-up of temporary files once older than six days.
    // LogUserAction writes one record formatted by printf rules (wide, "%ls" for wide
    // strings; the format carries its own line break) and flushes it. The first record of the
    // process starts the log afresh; LogUserClear starts it afresh at once. GetLogUserFilename
    // closes the log so that it can be read, hands out its path (the caller frees it), and
    // makes the next record add to it. A log that cannot be opened leaves LogUserAction
    // silent.
    static void LogUserAction(const wchar_t* format, ...);
    static void LogUserClear();
    static HRESULT GetLogUserFilename(BSTR* pbstrPath);

    // Whether the system is version 5.1 or later, and 6 or later, of the desktop platform the
    // application was first written for; this system is newer than both.
    static bool IsXPOrLater();
    static bool IsVistaOrLater();

    // Flags of CaptureScreenToFile.
    enum eCaptureFlags : DWORD
    {
        Capture_ClipboardPicture = 0x1, // a picture on the clipboard is saved instead
    };
    // Saves a picture to path in the format its extension chooses (png, jpg, bmp …): with
    // Capture_ClipboardPicture and a picture (CF_DIB) on the clipboard that picture, after
    // which the clipboard is emptied; else the active window as it is shown.
    // HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE) when no window is active, as in a run
    // without a display; E_POINTER for a null path.
    static HRESULT CaptureScreenToFile(const wchar_t* path, DWORD flags);
};

// The web-report settings (environment/WebReports.cpp): web reporting on (setting 77) and its
// details (setting 78), read and written together. E_POINTER for a null out argument; a
// failing write is returned.
HRESULT DSConfigGetWebReportFlags(bool* pbWebReporting, bool* pbDetails);
HRESULT DSConfigSetWebReportFlags(bool bWebReporting, bool bDetails);
