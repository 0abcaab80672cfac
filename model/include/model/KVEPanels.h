// The objects a production is made of. Every panel answers IBaseObject and IKVEEffectInfo;
// source files answer ISourceFile and IKVEAudioObject, solid colours IKVESolidColor, nested
// productions IKVEProductionMoniker and IKVEAudioObject, transitions IKVETransition.
#pragma once

#include "KVEAudio.h"
#include "KVEEffectInfo.h"

// What a panel is.
enum KVEPanelKind : LONG
{
    KVE_PANEL_SOURCE_FILE = 1,
    KVE_PANEL_SOLID_COLOR = 2,
    KVE_PANEL_PRODUCTION = 3,
    KVE_PANEL_TRANSITION = 4,
};

// What a source holds.
enum KVESourceType : LONG
{
    KVE_SOURCE_UNKNOWN = 0,
    KVE_SOURCE_VIDEO = 1,
    KVE_SOURCE_STILL = 2,
    KVE_SOURCE_AUDIO = 3,
    KVE_SOURCE_COLOR = 4,
    // A nested production named by a moniker.
    KVE_SOURCE_SUBPRODUCTION = 5,
    // A production file.
    KVE_SOURCE_PRODUCTION_FILE = 6,
    // A title of a DVD-Video source ("vob:").
    KVE_SOURCE_VOB = 7,
};

// How long a still picture shows when its panel is added without an interval.
inline constexpr double kKVEDefaultStillDuration = 5.0;

DS_INTERFACE_ID(IBaseObject, IUnknown, "{DCF95306-E9DA-444F-AE24-320619DB7F43}");
DS_INTERFACE_ID(ISourceFile, IUnknown, "{00F513BE-4E06-4BD0-B309-4AA45902C3D3}");
DS_INTERFACE_ID(IKVESolidColor, IUnknown, "{0640AC31-93F0-4EBE-92F8-3B6AD3784ADA}");
DS_INTERFACE_ID(IKVEProductionMoniker, IUnknown, "{8DD5E4D3-E8FC-46C3-A505-4B3ED1D3C6E6}");
DS_INTERFACE_ID(IKVETransition, IUnknown, "{B0B2431D-5473-4FA6-81FB-CCF359AF1A5D}");

struct IBaseObject : IUnknown
{
    // The ID, unique within the production.
    virtual HRESULT get_ID(LONG* id) = 0;
    // A KVEPanelKind value.
    virtual HRESULT get_Kind(LONG* kind) = 0;
    // Where the panel starts in the production, in seconds.
    virtual HRESULT GetStartTime(double* seconds) = 0;
    virtual HRESULT get_Duration(double* seconds) = 0;
    // E_INVALIDARG for a duration that is not positive; E_FAIL when a source cannot be played
    // that long from its in point (the panel keeps its duration).
    virtual HRESULT put_Duration(double seconds) = 0;
};

struct ISourceFile : IUnknown
{
    virtual HRESULT get_FileName(BSTR* file) = 0;
    // Where playing starts and ends in the source, in seconds. The out point is after the in
    // point and, for a video, not beyond the file's end (else E_INVALIDARG); stills take any
    // interval.
    virtual HRESULT get_InPoint(double* seconds) = 0;
    virtual HRESULT put_InPoint(double seconds) = 0;
    virtual HRESULT get_OutPoint(double* seconds) = 0;
    virtual HRESULT put_OutPoint(double seconds) = 0;
    // A KVESourceType value.
    virtual HRESULT get_SourceType(LONG* type) = 0;
    // Width / height of the source's picture as displayed; 0 when unknown (a missing file).
    virtual HRESULT get_AspectRatio(double* ratio) = 0;
    // The length of the source in seconds; 0 for a still picture or a missing file.
    virtual HRESULT get_FileDuration(double* seconds) = 0;
    // Clockwise rotation of the picture in degrees (0, 90, 180, 270).
    virtual HRESULT get_Rotation(LONG* degrees) = 0;
    virtual HRESULT put_Rotation(LONG degrees) = 0;
    // The stereoscopic layout (tagENM_3DSOURCE_TYPE) and which view comes first.
    virtual HRESULT get_3DSourceType(LONG* type) = 0;
    virtual HRESULT get_LeftEyeFirst(VARIANT_BOOL* leftFirst) = 0;
    // The pan-and-zoom effect: an element (IXMLDOMNode) whose attributes "x", "y", "width"
    // and "height" give the part of the picture shown, as fractions of the picture; null
    // removes it.
    virtual HRESULT PutPanZoomEffect(IUnknown* effect) = 0;
    // S_FALSE and null when there is none.
    virtual HRESULT GetPanZoomEffect(IXMLDOMNode** effect) = 0;
};

struct IKVESolidColor : IUnknown
{
    // red << 16 | green << 8 | blue.
    virtual HRESULT get_Color(DWORD* colour) = 0;
    virtual HRESULT put_Color(DWORD colour) = 0;
};

struct IKVEProductionMoniker : IUnknown
{
    virtual HRESULT get_Moniker(BSTR* moniker) = 0;
    // The nested production, counted.
    virtual HRESULT GetProduction(IUnknown** production) = 0;
    // Where showing starts inside the nested production, in seconds.
    virtual HRESULT get_Offset(double* seconds) = 0;
    virtual HRESULT put_Offset(double seconds) = 0;
};

struct IKVETransition : IUnknown
{
    // The effect's name ("Name" attribute) and ID (text of its "effect_id" child).
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT get_EffectID(BSTR* id) = 0;
};
