#include "EncodingFakes.h"

#include <gtest/gtest.h>

namespace encoding_test {

EncodingValues ValuesOf(IUnknown* object)
{
    EncodingValues values{};
    CComQIPtr<IDSEncodingParams> encoding(object);
    if (!encoding)
        return values;
    encoding->get_AspectRatio(&values.aspect);
    encoding->get_VideoFormat(&values.video);
    encoding->get_VideoResolution(&values.resolution);
    encoding->get_VideoBitrate(&values.videoBitrate);
    encoding->get_AudioFormat(&values.audio);
    encoding->get_AudioChannels(&values.channels);
    encoding->get_AudioBitrate(&values.audioBitrate);
    encoding->get_SubpictureFormat(&values.subpicture);
    encoding->get_TwoPassEncoding(&values.twoPass);
    encoding->get_SyncToProject(&values.sync);
    return values;
}

void Store(IUnknown* object, const EncodingValues& values)
{
    CComQIPtr<IDSEncodingParams> encoding(object);
    ASSERT_TRUE(encoding);
    encoding->put_AspectRatio(values.aspect);
    encoding->put_VideoFormat(values.video);
    encoding->put_VideoResolution(values.resolution);
    encoding->put_VideoBitrate(values.videoBitrate);
    encoding->put_AudioFormat(values.audio);
    encoding->put_AudioChannels(values.channels);
    encoding->put_AudioBitrate(values.audioBitrate);
    encoding->put_SubpictureFormat(values.subpicture);
    encoding->put_TwoPassEncoding(values.twoPass);
    encoding->put_SyncToProject(values.sync);
}

} // namespace encoding_test
