// The picture that fills the highlight regions of a subpicture: pure pattern colour.
#pragma once

#include "platform/Bstr.h"

// The pattern colour as a COLORREF (0x00BBGGRR): pure red, the class highlights are drawn in.
inline constexpr COLORREF dwPATTERN_RGB = 0x0000FF;

// The pattern of 4:3 menus, a content file.
inline constexpr wchar_t kSPUPattern4x3[] = L"%CONTENT%/DVD/MANDATORY/SP_Pattern.png";

// The pattern picture for a menu of the aspect ratio, in a new string for the caller: the
// content file for 4:3; for 16:9 "SPU_16x9Pattern.png" in the temporary folder, made on first
// use as a 320 × 180 picture of the pattern colour, or the 4:3 pattern when it cannot be made.
// E_POINTER for a null out argument.
HRESULT GetSPUPatternSource(bool b16x9, BSTR* pbstrSource);
