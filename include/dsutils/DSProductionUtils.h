// Production operations: queries on productions (storyboards) and the files they are made of.
// Static operations only; each concern has its own source file.
#pragma once

#include "model/KVEProductionData.h"
#include "model/ProjectEnums.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/Unknown.h"

struct IDSMenuButton;
struct IDSMenuElement;
struct IKVEGraphManager;

class CDSProductionUtils
{
public:
    CDSProductionUtils() = delete;

    // Queries (production/ProductionQueries.cpp).

    // True when the production's information carries "SlideShowDoc" metadata. The object may
    // be the production, its production object, or a title or a menu (whose production is
    // asked).
    static bool IsSlideShow(IUnknown* pObject);

    // The object of the queries below may be a storyboard, its production object, a title or
    // a menu (whose storyboard is asked). A missing interface counts as no information and
    // gives the default; any other failure of the engine is added to the caller's error stack
    // and gives the default as well.

    // The storyboard of a menu or a title, or the storyboard itself (counted); null when there
    // is none.
    static CComPtr<IKVEProductionData> GetProduction(IUnknown* pObject);
    // AspectRatio_16x9 when the production's aspect ratio lies within 0.01 of 16/9, else
    // AspectRatio_4x3 (also without information).
    static AspectRatio GetAspectRatio(IUnknown* pObject);
    // Frames a second of editing; 29.97 without information.
    static double GetEditingFrameRate(IUnknown* pObject);
    // Seconds; 0.0 without information.
    static double GetDuration(IUnknown* pObject);
    // Whether the production information's 3D flag is set.
    static bool Is3DProduction(IUnknown* pObject);
    // Whether the file name's extension is one of the production files' (".dmsm", ".dmsm3d",
    // ".dmss", ".pssd") or the slideshow production files' (".dmss"), in any case. False for
    // null.
    static bool IsProductionFile(const wchar_t* pszFile);
    static bool IsSlideShowProductionFile(const wchar_t* pszFile);
    // The production the graph manager renders now (counted); null when none or for null.
    static CComPtr<IUnknown> GetComposition(IKVEGraphManager* pGraphManager);
    // The ID under which pObject is known in pContainer: in a storyboard, the ID of its panel
    // or audio object, or the effect ID of a menu element that has an item there; in a
    // project, the object's ID when the project finds that very object by it. 0 when the
    // container does not know the object (or either is null).
    static DWORD FindId(IUnknown* pContainer, IUnknown* pObject);

    // ---- Slideshow metadata (production/SlideShowInfo.cpp), read from the "SlideShowDoc"
    // metadata of the production. Objects as for the queries above.

    // Whether the slideshow's style file ("AEStyle/StyleFile") names "SS_Action.xml",
    // "SS_Dissolve.xml" or "SS_DVD_Infinite.xml", and its storyboard is made of still
    // pictures: at least one source panel, and every panel at an even position a still.
    static bool IsEncodedAsSlideShow(IUnknown* pObject);
    // Whether the style file names "SS_VCD_HighRes.xml".
    static bool IsVCDHiresSlideshow(IUnknown* pObject);
    // The "Enabled" attribute of "DVDSlideShow" ("1" or "true" in any case is set).
    static bool IsInfiniteSlideShow(IUnknown* pObject);
    // Writes "Enabled" as "1" or "0", making "DVDSlideShow" when it is missing. E_POINTER for
    // a null object; E_FAIL, reported, for a production that is no slideshow.
    static HRESULT SetInfiniteSlideShow(IUnknown* pObject, bool bInfinite);
    // The slide duration in seconds ("AEProductionElements/AEWizardProductionElements/
    // SlideDuration"). E_POINTER for a null object; S_FALSE, dblDuration unchanged, when the
    // production has no such value; DISP_E_TYPEMISMATCH, reported, when it is no number.
    static HRESULT GetAESlideDuration(IUnknown* pObject, double& dblDuration);

    // ---- Storyboard edits (production/ProductionEdits.cpp).

