// The arrow-key neighbour links of a menu's buttons.
#pragma once

#include "model/IDSMenu.h"

// Works out, from the buttons' places, which element each arrow key leads to from every
// button of the menu, and writes the four links of each. Buttons search their own kind first
// (command buttons, chapter-range buttons, navigation buttons), then the other kinds; a button
// that no arrow key would reach gets a way in from its nearest button, unless that takes
// another button's only way in; an arrow key without a neighbour keeps the highlight where it
// is. Command buttons are measured by their thumbnails, or by their positions when they have
// none. Each element's rectangle is read once per run; runs share no state.
//
// E_POINTER for a null menu; E_BUTTONLINK_INVALID_BUTTON_ID for a button without an ID;
// otherwise the first failure of the object model. Buttons handled before a failure keep their
// new links.
HRESULT applyButtonLinkAlgorithm(IDSMenu* pMenu);
