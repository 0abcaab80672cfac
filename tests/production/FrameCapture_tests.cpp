#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "model/KVEGraphManager.h"
#include "platform/TaskMemory.h"

#include <memory>

namespace {

struct TaskMemoryFreer
{
    void operator()(BYTE* block) const { CoTaskMemFree(block); }
};

constexpr DWORD kBlack = 0xFF000000;

class FrameCapture : public ProductionTest
{
protected:
    // The frame of the title's production at a time, through GetImage_32.
    HRESULT Capture(IUnknown* graph, double time, int width, int height, BgraImage& frame)
    {
        BYTE* pixels = nullptr;
        HRESULT hr = CDSProductionUtils::GetImage_32(StoryboardOf(m_title), graph, width, height,
                                                     &pixels, time);
        std::unique_ptr<BYTE, TaskMemoryFreer> owned(pixels);
        if (SUCCEEDED(hr))
            EXPECT_EQ(S_OK, BgraImage::FromBuffer(pixels, width, height, frame));
        else
            EXPECT_EQ(nullptr, pixels);
        return hr;
    }

    // Expects the colours of a clip's frame: left half and right half, at rows top … bottom − 1.
    static void ExpectFrame(const BgraImage& frame, int index, int top, int bottom)
    {
        int quarter = frame.Width() / 4;
        for (int y : {top + 2, (top + bottom) / 2, bottom - 3}) {
            EXPECT_COLOUR_NEAR(LeftColourOfFrame(index), frame.PixelAt(quarter, y), 24)
                << "frame " << index << " row " << y;
            EXPECT_COLOUR_NEAR(RightColourOfFrame(index), frame.PixelAt(3 * quarter, y), 24)
                << "frame " << index << " row " << y;
        }
    }
};

TEST_F(FrameCapture, FramesAtGivenTimesShowTheClipsColours)
{
    AddSource(m_title, MakeClip(m_folder, "clip.mp4"));
    for (int index : {0, 13, 49, 24, 25, 1}) {
        BgraImage frame;
        ASSERT_EQ(S_OK, Capture(nullptr, index / 25.0 + 0.01, 64, 48, frame));
        ExpectFrame(frame, index, 0, 48);
    }
}

// An anamorphic 16:9 clip fills a 16:9 frame of DVD size; a square 16:9 clip in a 4:3 frame
// keeps its shape between black bands: 360 of 480 rows.
TEST_F(FrameCapture, ClipsKeepTheShapeTheyAreShownIn)
{
    ClipShape anamorphic;
    anamorphic.width = 720;
    anamorphic.height = 480;
    anamorphic.pixelWidth = 32;
    anamorphic.pixelHeight = 27;
    anamorphic.frameCount = 20;
    AddSource(m_title, MakeClip(m_folder, "anamorphic.mkv", anamorphic));
    ASSERT_EQ(S_OK, Info(m_title)->put_AspectRatio(16.0 / 9.0));
    BgraImage frame;
    ASSERT_EQ(S_OK, Capture(nullptr, 0.41, 720, 480, frame));
    ExpectFrame(frame, 10, 0, 480);

    ClipShape square;
    square.width = 128;
    square.height = 72;
    CComPtr<IDSTitle> wide = AddTitle(m_project);
    std::swap(m_title, wide);
    AddSource(m_title, MakeClip(m_folder, "square.mp4", square));
    ASSERT_EQ(S_OK, Capture(nullptr, 0.21, 640, 480, frame));
    ExpectFrame(frame, 5, 60, 420);
    EXPECT_EQ(kBlack, frame.PixelAt(100, 30));
    EXPECT_EQ(kBlack, frame.PixelAt(500, 450));
}

class GivenGraphManager : public FrameCapture
{
protected:
    void SetUp() override
    {
        AddSource(m_title, MakeClip(m_folder, "clip.mp4"));
        ASSERT_EQ(S_OK, m_graph.CoCreateInstance(CLSID_KVEGraphManager));
        ASSERT_EQ(S_OK, m_graph->SetParentWindow(m_window));
        ASSERT_EQ(S_OK, m_graph->SetProduction(StoryboardOf(m_other)));
        ASSERT_EQ(S_OK, m_graph->SetAutoShowPreview(VARIANT_TRUE));
        ASSERT_EQ(S_OK, m_graph->SetGraphContext(KVE_GRAPH_CONTEXT_PREVIEW, m_context));
        ASSERT_EQ(S_OK, m_graph->Preview());
    }

    void ExpectSettingsBack()
    {
        HWND window = nullptr;
        m_graph->GetParentWindow(&window);
        EXPECT_EQ(m_window, window);
        CComPtr<IUnknown> production;
        m_graph->GetProduction(&production);
        EXPECT_TRUE(production.IsEqualObject(StoryboardOf(m_other)));
        VARIANT_BOOL autoShow = VARIANT_FALSE;
        m_graph->GetAutoShowPreview(&autoShow);
        EXPECT_EQ(VARIANT_TRUE, autoShow);
        LONG mode = 0;
        CComPtr<IUnknown> context;
        m_graph->GetGraphContext(&mode, &context);
        EXPECT_EQ(KVE_GRAPH_CONTEXT_PREVIEW, mode);
        EXPECT_TRUE(context.IsEqualObject(m_context));
        LONG state = -1;
        m_graph->GetPreviewState(&state);
        EXPECT_EQ(KVE_PREVIEW_STOPPED, state);
    }

    CComPtr<IKVEGraphManager> m_graph;
    CComPtr<IDSTitle> m_other = AddTitle(m_project);
    CComPtr<IUnknown> m_context = CComPtr<IUnknown>(NewProject().p);
    HWND m_window = reinterpret_cast<HWND>(0x1234);
};

TEST_F(GivenGraphManager, GetsItsSettingsBackAfterAFrame)
{
    BgraImage frame;
    ASSERT_EQ(S_OK, Capture(m_graph, 0.53, 64, 48, frame));
    ExpectFrame(frame, 13, 0, 48);
    ExpectSettingsBack();
}

TEST_F(GivenGraphManager, GetsItsSettingsBackAfterAFailure)
{
    BgraImage frame;
    EXPECT_EQ(E_INVALIDARG, Capture(m_graph, 0.5, 0, 48, frame));
    EXPECT_TRUE(StackHolds(L"spGM->ExtractThumbnail(dTime, sSize, ppBytes)"));
    ExpectSettingsBack();
}

TEST_F(FrameCapture, RefusesWhatIsMissingOrOfTheWrongKind)
{
    BYTE* pixels = nullptr;
    EXPECT_EQ(E_POINTER, CDSProductionUtils::GetImage_32(nullptr, nullptr, 8, 8, &pixels, 0.0));
    EXPECT_TRUE(StackHolds(L"NULL = pProduction"));
    EXPECT_EQ(E_POINTER,
              CDSProductionUtils::GetImage_32(StoryboardOf(m_title), nullptr, 8, 8, nullptr, 0.0));
    EXPECT_EQ(E_NOINTERFACE,
              CDSProductionUtils::GetImage_32(m_project, nullptr, 8, 8, &pixels, 0.0));
    EXPECT_EQ(E_NOINTERFACE, CDSProductionUtils::GetImage_32(StoryboardOf(m_title), m_project, 8, 8,
                                                             &pixels, 0.0));
    EXPECT_EQ(nullptr, pixels);
}

} // namespace
