// The pictures of the shipped themes: backgrounds, the frames behind button thumbnails, the
// badges of navigation buttons and the pills of chapter index buttons. Each painter fills the
// canvas it is given; positions scale with the canvas.
#pragma once

#include "Canvas.h"
#include "ThemeLooks.h"

enum class NavSign
{
    Next,
    Prev,
    Up,
    Home,
};

// The pixel size of a look's background picture.
SIZE BackgroundSize(const ThemeLook& look);

void PaintBackground(const ThemeLook& look, Canvas& canvas);

// A frame whose body leaves margin pixels free on every side for its glow or shadow.
void PaintThumbFrame(const ThemeLook& look, Canvas& canvas, double margin);
void PaintBadge(const ThemeLook& look, NavSign sign, Canvas& canvas, double margin);
void PaintPill(const ThemeLook& look, Canvas& canvas, double margin);

// The sign of a navigation button inside a box of a centre and a side.
Shape SignShape(NavSign sign, Point centre, double side);
