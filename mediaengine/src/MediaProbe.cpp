#include "MediaProbe.h"

#include "platform/AvHandles.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>

namespace {

// Demuxers that read single pictures.
bool IsPictureDemuxer(const AVInputFormat* format)
{
    std::string_view name = format ? format->name : "";
    return name == "image2" || name.ends_with("_pipe") || name == "gif";
}

void ReadVideoStream(const AVStream& stream, MediaInfo& info)
{
    const AVCodecParameters& parameters = *stream.codecpar;
    info.hasVideo = true;
    info.width = parameters.width;
    info.height = parameters.height;
    // The base rate is the nominal one; the average is measured and rounds badly on short
    // clips.
    AVRational rate = stream.r_frame_rate.num ? stream.r_frame_rate : stream.avg_frame_rate;
    info.frameRate = rate.den ? av_q2d(rate) : 0.0;
    AVRational pixel = parameters.sample_aspect_ratio;
    double pixelRatio = pixel.num > 0 && pixel.den > 0 ? av_q2d(pixel) : 1.0;
    info.aspectRatio = info.height > 0 ? pixelRatio * info.width / info.height : 0.0;
}

void ReadStreams(const AVFormatContext& input, MediaInfo& info)
{
    int video = av_find_best_stream(const_cast<AVFormatContext*>(&input), AVMEDIA_TYPE_VIDEO, -1,
                                    -1, nullptr, 0);
    if (video >= 0)
        ReadVideoStream(*input.streams[video], info);
    for (unsigned i = 0; i < input.nb_streams; ++i)
        info.hasAudio =
            info.hasAudio || input.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
    info.isStill = info.hasVideo && (IsPictureDemuxer(input.iformat) ||
                                     (video >= 0 && input.streams[video]->nb_frames == 1));
    if (!info.isStill && input.duration > 0)
        info.duration = double(input.duration) / AV_TIME_BASE;
    // Some containers end their duration at the last frame's start: the frame count says how
    // long the last frame lasts.
    if (!info.isStill && video >= 0 && input.streams[video]->nb_frames > 0 && info.frameRate > 0.0)
        info.duration = std::max(info.duration, input.streams[video]->nb_frames / info.frameRate);
    if (info.isStill)
        info.frameRate = 0.0;
}

} // namespace

MediaInfo ProbeMediaFile(const std::wstring& path)
{
    MediaInfo info;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(NativePath(path), ignored)) {
        info.readResult = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        return info;
    }
    std::string file = WideToUtf8(path);
    AVFormatContext* opened = nullptr;
    int error = avformat_open_input(&opened, file.c_str(), nullptr, nullptr);
    if (error < 0) {
        info.readResult = HResultFromAvError(error);
        return info;
    }
    AvInputPtr input(opened);
    error = avformat_find_stream_info(input.get(), nullptr);
    if (error < 0) {
        info.readResult = HResultFromAvError(error);
        return info;
    }
    ReadStreams(*input, info);
    bool picture = info.width > 0 && info.height > 0;
    info.readResult = (info.hasVideo && picture) || (!info.hasVideo && info.hasAudio)
                          ? S_OK
                          : HResultFromAvError(AVERROR_INVALIDDATA);
    return info;
}

bool IsProductionFileName(const std::wstring& path)
{
    std::wstring extension = PathExtension(path);
    for (const wchar_t* known : {L".dmsm", L".dmsm3d", L".dmss", L".pssd"}) {
        if (CompareNoCase(extension, known) == 0)
            return true;
    }
    return false;
}
