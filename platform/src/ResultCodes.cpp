#include "platform/ResultCodes.h"

#include "platform/WideFormat.h"

#include <iterator>

namespace {

struct ResultCodeEntry
{
    HRESULT code;
    const wchar_t* name;
    const wchar_t* description;
};

#define WIDE_TEXT_(text) L##text
#define WIDE_TEXT(text) WIDE_TEXT_(text)
#define RESULT_CODE(code, description)                                                             \
    {                                                                                              \
        code, WIDE_TEXT(#code), description                                                        \
    }

const ResultCodeEntry kResultCodes[] = {
    RESULT_CODE(S_OK, L"The operation succeeded"),
    RESULT_CODE(S_FALSE, L"The operation succeeded with a negative answer"),
    RESULT_CODE(E_NOTIMPL, L"Not implemented"),
    RESULT_CODE(E_NOINTERFACE, L"No such interface supported"),
    RESULT_CODE(E_POINTER, L"A required pointer is null"),
    RESULT_CODE(E_ABORT, L"The operation was aborted"),
    RESULT_CODE(E_FAIL, L"Unspecified error"),
    RESULT_CODE(E_UNEXPECTED, L"Catastrophic failure"),
    RESULT_CODE(E_ACCESSDENIED, L"Access is denied"),
    RESULT_CODE(E_HANDLE, L"The handle is invalid"),
    RESULT_CODE(E_OUTOFMEMORY, L"Not enough memory is available"),
    RESULT_CODE(E_INVALIDARG, L"One or more arguments are invalid"),
    RESULT_CODE(CLASS_E_NOAGGREGATION, L"The class cannot be created as part of an aggregate"),
    RESULT_CODE(CLASS_E_CLASSNOTAVAILABLE, L"The class factory cannot supply the class"),
    RESULT_CODE(REGDB_E_CLASSNOTREG, L"The class is not registered"),
    RESULT_CODE(DISP_E_BADVARTYPE, L"The variant type is not supported"),
    RESULT_CODE(DISP_E_TYPEMISMATCH, L"The value has the wrong type"),
    RESULT_CODE(DISP_E_BADINDEX, L"The array index is out of range"),
    RESULT_CODE(DISP_E_ARRAYISLOCKED, L"The array is locked"),
    {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), L"HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)",
     L"The file cannot be found"},
    {HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), L"HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)",
     L"The path cannot be found"},
    {HRESULT_FROM_WIN32(ERROR_DISK_FULL), L"HRESULT_FROM_WIN32(ERROR_DISK_FULL)",
     L"There is not enough space on the disk"},
    {HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS), L"HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS)",
     L"The file already exists"},
    {HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE),
     L"HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE)", L"The file name or path is too long"},
    {HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE),
     L"HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE)", L"There is no such window"},
    // Media files (production/MediaFileQueries.cpp reports them): unreadable data, a file
    // type without an encoder, and the media engine's reasons why a file cannot be edited.
    {HRESULT_FROM_WIN32(13), L"HRESULT_FROM_WIN32(ERROR_INVALID_DATA)", L"The data is invalid"},
    {HRESULT_FROM_WIN32(50), L"HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED)",
     L"The request is not supported"},
    {MakeHResult(0x80040201u), L"KVG_E_NO_VIDEO", L"The file holds no pictures"},
    {MakeHResult(0x80040202u), L"KVG_E_FRAME_TOO_LARGE",
     L"The file's frames are too large to edit"},
    {MakeHResult(0x80040203u), L"KVG_E_NO_FILE", L"No media file was given"},
    RESULT_CODE(E_FILTERMEDIAFILES_FILE_NOT_FOUND, L"A media file does not exist"),
    RESULT_CODE(E_SETCMD_INVALID_TARGET, L"The link target is neither a menu nor a title"),
    RESULT_CODE(E_FINDORPHANS_UNKNOWN_LINK_TARGET,
                L"A command links to an object that is not in the project"),
    RESULT_CODE(E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED,
                L"The menu already has as many buttons as it can hold"),
    RESULT_CODE(E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED,
                L"The title already has as many chapters as it can hold"),
    RESULT_CODE(E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED,
                L"The project already has as many chapters as it can hold"),
    RESULT_CODE(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED,
                L"The project already has as many titles as it can hold"),
    RESULT_CODE(E_ADDTITLESWITHBUTTON_FAILED, L"Titles with buttons could not be added"),
    // chapters/DSChapterList.cpp
    RESULT_CODE(E_INSERTCHAPTER_PAST_TITLE_END,
                L"A chapter cannot start at or after the end of its title"),
    RESULT_CODE(E_CHAPTERLIST_NO_STORED_MARKER, L"The chapter has no stored marker"),
    RESULT_CODE(E_ADDCOPYTOCLIPBOARD_NO_COPY, L"The element could not be copied"),
    RESULT_CODE(E_SETWINDOWSCLIPBOARDMARKER_FAILED, L"The clipboard could not be opened"),
    RESULT_CODE(E_GETTRANSITION_NOT_FOUND, L"The command list holds no transition"),
    RESULT_CODE(E_GETTRANSITION_NO_NODE, L"The transition entry has no node"),
    RESULT_CODE(E_COMMANDLIST_INDEX_OUT_OF_RANGE, L"The command index is out of range"),
    RESULT_CODE(E_SETTRANSITION_NOT_A_TRANSITION, L"The command is not a transition"),
    RESULT_CODE(E_SETRESOLUTION_NOT_ALLOWED, L"The resolution is not allowed for the format"),
    RESULT_CODE(E_FINDMINAUDIOBITRATE_NO_RATE, L"No audio bitrate is allowed"),
    RESULT_CODE(E_FINDFILE_NO_MORE_FILES, L"No further file matches the search"),
    RESULT_CODE(E_ADDTITLE_FILE_NOT_EDITABLE, L"File is non-editable!"),
    RESULT_CODE(E_ADDTITLE_FAILED, L"The title could not be added"),
    RESULT_CODE(E_UPDATECHAPTERMENUSFROMBTN_NO_CHAPTER_MENU,
                L"The button leads to no chapter menu"),
    RESULT_CODE(E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE, L"The chapter menu has no title"),
    RESULT_CODE(E_PARSEINFOFILE_CANT_PARSE, L"The info file cannot be parsed"),
    RESULT_CODE(E_SETAUDIOSPEC_NOT_ALLOWED, L"The audio format is not allowed"),
    RESULT_CODE(E_TRANSITIONFINDBYNAME_NOT_FOUND, L"No transition has that name"),
    RESULT_CODE(E_GETALIGNMENTRECT_INVALID_ALIGNMENT, L"The alignment is not known"),
    RESULT_CODE(E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND, L"No main command for a post command"),
    RESULT_CODE(E_ADDMENU_NO_TEMPLATE, L"No template for a new menu"),
    RESULT_CODE(E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND, L"No template of the asked menu type"),
    RESULT_CODE(E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING,
                L"Only one of the two elements to match exists"),
    RESULT_CODE(E_LINKMENUTOCHAIN_NO_CHAIN, L"No chain to append to"),
    RESULT_CODE(E_CHAPTERMENUS_NO_MARKER_LIST, L"The title's production has no marker list"),
    RESULT_CODE(E_FINDBUTTONATPOS_NOTHING_HIT, L"No button at that position"),
    RESULT_CODE(E_VALIDATEPRODUCTION_MISSING_FILES, L"The production is missing files"),
    RESULT_CODE(E_SAVEIMAGE32_CANT_CREATE_BITMAP, L"The bitmap could not be created"),
    RESULT_CODE(E_SETELEMENTPOS_NO_EFFECT_ITEM, L"The element has no effect item"),
    RESULT_CODE(E_READTHEMEFILE_INVALID_DATA, L"The theme file holds invalid data"),
    RESULT_CODE(E_ELEMENTCOPY_KIND_MISMATCH, L"The elements are of different kinds"),
    RESULT_CODE(E_LOAD_CANT_CREATE_PROJECT, L"The theme project could not be created"),
    RESULT_CODE(E_LOAD_CANT_CREATE_FILE_SERVICE, L"The project file service could not be created"),
    // CDSAppUtils::VerifyActiveThemeContent (themes/ThemeContent.cpp).
    RESULT_CODE(E_VERIFYACTIVETHEMECONTENT_INCOMPLETE,
                L"The theme lacks content that menus are made from"),
    RESULT_CODE(E_APPLYALLBUTTONS_NO_TEMPLATE_BUTTON,
                L"The template has no button of the asked type"),
    RESULT_CODE(E_LINKNAVBUTTON_NO_TEMPLATE, L"The menu has no template"),
    RESULT_CODE(E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON,
                L"The template has no navigation button of the asked kind"),
    RESULT_CODE(E_BUTTONLINK_INVALID_BUTTON_ID, L"The button has no valid ID"),
    RESULT_CODE(E_OVERLAYSOURCE_CANT_RESOLVE, L"The overlay source could not be resolved"),
    RESULT_CODE(E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE,
                L"The transition catalogue could not be loaded"),
    // Button styles (src/themes/DSButtonStyleInfo.cpp).
    RESULT_CODE(E_BUTTONSTYLE_UNSAFE_LINK,
                L"The linked button names no plain theme file of the theme folder"),
    RESULT_CODE(E_BUTTONSTYLE_LINKED_BUTTON_NOT_FOUND,
                L"The linked theme has no button with the linked ID"),
};

#undef RESULT_CODE
#undef WIDE_TEXT
#undef WIDE_TEXT_

const ResultCodeEntry* Find(HRESULT hr)
{
    for (const ResultCodeEntry& entry : kResultCodes) {
        if (entry.code == hr)
            return &entry;
    }
    return nullptr;
}

} // namespace

const wchar_t* ResultCodeName(HRESULT hr)
{
    const ResultCodeEntry* entry = Find(hr);
    return entry ? entry->name : nullptr;
}

const wchar_t* ResultCodeDescription(HRESULT hr)
{
    const ResultCodeEntry* entry = Find(hr);
    return entry ? entry->description : nullptr;
}

std::wstring ResultCodeText(HRESULT hr)
{
    const ResultCodeEntry* entry = Find(hr);
    unsigned int value = static_cast<uint32_t>(hr);
    if (!entry)
        return FormatWide(L"0x%08X: unknown result code", value);
    return FormatWide(L"%ls (0x%08X): %ls", entry->name, value, entry->description);
}
