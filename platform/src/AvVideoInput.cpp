#include "platform/AvVideoInput.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

#include <cstring>
#include <vector>

extern "C" {
#include <libavutil/pixdesc.h>
}

HRESULT AvVideoInput::Open(const std::wstring& path)
{
    m_codec.reset();
    m_input.reset();
    m_flushed = false;
    std::string file = WideToUtf8(path);
    AVFormatContext* opened = nullptr;
    int error = avformat_open_input(&opened, file.c_str(), nullptr, nullptr);
    if (error < 0)
        return HResultFromAvError(error);
    m_input.reset(opened);
    error = avformat_find_stream_info(m_input.get(), nullptr);
    if (error < 0)
        return HResultFromAvError(error);
    m_streamIndex = av_find_best_stream(m_input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (m_streamIndex < 0)
        return E_IMAGE_UNREADABLE;
    return OpenDecoder();
}

HRESULT AvVideoInput::OpenDecoder()
{
    const AVCodecParameters* parameters = Stream()->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder)
        return E_IMAGE_UNREADABLE;
    AvCodecContextPtr codec(avcodec_alloc_context3(decoder));
    if (!codec)
        return E_OUTOFMEMORY;
    int error = avcodec_parameters_to_context(codec.get(), parameters);
    if (error < 0)
        return HResultFromAvError(error);
    // One decoding thread: frames come out in step with the packets fed, and the library
    // stays within its share of the machine.
    codec->thread_count = 1;
    codec->pkt_timebase = Stream()->time_base;
    error = avcodec_open2(codec.get(), decoder, nullptr);
    if (error < 0)
        return HResultFromAvError(error);
    m_codec = std::move(codec);
    m_packet = MakeAvPacket();
    return S_OK;
}

HRESULT AvVideoInput::DecodeNext(AVFrame* frame)
{
    if (!IsOpen() || !frame)
        return E_POINTER;
    for (;;) {
        int error = avcodec_receive_frame(m_codec.get(), frame);
        if (error == 0)
            return S_OK;
        if (error == AVERROR_EOF)
            return S_FALSE;
        if (error != AVERROR(EAGAIN))
            return HResultFromAvError(error);
        HRESULT hr = FeedDecoder();
        if (FAILED(hr))
            return hr;
    }
}

// Hands the decoder the next packet of the stream, or the end-of-stream marker once the file
// has no more. Packets the decoder rejects as corrupt are skipped.
HRESULT AvVideoInput::FeedDecoder()
{
    for (;;) {
        if (m_flushed)
            return S_FALSE;
        int error = av_read_frame(m_input.get(), m_packet.get());
        if (error < 0) {
            m_flushed = true;
            avcodec_send_packet(m_codec.get(), nullptr);
            return S_OK;
        }
        bool ours = m_packet->stream_index == m_streamIndex;
        error = ours ? avcodec_send_packet(m_codec.get(), m_packet.get()) : 0;
        av_packet_unref(m_packet.get());
        if (ours && error != AVERROR_INVALIDDATA)
            return error < 0 && error != AVERROR(EAGAIN) ? HResultFromAvError(error) : S_OK;
    }
}

HRESULT AvVideoInput::SeekBefore(int64_t timestamp)
{
    if (!IsOpen())
        return E_POINTER;
    int error = avformat_seek_file(m_input.get(), m_streamIndex, INT64_MIN, timestamp, timestamp,
                                   AVSEEK_FLAG_BACKWARD);
    if (error < 0)
        error = av_seek_frame(m_input.get(), m_streamIndex, timestamp, AVSEEK_FLAG_BACKWARD);
    if (error < 0)
        return HResultFromAvError(error);
    avcodec_flush_buffers(m_codec.get());
    m_flushed = false;
    return S_OK;
}

namespace {

// The full-range "J" formats are the plain ones with the full range declared separately.
AVPixelFormat PlainFormat(AVPixelFormat format, bool& fullRange)
{
    switch (format) {
    case AV_PIX_FMT_YUVJ420P:
        fullRange = true;
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        fullRange = true;
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        fullRange = true;
        return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P:
        fullRange = true;
        return AV_PIX_FMT_YUV440P;
    default:
        return format;
    }
}

int ScalerFlags(FrameScaling scaling)
{
    if (scaling == FrameScaling::Fast)
        return SWS_BICUBIC;
    return SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT | SWS_FULL_CHR_H_INP;
}

SwsContextPtr MakeFrameScaler(const AVFrame& frame, int width, int height, FrameScaling scaling)
{
    bool fullRange = frame.color_range == AVCOL_RANGE_JPEG;
    AVPixelFormat format = PlainFormat(AVPixelFormat(frame.format), fullRange);
    SwsContextPtr scaler(sws_getContext(frame.width, frame.height, format, width, height,
                                        AV_PIX_FMT_BGRA, ScalerFlags(scaling), nullptr, nullptr,
                                        nullptr));
    if (!scaler)
        return scaler;
    const int* coefficients = sws_getCoefficients(SWS_CS_DEFAULT);
    sws_setColorspaceDetails(scaler.get(), coefficients, fullRange ? 1 : 0, coefficients, 1, 0,
                             1 << 16, 1 << 16);
    return scaler;
}

bool HasAlpha(AVPixelFormat format)
{
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->flags & (AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL));
}

