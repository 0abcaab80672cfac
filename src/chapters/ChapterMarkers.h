// The chapter markers of a title's production, read the way CDSChapterList numbers chapters:
// chapter 1 starts at 0 and has no marker, chapter n (n >= 2) starts at the n - 2nd chapter
// marker.
#pragma once

#include "model/IDSTitle.h"
#include "model/KVEMarkerList.h"

#include "platform/ComPtr.h"

#include <vector>

// A first chapter marker this close to the start would repeat chapter 1; the chapter list
// removes it and never counts it as a chapter.
inline constexpr double kFirstChapterMarkerMinimum = 0.5;

// The markers of chapters 2, 3 … of the title's production in chapter order (chapter n is
// entry n - 2), leaving out a first marker before kFirstChapterMarkerMinimum without removing
// it. E_CHAPTERMENUS_NO_MARKER_LIST when the production has no marker list; a failed read is
// reported and returned.
HRESULT ReadChapterMarkers(IDSTitle* pTitle, std::vector<KVEMarker>& markers);
