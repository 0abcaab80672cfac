// The demo's clips, made by the program and looked at through the media engine.
#include "ReelmarkTest.h"

#include "DemoClips.h"

#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionData.h"
#include "model/KVGMediaFileProp.h"
#include "platform/Image.h"
#include "platform/StringConv.h"
#include "platform/TaskMemory.h"

#include <cstdlib>
#include <filesystem>

using nlohmann::json;

class ClipsCommand : public ReelmarkTest
{
protected:
    // The clip's frame at a time, decoded by the engine.
    static BgraImage FrameAt(const std::string& clip, double time)
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        CComPtr<IUnknown> panel;
        EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production)
                            ->AddSourceFile(0, CComBSTR(Utf8ToWide(clip)), 0.0, 0.0, 0, &panel));
        CComPtr<IKVEGraphManager> graph;
        EXPECT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
        EXPECT_EQ(S_OK, graph->SetProduction(production));
        BYTE* pixels = nullptr;
        EXPECT_EQ(S_OK,
                  graph->ExtractThumbnail(time, SIZE{kDemoClipWidth, kDemoClipHeight}, &pixels));
        BgraImage frame;
        if (pixels)
            BgraImage::FromBuffer(pixels, kDemoClipWidth, kDemoClipHeight, frame);
        CoTaskMemFree(pixels);
        return frame;
    }

    static bool Near(DWORD expected, DWORD actual)
    {
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(int((expected >> shift) & 0xFF) - int((actual >> shift) & 0xFF)) > 24)
                return false;
        }
        return true;
    }
};

TEST_F(ClipsCommand, MakesThreeClipsWithTheirColoursTonesAndMovingPictures)
{
    std::string folder = Path("clips");
    RunResult run = Run({"clips", "--out", folder, "--seconds", "0.8", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    // Not a terminal: no progress bar.
    EXPECT_EQ("", run.err);
    json report = run.Json();
    ASSERT_EQ(3u, report["clips"].size());
    auto clips = DemoClips();
    for (size_t i = 0; i < clips.size(); ++i) {
        std::string file = report["clips"][i]["file"];
        EXPECT_EQ(std::filesystem::file_size(file), report["clips"][i]["bytes"]);
        CComPtr<IKVGMediaFileProp> properties;
        ASSERT_EQ(S_OK, properties.CoCreateInstance(CLSID_KVGMediaFileProp));
        ASSERT_EQ(S_OK, properties->SetFile(CComBSTR(Utf8ToWide(file))));
        KVGVideoInfo info{};
        ASSERT_EQ(S_OK, properties->GetVideoInfoEx(1, 0, &info));
        EXPECT_EQ(kDemoClipWidth, info.lWidth);
        EXPECT_EQ(VARIANT_TRUE, info.bHasAudio) << file;
        EXPECT_NEAR(0.8, info.dDuration, 0.1) << file;

        // The top of the gradient is the clip's colour; the disc crosses the lower half.
        BgraImage start = FrameAt(file, 0.0);
        BgraImage end = FrameAt(file, 0.76);
        EXPECT_TRUE(Near(clips[i].colour, start.PixelAt(320, 2)))
            << file << std::hex << " 0x" << start.PixelAt(320, 2);
        EXPECT_TRUE(Near(0xFFFFFF, start.PixelAt(56, 320))) << file;
        EXPECT_FALSE(Near(0xFFFFFF, end.PixelAt(56, 320))) << file;
        EXPECT_TRUE(Near(0xFFFFFF, end.PixelAt(kDemoClipWidth - 56, 320))) << file;
    }
}

TEST_F(ClipsCommand, ProgressIsDrawnOnATerminalAndClearedBeforeTheReport)
{
    RunResult run = RunOnTerminal({"clips", "--out", Path("clips"), "--seconds", "0.2"});
    ASSERT_EQ(0, run.status) << run.out;
    size_t bar = run.out.find("\rMaking clips [");
    size_t full = run.out.find("] 100%\r\033[K");
    size_t report = run.out.find("Made 3 clips in ");
    EXPECT_NE(std::string::npos, bar) << run.out;
    EXPECT_NE(std::string::npos, full) << run.out;
    EXPECT_TRUE(bar < full && full < report) << run.out;
}

TEST_F(ClipsCommand, UnwritableFolderIsOneLine)
{
    WriteFile(Path("taken"), "a file, not a folder");
    RunResult run = Run({"clips", "--out", Path("taken"), "--seconds", "0.2"});
    EXPECT_ONE_LINE_FAILURE(run, 3, "cannot make the folder '" + Path("taken") + "'");
}
