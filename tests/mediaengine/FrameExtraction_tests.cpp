#include "EngineTestSupport.h"
#include "support/MediaFiles.h"

#include "platform/ErrorStack.h"
#include "platform/Xml.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr DWORD kBlack = 0xFF000000;

class FrameExtraction : public EngineTest
{
protected:
    std::wstring MakeClip(const char* name, const ClipShape& shape = ClipShape())
    {
        return ::MakeClip(m_folder, name, shape);
    }

    std::wstring MakePicture(const char* name, int width, int height, DWORD argb)
    {
        return ::MakePicture(m_folder, name, width, height, argb);
    }
};

TEST_F(FrameExtraction, SolidColourFillsTheWholeFrame)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(0, 0x3366CC, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 1.0, 80, 60, frame));
    EXPECT_EQ(0xFF3366CCu, frame.PixelAt(0, 0));
    EXPECT_EQ(0xFF3366CCu, frame.PixelAt(79, 59));
}

TEST_F(FrameExtraction, VideoShowsTheFrameOfEachTimeInAnyOrder)
{
    std::wstring clip = MakeClip("clip.mp4");
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, nullptr));
    for (int index : {0, 1, 13, 37, 5, 49, 24, 25, 2}) {
        BgraImage frame;
        ASSERT_EQ(S_OK, Extract(production, index / 25.0 + 0.01, 64, 48, frame));
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(index), frame.PixelAt(8, 24), 24) << index;
        EXPECT_COLOUR_NEAR(RightColourOfFrame(index), frame.PixelAt(56, 24), 24) << index;
    }
}

TEST_F(FrameExtraction, OneGraphManagerSeeksBackAndForthThroughTheClip)
{
    ClipShape shape;
    shape.frameCount = 100;
    std::wstring clip = MakeClip("long.mkv", shape);
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, nullptr));
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    ASSERT_EQ(S_OK, graph->SetProduction(production));
    for (int index : {90, 3, 4, 70, 71, 10, 99}) {
        BYTE* pixels = nullptr;
        ASSERT_EQ(S_OK, graph->ExtractThumbnail(index / 25.0, SIZE{64, 48}, &pixels));
        TaskPixels owned(pixels);
        BgraImage frame;
        ASSERT_EQ(S_OK, BgraImage::FromBuffer(pixels, 64, 48, frame));
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(index), frame.PixelAt(8, 24), 24) << index;
        EXPECT_COLOUR_NEAR(RightColourOfFrame(index), frame.PixelAt(56, 24), 24) << index;
    }
}

TEST_F(FrameExtraction, InPointShiftsWhatThePanelShows)
{
    std::wstring clip = MakeClip("clip.mp4");
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(clip), 1.0, 1.6, VARIANT_TRUE, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.2 + 0.01, 64, 48, frame));
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(30), frame.PixelAt(8, 24), 24);
    EXPECT_COLOUR_NEAR(RightColourOfFrame(30), frame.PixelAt(56, 24), 24);
}

TEST_F(FrameExtraction, WidePictureIsLetterboxedInANarrowFrame)
{
    std::wstring picture = MakePicture("wide.png", 160, 90, 0xFF00FF00);
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(
        S_OK,
        Edit(production)->AddSourceFile(0, CComBSTR(picture), 0.0, 0.0, VARIANT_FALSE, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.0, 400, 300, frame));
    // 16:9 in 4:3 fills 400 × 225, centred: rows 37 … 261.
    EXPECT_EQ(kBlack, frame.PixelAt(200, 20));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(200, 150));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(2, 45));
    EXPECT_EQ(kBlack, frame.PixelAt(200, 280));
}

TEST_F(FrameExtraction, PictureFillsTheFrameWhenItsShapeIsNotKept)
{
    std::wstring picture = MakePicture("wide.png", 160, 90, 0xFF00FF00);
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, production->put_UseSourceAspectRatio(VARIANT_FALSE));
    ASSERT_EQ(
        S_OK,
        Edit(production)->AddSourceFile(0, CComBSTR(picture), 0.0, 0.0, VARIANT_FALSE, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.0, 400, 300, frame));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(200, 2));
}

TEST_F(FrameExtraction, SecondPanelShowsAfterTheFirstEnds)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    AddColour(production, 0, 0xFF0000, 2.0);
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(2, 0x0000FF, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 1.9, 8, 8, frame));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(4, 4));
    ASSERT_EQ(S_OK, Extract(production, 2.1, 8, 8, frame));
    EXPECT_EQ(0xFF0000FFu, frame.PixelAt(4, 4));
}

