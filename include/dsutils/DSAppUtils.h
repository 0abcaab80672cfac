// Project operations of the application: static operations only. Each subsystem implements
// its own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSCapabilities.h"

#include "platform/Bstr.h"

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
};
