#include "support/ClipWriter.h"

#include "platform/AvHandles.h"
#include "platform/StringConv.h"

namespace {

constexpr DWORD kPalette[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                               0xFF00FFFF, 0xFFFF00FF, 0xFFFFFFFF, 0xFF808080};

struct Encoder
{
    AvOutputPtr output;
    AvCodecContextPtr codec;
    AVStream* stream = nullptr;
};

HRESULT OpenEncoder(const std::string& file, const ClipShape& shape, Encoder& encoder)
{
    AVFormatContext* output = nullptr;
    if (avformat_alloc_output_context2(&output, nullptr, nullptr, file.c_str()) < 0)
        return E_FAIL;
    encoder.output.reset(output);
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    encoder.codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext& c = *encoder.codec;
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
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        c.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(&c, codec, nullptr) < 0)
        return E_FAIL;
    encoder.stream = avformat_new_stream(output, nullptr);
    avcodec_parameters_from_context(encoder.stream->codecpar, &c);
    encoder.stream->time_base = c.time_base;
    encoder.stream->sample_aspect_ratio = c.sample_aspect_ratio;
    if (avio_open(&output->pb, file.c_str(), AVIO_FLAG_WRITE) < 0)
        return E_FAIL;
    return avformat_write_header(output, nullptr) < 0 ? E_FAIL : S_OK;
}

HRESULT Drain(Encoder& encoder, AVFrame* frame)
{
    if (avcodec_send_frame(encoder.codec.get(), frame) < 0)
        return E_FAIL;
    AvPacketPtr packet = MakeAvPacket();
    while (avcodec_receive_packet(encoder.codec.get(), packet.get()) == 0) {
        packet->duration = 1;
        av_packet_rescale_ts(packet.get(), encoder.codec->time_base, encoder.stream->time_base);
        packet->stream_index = encoder.stream->index;
        if (av_interleaved_write_frame(encoder.output.get(), packet.get()) < 0)
            return E_FAIL;
    }
    return S_OK;
}

void PaintFrame(const ClipShape& shape, int index, SwsContext* scaler, AVFrame& frame)
{
    BgraImage picture(shape.width, shape.height);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x)
            picture.SetPixel(
                x, y, x < shape.width / 2 ? LeftColourOfFrame(index) : RightColourOfFrame(index));
    const uint8_t* planes[4] = {picture.Data(), nullptr, nullptr, nullptr};
    int strides[4] = {int(picture.Stride()), 0, 0, 0};
    av_frame_make_writable(&frame);
    sws_scale(scaler, planes, strides, 0, shape.height, frame.data, frame.linesize);
    frame.pts = index;
}

} // namespace

DWORD LeftColourOfFrame(int frame)
{
    return kPalette[frame % 8];
}

DWORD RightColourOfFrame(int frame)
{
    return kPalette[(frame / 8) % 8];
}

HRESULT WriteColourClip(const std::wstring& path, const ClipShape& shape)
{
    Encoder encoder;
    HRESULT hr = OpenEncoder(WideToUtf8(path), shape, encoder);
    if (FAILED(hr))
        return hr;
    AvFramePtr frame = MakeAvFrame();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = shape.width;
    frame->height = shape.height;
    av_frame_get_buffer(frame.get(), 0);
    SwsContextPtr scaler(sws_getContext(shape.width, shape.height, AV_PIX_FMT_BGRA, shape.width,
                                        shape.height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr,
                                        nullptr, nullptr));
    for (int i = 0; i < shape.frameCount && SUCCEEDED(hr); ++i) {
        PaintFrame(shape, i, scaler.get(), *frame);
        hr = Drain(encoder, frame.get());
    }
    if (SUCCEEDED(hr))
        hr = Drain(encoder, nullptr);
    if (SUCCEEDED(hr) && av_write_trailer(encoder.output.get()) < 0)
        hr = E_FAIL;
    avio_closep(&encoder.output->pb);
    return hr;
}
