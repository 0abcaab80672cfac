// Editing a production's panels and audio. Positions count from 0 with source panels on even
// and transitions on odd positions; a position beyond the end appends. Each operation hands
// out the object it added through its last argument, which may be null.
#pragma once

#include "KVEPanels.h"

// How a stereoscopic source holds its two views.
enum tagENM_3DSOURCE_TYPE : LONG
{
    ENM_3DSOURCE_2D = 0,
    // Left and right views side by side in one frame.
    ENM_3DSOURCE_SIDE_BY_SIDE = 1,
    // One view above the other in one frame.
    ENM_3DSOURCE_TOP_BOTTOM = 2,
};
using ENM_3DSOURCE_TYPE = tagENM_3DSOURCE_TYPE;

DS_INTERFACE_ID(IEditData, IUnknown, "{6CF4B280-EA78-4970-9607-0022C160B401}");

struct IEditData : IUnknown
{
    // A source file (video, picture or production file) played from inPoint to outPoint
    // seconds of the source; outPoint 0 plays to the source's end, and a still picture gets the
    // default still duration. useNativeAudio says whether the source's own sound plays.
    virtual HRESULT AddSourceFile(LONG position, BSTR file, double inPoint, double outPoint,
                                  VARIANT_BOOL useNativeAudio, IUnknown** panel) = 0;
    // A solid colour panel; colour is red << 16 | green << 8 | blue.
    virtual HRESULT AddSolidColor(LONG position, DWORD colour, IUnknown** panel) = 0;
    // A nested production shown from offset seconds for duration seconds (0: to its end); the
    // production is kept under the moniker as a sub-production as well.
    virtual HRESULT AddProductionMoniker(LONG position, BSTR moniker, IUnknown* production,
                                         double offset, double duration,
                                         VARIANT_BOOL useNativeAudio, IUnknown** panel) = 0;
    // A transition (an effect element, IXMLDOMNode) at an odd position between two source
    // panels. duration (optional) overrides the effect's "Duration" attribute (default 1 s).
    virtual HRESULT AddTransition(LONG position, IUnknown* effectXml, IUnknown** transition,
                                  const double* duration) = 0;
    // Audio of a kind (KVEAudioKind) from a file, starting at start seconds of the production.
    virtual HRESULT AddProductionAudio(BSTR file, LONG kind, double start, IUnknown** audio) = 0;
    // A smart audio track (see IKVGMediaFileProp::IsSmartAudio) named by its file, from start
    // for duration seconds (0: to the production's end).
    virtual HRESULT AddProductionSmartAudio(BSTR file, LONG kind, double start, double duration,
                                            IUnknown** audio) = 0;
    // Removes an audio object by its ID; S_FALSE when there is none.
    virtual HRESULT DeleteProductionAudio(LONG id) = 0;
    // A title of a DVD-Video source: the moniker is "vob:" followed by the path of a VOB file.
    virtual HRESULT Add3DVOBMoniker(LONG position, BSTR moniker, tagENM_3DSOURCE_TYPE type,
                                    VARIANT_BOOL leftEyeFirst, VARIANT_BOOL useNativeAudio,
                                    IUnknown** panel) = 0;
};