// Makes the rows top … bottom − 1 opaque over their first width pixels.
void MakeOpaque(BgraImage& image, int top, int bottom, int width)
{
    for (int y = top; y < bottom; ++y) {
        BYTE* row = image.Row(y);
        for (int x = 0; x < width; ++x)
            row[x * 4 + 3] = 0xFF;
    }
}

HRESULT ScaleRows(const AVFrame& frame, int width, int height, BYTE* first, size_t stride,
                  FrameScaling scaling)
{
    SwsContextPtr scaler = MakeFrameScaler(frame, width, height, scaling);
    if (!scaler)
        return E_IMAGE_UNREADABLE;
    uint8_t* planes[4] = {first, nullptr, nullptr, nullptr};
    int strides[4] = {int(stride), 0, 0, 0};
    int rows =
        sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
    return rows > 0 ? S_OK : E_IMAGE_UNREADABLE;
}

// Scales the frame into width × height pixels whose rows start at first, stride bytes apart.
// FFmpeg's vector code converts a row in steps of 8 pixels, filling up to 7 pixels beyond the
// width where the stride leaves room; where it does not, it leaves the last step unconverted.
// Rows without that room are converted into a buffer that has it and copied.
HRESULT ScaleFrame(const AVFrame& frame, int width, int height, BYTE* first, size_t stride,
                   FrameScaling scaling)
{
    size_t room = (size_t(width) + 7) / 8 * 8 * 4;
    if (stride >= room)
        return ScaleRows(frame, width, height, first, stride, scaling);
    std::vector<BYTE> rows(room * size_t(height));
    HRESULT hr = ScaleRows(frame, width, height, rows.data(), room, scaling);
    for (int y = 0; SUCCEEDED(hr) && y < height; ++y)
        std::memcpy(first + stride * size_t(y), rows.data() + room * size_t(y), size_t(width) * 4);
    return hr;
}

} // namespace

HRESULT ImageFromAvFrame(const AVFrame& frame, int width, int height, BgraImage& image,
                         FrameScaling scaling)
{
    if (frame.width <= 0 || frame.height <= 0)
        return E_IMAGE_UNREADABLE;
    width = width > 0 ? width : frame.width;
    height = height > 0 ? height : frame.height;
    BgraImage converted;
    HRESULT hr = BgraImage::Create(width, height, 0, converted);
    if (SUCCEEDED(hr))
        hr = ScaleFrame(frame, width, height, converted.Data(), converted.Stride(), scaling);
    if (FAILED(hr))
        return hr;
    if (!HasAlpha(AVPixelFormat(frame.format)))
        MakeOpaque(converted, 0, height, width);
    image = std::move(converted);
    return S_OK;
}

HRESULT DrawAvFrameInto(const AVFrame& frame, BgraImage& image, const RECT& target,
                        FrameScaling scaling)
{
    if (frame.width <= 0 || frame.height <= 0)
        return E_IMAGE_UNREADABLE;
    int width = target.right - target.left;
    int height = target.bottom - target.top;
    if (width <= 0 || height <= 0 || target.left < 0 || target.top < 0 ||
        target.right > image.Width() || target.bottom > image.Height())
        return E_INVALIDARG;
    bool alpha = HasAlpha(AVPixelFormat(frame.format));
    // Opaque rows as wide as the image take the conversion in place; a narrower rectangle is
    // converted apart and copied, so that the pixels beside it stay.
    if (!alpha && width == image.Width()) {
        HRESULT hr =
            ScaleFrame(frame, width, height, image.Row(target.top), image.Stride(), scaling);
        if (SUCCEEDED(hr))
            MakeOpaque(image, target.top, target.bottom, width);
        return hr;
    }
    BgraImage part;
    HRESULT hr = ImageFromAvFrame(frame, width, height, part, scaling);
    if (FAILED(hr))
        return hr;
    for (int y = 0; y < height; ++y) {
        BYTE* row = image.Row(target.top + y) + size_t(target.left) * 4;
        if (!alpha) {
            std::memcpy(row, part.Row(y), part.Stride());
            continue;
        }
        for (int x = 0; x < width; ++x)
            BlendPixelOver(row + size_t(x) * 4, part.PixelAt(x, y), 255);
    }
    return S_OK;
}
