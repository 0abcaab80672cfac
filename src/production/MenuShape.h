// The shape of a menu's storyboard, which follows the menu's project.
#pragma once

#include "model/IDSMenu.h"

#include "platform/ComPtr.h"

// Gives the menu's storyboard the shape of the project's pictures, 16:9 or 4:3, so that the
// menu fills the frame instead of showing its background letterboxed. S_FALSE when it has that
// shape already; backgrounds and overlays made in the old shape are the caller's to make again.
HRESULT MatchMenuShape(IDSMenu* pMenu);
