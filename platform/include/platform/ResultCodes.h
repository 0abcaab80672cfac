// The system's private failure codes (severity 11, facility 0x201) and the texts of every
// result code the system returns.
#pragma once

#include "platform/WinTypes.h"

#include <string>

constexpr HRESULT MakePrivateCode(uint32_t number)
{
    return MakeHResult(0xC2010000u + number);
}

constexpr HRESULT E_FILTERMEDIAFILES_FILE_NOT_FOUND = MakePrivateCode(0x1B);
constexpr HRESULT E_SETCMD_INVALID_TARGET = MakePrivateCode(0x37);
constexpr HRESULT E_FINDORPHANS_UNKNOWN_LINK_TARGET = MakePrivateCode(0x4B);
constexpr HRESULT E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED = MakePrivateCode(0x6A);
constexpr HRESULT E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED = MakePrivateCode(0x6B);
constexpr HRESULT E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED = MakePrivateCode(0x6C);
constexpr HRESULT E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED = MakePrivateCode(0x6D);
constexpr HRESULT E_ADDTITLESWITHBUTTON_FAILED = MakePrivateCode(0x70);
// chapters/DSChapterList.cpp
constexpr HRESULT E_INSERTCHAPTER_PAST_TITLE_END = MakePrivateCode(0x72);
constexpr HRESULT E_CHAPTERLIST_NO_STORED_MARKER = MakePrivateCode(0x73);
constexpr HRESULT E_ADDCOPYTOCLIPBOARD_NO_COPY = MakePrivateCode(0x74);
constexpr HRESULT E_SETWINDOWSCLIPBOARDMARKER_FAILED = MakePrivateCode(0x75);
constexpr HRESULT E_GETTRANSITION_NOT_FOUND = MakePrivateCode(0x76);
constexpr HRESULT E_GETTRANSITION_NO_NODE = MakePrivateCode(0x77);
constexpr HRESULT E_COMMANDLIST_INDEX_OUT_OF_RANGE = MakePrivateCode(0x78);
constexpr HRESULT E_SETTRANSITION_NOT_A_TRANSITION = MakePrivateCode(0x79);
constexpr HRESULT E_SETRESOLUTION_NOT_ALLOWED = MakePrivateCode(0x7B);
constexpr HRESULT E_FINDMINAUDIOBITRATE_NO_RATE = MakePrivateCode(0x7C);
constexpr HRESULT E_FINDFILE_NO_MORE_FILES = MakePrivateCode(0x7E);
constexpr HRESULT E_ADDTITLE_FILE_NOT_EDITABLE = MakePrivateCode(0x81);
constexpr HRESULT E_ADDTITLE_FAILED = MakePrivateCode(0x82);
constexpr HRESULT E_UPDATECHAPTERMENUSFROMBTN_NO_CHAPTER_MENU = MakePrivateCode(0x83);
constexpr HRESULT E_UPDATECHAPTERMENUSFROMBTN_NO_TITLE = MakePrivateCode(0x84);
constexpr HRESULT E_PARSEINFOFILE_CANT_PARSE = MakePrivateCode(0x85);
constexpr HRESULT E_SETAUDIOSPEC_NOT_ALLOWED = MakePrivateCode(0x89);
constexpr HRESULT E_TRANSITIONFINDBYNAME_NOT_FOUND = MakePrivateCode(0x8C);
constexpr HRESULT E_GETALIGNMENTRECT_INVALID_ALIGNMENT = MakePrivateCode(0x8E);
constexpr HRESULT E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND = MakePrivateCode(0x8F);
constexpr HRESULT E_ADDMENU_NO_TEMPLATE = MakePrivateCode(0x90);
constexpr HRESULT E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND = MakePrivateCode(0x91);
constexpr HRESULT E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING = MakePrivateCode(0x92);
constexpr HRESULT E_LINKMENUTOCHAIN_NO_CHAIN = MakePrivateCode(0x93);
constexpr HRESULT E_CHAPTERMENUS_NO_MARKER_LIST = MakePrivateCode(0x94);
constexpr HRESULT E_FINDBUTTONATPOS_NOTHING_HIT = MakePrivateCode(0x95);
constexpr HRESULT E_VALIDATEPRODUCTION_MISSING_FILES = MakePrivateCode(0x98);
constexpr HRESULT E_SAVEIMAGE32_CANT_CREATE_BITMAP = MakePrivateCode(0x99);
constexpr HRESULT E_SETELEMENTPOS_NO_EFFECT_ITEM = MakePrivateCode(0x9A);
constexpr HRESULT E_READTHEMEFILE_INVALID_DATA = MakePrivateCode(0x9D);
constexpr HRESULT E_ELEMENTCOPY_KIND_MISMATCH = MakePrivateCode(0x9E);
constexpr HRESULT E_LOAD_CANT_CREATE_PROJECT = MakePrivateCode(0xA0);
constexpr HRESULT E_LOAD_CANT_CREATE_FILE_SERVICE = MakePrivateCode(0xA1);
// CDSAppUtils::VerifyActiveThemeContent (themes/ThemeContent.cpp).
constexpr HRESULT E_VERIFYACTIVETHEMECONTENT_INCOMPLETE = MakePrivateCode(0xA2);
constexpr HRESULT E_APPLYALLBUTTONS_NO_TEMPLATE_BUTTON = MakePrivateCode(0xA3);
constexpr HRESULT E_LINKNAVBUTTON_NO_TEMPLATE = MakePrivateCode(0xA4);
constexpr HRESULT E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON = MakePrivateCode(0xA5);
constexpr HRESULT E_BUTTONLINK_INVALID_BUTTON_ID = MakePrivateCode(0xA6);
constexpr HRESULT E_OVERLAYSOURCE_CANT_RESOLVE = MakePrivateCode(0xAC);
constexpr HRESULT E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE = MakePrivateCode(0x13F);
// Button styles (src/themes/DSButtonStyleInfo.cpp).
constexpr HRESULT E_BUTTONSTYLE_UNSAFE_LINK = MakePrivateCode(0x140);
constexpr HRESULT E_BUTTONSTYLE_LINKED_BUTTON_NOT_FOUND = MakePrivateCode(0x141);

// The symbolic name of a result code ("E_POINTER"), or null for a code outside the table.
const wchar_t* ResultCodeName(HRESULT hr);

// A sentence that describes a result code, or null for a code outside the table.
const wchar_t* ResultCodeDescription(HRESULT hr);

// The full text of a result code: "NAME (0xXXXXXXXX): description", or
// "0xXXXXXXXX: unknown result code" for a code outside the table.
std::wstring ResultCodeText(HRESULT hr);