TEST_F(FrameExtraction, NestedProductionShowsFromItsOffset)
{
    CComPtr<IKVEProductionData> inner = NewProduction();
    AddColour(inner, 0, 0xFF0000, 3.0);
    ASSERT_EQ(S_OK, Edit(inner)->AddSolidColor(2, 0x00FF00, nullptr));
    CComPtr<IKVEProductionData> outer = NewProduction();
    ASSERT_EQ(S_OK, Edit(outer)->AddProductionMoniker(0, CComBSTR(L"moniker::dvdproduction_7"),
                                                      inner, 2.5, 2.0, VARIANT_TRUE, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(outer, 0.2, 8, 8, frame));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(4, 4));
    ASSERT_EQ(S_OK, Extract(outer, 0.7, 8, 8, frame));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(4, 4));
    CComPtr<IUnknown> kept;
    EXPECT_EQ(S_OK, outer->GetSubProduction(CComBSTR(L"moniker::dvdproduction_7"), &kept));
}

TEST_F(FrameExtraction, EmptyProductionIsBlack)
{
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(NewProduction(), 0.0, 4, 4, frame));
    EXPECT_EQ(kBlack, frame.PixelAt(1, 1));
}

TEST_F(FrameExtraction, TimesPastTheEndShowTheLastFrame)
{
    std::wstring clip = MakeClip("clip.mp4");
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, nullptr));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 60.0, 64, 48, frame));
    EXPECT_COLOUR_NEAR(LeftColourOfFrame(49), frame.PixelAt(8, 24), 24);
}

TEST_F(FrameExtraction, ExtractionNeedsAProductionAndASensibleSize)
{
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    BYTE* pixels = nullptr;
    EXPECT_EQ(E_POINTER, graph->ExtractThumbnail(0.0, SIZE{8, 8}, &pixels));
    EXPECT_EQ(nullptr, pixels);
    ASSERT_EQ(S_OK, graph->SetProduction(NewProduction()));
    EXPECT_EQ(E_INVALIDARG, graph->ExtractThumbnail(0.0, SIZE{0, 8}, &pixels));
    EXPECT_EQ(E_INVALIDARG, graph->ExtractThumbnail(0.0, SIZE{8, 100000}, &pixels));
    EXPECT_EQ(nullptr, pixels);
    EXPECT_FALSE(KVUGetErrorStack().empty());
}

TEST_F(FrameExtraction, PreviewRunsUntilStoppedOrGivenAnotherProduction)
{
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    EXPECT_EQ(E_POINTER, graph->Preview());
    ASSERT_EQ(S_OK, graph->SetProduction(NewProduction()));
    ASSERT_EQ(S_OK, graph->Preview());
    LONG state = -1;
    ASSERT_EQ(S_OK, graph->GetPreviewState(&state));
    EXPECT_EQ(KVE_PREVIEW_RUNNING, state);
    EXPECT_EQ(S_OK, graph->Stop());
    EXPECT_EQ(S_FALSE, graph->Stop());
    ASSERT_EQ(S_OK, graph->Preview());
    ASSERT_EQ(S_OK, graph->SetProduction(NewProduction()));
    ASSERT_EQ(S_OK, graph->GetPreviewState(&state));
    EXPECT_EQ(KVE_PREVIEW_STOPPED, state);
}

TEST_F(FrameExtraction, GraphContextIsKeptUntilChanged)
{
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    ASSERT_EQ(S_OK, graph->SetGraphContext(KVE_GRAPH_CONTEXT_FRAME_EXTRACTION, nullptr));
    LONG mode = 0;
    CComPtr<IUnknown> context;
    ASSERT_EQ(S_OK, graph->GetGraphContext(&mode, &context));
    EXPECT_EQ(KVE_GRAPH_CONTEXT_FRAME_EXTRACTION, mode);
}

TEST_F(FrameExtraction, RewrittenPictureIsReadAgain)
{
    std::wstring picture = MakePicture("still.png", 40, 30, 0xFFFF0000);
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(
        S_OK,
        Edit(production)->AddSourceFile(0, CComBSTR(picture), 0.0, 0.0, VARIANT_FALSE, nullptr));
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    ASSERT_EQ(S_OK, graph->SetProduction(production));
    BYTE* pixels = nullptr;
    ASSERT_EQ(S_OK, graph->ExtractThumbnail(0.0, SIZE{40, 30}, &pixels));
    TaskPixels first(pixels);
    EXPECT_EQ(0x00u, first.get()[0]);
    BgraImage blue;
    ASSERT_EQ(S_OK, BgraImage::Create(41, 30, 0xFF0000FF, blue));
    ASSERT_EQ(S_OK, SaveImageFile(blue, picture));
    ASSERT_EQ(S_OK, graph->ExtractThumbnail(0.0, SIZE{40, 30}, &pixels));
    TaskPixels second(pixels);
    EXPECT_EQ(0xFFu, second.get()[40 * 15 * 4]);
}

