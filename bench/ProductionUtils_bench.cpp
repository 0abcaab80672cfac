// What one still of a production costs: a frame of a 10-minute clip at its start, middle and
// end through CDSProductionUtils::GetImage_32 (with a graph manager of its own, as a caller
// that wants one still does), beside two baselines on the same clip and times in the same
// run: the ffmpeg command, and the least an in-process grab with FFmpeg's libraries must do
// (open, seek to the keyframe before the time, decode to it, convert to BGRA). Every time
// lies 13 frames after a keyframe, so that each position decodes as much. Times are wall
// times: the command runs in a process of its own.
//
// It also reports what saving a 720 × 480 picture costs as PNG, JPEG and BMP.

#include "SharedMedia.h"

#include "dsutils/DSProductionUtils.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "platform/AvHandles.h"
#include "platform/StringConv.h"
#include "platform/TaskMemory.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 480;
// Start, middle and end of the clip, each 13 frames of 25 a second after a keyframe.
constexpr double kTimes[] = {0.52, 300.52, 599.92};

double TimeOf(const benchmark::State& state)
{
    return kTimes[state.range(0)];
}

void LabelPosition(benchmark::State& state)
{
    static const char* const names[] = {"start", "middle", "end"};
    state.SetLabel(names[state.range(0)]);
}

// The minimal grab: one frame, no rendering, straight from decoder to BGRA.
class MinimalGrab
{
public:
    bool Grab(const std::string& path, double seconds, std::vector<uint8_t>& bgra)
    {
        AVFormatContext* opened = nullptr;
        if (avformat_open_input(&opened, path.c_str(), nullptr, nullptr) < 0)
            return false;
        m_input.reset(opened);
        if (avformat_find_stream_info(opened, nullptr) < 0)
            return false;
        const AVCodec* decoder = nullptr;
        m_index = av_find_best_stream(opened, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (m_index < 0 || !OpenDecoder(decoder))
            return false;
        AVStream* stream = opened->streams[m_index];
        int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        int64_t target = start + std::llround(seconds / av_q2d(stream->time_base));
        av_seek_frame(opened, m_index, target, AVSEEK_FLAG_BACKWARD);
        return DecodeTo(target) && Convert(bgra);
    }

private:
    bool OpenDecoder(const AVCodec* decoder)
    {
        m_codec.reset(avcodec_alloc_context3(decoder));
        avcodec_parameters_to_context(m_codec.get(), m_input->streams[m_index]->codecpar);
        m_codec->thread_count = 1; // as the engine decodes
        return avcodec_open2(m_codec.get(), decoder, nullptr) >= 0;
    }

    // Keeps the last frame whose time is not after the target.
    bool DecodeTo(int64_t target)
    {
        AvPacketPtr packet = MakeAvPacket();
        AvFramePtr frame = MakeAvFrame();
        bool have = false;
        for (bool ended = false; !ended;) {
            ended = av_read_frame(m_input.get(), packet.get()) < 0;
            if (ended || packet->stream_index == m_index)
                avcodec_send_packet(m_codec.get(), ended ? nullptr : packet.get());
            av_packet_unref(packet.get());
            while (avcodec_receive_frame(m_codec.get(), frame.get()) == 0) {
                if (have && frame->best_effort_timestamp > target)
                    return true;
                av_frame_unref(m_frame.get());
                av_frame_move_ref(m_frame.get(), frame.get());
                have = true;
            }
        }
        return have;
    }

    bool Convert(std::vector<uint8_t>& bgra)
    {
        SwsContextPtr scaler(
            sws_getContext(m_frame->width, m_frame->height, AVPixelFormat(m_frame->format), kWidth,
                           kHeight, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr));
        bgra.resize(size_t(kWidth) * kHeight * 4);
        uint8_t* planes[4] = {bgra.data(), nullptr, nullptr, nullptr};
        int strides[4] = {kWidth * 4, 0, 0, 0};
        return scaler && sws_scale(scaler.get(), m_frame->data, m_frame->linesize, 0,
                                   m_frame->height, planes, strides) > 0;
    }

    AvInputPtr m_input;
    AvCodecContextPtr m_codec;
    AvFramePtr m_frame = MakeAvFrame();
    int m_index = -1;
};

void BM_GetImage32(benchmark::State& state)
{
    RegisterMediaEngineClasses();
    CComPtr<IKVEProductionData> production;
    production.CoCreateInstance(CLSID_KVEProduction);
    CComQIPtr<IEditData>(production)
        ->AddSourceFile(0, CComBSTR(TenMinuteClip()), 0.0, 0.0, VARIANT_TRUE, nullptr);
    for (auto _ : state) {
        BYTE* pixels = nullptr;
        if (FAILED(CDSProductionUtils::GetImage_32(production, nullptr, kWidth, kHeight, &pixels,
                                                   TimeOf(state))))
            state.SkipWithError("GetImage_32 failed");
        benchmark::DoNotOptimize(pixels);
        CoTaskMemFree(pixels);
    }
    LabelPosition(state);
}
BENCHMARK(BM_GetImage32)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MinimalGrab(benchmark::State& state)
{
    std::string path = WideToUtf8(TenMinuteClip());
    std::vector<uint8_t> bgra;
    for (auto _ : state) {
        MinimalGrab grab;
        if (!grab.Grab(path, TimeOf(state), bgra))
            state.SkipWithError("the minimal grab failed");
        benchmark::DoNotOptimize(bgra.data());
    }
    LabelPosition(state);
}
BENCHMARK(BM_MinimalGrab)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FfmpegCommand(benchmark::State& state)
{
    if (std::system("command -v ffmpeg > /dev/null 2>&1") != 0) {
        state.SkipWithError("the ffmpeg command is not installed (scripts/install-deps)");
        return;
    }
    std::string frame = WideToUtf8(BenchMediaFolder()) + "/frame.bgra";
    std::string command = "ffmpeg -nostdin -loglevel error -ss " + std::to_string(TimeOf(state)) +
                          " -i '" + WideToUtf8(TenMinuteClip()) +
                          "' -frames:v 1 -f rawvideo -pix_fmt bgra -y '" + frame + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the ffmpeg command failed");
    }
    std::remove(frame.c_str());
    LabelPosition(state);
}
BENCHMARK(BM_FfmpegCommand)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A picture like a menu still: smooth gradients with some detail.
std::vector<BYTE> StillPicture()
{
    std::vector<BYTE> pixels(size_t(kWidth) * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            BYTE* p = &pixels[(size_t(y) * kWidth + size_t(x)) * 4];
            p[0] = BYTE(x * 255 / kWidth);
            p[1] = BYTE(y * 255 / kHeight);
            p[2] = BYTE(((x / 24 + y / 24) % 2) * 160 + (x * y) % 64);
            p[3] = 255;
        }
    }
    return pixels;
}

void BM_SaveImage(benchmark::State& state)
{
    static const wchar_t* const extensions[] = {L"png", L"jpg", L"bmp"};
    const wchar_t* extension = extensions[state.range(0)];
    std::vector<BYTE> pixels = StillPicture();
    std::wstring path = BenchMediaFolder() + L"/saved." + extension;
    for (auto _ : state) {
        if (FAILED(CDSProductionUtils::SaveImage_32(pixels.data(), kWidth, kHeight, path.c_str())))
            state.SkipWithError("SaveImage_32 failed");
    }
    state.counters["bytes"] = double(std::filesystem::file_size(path));
    std::filesystem::remove(path);
    state.SetLabel(WideToUtf8(extension));
}
BENCHMARK(BM_SaveImage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
