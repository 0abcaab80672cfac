// The production of a shipped menu: the shape of its frame and the panels it shows.
#pragma once

#include "model/IDSMenu.h"
#include "model/KVEEditData.h"
#include "platform/ComPtr.h"

// Gives the menu's production the frame shape of its aspect (4:3 or 16:9) and hands out the
// interface that edits its panels.
HRESULT ShapeMenuProduction(IDSMenu* menu, bool wide, CComQIPtr<IEditData>& edit);
