// Giving an overlay the source its display list calls for: one title's picture, or a montage
// of several titles in a private production.
#pragma once

#include "DisplayList.h"

#include "model/IDSMenuElement.h"
#include "model/KVEProductionData.h"

// The overlay shows the production of lSourceId (a title, or a menu a button leads to) at
// dOffset seconds: a title on a disc through its cached on-disc thumbnail; the thumbnail of
// a still button through a cached still (ExtractRawImage); otherwise the source file shown
// then, with its interval and rotation, or, with bUseSubproduction, the title's production
// itself kept in the menu storyboard when what is shown then is no plain file. A source that
// cannot be found clears the overlay's Source; other failures are reported and returned.
// dSourceAspect receives the shown width / height of the picture given when it is known
// without asking the file again, else 0.
HRESULT SetSingleOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl, LONG lSourceId,
                               double dOffset, bool bUseSubproduction, double& dSourceAspect);

// The overlay shows a montage of the titles of the list, each for an equal share of the
// menu's duration and joined by dissolves, built anew in the overlay's private production and
// kept in the menu storyboard under the overlay's ID: with bUseSubproduction each title's
// production from its entry's offset, else the picture shown then (the cached thumbnail of a
// title on a disc, the placeholder picture for a picture that is missing).
HRESULT SetMultipleOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                                 const DisplayList& displayList, bool bUseSubproduction);