    // Sets the duration of the storyboard's first panel. When the engine refuses that length
    // with E_FAIL (a source shorter than asked), the panel ends instead on the middle of the
    // last whole frame of its source file at the editing frame rate. Then the background
    // audio is matched to the new length. Failures are reported and returned; E_POINTER for
    // a null storyboard.
    static HRESULT SetDuration(IUnknown* pSbd, double dDuration);
    // Makes a plain background audio file of the storyboard repeat until the storyboard's
    // end. Smart audio arranges its own length and is left alone; S_FALSE when the storyboard
    // has no plain background audio.
    static HRESULT _matchBkgndAudioDuration(IUnknown* pSbd);
    // Deletes every panel of the storyboard at once. E_POINTER, reported, for an object that
    // is no storyboard.
    static HRESULT ClearProduction(IUnknown* pProd);
    // S_OK when every source file of the storyboard (nested productions included) exists;
    // otherwise reports "Production is missing %d files" and returns
    // E_VALIDATEPRODUCTION_MISSING_FILES. E_POINTER for an object that is no storyboard.
    static HRESULT ValidateProduction(IUnknown* pSbd);

    // ---- Media files (production/MediaFileQueries.cpp). Each opens the file with the media
    // file properties object; failures of that object are reported and returned.

    // S_OK when the file's picture is nearer to 16:9 than to 4:3, else S_FALSE (also for a
    // picture without a size). The displayed shape is compared (an anamorphic 16:9 frame of
    // 720 × 480 is 16:9); mode 1 halves it (two views side by side), mode 2 doubles it (two
    // views one above the other).
    static HRESULT IsFile16x9(const wchar_t* pszFile, LONG lMode);
    // S_OK when the engine can edit the file; otherwise its reason (a file error,
    // HRESULT_FROM_WIN32(ERROR_INVALID_DATA), KVG_E_NO_VIDEO, KVG_E_FRAME_TOO_LARGE), whose
    // text is reported.
    static HRESULT IsFileEditable(const wchar_t* pszFile);

    // ---- Button chapters (production/ButtonChapterTime.cpp).

    // The start time of the chapter the button plays, in seconds: 0.0 for chapter 1, for a
    // button without commands or link, and on any failure.
    static double GetBtnChapterTime(IDSMenuButton* pButton);

    // ---- Placing elements in a menu's storyboard (production/ElementPlacement.cpp). A
    // placement is kept as the "Position" entry (attributes "x" and "y", menu space) of the
    // effect data of the element's item in the storyboard.

    // Places the element's item at (x, y). E_POINTER for a null argument or an object that
    // is no storyboard; E_SETELEMENTPOS_NO_EFFECT_ITEM when the element has no item there.
    static HRESULT SetElementPos(IUnknown* pSbd, IDSMenuElement* pElement, float x, float y);
    // The same for a button, with the storyboard given as the effect object of an arrangement:
    // a storyboard, or a menu (whose storyboard is used).
    static HRESULT PositionBtnEffect(IUnknown* pEffect, IDSMenuButton* pButton, float x, float y);

    // ---- Frame capture (production/FrameCapture.cpp).

    // The frame of the production at dTime seconds, nX × nY pixels of 32-bit BGRA (rows top
    // to bottom), in a block of the task allocator that the caller frees with CoTaskMemFree.
    // pGM is the graph manager to render with (an IKVEGraphManager), or null for a new one; a
    // given graph manager gets back its production, window, preview setting and graph
    // context on every way out, and a preview it was running is stopped. E_POINTER for a
    // null production or out argument; failures are reported and returned, *ppBytes null.
    static HRESULT GetImage_32(IUnknown* pProduction, IUnknown* pGM, int nX, int nY, BYTE** ppBytes,
                               double dTime);

    // ---- Image files (production/ImageFiles.cpp). Files are written under a temporary
    // name beside the final one and renamed into place, so a failed save never leaves a
    // half-written picture under the final name.

