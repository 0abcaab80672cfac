// One encoder of a clip and the stream of the output file it writes its packets to.
#pragma once

#include "platform/AvHandles.h"

#include <functional>

class ClipStream
{
public:
    // Opens the encoder of codecId, set up by configure (size, rates, formats; the global
    // header flag is set here when the container wants it), and adds its stream to output.
    HRESULT Open(AVFormatContext* output, AVCodecID codecId,
                 const std::function<void(AVCodecContext&)>& configure);

    // Encodes a frame whose pts counts in the codec's time base, or flushes the encoder for a
    // null frame, and writes the packets it gives to the output.
    HRESULT Encode(AVFrame* frame);

    AVCodecContext& Codec() { return *m_codec; }

private:
    AVFormatContext* m_output = nullptr;
    AvCodecContextPtr m_codec;
    AVStream* m_stream = nullptr;
    AvPacketPtr m_packet;
};
