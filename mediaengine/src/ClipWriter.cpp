#include "mediaengine/ClipWriter.h"

#include "ClipStream.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kSampleRate = 48000;
constexpr int kAudioBitRate = 192000;
// A quarter of full scale: clearly audible, far from clipping.
constexpr double kToneLevel = 0.25 * 32767.0;
// Fading in and out keeps the tone from clicking at the clip's ends.
constexpr int kFadeSamples = kSampleRate / 100;

bool IsValidShape(const ClipShape& shape)
{
    auto validSide = [](int side) { return side >= 16 && side <= 4096 && side % 2 == 0; };
    return validSide(shape.width) && validSide(shape.height) && shape.framesPerSecond >= 1 &&
           shape.framesPerSecond <= 120 && shape.frameCount >= 1 && shape.keyframeInterval >= 1 &&
           shape.toneFrequency >= 0.0 && shape.toneFrequency < 20000.0 && shape.pixelWidth >= 1 &&
           shape.pixelHeight >= 1 && shape.pixelWidth <= 255 && shape.pixelHeight <= 255;
}

// The container being written with its streams; the file is removed again unless Finish ran.
struct ClipOutput
{
    std::string file;
    AvOutputPtr container;
    ClipStream video;
    ClipStream audio;
    bool hasAudio = false;
    bool fileOpen = false;
    bool finished = false;

    ~ClipOutput()
    {
        if (!fileOpen)
            return;
        avio_closep(&container->pb);
        if (!finished)
            std::remove(file.c_str());
    }
};

void ConfigureVideo(const ClipShape& shape, AVCodecContext& c)
{
    c.width = shape.width;
    c.height = shape.height;
    c.pix_fmt = AV_PIX_FMT_YUV420P;
    c.time_base = {1, shape.framesPerSecond};
    c.framerate = {shape.framesPerSecond, 1};
    c.sample_aspect_ratio = {shape.pixelWidth, shape.pixelHeight};
    c.gop_size = shape.keyframeInterval;
    c.max_b_frames = 0;
    c.flags |= AV_CODEC_FLAG_QSCALE;
    c.global_quality = FF_QP2LAMBDA * 2;
    c.thread_count = 1;
}

void ConfigureAudio(AVCodecContext& c)
{
    c.sample_fmt = AV_SAMPLE_FMT_S16;
    c.sample_rate = kSampleRate;
    av_channel_layout_default(&c.ch_layout, 2);
    c.bit_rate = kAudioBitRate;
    c.time_base = {1, kSampleRate};
}

HRESULT OpenOutput(const ClipShape& shape, ClipOutput& output)
{
    AVFormatContext* container = nullptr;
    if (avformat_alloc_output_context2(&container, nullptr, nullptr, output.file.c_str()) < 0) {
        LOG_HR(E_INVALIDARG, ("no container for \"" + output.file + "\"").c_str());
        return E_INVALIDARG;
    }
    output.container.reset(container);
    CHECK_HR(output.video.Open(container, AV_CODEC_ID_MPEG4,
                               [&](AVCodecContext& c) { ConfigureVideo(shape, c); }));
    output.hasAudio = shape.toneFrequency > 0.0;
    if (output.hasAudio)
        CHECK_HR(output.audio.Open(container, AV_CODEC_ID_MP2, ConfigureAudio));
    int error = avio_open(&container->pb, output.file.c_str(), AVIO_FLAG_WRITE);
    if (error < 0) {
        HRESULT hr = HResultFromAvError(error);
        LOG_HR(hr, ("avio_open(\"" + output.file + "\")").c_str());
        return hr;
    }
    output.fileOpen = true;
    CHECK_HR(HResultFromAvError(avformat_write_header(container, nullptr)));
    return S_OK;
}

// The picture of each frame, converted for the video encoder.
struct VideoFrames
{
    BgraImage picture;
    AvFramePtr frame = MakeAvFrame();
    SwsContextPtr scaler;

