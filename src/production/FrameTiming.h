// Frames of a production's editing frame rate: where whole frames begin and where their
// middles lie, so that stills are taken from and cut at the middle of a frame whatever the
// rounding of the player.
#pragma once

#include "platform/Unknown.h"

// The length in seconds of one frame of the production (a storyboard, a title or a menu) at
// its editing frame rate; a production without a positive rate runs at 29.97 frames a second.
double FramePeriodOf(IUnknown* pProduction);

// How many whole frames of the period fit into the time. A quotient within rounding of a
// whole number counts as that number: 10 seconds at 25 frames a second are 250 frames.
double WholeFrames(double seconds, double period);

// The middle of the frame that holds the time.
double MiddleOfFrameAt(double seconds, double period);
