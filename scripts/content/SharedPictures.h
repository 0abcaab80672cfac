// The pictures the library itself names (the background placeholder, the subpicture pattern,
// the mask of wide thumbnails) and the sample scenes that thumbnails show until a title is
// linked. Each painter fills the canvas it is given.
#pragma once

#include "Canvas.h"

// A calm dark picture with the sign of a missing picture.
void PaintPlaceHolder(Canvas& canvas);
// Solid pure red: the pattern colour of subpicture highlight regions.
void PaintPattern(Canvas& canvas);
// White on black with softly rounded corners: the brightness is the opacity of a thumbnail.
void PaintWideMask(Canvas& canvas);

// The number of sample scenes.
inline constexpr int kSampleScenes = 6;
// A landscape at one of kSampleScenes times of day.
void PaintScene(int index, Canvas& canvas);
