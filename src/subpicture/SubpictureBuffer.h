// The pixel work of subpictures: a rendered highlight picture reduced to the colour classes,
// and the classes of one button's region mapped to the colours of one of its states. Both are
// single passes over the caller's buffer that allocate nothing.
#pragma once

#include "dsutils/SubPicture.h"

#include "platform/Image.h"
#include "platform/WinTypes.h"

// The colours a subpicture class stands for, in map order: white, red (the pattern), green and
// blue; compared on their low 24 bits.
inline constexpr DWORD kSubpictureSources[4] = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};

// What the colour classes of a button's region become: a pixel whose colour (alpha set aside)
// is source[k], the first that matches, becomes target[k].
struct SPUColorMap
{
    DWORD source[4];
    DWORD target[4];
};

// The colour class of one rendered pixel (0xAARRGGBB). Transparent pixels, greys (black and
// white among them) and weak colours are background. Red stands as it is (the pattern, drawn
// over opaque black, keeps its strength however it was blended); green and blue are weakened
// by the pixel's transparency and must stay above half strength. The differences are signed,
// so that a channel weaker than the transparency never wins.
constexpr DWORD ReduceSubpicturePixel(DWORD argb)
{
    int alpha = int(argb >> 24);
    int red = int((argb >> 16) & 0xFF);
    int green = int((argb >> 8) & 0xFF);
    int blue = int(argb & 0xFF);
    int transparency = 255 - alpha;
    int greenLeft = green - transparency;
    int blueLeft = blue - transparency;
    bool greenWins = greenLeft > red;
    int candidate = greenWins ? greenLeft : red;
    bool blueWins = blueLeft > candidate;
    DWORD reduced = blueWins    ? (blueLeft > 0x7F ? kSubpictureBlue : 0u)
                    : greenWins ? (greenLeft > 0x7F ? kSubpictureGreen : 0u)
                                : (red >= 0x55 ? kSubpictureRed : 0u);
    bool background = alpha == 0 || (red == green && green == blue);
    return background ? kSubpictureBackground : reduced;
}

// Whether a picture may have a side of that many pixels (1 … kMaxImageSide).
constexpr bool IsPictureSide(int side)
{
    return side >= 1 && side <= kMaxImageSide;
}

// Reduces every pixel of an nX × nY buffer in place.
void ReduceSubpicture(BYTE* pBytes, int nX, int nY);

// Maps the pixels of sRect (edges included; top and bottom in either order; cut to the buffer)
// of an nX × nY buffer: each loses its alpha, stays 0 when that leaves nothing, becomes the
// target of the first source its colour equals, and 0 otherwise. E_POINTER for a null buffer,
// E_INVALIDARG for a side below 1.
HRESULT MapColors(BYTE* pBytes, int nX, int nY, const SPUColorMap& cMap, const RECT& sRect);
