// The encoding parameters of a project or of one title. Callers ask the project or the title
// for this interface.
#pragma once

#include "model/ProjectEnums.h"
#include "platform/Unknown.h"

DS_INTERFACE_ID(IDSEncodingParams, IUnknown, "{728B92F2-B2AA-4099-A42E-D2489D8B0339}");

// Every value is stored as given; which combinations a disc format allows is decided by the
// caller. Bitrates are in bits per second.
struct IDSEncodingParams : IUnknown
{
    virtual HRESULT get_AspectRatio(AspectRatio* value) = 0;
    virtual HRESULT put_AspectRatio(AspectRatio value) = 0;
    virtual HRESULT get_VideoFormat(VideoFormat* value) = 0;
    virtual HRESULT put_VideoFormat(VideoFormat value) = 0;
    virtual HRESULT get_VideoResolution(VideoResolution* value) = 0;
    virtual HRESULT put_VideoResolution(VideoResolution value) = 0;
    virtual HRESULT get_VideoBitrate(LONG* value) = 0;
    virtual HRESULT put_VideoBitrate(LONG value) = 0;
    virtual HRESULT get_AudioFormat(AudioFormat* value) = 0;
    virtual HRESULT put_AudioFormat(AudioFormat value) = 0;
    // 2 for stereo, 6 for 5.1.
    virtual HRESULT get_AudioChannels(LONG* value) = 0;
    virtual HRESULT put_AudioChannels(LONG value) = 0;
    virtual HRESULT get_AudioBitrate(LONG* value) = 0;
    virtual HRESULT put_AudioBitrate(LONG value) = 0;
    virtual HRESULT get_SubpictureFormat(SubpictureFormat* value) = 0;
    virtual HRESULT put_SubpictureFormat(SubpictureFormat value) = 0;
    virtual HRESULT get_TwoPassEncoding(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_TwoPassEncoding(VARIANT_BOOL value) = 0;
    // A title's parameters follow the project's master settings when this is VARIANT_TRUE; it is
    // a stored switch, the parameters are not rewritten by the object model.
    virtual HRESULT get_SyncToProject(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_SyncToProject(VARIANT_BOOL value) = 0;
};
