#include "ChapterMarkers.h"

#include "platform/Check.h"
#include "platform/ResultCodes.h"

HRESULT ReadChapterMarkers(IDSTitle* pTitle, std::vector<KVEMarker>& markers)
{
    markers.clear();
    CHECK_NULL(pTitle);
    CComPtr<IUnknown> spProduction;
    CHECK_HR(pTitle->GetProduction(&spProduction));
    CComQIPtr<IKVEMarkerList> spMarkers(spProduction);
    if (!spMarkers)
        RETURN_CODE(E_CHAPTERMENUS_NO_MARKER_LIST);
    LONG lCount = 0;
    CHECK_HR(spMarkers->GetMarkerCount(KVE_MARKER_CHAPTER, &lCount));
    markers.reserve(static_cast<size_t>(lCount));
    for (LONG i = 0; i < lCount; ++i) {
        KVEMarker marker{};
        CHECK_HR(spMarkers->GetMarkerItem(i, KVE_MARKER_CHAPTER, &marker));
        if (i > 0 || marker.dTime >= kFirstChapterMarkerMinimum)
            markers.push_back(marker);
    }
    return S_OK;
}
