#include "dsutils/DSChapterList.h"
#include "dsutils/DSTimeStr.h"

#include "ChapterMarkers.h"

#include "model/KVEMarkerList.h"
#include "model/KVEProductionInfo.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <cmath>
#include <string>

namespace {

// The earliest time a new chapter may start.
constexpr double kInsertMinimum = 0.9;
// The link that marks the production's own thumbnail marker.
constexpr LONG kProductionThumbLink = -5;
// Chapter 1 as if it had a marker: at 0, with no thumbnail of its own.
constexpr KVEMarker kChapterOne = {-1, 0.0, -1, KVE_MARKER_CHAPTER};
// Hundredths of a second, for times in messages.
constexpr double kMessageResolution = 100.0;

// A time as the application shows it, without the sign position.
std::wstring TimeText(double dSeconds)
{
    CDSTimeStr time(dSeconds, kMessageResolution);
    const wchar_t* text = time;
    return text[0] == L' ' ? text + 1 : text;
}

// Removes a first chapter marker that lies so near the start that it would repeat chapter 1.
HRESULT DropMarkerAtStart(IKVEMarkerList* pMarkers)
{
    LONG lCount = 0;
    CHECK_HR_SHORT(pMarkers->GetMarkerCount(KVE_MARKER_CHAPTER, &lCount));
    if (lCount == 0)
        return S_FALSE;
    KVEMarker first{};
    CHECK_HR_SHORT(pMarkers->GetMarkerItem(0, KVE_MARKER_CHAPTER, &first));
    if (first.dTime >= kFirstChapterMarkerMinimum)
        return S_FALSE;
    CHECK_HR_SHORT(pMarkers->RemoveMarker(first.lID));
    return S_OK;
}

} // namespace

CDSChapterList::CDSChapterList(IUnknown* pSource)
{
    KVUClearErrorStack();
    if (pSource)
        m_spMarkers = CComQIPtr<IKVEMarkerList>(pSource);
    if (!m_spMarkers)
        return;
    FindProdThunmID(&m_lProdThumbId);
    DropMarkerAtStart(m_spMarkers);
}

CDSChapterList::CDSChapterList(const CDSChapterList& other) = default;
CDSChapterList& CDSChapterList::operator=(const CDSChapterList& other) = default;
CDSChapterList::~CDSChapterList() = default;

LONG CDSChapterList::GetChapterCount()
{
    KVUClearErrorStack();
    LONG lCount = 0;
    if (!m_spMarkers || FAILED(m_spMarkers->GetMarkerCount(KVE_MARKER_CHAPTER, &lCount)))
        return 1;
    return lCount + 1;
}

HRESULT CDSChapterList::GetChapterTime(LONG lChapter, double& dTime)
{
    KVUClearErrorStack();
    KVEMarker marker{};
    CHECK_HR_SHORT(ReadChapterMarker(lChapter, &marker));
    dTime = marker.dTime;
    return S_OK;
}

HRESULT CDSChapterList::SetChapterTime(LONG lChapter, double dTime)
{
    KVUClearErrorStack();
    LONG lID = -1;
    CHECK_HR_SHORT(StoredMarkerID(lChapter, &lID));
    CHECK_HR_SHORT(m_spMarkers->SetMarkerTime(lID, dTime));
    return S_OK;
}

HRESULT CDSChapterList::InsertChapter(double dTime, LONG* plIndex)
{
    KVUClearErrorStack();
    if (!(dTime >= kInsertMinimum))
        return E_FAIL;
    CHECK_NULL(m_spMarkers);
    CHECK_HR_SHORT(CheckBeforeEnd(dTime));
    LONG lID = -1;
    CHECK_HR_SHORT(m_spMarkers->AddMarker(dTime, KVE_MARKER_CHAPTER, 0, &lID));
    if (plIndex)
        CHECK_HR_SHORT(IDToIndexLookup(lID, plIndex));
    return S_OK;
}

HRESULT CDSChapterList::DeleteChapter(LONG lChapter)
{
    KVUClearErrorStack();
    LONG lID = -1;
    CHECK_HR_SHORT(StoredMarkerID(lChapter, &lID));
    CHECK_HR_SHORT(m_spMarkers->RemoveMarker(lID));
    return S_OK;
}

HRESULT CDSChapterList::GetChapterThumbTime(LONG lChapter, double& dTime)
{
    KVUClearErrorStack();
    KVEMarker chapter{};
    CHECK_HR_SHORT(ReadChapterMarker(lChapter, &chapter));
    if (chapter.lLink < 0) {
        dTime = chapter.dTime;
        return S_OK;
    }
    KVEMarker thumb{};
    CHECK_HR_SHORT(m_spMarkers->GetMarkerByID(chapter.lLink, &thumb));
    dTime = thumb.dTime;
    return S_OK;
}

