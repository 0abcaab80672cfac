// Project operations of the application: static operations only. Each subsystem implements
// its own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSCapabilities.h"

#include "platform/Bstr.h"

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
