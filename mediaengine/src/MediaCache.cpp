#include "MediaCache.h"

#include "platform/NativePath.h"

namespace {

// Open videos hold decoders and pictures their pixels: a menu rarely shows more than this.
constexpr size_t kMaxEntries = 32;

} // namespace

HRESULT MediaCache::StampOf(const std::wstring& path, Stamp& stamp)
{
    std::error_code error;
    std::filesystem::path native = NativePath(path);
    stamp.size = std::filesystem::file_size(native, error);
    if (!error)
        stamp.time = std::filesystem::last_write_time(native, error);
    return error ? HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) : S_OK;
}

template <class T> void MediaCache::Limit(std::map<std::wstring, Entry<T>>& entries)
{
    if (entries.size() >= kMaxEntries)
        entries.clear();
}

HRESULT MediaCache::Info(const std::wstring& path, const MediaInfo** info)
{
    *info = nullptr;
    Stamp stamp;
    HRESULT hr = StampOf(path, stamp);
    if (FAILED(hr))
        return hr;
    auto found = m_infos.find(path);
    if (found == m_infos.end() || !(found->second.stamp == stamp)) {
        auto probed = std::make_unique<MediaInfo>(ProbeMediaFile(path));
        Limit(m_infos);
        found = m_infos.insert_or_assign(path, Entry<MediaInfo>{stamp, std::move(probed)}).first;
    }
    *info = found->second.value.get();
    return (*info)->readResult;
}

HRESULT MediaCache::Picture(const std::wstring& path, const BgraImage** picture)
{
    *picture = nullptr;
    Stamp stamp;
    HRESULT hr = StampOf(path, stamp);
    if (FAILED(hr))
        return hr;
    auto found = m_pictures.find(path);
    if (found == m_pictures.end() || !(found->second.stamp == stamp)) {
        auto loaded = std::make_unique<BgraImage>();
        hr = LoadImageFile(path, *loaded);
        if (FAILED(hr))
            return hr;
        Limit(m_pictures);
        found = m_pictures.insert_or_assign(path, Entry<BgraImage>{stamp, std::move(loaded)}).first;
    }
    *picture = found->second.value.get();
    return S_OK;
}

HRESULT MediaCache::VideoFrame(const std::wstring& path, double seconds, const AVFrame** frame)
{
    *frame = nullptr;
    Stamp stamp;
    HRESULT hr = StampOf(path, stamp);
    if (FAILED(hr))
        return hr;
    auto found = m_videos.find(path);
    if (found == m_videos.end() || !(found->second.stamp == stamp)) {
        auto reader = std::make_unique<VideoFrameReader>();
        hr = reader->Open(path);
        if (FAILED(hr))
            return hr;
        Limit(m_videos);
        found = m_videos.insert_or_assign(path, Entry<VideoFrameReader>{stamp, std::move(reader)})
                    .first;
    }
    return found->second.value->FrameAt(seconds, frame);
}

void MediaCache::Clear()
{
    m_infos.clear();
    m_pictures.clear();
    m_videos.clear();
}
