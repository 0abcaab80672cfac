// Audio objects. Source and nested-production panels answer IKVEAudioObject for their own
// sound; audio added to a production answers IKVEAudioObject, IKVEAudioSource and
// IKVEAudioSubObject, and smart audio IKVESmartAudio as well.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

// The kinds of production audio.
enum KVEAudioKind : LONG
{
    enBackgroundAudio = 0,
    enNarrationAudio = 1,
    enSoundEffectAudio = 2,
};

DS_INTERFACE_ID(IKVEAudioObject, IUnknown, "{09EAF43B-9AB6-4819-A3C1-8C048651A348}");
DS_INTERFACE_ID(IKVEAudioSource, IUnknown, "{DF3708C3-17C2-492F-95C9-251E90A8F1AB}");
DS_INTERFACE_ID(IKVEAudioSubObject, IUnknown, "{8052905F-395C-4559-BECF-17718EC2312A}");
DS_INTERFACE_ID(IKVESmartAudio, IUnknown, "{9997046C-ACB1-48F9-AB31-8FE6A74D54A6}");

struct IKVEAudioObject : IUnknown
{
    // Loudness from 0 (silent) to 1 (as recorded); E_INVALIDARG outside 0 … 1.
    virtual HRESULT get_VolumeLevel(double* level) = 0;
    virtual HRESULT put_VolumeLevel(double level) = 0;
    // Whether the object's own sound plays.
    virtual HRESULT get_UseNativeAudio(VARIANT_BOOL* use) = 0;
    virtual HRESULT put_UseNativeAudio(VARIANT_BOOL use) = 0;
};

struct IKVEAudioSource : IUnknown
{
    virtual HRESULT get_FileName(BSTR* file) = 0;
    // Whether the file starts again when it ends, up to the end offset.
    virtual HRESULT get_Repeat(VARIANT_BOOL* repeat) = 0;
    virtual HRESULT put_Repeat(VARIANT_BOOL repeat) = 0;
};

// Where production audio plays.
struct IKVEAudioSubObject : IUnknown
{
    virtual HRESULT get_ID(LONG* id) = 0;
    // A KVEAudioKind value.
    virtual HRESULT get_Kind(LONG* kind) = 0;
    // Start and end in production seconds; an end offset of 0 plays the file once (or, for
    // smart audio, to the production's end). E_INVALIDARG for a negative offset.
    virtual HRESULT get_StartOffset(double* seconds) = 0;
    virtual HRESULT put_StartOffset(double seconds) = 0;
    virtual HRESULT get_EndOffset(double* seconds) = 0;
    virtual HRESULT put_EndOffset(double seconds) = 0;
    // Fade-in and fade-out lengths in seconds.
    virtual HRESULT get_FadeIn(double* seconds) = 0;
    virtual HRESULT put_FadeIn(double seconds) = 0;
    virtual HRESULT get_FadeOut(double* seconds) = 0;
    virtual HRESULT put_FadeOut(double seconds) = 0;
};

struct IKVESmartAudio : IUnknown
{
    // The smart audio file the track was added from.
    virtual HRESULT get_Moniker(BSTR* moniker) = 0;
    // The track's title as the file names it.
    virtual HRESULT get_Title(BSTR* title) = 0;
    // The longest the track can be arranged to last, in seconds; −1 when it has no limit.
    virtual HRESULT get_MaxDuration(double* seconds) = 0;
};
