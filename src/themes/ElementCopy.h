// Copying the look of one element onto another of the same kind.
#pragma once

#include "model/IDSMenuElement.h"

// CMenuStyleUtil::TextCopy for two texts, CMenuStyleUtil::OverlayCopy for two overlays;
// E_ELEMENTCOPY_KIND_MISMATCH, both unchanged, for any other pair.
HRESULT ElementCopy(IDSMenuElement* pDst, IDSMenuElement* pSrc);
