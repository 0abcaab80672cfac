// Draws a menu's elements over a frame, in element order.
#pragma once

#include "MenuSnapshot.h"

#include "platform/Image.h"

class FrameRenderer;
class Production;

// Overlays show their source (a picture, a video frame at the overlay's source time, a
// production file or a sub-production of the menu's production named by its moniker) in their
// extent, through their alpha mask and turned by their rotation; texts are drawn in their
// colour inside their extent. Sources that cannot be read are left out.
HRESULT DrawMenu(FrameRenderer& renderer, const Production& production, const MenuSnapshot& menu,
                 double time, BgraImage& frame, int depth);
