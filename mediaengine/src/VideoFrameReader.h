// Frames of a video file by time. A request near the last one decodes forward from there;
// any other seeks to the nearest earlier keyframe first, so that the cost of a frame does not
// grow with its position in the file.
#pragma once

#include "platform/AvVideoInput.h"

#include <string>

class VideoFrameReader
{
public:
    HRESULT Open(const std::wstring& path);

    // The frame shown at a time (seconds from the file's start): the last frame whose
    // timestamp is not after it, or the file's last frame past the end. The frame stays valid
    // until the next call.
    HRESULT FrameAt(double seconds, const AVFrame** frame);

private:
    int64_t ToTimestamp(double seconds) const;
    bool CanDecodeForwardTo(int64_t target) const;
    HRESULT SeekTo(int64_t target);
    HRESULT AdvanceTo(int64_t target);
    HRESULT DecodePending();
    static int64_t TimestampOf(const AVFrame& frame);

    AvVideoInput m_input;
    AvFramePtr m_current = MakeAvFrame();
    AvFramePtr m_pending = MakeAvFrame();
    bool m_haveCurrent = false;
    bool m_havePending = false;
    bool m_atEnd = false;
};
