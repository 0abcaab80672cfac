// Button styles: the library of button files a user picks a look from. Each style is one XML
// file in the button folder of an aspect ratio (CDSFileUtils::DirButtons4x3 and
// DirButtons16x9), with an optional preview picture of the same name and the extension ".PNG"
// beside it. A style file holds either a whole button (a "Button" element as the object model
// writes it) or a "LinkedButton" element that names a button of a shipped theme:
//
//     <LinkedButton link="Aurora" ID="12"/>
//
// where link is the theme's file name without ".dmsd" in the theme folder of the same aspect
// and ID the ID of a button in it.
//
// The styles of each aspect are read once per process into a cache (FlushButtonStyleCache
// empties both). The cache and the loaders are used from one thread.
#pragma once

#include "platform/Xml.h"

#include <string>
#include <vector>

struct IDSMenuButton;

// One cached style.
struct DSButtonStyleInfo
{
    // The name of the style's button (IDSMenuElement::get_Name).
    std::wstring m_strName;
    // The full path of the style file.
    std::wstring m_strPath;
    // The full path of the preview picture; empty when the style has none.
    std::wstring m_strPreview;
    // The style button's tag: the ButtonTypes it serves.
    DWORD m_dwTypeMask = 0;
    // Carries no meaning; always 0.
    DWORD m_dwReserved = 0;
};

// Fills the cache of an aspect from its button folder, once: every "*.xml" file that loads
// into a button becomes an entry, in name order; files that do not load are passed over
// (traced to the debug output). S_OK also for a missing or empty folder; E_NOTIMPL, nothing
// done, when bNotImplemented is set; a failure to create the button the files are loaded into
// is returned.
HRESULT InitButtonStyleCache(bool b4x3, bool bNotImplemented = false);

// The styles of an aspect whose type mask shares a bit with dwTypeMask, in cache order,
// after filling the cache when needed. out is emptied first; its pointers stay valid until
// the cache is flushed. S_OK (also when bNotImplemented left the cache unfilled); a failure
// to fill the cache is returned.
HRESULT GetButtonStyleInfo(std::vector<const DSButtonStyleInfo*>& out, DWORD dwTypeMask, bool b4x3,
                           bool bNotImplemented = false);

// Empties both caches, so that the next use reads the folders again. Always E_NOTIMPL, which
// callers must not take for a failure of the flush.
HRESULT FlushButtonStyleCache();

// Whether a style name (a path, optionally after "file::" or "file:") names an existing file
// directly in the button folder of the aspect; folders compare without regard to case.
bool IsFileButtonStyle(const wchar_t* pszStyle, bool b4x3);

// Loads a style file (a path, optionally after "file::" or "file:") into the button. A
// "LinkedButton" loads the theme button it names, in the theme folder of the style's aspect:
// that of the button folder the file lies in, else 4:3 for a path holding "4x3" and 16:9 for
// any other. E_POINTER for a null argument;
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing file and E_INVALIDARG for one that is
// not well-formed XML or no button; E_BUTTONSTYLE_UNSAFE_LINK for a link that is not a plain
// theme name and E_BUTTONSTYLE_LINKED_BUTTON_NOT_FOUND when the theme has no such button.
// The button is left as it was on every failure.
HRESULT LoadButtonFromFile(const wchar_t* pszPath, IDSMenuButton* pButton);

// For a "LinkedButton" element: loads the theme button it names (see LoadButtonFromTheme) and
// sets *pbFound when there was one. The link must be a plain file name: one that is empty or
// holds a separator, a drive colon or ".." loads nothing and gives
// E_BUTTONSTYLE_UNSAFE_LINK; an ID that is no number gives E_INVALIDARG. Any other element
// leaves *pbFound false and gives S_FALSE.
HRESULT ButtonIndirectLoad(bool b4x3, IXMLDOMElement* pElement, IDSMenuButton* pButton,
                           bool* pbFound);

// Loads the first "Button" element of a theme file whose "ID" attribute is lButtonId into
// the button and sets *pbFound. S_OK with *pbFound false when the theme has no such button;
// the file errors of LoadButtonFromFile for a theme that cannot be read.
HRESULT LoadButtonFromTheme(const wchar_t* pszThemeFile, IDSMenuButton* pButton, bool* pbFound,
                            LONG lButtonId);
