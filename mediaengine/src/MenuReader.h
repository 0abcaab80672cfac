// Reads what a menu shows from the object model, in drawing order.
#pragma once

#include "MenuSnapshot.h"

#include "platform/Unknown.h"

// The elements of a menu (an IDSMenu with its element list): overlays and texts at any depth,
// a button's elements placed relative to the button. Buttons themselves draw nothing.
HRESULT ReadMenuSnapshot(IUnknown* menu, MenuSnapshot& snapshot);
