// The thumbnail of a button: the overlay inside it that shows a picture of what the button
// leads to.
#pragma once

#include "model/IDSMenuElement.h"

#include "platform/ComPtr.h"

// The button's first overlay tagged OverlayType_Thumbnail (one reference), or null when the
// button is null or has none.
CComPtr<IDSMenuOverlay> GetBtnThumbnail(IDSMenuButton* pButton);
