// Themes and the copying of their look onto a project's menus: static operations only.
//
// A theme is a project file (".dmsd") whose menus are templates: a menu tagged
// MenuType_MainTemplate serves main menus, one tagged MenuType_ChapterTemplate chapter menus
// (one may carry both). Copy operations take the destination first and the template second;
// they overwrite the look of the destination and keep what the user made there: the words of
// its texts, its thumbnail pictures, its links and, for command buttons, its place.
// No-overwrite operations only fill what the destination lacks.
//
// Every operation clears the calling thread's error stack first and reports failures there.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"

#include "platform/Bstr.h"
#include "platform/Xml.h"

#include <map>
#include <string>

class CMenuStyleUtil
{
public:
    CMenuStyleUtil() = delete;

    // What NoOverwriteCopy fills, as bits of its flags.
    enum NoOverwriteFlags : DWORD
    {
        NoOverwrite_Buttons = 0x01,    // navigation, command and chapter-range buttons
        NoOverwrite_Audio = 0x02,      // the menu's audio
        NoOverwrite_Background = 0x04, // the menu's background and duration
        NoOverwrite_Layout = 0x08,     // the button layout word and the layout rectangle
        NoOverwrite_Texts = 0x10,      // free texts
        NoOverwrite_Overlays = 0x20,   // generic overlays
    };

    // Loading themes (themes/ThemeLoading.cpp).

    // Loads the theme file (path macros allowed) into *ppTheme when it already holds a
    // project, else into a new project handed out through *ppTheme (one reference). Menu
    // audio of the templates is switched to an ".ac3" file of the same name beside it when
    // one exists. E_POINTER for a null ppTheme, E_INVALIDARG (nothing reported) when no file
    // is at the path, E_LOAD_CANT_CREATE_PROJECT or E_LOAD_CANT_CREATE_FILE_SERVICE when the
    // object model cannot make its objects, and the file service's failure for a file that
    // does not load (a new project is then released, *ppTheme stays null).
    static HRESULT Load(const wchar_t* pszThemeFile, IDSProjectData** ppTheme);

    // The default theme of a new or converted project. Tries the theme named by the setting of
    // the project's kind (high-definition for an HD project, else 4:3 or 16:9 by b4x3), then
    // the theme files of the aspect's theme folder in name order ("HD_*.dmsd" for an HD
    // project, falling back to "*.dmsd" when there is no such file), writing the first that
    // loads back into the setting; strThemePath receives the file used. When nothing loads,
    // *ppTheme receives the fallback theme (GetFallback) and strThemePath is left as it was.
    // Fails only when the fallback cannot be built.
    static HRESULT LoadDefault(bool b4x3, IDSProjectData** ppTheme, CComBSTR& strThemePath,
                               IDSProjectData* pCurrentProject);

    // The fallback theme (themes/FallbackTheme.cpp), built in memory when no theme file loads.

    // A new project (one reference through *ppTheme) with one template that serves main and
    // chapter menus (GetFallbackMainMenu).
    static HRESULT GetFallback(IDSProjectData** ppTheme);
    // Makes the menu a main- and chapter-menu template (tag 12): one command button holding a
    // 0.4 × 0.4 thumbnail overlay, the default layout in the rectangle (-0.9, 0.8, 0.9, -0.8)
    // and a blue background production.
    static HRESULT GetFallbackMainMenu(IDSMenu* pMenu);
    // The same as a chapter-menu template (tag 8) with a red background production.
    static HRESULT GetFallbackChapterMenu(IDSMenu* pMenu);
    // The path (caller frees) of a 15-second solid-colour production: red for kind 1, blue
    // for every other kind. E_FILTERMEDIAFILES_FILE_NOT_FOUND when the file is not there.
    static HRESULT GetDefaultVideoClip(BSTR* pbstrFile, int nKind = 0);
    // The path (caller frees) of the production "Default_Background_<r>_<g>_<b>.DMSM" in the
    // application data folder: one 15-second panel of the colour. Written on the first call
    // for a colour and reused by every later one.
    static HRESULT CreateColorPanelProduction(BYTE red, BYTE green, BYTE blue, BSTR* pbstrFile);

    // Theme documents and files (themes/ThemeDocuments.cpp).

    // A new document (one reference) with the declaration 'version="1.0" encoding="UTF-16"'
    // and an empty document element "Root" that declares the "dt" data-types namespace.
    static HRESULT CreateXMLDoc(IXMLDOMDocument** ppiDoc);
    // The path with its extension (from the last "." of its file name) replaced by strExt,
    // which carries its dot (".png"); a file name without a dot gets strExt appended. False,
    // strOut untouched, when the path or the extension is empty or null.
    static bool ChangeFileExtension(const wchar_t* pszPath, const wchar_t* pszExt,
                                    CComBSTR& strOut);
    // Not provided: returns E_NOTIMPL and leaves the map as it is.
    static HRESULT GetMapOfThemeFiles(std::map<std::wstring, std::wstring>& themes, bool bFlag);
    // Reserved: do nothing and return S_OK.
    static HRESULT ValidateTheme(IDSMenu* pMenu);
    static HRESULT ConstructSampleProject(IDSProjectData* pProject, IDSMenu* pMainTemplate,
                                          IDSMenu* pChapterTemplate);

