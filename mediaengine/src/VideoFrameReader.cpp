#include "VideoFrameReader.h"

#include <cmath>
#include <utility>

namespace {

// Without a keyframe index, requests up to this far ahead decode forward instead of seeking.
constexpr double kForwardWindowSeconds = 2.0;

} // namespace

HRESULT VideoFrameReader::Open(const std::wstring& path)
{
    m_haveCurrent = m_havePending = m_atEnd = false;
    return m_input.Open(path);
}

int64_t VideoFrameReader::TimestampOf(const AVFrame& frame)
{
    return frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : frame.pts;
}

int64_t VideoFrameReader::ToTimestamp(double seconds) const
{
    const AVStream* stream = m_input.Stream();
    int64_t start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    return start + std::llround(seconds / av_q2d(stream->time_base));
}

HRESULT VideoFrameReader::FrameAt(double seconds, const AVFrame** frame)
{
    if (!frame)
        return E_POINTER;
    *frame = nullptr;
    if (!m_input.IsOpen())
        return E_POINTER;
    int64_t target = ToTimestamp(std::max(seconds, 0.0));
    HRESULT hr = CanDecodeForwardTo(target) ? AdvanceTo(target) : SeekTo(target);
    if (SUCCEEDED(hr) && m_haveCurrent && TimestampOf(*m_current) > target) {
        // The seek landed after the time asked for: read the file from its start instead.
        hr = SeekTo(INT64_MIN);
        if (SUCCEEDED(hr))
            hr = AdvanceTo(target);
    }
    if (FAILED(hr))
        return hr;
    if (!m_haveCurrent)
        return E_IMAGE_UNREADABLE;
    *frame = m_current.get();
    return S_OK;
}

// Decoding forward is cheaper than seeking when the time lies ahead of the current frame and
// no keyframe stands between them.
bool VideoFrameReader::CanDecodeForwardTo(int64_t target) const
{
    if (!m_haveCurrent)
        return false;
    int64_t current = TimestampOf(*m_current);
    if (target < current)
        return false;
    AVStream* stream = m_input.Stream();
    int keyframe = av_index_search_timestamp(stream, target, AVSEEK_FLAG_BACKWARD);
    const AVIndexEntry* entry =
        keyframe >= 0 ? avformat_index_get_entry(stream, keyframe) : nullptr;
    if (entry)
        return entry->timestamp <= current;
    return double(target - current) * av_q2d(stream->time_base) <= kForwardWindowSeconds;
}

HRESULT VideoFrameReader::SeekTo(int64_t target)
{
    m_haveCurrent = m_havePending = m_atEnd = false;
    int64_t start =
        m_input.Stream()->start_time != AV_NOPTS_VALUE ? m_input.Stream()->start_time : 0;
    HRESULT hr = m_input.SeekBefore(std::max(target, start));
    return FAILED(hr) ? hr : AdvanceTo(target);
}

// Moves the current frame forward to the last one not after the target.
HRESULT VideoFrameReader::AdvanceTo(int64_t target)
{
    for (;;) {
        if (!m_havePending) {
            HRESULT hr = DecodePending();
            if (FAILED(hr))
                return hr;
            if (!m_havePending)
                return S_OK;
        }
        if (m_haveCurrent && TimestampOf(*m_pending) > target)
            return S_OK;
        std::swap(m_current, m_pending);
        m_haveCurrent = true;
        m_havePending = false;
        if (TimestampOf(*m_current) >= target)
            return S_OK;
    }
}

HRESULT VideoFrameReader::DecodePending()
{
    if (m_atEnd)
        return S_OK;
    HRESULT hr = m_input.DecodeNext(m_pending.get());
    if (hr == S_FALSE)
        m_atEnd = true;
    else if (SUCCEEDED(hr))
        m_havePending = true;
    return FAILED(hr) ? hr : S_OK;
}
