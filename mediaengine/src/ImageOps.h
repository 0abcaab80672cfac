// Picture operations of the renderer: cropping, quarter turns, fitting, the passages of
// transitions (dissolves, fades, wipes), masking and laying pictures over frames.
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

// Passes from frame to other through black: up to progress 0.5 the frame darkens to black,
// after it other brightens from black (black at exactly 0.5). Both have the same size.
void FadeThroughBlackInto(BgraImage& frame, const BgraImage& other, double progress);

// The edge a wipe starts from.
enum class WipeDirection
{
    LeftToRight,
    TopToBottom,
};

// Uncovers other over frame from one edge: the first round(progress × width) columns, or the
// first round(progress × height) rows, show other. Both have the same size.
void WipeInto(BgraImage& frame, const BgraImage& other, double progress, WipeDirection direction);

// Multiplies the picture's alpha by the mask's brightness (and its alpha); both have the same
// size.
void ApplyAlphaMask(BgraImage& picture, const BgraImage& mask);

// Lays a picture over a frame with its top-left corner at (left, top), by its alpha.
void BlendOver(BgraImage& frame, const BgraImage& picture, int left, int top);

// Lays a picture over a frame turned clockwise by degrees about its centre, which lands on
// (centreX, centreY) of the frame; pixels are sampled bilinearly.
void BlendRotated(BgraImage& frame, const BgraImage& picture, double centreX, double centreY,
                  double degrees);
