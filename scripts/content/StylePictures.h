// The pictures of the shipped button styles. Each painter fills the canvas it is given and
// leaves margin pixels free on every side for a shadow.
#pragma once

#include "Canvas.h"

// A white frame with rounded corners.
void PaintFramedFrame(Canvas& canvas, double margin);
// A white card; the thumbnail and the label are laid on it.
void PaintPolaroidCard(Canvas& canvas, double margin);
// A strip of film with sprocket holes in the bands (band pixels high) above and below the
// picture.
void PaintFilmstrip(Canvas& canvas, double margin, double band);
// A dark bar that fades in towards the bottom, laid over the lower part of a thumbnail.
void PaintCaptionBar(Canvas& canvas);
// A thin light border with a shadow around a thumbnail.
void PaintThinBorder(Canvas& canvas, double margin);
