// The chapters of a title as a 1-based list over the marker list of the title's production.
// Chapter 1 always starts at time 0 and has no marker; chapter n (n >= 2) is the production's
// chapter marker at position n - 2. A chapter marker's link names its thumbnail marker (or is
// negative when it has none); the production's own thumbnail is the thumbnail marker linked
// -5. Times are seconds.
//
//     CDSChapterList chapters(spProduction);
//     LONG lIndex = 0;
//     CHECK_HR(chapters.InsertChapter(65.0, &lIndex));
//
// Every operation clears the error stack first and leaves its failures on it.
#pragma once

#include "platform/ComPtr.h"
#include "platform/WinTypes.h"

struct IKVEMarkerList;
struct KVEMarker;

class CDSChapterList
{
public:
    // Takes the marker list of source (a production) and finds its production thumbnail. A
    // first chapter marker before 0.5 seconds is removed from the production, since chapter 1
    // already starts there. A source without a marker list gives a list of one chapter whose
    // other operations fail with E_POINTER.
    explicit CDSChapterList(IUnknown* pSource);
    // Copies share the marker list.
    CDSChapterList(const CDSChapterList& other);
    CDSChapterList& operator=(const CDSChapterList& other);
    ~CDSChapterList();

    // The number of chapter markers plus 1 (1 when they cannot be counted).
    LONG GetChapterCount();
    // Where the chapter starts: 0 for chapter 1, else its marker's time.
    HRESULT GetChapterTime(LONG lChapter, double& dTime);
    // Moves the chapter's marker. E_CHAPTERLIST_NO_STORED_MARKER for chapter 1 and for a
    // chapter the list does not have.
    HRESULT SetChapterTime(LONG lChapter, double dTime);
    // Adds a chapter at the time and gives its 1-based index through *plIndex (when given).
    // E_FAIL for a time before 0.9 seconds or not a number; E_INSERTCHAPTER_PAST_TITLE_END for
    // a time at or after the end of the production, which no player could reach.
    HRESULT InsertChapter(double dTime, LONG* plIndex);
    // Removes the chapter's marker. E_CHAPTERLIST_NO_STORED_MARKER for chapter 1 and for a
    // chapter the list does not have.
    HRESULT DeleteChapter(LONG lChapter);
    // The time of the chapter's thumbnail frame: 0 for chapter 1, the time of the thumbnail
    // marker linked to the chapter, or the chapter's own start without one.
    HRESULT GetChapterThumbTime(LONG lChapter, double& dTime);
    // Moves the chapter's thumbnail marker, or adds one linked to the chapter. S_FALSE, nothing
    // stored, for chapter 1.
    HRESULT SetChapterThumbTime(LONG lChapter, double dTime);
    // The time of the production's thumbnail frame; 0 when it has none.
    HRESULT GetProductionThumbTime(double& dTime);
    // Moves the production's thumbnail marker, or adds one the first time.
    HRESULT SetProductionThumbTime(double dTime);
    // Removes every marker of the production, chapters and thumbnails alike.
    HRESULT Clear();

private:
    // The stored marker of a chapter; for chapter 1 a marker at 0 without ID or thumbnail.
    HRESULT ReadChapterMarker(LONG lChapter, KVEMarker* pMarker);
    // The marker ID of a chapter that has one; E_CHAPTERLIST_NO_STORED_MARKER otherwise.
    HRESULT StoredMarkerID(LONG lChapter, LONG* plID);
    // The marker ID of a chapter through *plID: -1 for a chapter below 2.
    HRESULT IndexToID(LONG lChapter, LONG* plID);
    // The 1-based chapter index of the chapter marker with that ID through *plIndex; 1 when no
    // chapter marker has it.
    HRESULT IDToIndexLookup(LONG lID, LONG* plIndex);
    // The ID of the production's thumbnail marker through *plID, the last one when there are
    // several; -1 when there is none.
    HRESULT FindProdThunmID(LONG* plID);
    // Refuses a chapter time at or after the end of the production.
    HRESULT CheckBeforeEnd(double dTime);

    LONG m_lProdThumbId = -1;
    CComPtr<IKVEMarkerList> m_spMarkers;
};
