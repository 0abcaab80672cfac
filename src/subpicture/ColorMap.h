// The colours a button shows in each state, from its menu's palette and subpicture colours.
#pragma once

#include "SubpictureBuffer.h"

#include "model/IDSMenuElement.h"

// The states of a button whose colours a map gives.
enum SPUButtonState : int
{
    SPUState_Normal = 0,
    SPUState_Selected = 1,
    SPUState_Activated = 2,
};

// The map of a button's colour classes in a state: the normal colours of the menu, or the
// selected or activated colours of the button's scheme. Each target is the palette entry of its
// class with the alpha of the class's contrast: 0 for contrast 0, else (contrast + 1) / 16 of
// 255, truncated. E_POINTER for a null button or one in no menu; E_INVALIDARG for another state,
// and for a palette index or contrast above 15 read from the menu.
HRESULT GetColorMap(IDSMenuButton* pButton, int nState, SPUColorMap& cMap);
