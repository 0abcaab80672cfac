// The subpictures of a DVD menu: the pictures of its button highlights in at most four colour
// classes, which a player blends over the menu video in the colours of each button's normal,
// selected and activated state. The highlighted parts of the buttons are drawn in pure pattern
// colours on black through the media engine, and the rendered pixels are reduced to the
// classes. Free functions; each clears the calling thread's error stack first and reports its
// failures there.
//
// Pixel buffers are width × height pixels of 32 bits, rows top to bottom without gaps, bytes
// blue, green, red, alpha (0xAARRGGBB as a 32-bit value), in blocks of the task allocator that
// the receiver frees with CoTaskMemFree.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

// The colour classes of a reduced subpicture, as whole 32-bit pixel values.
inline constexpr DWORD kSubpictureBackground = 0x00000000;
// The pattern class: what highlighted buttons are drawn in.
inline constexpr DWORD kSubpictureRed = 0xFFFF0000;
// The two emphasis classes.
inline constexpr DWORD kSubpictureGreen = 0x0000FF00;
inline constexpr DWORD kSubpictureBlue = 0x000000FF;

// Writes the disc subpicture of a menu (an IDSMenu) to pszNormalFile, with the encoder its
// extension chooses (CDSProductionUtils::SaveImage_32). The picture is 720 pixels wide when the
// project's video resolution is 1, else rendered 704 wide and centred in 720 between
// transparent bands; 480 high for NTSC, else 576. For a 16:9 menu and a non-null
// pbstrLetterboxFile the letterbox picture is saved beside it and its path handed out in a new
// string; a 4:3 menu writes none and leaves *pbstrLetterboxFile alone. pGM is the graph
// manager to render with (an IKVEGraphManager), or null for a new one. E_POINTER for a null
// menu or file name.
HRESULT GenerateSubPictureFiles(IUnknown* pMenu, IUnknown* pGM, const wchar_t* pszNormalFile,
                                BSTR* pbstrLetterboxFile);

// The three preview pictures of a menu's highlights at nXSize × nYSize: the subpicture with the
// active region of each button (in element order, a later button over an earlier one) in the
// colours of its normal, selected and activated state from the menu's palette, with the
// alpha of each colour's contrast. Pixels outside every button keep their colour class. Three
// new buffers for the caller; all three null on failure. E_POINTER for a null argument.
HRESULT GenerateSubPictureForPreview(IUnknown* pMenu, IUnknown* pGM, int nXSize, int nYSize,
                                     BYTE** ppNormal, BYTE** ppSelected, BYTE** ppActivated);

// The subpicture of a menu (an IDSMenu) at nX × nY: every pixel one of the colour classes
// above. A new buffer for the caller; null on failure. E_POINTER for a null menu, an object
// that is no menu, or a null out argument; E_INVALIDARG for a side outside 1 … 16384.
HRESULT GetSubpicture_32(IUnknown* pMenu, IUnknown* pGM, BYTE** ppBytes, int nX, int nY);

// Centres the nX × nY picture of *ppBytes in a transparent picture of nNewX × nNewY (at column
// (nNewX − nX) / 2 and row (nNewY − nY) / 2), frees the old buffer and hands out the new one.
// E_POINTER for a null pointer or buffer; E_INVALIDARG for a size that would shrink the
// picture or a side outside 1 … 16384; E_OUTOFMEMORY when the new buffer cannot be had. On
// failure the old buffer stays with the caller.
HRESULT PadSubpicture_32(BYTE** ppBytes, int nX, int nY, int nNewX, int nNewY);
