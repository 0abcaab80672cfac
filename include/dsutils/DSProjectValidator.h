// Examines a whole project before it is burned and lists everything that would spoil the disc
// as CErrorInfo records: overlapping buttons, buttons that lead nowhere, menus and titles no
// command refers to, missing or unloadable files, empty titles, slideshows with too many
// slides, too little working space and MPEG audio on NTSC discs. Records of severity
// ErrorSeverity_Fatal stop burning.
//
//     CDSProjectValidator validator;
//     CHECK_HR(validator.validateProject(spProject));
//     if (validator.areErrorsPreventingBurn())
//         ShowFindings(validator.getErrorList());
//
// Menus tagged only as templates (MenuType_MainTemplate, MenuType_ChapterTemplate) are hidden
// models for new menus and never reach the disc; no check looks at them.
//
// The capacity checks answer, before a title, a chapter or a button is added, whether one more
// fits; their limits are the configured capabilities 28 to 31 (CDSConfig).
#pragma once

#include "dsutils/ErrorInfo.h"

#include "model/FloatRect.h"

#include "platform/Unknown.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

class CCommandList;
struct IDSMenu;
struct IDSProjectData;

class CDSProjectValidator
{
public:
    // Gives the free space, in bytes, that the user may fill on the volume of a folder.
    using FreeSpaceQuery = std::function<HRESULT(const std::wstring& folder, ULONGLONG& bytes)>;

    // Asks the system for free space (statvfs).
    CDSProjectValidator();
    // Copies take the findings, the referenced IDs and the free-space query.
    CDSProjectValidator(const CDSProjectValidator& other) = default;
    CDSProjectValidator& operator=(const CDSProjectValidator& other) = default;
    virtual ~CDSProjectValidator() = default;

    // Runs the checks in this order, each adding its findings to the list: slideshows, orphans,
    // overlapping buttons, missing or corrupt files, disk space, NTSC with MPEG audio. The list
    // is not emptied first (clearErrors does that), so a second run lists every finding again.
    // Missing files, empty titles and the like are findings, never failures. A check that
    // cannot read the project stops the run and returns the failure; the findings made so far
    // stay. E_POINTER when the argument is not a project.
    HRESULT validateProject(IUnknown* pProject);

    // The findings in the order the checks made them.
    std::vector<CErrorInfo>& getErrorList() { return m_errors; }
    int getNumberOfErrors() const { return static_cast<int>(m_errors.size()); }
    void clearErrors() { m_errors.clear(); }
    // Whether a finding of severity ErrorSeverity_Fatal is in the list.
    bool areErrorsPreventingBurn() const;
    // The application writes the texts of the findings; this does nothing and returns S_OK.
    HRESULT generateErrorText() { return S_OK; }

    // Replaces the free-space query (tests give one that needs no real disk); an empty query
    // puts the system's back.
    void setFreeSpaceQuery(FreeSpaceQuery query);

    // Capacity checks: S_OK when one more title, chapter or button fits, the check's code when
    // the count has reached the configured limit. Nothing is reported on the error stack.
    // Titles of the project, private ones left out: E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED.
    static HRESULT CheckMaxTitlesPerProject(IDSProjectData* pProject);
    // Chapters of a title (or of its production): E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED;
    // S_FALSE for null.
    static HRESULT CheckMaxChaptersPerTitle(IUnknown* pObject);
    // Chapters of every title of the project of the object (a project or one of its titles),
    // private ones left out: E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED; S_FALSE for null.
    static HRESULT CheckMaxChaptersPerProject(IUnknown* pObject);
    // Buttons of the menu's own list, of every kind, against the limit for its aspect ratio:
    // E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED.
    static HRESULT CheckMaxButtonsPerMenu(IDSMenu* pMenu);

    // Rectangle tests in menu space (y upward). Edges count as inside.
    static bool isInside(float x, float y, const FloatRect& r);
    // Whether a is taller and narrower than b and crosses it, so that no corner of either lies
    // in the other.
    static bool areRectanglesIntersectingOutside(const FloatRect& a, const FloatRect& b);
    // Whether the rectangles share a point: a corner of one lies in the other (which also
    // holds when one lies wholly inside the other), or they cross.
    static bool areRectanglesIntersecting(const FloatRect& a, const FloatRect& b);

protected:
    // The checks that validateProject runs, in its order.
    HRESULT findTooBigSlideshows(IDSProjectData* pProject);
    HRESULT findOrphans(IDSProjectData* pProject);
    HRESULT findOverlappingButtons(IDSProjectData* pProject);
    HRESULT findMissingOrCorruptFiles(IDSProjectData* pProject);
    HRESULT checkForRemainingDiskSpace(IDSProjectData* pProject);
    HRESULT checkForNTSCwithMPEG(IDSProjectData* pProject);

    // Searches the production of the owner (a menu or a title), and once each every production
    // reachable from it, for missing or unloadable files, an empty title production and menus
    // that show an empty title. A production met again (one that contains itself) is not
    // searched twice.
    HRESULT doRecursiveSearch(IUnknown* pSbd, LONG nOwnerID, VARIANT_BOOL bIsMenu,
                              IDSProjectData* pProject);
    // Adds the titles and menus the commands lead to to the referenced-ID set. pMenu is the
    // menu whose own or button commands they are (null for others): a menu that leads to
    // itself is not referred to by that.
    HRESULT scanCommandsForIDs(CCommandList& commands, IDSProjectData* pProject, IDSMenu* pMenu);

private:
    std::vector<CErrorInfo> m_errors;
    std::set<LONG> m_referencedIDs;
    FreeSpaceQuery m_freeSpace;
};
