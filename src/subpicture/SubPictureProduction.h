// The production a subpicture is rendered from: a scratch copy of the menu that holds only the
// highlighted parts of its buttons, drawn in pure pattern colours on black, saved as a
// production file and loaded from it.
//
// The steps are given the size of the frame the subpicture will be rendered at: pattern
// regions and highlight pictures are laid on whole pixels of that frame (the pixels
// CDSMenuUtils::ConvertToRect gives for their extents), so that the pattern covers exactly
// the pixels that a button's region maps and none beside them.
#pragma once

#include "model/FloatRect.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/KVEProductionData.h"

#include "platform/ComPtr.h"

// A new menu, in a project of its own whose aspect ratio is that of the menu's project, to build
// the highlights of pMenu on. The project keeps the menu: the caller holds both as long as the
// menu is used.
HRESULT CreateScratchMenu(IDSMenu* pMenu, CComPtr<IDSProjectData>& spScratchProject,
                          CComPtr<IDSMenu>& spScratch);

// Fills pScratchMenu (a new, empty menu) with the highlights of every button of pMenu, in
// element order, over a first panel of solid black in the menu's aspect ratio; saves it as
// "SubPicture.DMSM" in the "SubPicProd" folder of the temporary folder (an older file is
// deleted first) and loads pProduction from that file. E_POINTER for a null argument.
HRESULT CreateSubPictureProduction(IDSMenu* pMenu, IKVEProductionData* pProduction,
                                   IDSMenu* pScratchMenu, const SIZE& sFrame);

// Adds to the scratch list what an overlay of a button contributes to the highlights: by its
// Highlight mode, a pattern region over its extent (OverlayHLI_Region), or a copy of it at its
// place in the menu (OverlayHLI_Picture: its picture is drawn in highlight colours by its
// designer), tagged OverlayType_Generic and itself not highlighted. Other modes add nothing.
HRESULT CreateOverlaySPUElement(IDSMenuElementList* pScratchList, IDSMenuOverlay* pOverlay,
                                const SIZE& sFrame);

// The same for a text of a button: a pattern region over its extent (TextHLI_Region), or a
// copy at its place in the menu with face, edge and shadow in the pattern colour
// (TextHLI_Text), so that its glyphs are the highlight. Other modes add nothing.
HRESULT CreateTextSPUElement(IDSMenuElementList* pScratchList, IDSMenuText* pText,
                             const SIZE& sFrame);

// Appends to the scratch list an overlay of the pattern picture (GetSPUPatternSource for the
// aspect ratio of the list's project) that covers the whole pixels of the rectangle. E_INVALIDARG
// for an empty frame or a rectangle that is not finite.
HRESULT CreateRegionOverlay(IDSMenuElementList* pScratchList, const FloatRect& rect,
                            const SIZE& sFrame);