    HRESULT Allocate(const ClipShape& shape)
    {
        CHECK_HR(BgraImage::Create(shape.width, shape.height, 0xFF000000, picture));
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = shape.width;
        frame->height = shape.height;
        CHECK_HR(HResultFromAvError(av_frame_get_buffer(frame.get(), 0)));
        scaler.reset(sws_getContext(shape.width, shape.height, AV_PIX_FMT_BGRA, shape.width,
                                    shape.height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr,
                                    nullptr));
        return scaler ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT Convert(int index)
    {
        CHECK_HR(HResultFromAvError(av_frame_make_writable(frame.get())));
        const uint8_t* planes[4] = {picture.Data(), nullptr, nullptr, nullptr};
        int strides[4] = {int(picture.Stride()), 0, 0, 0};
        sws_scale(scaler.get(), planes, strides, 0, picture.Height(), frame->data, frame->linesize);
        frame->pts = index;
        return S_OK;
    }
};

// The tone, one encoder frame of samples at a time; silence past its end fills the last frame.
struct ToneFrames
{
    double frequency = 0.0;
    int64_t totalSamples = 0;
    int64_t nextSample = 0;
    AvFramePtr frame = MakeAvFrame();

    HRESULT Allocate(const ClipShape& shape, AVCodecContext& codec)
    {
        frequency = shape.toneFrequency;
        totalSamples = int64_t(shape.frameCount) * kSampleRate / shape.framesPerSecond;
        frame->format = codec.sample_fmt;
        frame->sample_rate = codec.sample_rate;
        frame->nb_samples = codec.frame_size;
        CHECK_HR(HResultFromAvError(av_channel_layout_copy(&frame->ch_layout, &codec.ch_layout)));
        CHECK_HR(HResultFromAvError(av_frame_get_buffer(frame.get(), 0)));
        return S_OK;
    }

    double SampleAt(int64_t n) const
    {
        if (n >= totalSamples)
            return 0.0;
        double fade =
            std::min({1.0, double(n) / kFadeSamples, double(totalSamples - n) / kFadeSamples});
        return kToneLevel * fade *
               std::sin(2.0 * std::numbers::pi * frequency * double(n) / kSampleRate);
    }

    HRESULT Fill()
    {
        CHECK_HR(HResultFromAvError(av_frame_make_writable(frame.get())));
        auto* samples = reinterpret_cast<int16_t*>(frame->data[0]);
        int channels = frame->ch_layout.nb_channels;
        for (int i = 0; i < frame->nb_samples; ++i) {
            auto value = int16_t(std::lround(SampleAt(nextSample + i)));
            for (int channel = 0; channel < channels; ++channel)
                samples[i * channels + channel] = value;
        }
        frame->pts = nextSample;
        nextSample += frame->nb_samples;
        return S_OK;
    }
};

// Encodes the tone up to the end of video frame index, so that the muxer interleaves the
// two streams closely.
HRESULT WriteToneUpTo(int index, const ClipShape& shape, ToneFrames& tone, ClipOutput& output)
{
    int64_t until =
        std::min(tone.totalSamples, int64_t(index + 1) * kSampleRate / shape.framesPerSecond);
    while (tone.nextSample < until) {
        CHECK_HR(tone.Fill());
        CHECK_HR(output.audio.Encode(tone.frame.get()));
    }
    return S_OK;
}

HRESULT WriteFrames(const ClipShape& shape, const ClipPainter& paint, ClipOutput& output)
{
    VideoFrames video;
    CHECK_HR(video.Allocate(shape));
    ToneFrames tone;
    if (output.hasAudio)
        CHECK_HR(tone.Allocate(shape, output.audio.Codec()));
    for (int index = 0; index < shape.frameCount; ++index) {
        paint(index, video.picture);
        CHECK_HR(video.Convert(index));
        CHECK_HR(output.video.Encode(video.frame.get()));
        if (output.hasAudio)
            CHECK_HR(WriteToneUpTo(index, shape, tone, output));
    }
    return S_OK;
}

HRESULT Finish(ClipOutput& output)
{
    CHECK_HR(output.video.Encode(nullptr));
    if (output.hasAudio)
        CHECK_HR(output.audio.Encode(nullptr));
    CHECK_HR(HResultFromAvError(av_write_trailer(output.container.get())));
    output.finished = true;
    return S_OK;
}

} // namespace

HRESULT WriteClip(const std::wstring& path, const ClipShape& shape, const ClipPainter& paint)
{
    KVUClearErrorStack();
    CHECK_NULL(paint);
    if (!IsValidShape(shape)) {
        LOG_HR(E_INVALIDARG, "IsValidShape(shape)");
        return E_INVALIDARG;
    }
    ClipOutput output;
    output.file = WideToUtf8(path);
    CHECK_HR(OpenOutput(shape, output));
    CHECK_HR(WriteFrames(shape, paint, output));
    CHECK_HR(Finish(output));
    return S_OK;
}
