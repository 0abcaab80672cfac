// The pictures and open videos a renderer reuses between frames. An entry is used again only
// while its file keeps the size and time it had when the entry was made, so a file written
// anew under the same name is read again.
#pragma once

#include "MediaProbe.h"
#include "VideoFrameReader.h"

#include "platform/Image.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class MediaCache
{
public:
    // What a file holds, borrowed until the next call; the file's read failure when it cannot
    // be read.
    HRESULT Info(const std::wstring& path, const MediaInfo** info);
    // The picture of a still file, borrowed until the next call.
    HRESULT Picture(const std::wstring& path, const BgraImage** picture);
    // The frame of a video at a time, borrowed until the next call for that file.
    HRESULT VideoFrame(const std::wstring& path, double seconds, const AVFrame** frame);
    void Clear();

private:
    struct Stamp
    {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
        bool operator==(const Stamp&) const = default;
    };
    template <class T> struct Entry
    {
        Stamp stamp;
        std::unique_ptr<T> value;
    };

    static HRESULT StampOf(const std::wstring& path, Stamp& stamp);
    // Drops everything when too much is kept; entries are cheap to make again.
    template <class T> static void Limit(std::map<std::wstring, Entry<T>>& entries);

    std::map<std::wstring, Entry<MediaInfo>> m_infos;
    std::map<std::wstring, Entry<BgraImage>> m_pictures;
    std::map<std::wstring, Entry<VideoFrameReader>> m_videos;
};
