#include "platform/AvHandles.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>
#include <new>

namespace {

constexpr DWORD kErrorInvalidData = 13;

} // namespace

AvFramePtr MakeAvFrame()
{
    AvFramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    return frame;
}

AvPacketPtr MakeAvPacket()
{
    AvPacketPtr packet(av_packet_alloc());
    if (!packet)
        throw std::bad_alloc();
    return packet;
}

HRESULT HResultFromAvError(int error)
{
    if (error >= 0)
        return S_OK;
    switch (error) {
    case AVERROR(ENOENT):
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    case AVERROR(EACCES):
    case AVERROR(EPERM):
        return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    case AVERROR(ENOMEM):
        return E_OUTOFMEMORY;
    default:
        return HRESULT_FROM_WIN32(kErrorInvalidData);
    }
}

std::string AvErrorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof(text));
    return text;
}
