// Makes a shipped theme: paints its pictures and builds its theme file through the object
// model (a main-menu template and a chapter-menu template, linked into a ring), saved with the
// project file service so that it always loads.
#pragma once

#include "ContentWriter.h"
#include "ThemeLooks.h"

#include "platform/WinTypes.h"

// firstCommandButton receives the ID of the first command button of the main template.
HRESULT MakeTheme(const ThemeLook& look, const ContentWriter& out, LONG& firstCommandButton);
