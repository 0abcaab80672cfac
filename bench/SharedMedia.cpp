#include "SharedMedia.h"

#include "support/ClipWriter.h"

#include <cstdlib>
#include <filesystem>

std::wstring BenchMediaFolder()
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "dsutils-bench-media";
    std::filesystem::create_directories(folder);
    return folder.wstring();
}

const std::wstring& TenMinuteClip()
{
    static const std::wstring clip = [] {
        std::wstring path =
            (std::filesystem::path(BenchMediaFolder()) / "ten-minutes.mkv").wstring();
        if (std::filesystem::exists(path))
            return path;
        ClipShape shape;
        shape.width = 720;
        shape.height = 480;
        shape.framesPerSecond = 25;
        shape.frameCount = 25 * 600;
        shape.keyframeInterval = 15;
        // Written under another name first, so that an interrupted run leaves no short clip.
        std::wstring partial = path + L".partial.mkv";
        if (FAILED(WriteColourClip(partial, shape)))
            std::abort();
        std::filesystem::rename(partial, path);
        return path;
    }();
    return clip;
}
