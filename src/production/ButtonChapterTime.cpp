#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSMenuElement.h"
#include "model/IDSTitle.h"
#include "model/KVEMarkerList.h"

namespace {

// The chapter list leaves out a first marker this close to the start: chapter 1 starts at 0.
constexpr double kFirstChapterMargin = 0.5;

// The start of a chapter (from 1) of a production in seconds, read from its marker list the
// way the chapter list counts: chapter 1 at 0, chapter n at the (n − 2)-th stored chapter
// marker. The list is read without being changed. False when there is no such chapter.
bool ChapterStart(IUnknown* pProduction, int chapter, double& seconds)
{
    seconds = 0.0;
    if (chapter <= 1)
        return true;
    CComQIPtr<IKVEMarkerList> spMarkers(pProduction);
    LONG count = 0;
    KVEMarker first{};
    if (!spMarkers || FAILED(spMarkers->GetMarkerCount(KVE_MARKER_CHAPTER, &count)) || count <= 0 ||
        FAILED(spMarkers->GetMarkerItem(0, KVE_MARKER_CHAPTER, &first)))
        return false;
    LONG skipped = first.dTime < kFirstChapterMargin ? 1 : 0;
    LONG index = chapter - 2 + skipped;
    KVEMarker marker{};
    if (index >= count || FAILED(spMarkers->GetMarkerItem(index, KVE_MARKER_CHAPTER, &marker)))
        return false;
    seconds = marker.dTime;
    return true;
}

} // namespace

double CDSProductionUtils::GetBtnChapterTime(IDSMenuButton* pButton)
{
    CComQIPtr<IDSMenuButton> spButton(pButton);
    LONG commands = 0;
    if (!spButton || FAILED(spButton->get_CommandCount(&commands)) || commands <= 0)
        return 0.0;
    int chapter = 0;
    IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(spButton, &chapter, false);
    CComPtr<IUnknown> spProduction;
    double seconds = 0.0;
    if (!pTitle || FAILED(pTitle->GetProduction(&spProduction)) ||
        !ChapterStart(spProduction, chapter, seconds))
        return 0.0;
    return seconds;
}