    // Saves nX × nY pixels of 32-bit BGRA, scaled to nXOut × nYOut when both are non-zero,
    // with the encoder the extension chooses (png, jpg, bmp, tif, tga). When that fails, a
    // file whose extension is ".bmp" in any case, or whose name starts with "MenuSPU" (".BMP"
    // is then appended), is written as a raw 32-bit bitmap of rows top to bottom. With
    // pbstrLetterbox, the picture squeezed to three quarters of its height between empty
    // bands is saved as well, beside the file with "_ltrbx" before the extension ("_ltrbx1",
    // "_ltrbx2" … when an earlier file of the name cannot be deleted), and its path handed
    // out in a new string that the caller frees. E_POINTER for a null buffer or file name;
    // E_SAVEIMAGE32_CANT_CREATE_BITMAP for sizes outside 1 … 16384.
    static HRESULT SaveImage_32(const BYTE* pBytes, int nX, int nY, const wchar_t* pszFile,
                                BSTR* pbstrLetterbox = nullptr, int nXOut = 0, int nYOut = 0);
    // GetImage_32, then the buffer form without a letterbox picture.
    static HRESULT SaveImage_32(IUnknown* pProduction, IUnknown* pGM, int nX, int nY,
                                const wchar_t* pszFile, double dTime = 0.0, int nXOut = 0,
                                int nYOut = 0);
    // Writes nX × nY pixels of 24-bit BGR (3 bytes a pixel, no gap between rows), scaled to
    // nXOut × nYOut when both are non-zero, as a raw 24-bit bitmap file whatever the
    // extension, each row padded to a multiple of 4 bytes.
    static HRESULT SaveImage_24(const BYTE* pBytes, int nX, int nY, const wchar_t* pszFile,
                                int nXOut = 0, int nYOut = 0);

    // ---- Pictures with text (production/TextImage.cpp).

    // Saves a picture of nX × nY filled with crColour (a COLORREF, 0x00BBGGRR) with up to
    // three lines of text in the sans font: pszText1 centred at the top, pszText2 centred in
    // the middle, pszText3 centred at the bottom, each only when given and not empty, in
    // black on a light fill and white on a dark one. The extension chooses the encoder.
    static HRESULT CreateImageWithText(const wchar_t* pszFile, int nX, int nY, DWORD crColour,
                                       const wchar_t* pszText1 = nullptr,
                                       const wchar_t* pszText2 = nullptr,
                                       const wchar_t* pszText3 = nullptr);

    // ---- Menu backgrounds (production/ProductionEdits.cpp, production/MediaFileQueries.cpp,
    // production/BackgroundAudio.cpp).

    // Gives pDst the aspect ratio of pSrc's production information (4/3 when pSrc is null or
    // has none). A destination that has that ratio already is left alone, so that it reports
    // no change. E_POINTER for a null destination or one without information; failures of the
    // engine are reported and returned.
    static HRESULT MatchAspectRatio(IKVEProductionData* pSrc, IKVEProductionData* pDst);
    // Whether the file is a smart audio track (as the media file properties object reads it);
    // false for null, an empty name or a file that cannot be read.
    static bool IsSmartSoundAudio(const wchar_t* pszFile);
    // Replaces the storyboard's background audio: every audio object of the kind
    // enBackgroundAudio is deleted, then bstrAudio is added from the start, as a smart audio
    // track when it is one (it arranges its own length), else as a plain file repeated up to
    // the storyboard's end. The storyboard's first panel plays its own sound exactly when
    // bstrAudio is empty. E_POINTER for a null or non-storyboard object; the engine's refusal
    // of a file (a missing or unreadable one) is reported and returned.
    static HRESULT SetBkgndAudio(IUnknown* pSbd, const CComBSTR& bstrAudio);
    // The storyboard's background audio: the file of plain audio, or the file a smart audio
    // track was added from. S_FALSE, bstrAudio empty, when it has none. E_POINTER for a null or
    // non-storyboard object.
    static HRESULT GetBkgndAudio(IUnknown* pSbd, CComBSTR& bstrAudio);
};