TEST_F(FrameExtraction, SideBySideSourceShowsTheViewThatComesFirst)
{
    std::wstring clip = MakeClip("stereo.mp4");
    for (VARIANT_BOOL leftFirst : {VARIANT_TRUE, VARIANT_FALSE}) {
        CComPtr<IKVEProductionData> production = NewProduction();
        CComPtr<IUnknown> panel;
        ASSERT_EQ(S_OK,
                  Edit(production)
                      ->Add3DVOBMoniker(0, CComBSTR(L"vob:" + clip), ENM_3DSOURCE_SIDE_BY_SIDE,
                                        leftFirst, VARIANT_TRUE, &panel));
        double aspect = 0;
        CComQIPtr<ISourceFile>(panel)->get_AspectRatio(&aspect);
        EXPECT_NEAR(2.0 / 3.0, aspect, 1e-9);
        ASSERT_EQ(S_OK, production->put_UseSourceAspectRatio(VARIANT_FALSE));
        BgraImage frame;
        ASSERT_EQ(S_OK, Extract(production, 0.01, 64, 48, frame));
        DWORD expected = leftFirst ? LeftColourOfFrame(0) : RightColourOfFrame(0);
        EXPECT_COLOUR_NEAR(expected, frame.PixelAt(4, 24), 24);
        EXPECT_COLOUR_NEAR(expected, frame.PixelAt(60, 24), 24);
    }
}

TEST_F(FrameExtraction, PanAndZoomShowsOnlyItsPartOfThePicture)
{
    ASSERT_EQ(S_OK, RegisterXmlClasses());
    std::wstring clip = MakeClip("clip.mp4");
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, production->put_UseSourceAspectRatio(VARIANT_FALSE));
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, &panel));
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_EQ(S_OK,
              document->loadXML(
                  CComBSTR(L"<PanZoom x=\"0.5\" y=\"0\" width=\"0.5\" height=\"1\"/>"), &loaded));
    CComPtr<IXMLDOMElement> effect;
    document->get_documentElement(&effect);
    ASSERT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->PutPanZoomEffect(effect));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 9 / 25.0 + 0.01, 64, 48, frame));
    EXPECT_COLOUR_NEAR(RightColourOfFrame(9), frame.PixelAt(4, 24), 24);
    EXPECT_COLOUR_NEAR(RightColourOfFrame(9), frame.PixelAt(60, 24), 24);
}

TEST_F(FrameExtraction, TurnedSourceStandsUpright)
{
    BgraImage picture(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            picture.SetPixel(x, y, x < 20 ? 0xFFFF0000 : 0xFF00FF00);
    std::wstring path = m_folder.File("wide.png");
    ASSERT_EQ(S_OK, SaveImageFile(picture, path));
    CComPtr<IKVEProductionData> production = NewProduction();
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK,
              Edit(production)->AddSourceFile(0, CComBSTR(path), 0.0, 0.0, VARIANT_FALSE, &panel));
    ASSERT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->put_Rotation(90));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.0, 80, 80, frame));
    // Turned clockwise, the red left half goes to the top; the tall picture is pillarboxed.
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(40, 10));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(40, 70));
    EXPECT_EQ(kBlack, frame.PixelAt(5, 40));
}

TEST_F(FrameExtraction, MissingSourceIsRefusedWithItsNameOnTheErrorStack)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              Edit(production)
                  ->AddSourceFile(0, CComBSTR(m_folder.File("nowhere.mp4")), 0.0, 0.0, VARIANT_TRUE,
                                  nullptr));
    std::vector<std::wstring> stack = KVUGetErrorStack();
    ASSERT_EQ(1u, stack.size());
    EXPECT_NE(std::wstring::npos, stack[0].find(L"nowhere.mp4"));
}

TEST_F(FrameExtraction, TruncatedClipCannotBeAdded)
{
    std::wstring clip = MakeClip("clip.mp4");
    std::string bytes;
    {
        std::ifstream in(std::filesystem::path(clip), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::wstring cut = m_folder.File("cut.mp4");
    std::ofstream(std::filesystem::path(cut), std::ios::binary)
        << bytes.substr(0, bytes.size() / 3);
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(HRESULT_FROM_WIN32(13),
              Edit(production)->AddSourceFile(0, CComBSTR(cut), 0.0, 0.0, VARIANT_TRUE, nullptr));
    LONG count = -1;
    ASSERT_EQ(S_OK, production->GetNumberOfPanels(&count));
    EXPECT_EQ(0, count);
}

} // namespace
