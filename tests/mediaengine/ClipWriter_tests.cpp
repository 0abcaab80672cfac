#include "EngineTestSupport.h"

#include "model/KVGMediaFileProp.h"
#include "platform/AvHandles.h"
#include "platform/ErrorStack.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

#include <filesystem>
#include <vector>

namespace {

// The first channel of a clip's audio, decoded, as values from -1 to 1.
std::vector<double> DecodeFirstChannel(const std::wstring& path, int& sampleRate)
{
    std::vector<double> samples;
    AVFormatContext* raw = nullptr;
    std::string file = std::filesystem::path(path).string();
    if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0)
        return samples;
    AvInputPtr input(raw);
    avformat_find_stream_info(raw, nullptr);
    const AVCodec* decoder = nullptr;
    int stream = av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0)
        return samples;
    AvCodecContextPtr codec(avcodec_alloc_context3(decoder));
    avcodec_parameters_to_context(codec.get(), raw->streams[stream]->codecpar);
    avcodec_open2(codec.get(), decoder, nullptr);
    sampleRate = codec->sample_rate;
    AvPacketPtr packet = MakeAvPacket();
    AvFramePtr frame = MakeAvFrame();
    auto drain = [&] {
        while (avcodec_receive_frame(codec.get(), frame.get()) == 0) {
            auto format = AVSampleFormat(frame->format);
            for (int i = 0; i < frame->nb_samples; ++i) {
                // Planar or interleaved, the first channel's sample i.
                int at = av_sample_fmt_is_planar(format) ? i : i * frame->ch_layout.nb_channels;
                if (format == AV_SAMPLE_FMT_S16 || format == AV_SAMPLE_FMT_S16P)
                    samples.push_back(reinterpret_cast<int16_t*>(frame->data[0])[at] / 32768.0);
                else
                    samples.push_back(reinterpret_cast<float*>(frame->data[0])[at]);
            }
        }
    };
    while (av_read_frame(raw, packet.get()) >= 0) {
        if (packet->stream_index == stream && avcodec_send_packet(codec.get(), packet.get()) == 0)
            drain();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    drain();
    return samples;
}

// Rising zero crossings per second over the middle of the signal, away from the fades.
double MeasuredPitch(const std::vector<double>& samples, int sampleRate)
{
    size_t first = samples.size() / 4;
    size_t last = samples.size() * 3 / 4;
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i)
        crossings += samples[i - 1] < 0.0 && samples[i] >= 0.0;
    return crossings * double(sampleRate) / double(last - first);
}

void PaintGrey(int, BgraImage& picture)
{
    picture.Fill(0xFF808080);
}

} // namespace

class ClipWriting : public EngineTest
{
protected:
    KVGVideoInfo Probe(const std::wstring& path)
    {
        CComPtr<IKVGMediaFileProp> properties;
        EXPECT_EQ(S_OK, properties.CoCreateInstance(CLSID_KVGMediaFileProp));
        KVGVideoInfo info{};
        EXPECT_EQ(S_OK, properties->SetFile(CComBSTR(path)));
        EXPECT_EQ(S_OK, properties->GetVideoInfoEx(1, 0, &info));
        return info;
    }
};

TEST_F(ClipWriting, ToneIsEncodedAtItsPitchBesideTheVideo)
{
    ClipShape shape;
    shape.frameCount = 50;
    shape.toneFrequency = 440.0;
    for (const char* name : {"tone.mp4", "tone.mkv", "tone.avi"}) {
        std::wstring clip = m_folder.File(name);
        ASSERT_EQ(S_OK, WriteClip(clip, shape, PaintGrey)) << name;
        KVGVideoInfo info = Probe(clip);
        EXPECT_EQ(VARIANT_TRUE, info.bHasAudio) << name;
        EXPECT_NEAR(2.0, info.dDuration, 0.1) << name;
        int sampleRate = 0;
        std::vector<double> samples = DecodeFirstChannel(clip, sampleRate);
        ASSERT_EQ(48000, sampleRate) << name;
        // Two seconds of tone, padded to whole encoder frames.
        EXPECT_NEAR(96000.0, double(samples.size()), 2400.0) << name;
        EXPECT_NEAR(440.0, MeasuredPitch(samples, sampleRate), 4.0) << name;
    }
}

TEST_F(ClipWriting, PainterDrawsEveryFrameInOrder)
{
    ClipShape shape;
    shape.frameCount = 30;
    std::vector<int> painted;
    auto paint = [&](int index, BgraImage& picture) {
        painted.push_back(index);
        picture.Fill(index < 15 ? 0xFFFF0000 : 0xFF0000FF);
    };
    std::wstring clip = m_folder.File("halves.mp4");
    ASSERT_EQ(S_OK, WriteClip(clip, shape, paint));
    ASSERT_EQ(30u, painted.size());
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(i, painted[i]);
    EXPECT_EQ(VARIANT_FALSE, Probe(clip).bHasAudio);

    CComPtr<IKVEProductionData> production = NewProduction();
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, Edit(production)->AddSourceFile(0, CComBSTR(clip), 0.0, 1.2, 0, &panel));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.2, 64, 48, frame));
    EXPECT_COLOUR_NEAR(0xFFFF0000u, frame.PixelAt(32, 24), 24);
    ASSERT_EQ(S_OK, Extract(production, 1.0, 64, 48, frame));
    EXPECT_COLOUR_NEAR(0xFF0000FFu, frame.PixelAt(32, 24), 24);
}

TEST_F(ClipWriting, RefusedClipsLeaveNoFile)
{
    ClipShape odd;
    odd.width = 63;
    std::wstring clip = m_folder.File("odd.mp4");
    EXPECT_EQ(E_INVALIDARG, WriteClip(clip, odd, PaintGrey));
    ClipShape shrill;
    shrill.toneFrequency = 30000.0;
    EXPECT_EQ(E_INVALIDARG, WriteClip(clip, shrill, PaintGrey));
    EXPECT_EQ(E_POINTER, WriteClip(clip, ClipShape(), ClipPainter()));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(clip)));

    std::wstring unknown = m_folder.File("clip.nosuchcontainer");
    EXPECT_EQ(E_INVALIDARG, WriteClip(unknown, ClipShape(), PaintGrey));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(unknown)));

    std::wstring nowhere = m_folder.File("missing/clip.mp4");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), WriteClip(nowhere, ClipShape(), PaintGrey));
    EXPECT_FALSE(KVUGetErrorStack().empty());
}

TEST_F(ClipWriting, FailureAfterTheFileWasOpenedRemovesIt)
{
    // A container the extension names but whose muxer refuses MPEG-4 video fails at the
    // header, after the file was opened.
    std::wstring clip = m_folder.File("clip.wav");
    HRESULT hr = WriteClip(clip, ClipShape(), PaintGrey);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(clip)));
}