HRESULT CDSChapterList::SetChapterThumbTime(LONG lChapter, double dTime)
{
    KVUClearErrorStack();
    if (lChapter == 1)
        return S_FALSE;
    KVEMarker chapter{};
    CHECK_HR_SHORT(ReadChapterMarker(lChapter, &chapter));
    if (chapter.lLink >= 0) {
        CHECK_HR_SHORT(m_spMarkers->SetMarkerTime(chapter.lLink, dTime));
        return S_OK;
    }
    LONG lThumbID = -1;
    CHECK_HR_SHORT(m_spMarkers->AddMarker(dTime, KVE_MARKER_THUMBNAIL, 0, &lThumbID));
    CHECK_HR_SHORT(m_spMarkers->SetMarkerLink(chapter.lID, lThumbID));
    return S_OK;
}

HRESULT CDSChapterList::GetProductionThumbTime(double& dTime)
{
    KVUClearErrorStack();
    dTime = 0.0;
    // Marker IDs start wherever the engine starts them, 0 included.
    if (m_lProdThumbId < 0)
        return S_OK;
    CHECK_NULL(m_spMarkers);
    KVEMarker thumb{};
    CHECK_HR_SHORT(m_spMarkers->GetMarkerByID(m_lProdThumbId, &thumb));
    dTime = thumb.dTime;
    return S_OK;
}

HRESULT CDSChapterList::SetProductionThumbTime(double dTime)
{
    KVUClearErrorStack();
    CHECK_NULL(m_spMarkers);
    if (m_lProdThumbId >= 0) {
        CHECK_HR_SHORT(m_spMarkers->SetMarkerTime(m_lProdThumbId, dTime));
        return S_OK;
    }
    LONG lID = -1;
    CHECK_HR_SHORT(m_spMarkers->AddMarker(dTime, KVE_MARKER_THUMBNAIL, 0, &lID));
    m_lProdThumbId = lID;
    CHECK_HR_SHORT(m_spMarkers->SetMarkerLink(lID, kProductionThumbLink));
    return S_OK;
}

HRESULT CDSChapterList::Clear()
{
    KVUClearErrorStack();
    CHECK_NULL(m_spMarkers);
    CHECK_HR_SHORT(m_spMarkers->RemoveAllMarkers());
    // The production thumbnail went with the rest; a later one is a new marker.
    m_lProdThumbId = -1;
    return S_OK;
}

HRESULT CDSChapterList::ReadChapterMarker(LONG lChapter, KVEMarker* pMarker)
{
    if (lChapter == 1) {
        *pMarker = kChapterOne;
        return S_OK;
    }
    CHECK_NULL(m_spMarkers);
    CHECK_HR_SHORT(m_spMarkers->GetMarkerItem(lChapter - 2, KVE_MARKER_CHAPTER, pMarker));
    return S_OK;
}

HRESULT CDSChapterList::StoredMarkerID(LONG lChapter, LONG* plID)
{
    CHECK_NULL(m_spMarkers);
    if (lChapter < 2 || FAILED(IndexToID(lChapter, plID)))
        RETURN_CODE(E_CHAPTERLIST_NO_STORED_MARKER);
    return S_OK;
}

HRESULT CDSChapterList::IndexToID(LONG lChapter, LONG* plID)
{
    *plID = -1;
    if (lChapter < 2)
        return S_OK;
    KVEMarker marker{};
    CHECK_HR_SHORT(ReadChapterMarker(lChapter, &marker));
    *plID = marker.lID;
    return S_OK;
}

HRESULT CDSChapterList::IDToIndexLookup(LONG lID, LONG* plIndex)
{
    LONG lCount = 0;
    CHECK_HR_SHORT(m_spMarkers->GetMarkerCount(KVE_MARKER_CHAPTER, &lCount));
    LONG lPosition = -1;
    for (LONG i = 0; i < lCount && lPosition < 0; ++i) {
        KVEMarker marker{};
        CHECK_HR_SHORT(m_spMarkers->GetMarkerItem(i, KVE_MARKER_CHAPTER, &marker));
        if (marker.lID == lID)
            lPosition = i;
    }
    *plIndex = lPosition + 2;
    return S_OK;
}

HRESULT CDSChapterList::FindProdThunmID(LONG* plID)
{
    *plID = -1;
    LONG lCount = 0;
    CHECK_HR_SHORT(m_spMarkers->GetMarkerCount(KVE_MARKER_THUMBNAIL, &lCount));
    for (LONG i = lCount - 1; i >= 0; --i) {
        KVEMarker marker{};
        CHECK_HR_SHORT(m_spMarkers->GetMarkerItem(i, KVE_MARKER_THUMBNAIL, &marker));
        if (marker.lLink == kProductionThumbLink) {
            *plID = marker.lID;
            return S_OK;
        }
    }
    return S_OK;
}

HRESULT CDSChapterList::CheckBeforeEnd(double dTime)
{
    // A marker list that is not a production's has no end to keep to.
    CComQIPtr<IProductionInfo> spInfo(m_spMarkers);
    double dEnd = 0.0;
    if (!spInfo)
        return S_OK;
    CHECK_HR(spInfo->get_Duration(&dEnd));
    if (dTime < dEnd)
        return S_OK;
    KVUReportError(KVUErrStr(L"A chapter cannot start at %ls: the title ends at %ls\n",
                             TimeText(dTime).c_str(), TimeText(dEnd).c_str()));
    RETURN_CODE(E_INSERTCHAPTER_PAST_TITLE_END);
}
