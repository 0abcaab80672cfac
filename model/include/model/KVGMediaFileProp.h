// Properties of a media file, probed from its contents.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

// Media file property objects.
inline constexpr CLSID CLSID_KVGMediaFileProp = MakeGuid("{DCED24FB-A479-444A-BCAA-98EE6490A32B}");

// Why a file cannot be read or edited (besides the file errors of missing or unreadable
// files): HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing file,
// HRESULT_FROM_WIN32(ERROR_INVALID_DATA) (13) for data that cannot be decoded, and:
inline constexpr HRESULT KVG_E_NO_VIDEO = MakeHResult(0x80040201u);
inline constexpr HRESULT KVG_E_FRAME_TOO_LARGE = MakeHResult(0x80040202u);
inline constexpr HRESULT KVG_E_NO_FILE = MakeHResult(0x80040203u);

// The largest frame side the engine edits.
inline constexpr LONG kKVGMaxEditableSide = 4096;

struct KVGVideoInfo
{
    // Frame size in pixels, 0 for a file without pictures.
    LONG lWidth;
    LONG lHeight;
    // Frames a second; 0 for a still picture or a file without pictures.
    double dFrameRate;
    // Seconds; 0 for a still picture.
    double dDuration;
    // Width / height as displayed (the pixel aspect ratio applied); 0 without pictures.
    double dAspectRatio;
    // Whether the file holds sound.
    VARIANT_BOOL bHasAudio;
    // Whether the file is a single picture.
    VARIANT_BOOL bIsStill;
};

DS_INTERFACE_ID(IKVGMediaFileProp, IUnknown, "{5A609309-6556-44F3-8FF7-D96982D06104}");

struct IKVGMediaFileProp : IUnknown
{
    // Probes a file. A file that does not exist or cannot be read still becomes the object's
    // file (its properties are then empty); the probe's answer is given by CanReadFile.
    virtual HRESULT SetFile(BSTR file) = 0;
    // The properties of the video stream of a number (1 for the first) of the file; flags is
    // reserved (0). KVG_E_NO_FILE before SetFile, E_INVALIDARG for a stream the file does not
    // have.
    virtual HRESULT GetVideoInfoEx(LONG stream, LONG flags, KVGVideoInfo* info) = 0;
    // 0 when the file can be read, else the reason (see above).
    virtual HRESULT CanReadFile(LONG* reason) = 0;
    // 0 when the engine can edit the file, else the reason: a file that cannot be read, one
    // without pictures (KVG_E_NO_VIDEO) or with frames larger than kKVGMaxEditableSide
    // (KVG_E_FRAME_TOO_LARGE).
    virtual HRESULT CanEditFile(LONG* reason) = 0;
    // Whether the file is a smart audio track: an XML document whose root element is
    // "SmartAudio" (attributes "title" and "maxDuration", "Segment" children with "file").
    virtual HRESULT IsSmartAudio(VARIANT_BOOL* smart) = 0;
};
