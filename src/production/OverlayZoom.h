// Fitting an overlay's resolved source and alpha mask into the overlay.
#pragma once

#include "model/IDSMenuElement.h"
#include "model/KVEProductionData.h"

// The zoom step of an overlay's resolution: clears an earlier zoom-to-fill (the crop of the
// overlay's effect data in the menu storyboard and the pan-and-zoom of its montage's
// panels), gives an overlay of a 16:9 menu the wide alpha mask when it has none, fits source
// and mask (FitOverlay) and, when the source fills the overlay, crops it again. Mask size and
// source scale are written only when they change by 0.0001 or more. dKnownSourceAspect is the
// shown width / height of the source when the caller knows it, else 0 (the file is asked).
HRESULT ZoomOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                          double dKnownSourceAspect);
