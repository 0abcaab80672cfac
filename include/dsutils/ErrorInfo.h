// One finding of the project validator: what is wrong (a code), how bad it is (a severity) and
// which objects of the project it concerns. The record carries no message of its own: the
// application maps codes to the texts it shows.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// How bad a finding is. A fatal finding stops burning.
enum eErrorSeverity : LONG
{
    ErrorSeverity_Info = 1,
    ErrorSeverity_Warning = 2,
    ErrorSeverity_Fatal = 4,
};

// What a finding is about. The values are what the application maps to its messages.
enum eErrorCodes : LONG
{
    // Two buttons of a menu overlap (warning): item ID and the affected item are the buttons.
    ErrorCode_OverlappingButtons = 1,
    // A title's production or one of its files is missing or cannot be loaded (fatal).
    ErrorCode_TitleFileMissing = 3,
    // A menu's production or one of its files is missing or cannot be loaded (fatal).
    ErrorCode_MenuFileMissing = 4,
    // A data file of the project cannot be opened (warning).
    ErrorCode_DataFileUnreadable = 7,
    // A button leads nowhere (warning): item ID is the button, menu ID its menu.
    ErrorCode_ButtonLeadsNowhere = 8,
    // No command refers to the menu (warning).
    ErrorCode_MenuNotReferenced = 9,
    // No command refers to the title (warning).
    ErrorCode_TitleNotReferenced = 10,
    // The project has titles or menus but nothing the disc starts with (fatal).
    ErrorCode_NoFirstPlay = 11,
    // The project has nothing at all to play (fatal).
    ErrorCode_NothingToPlay = 12,
    // The code of a new record.
    ErrorCode_Unspecified = 13,
    // A slideshow has more slides than a disc can hold (fatal).
    ErrorCode_TooManySlides = 14,
    // The working folder has too little free space (fatal).
    ErrorCode_NotEnoughDiskSpace = 15,
    // A title's production is empty (fatal).
    ErrorCode_EmptyTitle = 17,
    // A menu shows the production of an empty title (fatal).
    ErrorCode_MenuShowsEmptyTitle = 18,
    // An NTSC project uses MPEG audio (information).
    ErrorCode_NTSCWithMPEGAudio = 19,
};

class CErrorInfo
{
public:
    // Code 13, severity 1, item IDs and menu ID -1, no strings, empty lists.
    CErrorInfo() = default;

    eErrorCodes getErrorCode() const { return m_eErrorCode; }
    eErrorSeverity getErrorSeverity() const { return m_eErrorSeverity; }
    LONG getItemID() const { return m_lItemID; }
    LONG getItemID2() const { return m_lItemID2; }
    LONG getMenuID() const { return m_lMenuID; }
    const std::wstring& getFileName() const { return m_strFileName; }
    const std::wstring& getErrorText() const { return m_strErrorText; }
    const std::vector<LONG>& getAffectedItems() const { return m_affectedItems; }
    const std::vector<LONG>& getAffectedMenus() const { return m_affectedMenus; }
    const std::vector<LONG>& getAffectedTitles() const { return m_affectedTitles; }
    int getNumberOfAffectedMenus() const { return static_cast<int>(m_affectedMenus.size()); }
    int getNumberOfAffectedTitles() const { return static_cast<int>(m_affectedTitles.size()); }

    void setErrorCode(eErrorCodes code) { m_eErrorCode = code; }
    void setErrorSeverity(eErrorSeverity severity) { m_eErrorSeverity = severity; }
    void setItemID(LONG id) { m_lItemID = id; }
    void setItemID2(LONG id) { m_lItemID2 = id; }
    void setMenuID(LONG id) { m_lMenuID = id; }
    // The strings are copied; a null pointer empties them.
    void setFileName(const wchar_t* name) { m_strFileName = name ? name : L""; }
    void setErrorText(const wchar_t* text) { m_strErrorText = text ? text : L""; }

    // Append an ID at the end of a list; an ID added twice stands there twice.
    void addAffectedItem(LONG id) { m_affectedItems.push_back(id); }
    void addAffectedMenu(LONG id) { m_affectedMenus.push_back(id); }
    void addAffectedTitle(LONG id) { m_affectedTitles.push_back(id); }
    void clearAffectedItems() { m_affectedItems.clear(); }
    void clearAffectedMenus() { m_affectedMenus.clear(); }
    void clearAffectedTitles() { m_affectedTitles.clear(); }

private:
    eErrorCodes m_eErrorCode = ErrorCode_Unspecified;
    eErrorSeverity m_eErrorSeverity = ErrorSeverity_Info;
    LONG m_lItemID = -1;
    std::vector<LONG> m_affectedItems;
    LONG m_lItemID2 = -1;
    LONG m_lMenuID = -1;
    std::wstring m_strFileName;
    std::wstring m_strErrorText;
    std::vector<LONG> m_affectedMenus;
    std::vector<LONG> m_affectedTitles;
};
