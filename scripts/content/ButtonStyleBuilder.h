// Makes the shipped button styles of an aspect: a style file for each look (written by the
// object model's file service), the pictures it shows, a linked style that names a button of
// a shipped theme, and a preview of each, rendered through the media engine from the style
// file as a user would load it.
#pragma once

#include "ContentWriter.h"

#include "platform/WinTypes.h"

#include <string>

// theme is the file name (without ".dmsd") of a shipped theme of the aspect and button the
// ID of a button in it.
HRESULT MakeButtonStyles(bool wide, const ContentWriter& out, const std::wstring& theme,
                         LONG button);
