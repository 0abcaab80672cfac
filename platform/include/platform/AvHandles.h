// Owners of FFmpeg objects, so that every way out of a function frees what it opened, and the
// translation of FFmpeg's error numbers into result codes.
#pragma once

#include "platform/WinTypes.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>

struct AvFormatInputCloser
{
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct AvFormatOutputFreer
{
    void operator()(AVFormatContext* context) const { avformat_free_context(context); }
};
struct AvCodecContextFreer
{
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct AvFrameFreer
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct AvPacketFreer
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct SwsContextFreer
{
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};

// An input opened with avformat_open_input.
using AvInputPtr = std::unique_ptr<AVFormatContext, AvFormatInputCloser>;
using AvOutputPtr = std::unique_ptr<AVFormatContext, AvFormatOutputFreer>;
using AvCodecContextPtr = std::unique_ptr<AVCodecContext, AvCodecContextFreer>;
using AvFramePtr = std::unique_ptr<AVFrame, AvFrameFreer>;
using AvPacketPtr = std::unique_ptr<AVPacket, AvPacketFreer>;
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextFreer>;

// A new frame or packet; memory exhaustion throws std::bad_alloc.
AvFramePtr MakeAvFrame();
AvPacketPtr MakeAvPacket();

// The result code of an FFmpeg error number: missing files and denied access keep their file
// errors, exhausted memory is E_OUTOFMEMORY, and everything else (unknown formats, corrupt or
// truncated data, missing decoders) is HRESULT_FROM_WIN32(ERROR_INVALID_DATA).
HRESULT HResultFromAvError(int error);

// FFmpeg's text for an error number.
std::string AvErrorText(int error);
