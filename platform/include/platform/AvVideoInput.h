// The video stream of a media or picture file, opened with its decoder, and the conversion of
// decoded frames into BGRA pictures.
#pragma once

#include "platform/AvHandles.h"
#include "platform/Image.h"

#include <string>

class AvVideoInput
{
public:
    // Opens the file's best video stream and its decoder. HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)
    // for a missing file, E_IMAGE_UNREADABLE for a file without a decodable video stream.
    HRESULT Open(const std::wstring& path);

    // Decodes the next frame into frame; S_FALSE when the stream has no more frames.
    HRESULT DecodeNext(AVFrame* frame);

    // Moves to the last keyframe at or before a timestamp of the stream and empties the
    // decoder, so that decoding goes on from there.
    HRESULT SeekBefore(int64_t timestamp);

    bool IsOpen() const { return m_codec != nullptr; }
    AVFormatContext* Format() const { return m_input.get(); }
    AVStream* Stream() const { return m_input ? m_input->streams[m_streamIndex] : nullptr; }
    AVCodecContext* Codec() const { return m_codec.get(); }

private:
    HRESULT OpenDecoder();
    HRESULT FeedDecoder();

    AvInputPtr m_input;
    AvCodecContextPtr m_codec;
    AvPacketPtr m_packet;
    int m_streamIndex = -1;
    bool m_flushed = false;
};

// How closely frames are resampled into pictures. Fine interpolates chroma at every pixel
// and rounds exactly, for pictures that are looked at closely; Fast takes FFmpeg's vector
// code, for video frames, whose chroma is subsampled in the first place (it converts a DVD
// frame some fifteen times faster).
enum class FrameScaling
{
    Fine,
    Fast,
};

// Converts a decoded frame into a picture of width × height (the frame's own size when either
// is 0), resampling with a bicubic filter. Frames without alpha come out opaque.
HRESULT ImageFromAvFrame(const AVFrame& frame, int width, int height, BgraImage& image,
                         FrameScaling scaling = FrameScaling::Fine);

// Converts a decoded frame straight into the rectangle target of image, scaled to it in one
// pass: an opaque frame replaces what was there, a frame with alpha is laid over it. The rest
// of the image stays as it was. E_INVALIDARG for a rectangle that is empty or does not lie
// inside the image.
HRESULT DrawAvFrameInto(const AVFrame& frame, BgraImage& image, const RECT& target,
                        FrameScaling scaling);