    // Menus (themes/MenuCopy.cpp).

    // Gives pDst the look of the template pSrc: its TemplateID becomes pSrc's ID, and it takes
    // pSrc's background with its duration (only when pSrc has one), audio, palette,
    // subpicture colours, button layout and layout rectangle. Elements are left alone.
    static HRESULT MenuCopy(IDSMenu* pDst, IDSMenu* pSrc);
    // Copies the subpicture colours and the palette from pSrc to pDst. S_FALSE when either
    // is null; single failures are passed over.
    static HRESULT CopyMenuColorPalette(IDSMenu* pSrc, IDSMenu* pDst);
    // Makes pDst a duplicate of pSrc (properties, commands and elements, with fresh element
    // IDs) through the menus' XML form. bForceNativeSrc saves overlays that show titles as
    // the pictures they show now.
    static HRESULT DuplicateMenu(IDSMenu* pDst, IDSMenu* pSrc, bool bForceNativeSrc);

    // Elements (themes/ElementCopy.cpp, themes/ButtonCopy.cpp).

    // Gives pDst the look of pSrc: the source's elements replace the destination's, while the
    // destination keeps its own text, its first thumbnail's picture (still flag, source type,
    // source, in and out points, source time, rotation, montage title and fill) and its
    // commands. A navigation source (tag Next, Prev, Home or Up) moves pDst to its place;
    // command and chapter-range buttons keep theirs. With bUpdateText the destination's new
    // text element is labelled with its old label, else with its own text, else with the
    // source's words (for a source that is not a command button), else with what its link
    // leads to (the chapter number for a chapter after the first).
    static HRESULT ButtonCopy(IDSMenuButton* pDst, IDSMenuButton* pSrc, bool bUpdateText);
    // Gives pDst the size, alpha mask, highlight, source, rotation and place of pSrc, then its
    // in and out points, its caption (when not empty) and its still flag; failures of these
    // last four are reported and passed over. Tag and flags stay.
    static HRESULT OverlayCopy(IDSMenuOverlay* pDst, IDSMenuOverlay* pSrc);
    // Gives pDst the look (effect description) and place of pSrc; its words stay.
    static HRESULT TextCopy(IDSMenuText* pDst, IDSMenuText* pSrc);

    // Element sets of menus (themes/MenuElementsApply.cpp).

    // Appends to pDst copies of every text and then every generic overlay of pSrc.
    // E_INVALIDARG when pDst has no element list; S_FALSE when pSrc has neither.
    static HRESULT MenuElementsCopy(IDSMenu* pDst, IDSMenu* pSrc);
    // Applies the template's elements to the menu: texts and generic overlays paired by
    // index take the template's look (surplus template overlays are appended as copies,
    // surplus menu overlays deleted; surplus texts stay), the first Next, Prev, Up and Home
    // buttons take the look of the template's, and every command button that of the
    // template's first command button.
    static HRESULT MenuElementsApply(IDSMenu* pDst, IDSMenu* pSrc);

    // Filling without overwriting (themes/NoOverwriteCopy.cpp).

    // Fills what pDst lacks from pSrc by the NoOverwriteFlags bits; pDst's tag becomes main
    // (1) for a source tagged 1 or 4 and chapter (2) for one tagged 2 or 8. Button steps never
    // fail the operation; a failed background or audio step ends it. S_FALSE for a null menu.
    static HRESULT NoOverwriteCopy(IDSMenu* pDst, IDSMenu* pSrc, DWORD dwFlags);
    // Appends a copy of pSrc's first button of the type when pDst has none of it.
    static HRESULT NoOverwriteCopyButton(ULONG type, IDSMenu* pDst, IDSMenu* pSrc);
    // Appends copies of pSrc's buttons of the type beyond the number pDst has, then labels
    // pDst's buttons of the type with the chapter ranges of its pages ("1-6", "7-12" … for
    // six buttons per page).
    static HRESULT NoOverwriteButtonsArray(ULONG type, IDSMenu* pDst, IDSMenu* pSrc);
    // Whether the menu has a button whose tag shares a bit with the mask.
    static bool IsButtonExists(IDSMenu* pMenu, ULONG mask);

    // Templates made from templates (themes/MergedTemplate.cpp).

    // Appends copies of the menu's first command button until it has as many command buttons
    // as its layout holds. A menu without command buttons is left alone.
    static HRESULT FillUpMenuWithCommandButtons(IDSMenu* pMenu);
    // Fills a new menu with sample buttons of the types in the mask, made from its template
    // (Next, Prev, Up and Home, then a command button labelled "Movie 1" on a main menu or "1",
    // then on a chapter menu one chapter-range button per template one, labelled "83-89" …),
    // and arranges them. S_OK.
    static HRESULT PopulateMenu(IDSMenu* pMenu, ULONG types);
    // Builds pDst from a main template and, for buttons the main one lacks, a second template
    // (may be null), fills its command buttons up to its layout and arranges them. pDst is of
    // the main template's kind. S_OK; the last argument is not used.
    static HRESULT ConstructMergedTemplate(IDSMenu* pDst, IDSMenu* pMain, IDSMenu* pSecond,
                                           DWORD dwUnused);
};
