#include "ClipStream.h"

#include "platform/Check.h"

HRESULT ClipStream::Open(AVFormatContext* output, AVCodecID codecId,
                         const std::function<void(AVCodecContext&)>& configure)
{
    m_output = output;
    const AVCodec* codec = avcodec_find_encoder(codecId);
    CHECK_NULL(codec);
    m_codec.reset(avcodec_alloc_context3(codec));
    if (!m_codec)
        return E_OUTOFMEMORY;
    configure(*m_codec);
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    CHECK_HR(HResultFromAvError(avcodec_open2(m_codec.get(), codec, nullptr)));
    m_stream = avformat_new_stream(output, nullptr);
    if (!m_stream)
        return E_OUTOFMEMORY;
    CHECK_HR(
        HResultFromAvError(avcodec_parameters_from_context(m_stream->codecpar, m_codec.get())));
    m_stream->time_base = m_codec->time_base;
    m_stream->sample_aspect_ratio = m_codec->sample_aspect_ratio;
    m_packet = MakeAvPacket();
    return S_OK;
}

HRESULT ClipStream::Encode(AVFrame* frame)
{
    CHECK_HR(HResultFromAvError(avcodec_send_frame(m_codec.get(), frame)));
    while (avcodec_receive_packet(m_codec.get(), m_packet.get()) == 0) {
        if (m_codec->codec_type == AVMEDIA_TYPE_VIDEO)
            m_packet->duration = 1;
        // The muxer may have chosen the stream's time base when it wrote the header.
        av_packet_rescale_ts(m_packet.get(), m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        CHECK_HR(HResultFromAvError(av_interleaved_write_frame(m_output, m_packet.get())));
    }
    return S_OK;
}
