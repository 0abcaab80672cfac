// Project operations of the application: static operations only. Each subsystem implements
// its own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSCapabilities.h"

#include "platform/Bstr.h"

struct IDSProjectData;

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

    // Theme content (themes/ThemeContent.cpp).

    // Checks that a loaded theme can make menus: it has a main-menu template
    // (MenuType_MainTemplate) with a command button, and the background and audio files its
    // templates name are there (production monikers are not checked). Every shortcoming is
    // reported on the error stack; E_VERIFYACTIVETHEMECONTENT_INCOMPLETE when there is one,
    // E_POINTER for a null theme.
    static HRESULT VerifyActiveThemeContent(IDSProjectData* pTheme);
};
