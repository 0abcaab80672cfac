// Stored encoding values, and an encoding object on its own whose properties can be made to
// fail.
#pragma once

#include "model/IDSEncodingParams.h"
#include "platform/ComObject.h"

#include <string>

namespace encoding_test {

// The code a failing property answers; distinct from every code the library makes itself.
inline constexpr HRESULT kPropertyFailure = E_ACCESSDENIED;

// A property pair over a stored field that fails with kPropertyFailure while the property is
// the one named by the object's failing field.
#define FAKE_PROPERTY(Name, Type, field)                                                           \
    HRESULT get_##Name(Type* value) override                                                       \
    {                                                                                              \
        if (failing == #Name)                                                                      \
            return kPropertyFailure;                                                               \
        *value = field;                                                                            \
        return S_OK;                                                                               \
    }                                                                                              \
    HRESULT put_##Name(Type value) override                                                        \
    {                                                                                              \
        if (failing == #Name)                                                                      \
            return kPropertyFailure;                                                               \
        field = value;                                                                             \
        return S_OK;                                                                               \
    }

// What an encoding object stores.
struct EncodingValues
{
    AspectRatio aspect = AspectRatio_4x3;
    VideoFormat video = VideoFormat_MPEG2;
    VideoResolution resolution = VideoResolution_720;
    LONG videoBitrate = 6000000;
    AudioFormat audio = AudioFormat_AC3;
    LONG channels = 2;
    LONG audioBitrate = 192000;
    SubpictureFormat subpicture = SubpictureFormat_SD;
    VARIANT_BOOL twoPass = VARIANT_FALSE;
    VARIANT_BOOL sync = VARIANT_FALSE;

    bool operator==(const EncodingValues&) const = default;
};

// The values of an encoding object (a project's, a title's or a fake's); all zero when one
// cannot be read.
EncodingValues ValuesOf(IUnknown* object);
// Writes every value to an encoding object.
void Store(IUnknown* object, const EncodingValues& values);

// An encoding object of no project.
class FakeEncodingParams : public ComObject<FakeEncodingParams, IDSEncodingParams>
{
public:
    EncodingValues values;
    // The property (as named after get_/put_) that fails, in both directions.
    std::string failing;

    FAKE_PROPERTY(AspectRatio, AspectRatio, values.aspect)
    FAKE_PROPERTY(VideoFormat, VideoFormat, values.video)
    FAKE_PROPERTY(VideoResolution, VideoResolution, values.resolution)
    FAKE_PROPERTY(VideoBitrate, LONG, values.videoBitrate)
    FAKE_PROPERTY(AudioFormat, AudioFormat, values.audio)
    FAKE_PROPERTY(AudioChannels, LONG, values.channels)
    FAKE_PROPERTY(AudioBitrate, LONG, values.audioBitrate)
    FAKE_PROPERTY(SubpictureFormat, SubpictureFormat, values.subpicture)
    FAKE_PROPERTY(TwoPassEncoding, VARIANT_BOOL, values.twoPass)
    FAKE_PROPERTY(SyncToProject, VARIANT_BOOL, values.sync)
};

} // namespace encoding_test
