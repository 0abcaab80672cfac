// The tidying a menu gets instead of an arrangement while its buttons are placed by hand.
#pragma once

#include "model/IDSMenu.h"

// Moves apart the command buttons that would hide one another: buttons stacked at the origin
// (the place of new buttons) go up the diagonal in steps of 0.05 to free places below 1, the
// first one staying; a button after the first that sits exactly where the template's first
// command button sits goes 0.15 below the button before it. Failures to read or move a
// button are reported and returned.
HRESULT SpreadHandPlacedButtons(IDSMenu* pMenu);
