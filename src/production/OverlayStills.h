// Still pictures of titles for overlays that show a title as one picture, cached in
// "StillThumbnailCache" of the temporary folder.
#pragma once

#include "model/IDSMenuElement.h"

#include "platform/Bstr.h"

// The cache path of the still of source lSourceId at dTime seconds for an overlay:
// "OvlStill_<overlay ID>_<source ID>_<time>.png" (3 seconds give "3-00"), logged for deletion
// after six days. *pbstrFile receives a new string the caller frees.
HRESULT ComposeOverlayStillFilename(LONG lOverlayId, LONG lSourceId, double dTime, BSTR* pbstrFile);

// The still of the production of lSourceId (a title, or a menu) at dOffset seconds, as tall
// as the overlay's menu and as wide as the production's shape makes it. A title whose flags
// have TitleFlag_ChapterStills shares its stills through the chapter-still cache of its
// source file; other stills are the overlay's own. A still already in the cache is reused
// when the overlay shows it now, or when it is a chapter still; otherwise it is rendered and
// saved. *pbstrFile receives its path (a new string the caller frees), and *pdAspect, when
// given, the still's width / height.
HRESULT ExtractRawImage(IDSMenuOverlay* pOvl, LONG lSourceId, double dOffset, BSTR* pbstrFile,
                        double* pdAspect = nullptr);
