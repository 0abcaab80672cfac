// Picture operations of the renderer: cropping, quarter turns, fitting, dissolving, masking
// and laying pictures over frames.
#pragma once

#include "platform/Image.h"

// The part of a picture inside a rectangle (cut to the picture).
HRESULT CropImage(const BgraImage& source, const RECT& part, BgraImage& result);

// The picture turned clockwise by 0, 90, 180 or 270 degrees.
BgraImage RotateQuarterTurns(const BgraImage& source, LONG degrees);

// The rectangle of a width × height frame shown at frameAspect that a picture of pictureAspect
// fills when it keeps its shape, centred (the rest is letterbox).
RECT FitInside(int width, int height, double pictureAspect, double frameAspect);

// Mixes other into frame: progress 0 keeps frame, 1 gives other. Both have the same size.
void DissolveInto(BgraImage& frame, const BgraImage& other, double progress);

// Multiplies the picture's alpha by the mask's brightness (and its alpha); both have the same
// size.
void ApplyAlphaMask(BgraImage& picture, const BgraImage& mask);

// Lays a picture over a frame with its top-left corner at (left, top), by its alpha.
void BlendOver(BgraImage& frame, const BgraImage& picture, int left, int top);

// Lays a picture over a frame turned clockwise by degrees about its centre, which lands on
// (centreX, centreY) of the frame; pixels are sampled bilinearly.
void BlendRotated(BgraImage& frame, const BgraImage& picture, double centreX, double centreY,
                  double degrees);
