// The encoding parameters of a project or a title as stored values.
#pragma once

#include "model/ProjectEnums.h"

namespace objectmodel {

struct EncodingValues
{
    AspectRatio aspectRatio = AspectRatio_4x3;
    VideoFormat videoFormat = VideoFormat_MPEG2;
    VideoResolution videoResolution = VideoResolution_720;
    LONG videoBitrate = 7000000;
    AudioFormat audioFormat = AudioFormat_AC3;
    LONG audioChannels = 2;
    LONG audioBitrate = 384000;
    SubpictureFormat subpictureFormat = SubpictureFormat_SD;
    VARIANT_BOOL twoPassEncoding = VARIANT_FALSE;
    VARIANT_BOOL syncToProject = VARIANT_FALSE;

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"aspectRatio", aspectRatio);
        f.Field(L"videoFormat", videoFormat);
        f.Field(L"videoResolution", videoResolution);
        f.Field(L"videoBitrate", videoBitrate);
        f.Field(L"audioFormat", audioFormat);
        f.Field(L"audioChannels", audioChannels);
        f.Field(L"audioBitrate", audioBitrate);
        f.Field(L"subpictureFormat", subpictureFormat);
        f.Field(L"twoPassEncoding", twoPassEncoding);
        f.Field(L"syncToProject", syncToProject);
    }
};

} // namespace objectmodel
