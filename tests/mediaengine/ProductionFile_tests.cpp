#include "EngineTestSupport.h"

#include "Production.h"

#include "model/KVEMarkerList.h"
#include "model/KVGMediaFileProp.h"

#include "platform/ErrorStack.h"
#include "platform/Xml.h"

#include <fstream>

namespace {

class ProductionFile : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_EQ(S_OK, RegisterXmlClasses());
    }

    std::wstring Picture(const char* name, DWORD argb)
    {
        BgraImage picture;
        BgraImage::Create(32, 24, argb, picture);
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, SaveImageFile(picture, path));
        return path;
    }

    // Saves a production to a file and loads it into a new one.
    CComPtr<IKVEProductionData> RoundTrip(IKVEProductionData* production, const char* name)
    {
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, production->SaveAsProduction(CComBSTR(path)));
        CComPtr<IKVEProductionData> loaded = NewProduction();
        EXPECT_EQ(S_OK, loaded->LoadProduction(CComBSTR(path), 0));
        return loaded;
    }

    static std::wstring Xml(IKVEProductionData* production)
    {
        CComPtr<IXMLDOMDocument> document;
        CreateXMLDocument(&document);
        CComQIPtr<IKVEProductionXml>(production)->SaveToXml(document);
        CComBSTR xml;
        document->get_xml(&xml);
        return xml.Str();
    }
};

TEST_F(ProductionFile, EveryPartOfAProductionSurvivesAFile)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    CComQIPtr<IEditData> edit(production);
    CComPtr<IUnknown> red;
    ASSERT_EQ(S_OK, edit->AddSolidColor(0, 0xFF0000, &red));
    ASSERT_EQ(S_OK, CComQIPtr<IBaseObject>(red)->put_Duration(1.0 / 3.0));
    ASSERT_EQ(S_OK, edit->AddSourceFile(2, CComBSTR(Picture("still.png", 0xFF00FF00)), 0.25, 2.5,
                                        VARIANT_FALSE, nullptr));
    CComPtr<IXMLDOMElement> dissolve =
        Element(L"<Effect Name=\"Dissolve\" Duration=\"0.2\"><effect_id>7</effect_id></Effect>");
    ASSERT_EQ(S_OK, edit->AddTransition(1, dissolve, nullptr, nullptr));
    CComPtr<IKVEProductionData> inner = NewProduction();
    ASSERT_EQ(S_OK, Edit(inner)->AddSolidColor(0, 0x0000FF, nullptr));
    ASSERT_EQ(S_OK, edit->AddProductionMoniker(4, CComBSTR(L"moniker::dvdproduction_12"), inner,
                                               1.0, 2.0, VARIANT_FALSE, nullptr));
    CComQIPtr<IKVEMarkerList> markers(production);
    LONG chapter = 0, thumb = 0;
    markers->AddMarker(0.7, KVE_MARKER_CHAPTER, 0, &chapter);
    markers->AddMarker(1.1, KVE_MARKER_THUMBNAIL, 0, &thumb);
    markers->SetMarkerLink(chapter, thumb);
    markers->SetMarkerName(chapter, CComBSTR(L"Intro & <more>"));
    CComQIPtr<IProductionInfo> info(production);
    info->put_AspectRatio(16.0 / 9.0);
    info->put_EditingFrameRate(25.0);
    info->put_Is3D(VARIANT_TRUE);
    ASSERT_EQ(S_OK, info->SetMetaData(CComBSTR(L"SlideShowDoc"),
                                      Element(L"<SlideShowDoc><DVDSlideShow Enabled=\"1\"/>"
                                              L"</SlideShowDoc>")));
    production->put_UseSourceAspectRatio(VARIANT_FALSE);

    CComPtr<IKVEProductionData> loaded = RoundTrip(production, "all.dmsm");
    EXPECT_EQ(Xml(production), Xml(loaded));
    CComPtr<IXMLDOMNode> slideShow;
    ASSERT_EQ(S_OK, CComQIPtr<IProductionInfo>(loaded)->GetMetaData(CComBSTR(L"SlideShowDoc"),
                                                                    &slideShow));
    CComPtr<IBaseObject> transition;
    ASSERT_EQ(S_OK, loaded->GetPanelBaseObject(1, &transition));
    CComBSTR name;
    CComQIPtr<IKVETransition>(transition)->get_Name(&name);
    EXPECT_EQ(L"Dissolve", name.Str());
}

TEST_F(ProductionFile, LoadedProductionRendersLikeTheSavedOne)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(0, 0x123456, nullptr));
    DrawnElement overlay;
    overlay.source = Picture("thumb.png", 0xFFFF0000);
    overlay.width = 1.0;
    overlay.height = 1.0;
    ProductionOf(production)->SetSavedMenu(MenuSnapshot{{overlay}});
    CComPtr<IKVEProductionData> loaded = RoundTrip(production, "menu.dmsm");
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(loaded, 0.0, 40, 40, frame));
    EXPECT_EQ(0xFF123456u, frame.PixelAt(2, 2));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(20, 20));
}

TEST_F(ProductionFile, IdsGoOnAfterTheHighestLoaded)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(0, 0x1, nullptr));
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(2, 0x2, nullptr));
    CComPtr<IKVEProductionData> loaded = RoundTrip(production, "ids.dmsm");
    CComPtr<IUnknown> added;
    ASSERT_EQ(S_OK, Edit(loaded)->AddSolidColor(4, 0x3, &added));
    LONG newId = 0;
    CComQIPtr<IBaseObject>(added)->get_ID(&newId);
    for (LONG i = 0; i < 3; ++i) {
        CComPtr<IBaseObject> panel;
        loaded->GetPanelBaseObject(i, &panel);
        LONG id = 0;
        panel->get_ID(&id);
        EXPECT_LT(id, newId);
    }
}

TEST_F(ProductionFile, MissingMediaIsKeptAndReported)
{
    std::wstring still = Picture("gone.png", 0xFFFFFFFF);
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(
        S_OK,
        Edit(production)->AddSourceFile(0, CComBSTR(still), 0.0, 3.0, VARIANT_FALSE, nullptr));
    std::wstring path = m_folder.File("gone.dmsm");
    ASSERT_EQ(S_OK, production->SaveAsProduction(CComBSTR(path)));
    std::filesystem::remove(still);
    CComPtr<IKVEProductionData> loaded = NewProduction();
    ASSERT_EQ(S_OK, loaded->LoadProduction(CComBSTR(path), 0));
    CComVariant names;
    ASSERT_EQ(S_OK, loaded->GetMissingSourceFileNames(0, 0, VARIANT_FALSE, &names));
    CComQIPtr<IProductionInfo> info(loaded);
    double duration = 0;
    info->get_Duration(&duration);
    EXPECT_DOUBLE_EQ(3.0, duration);
}

TEST_F(ProductionFile, BadFilesFailAndLeaveTheProductionAsItWas)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(0, 0x1, nullptr));
    std::wstring garbage = m_folder.File("garbage.dmsm");
    std::ofstream(std::filesystem::path(garbage)) << "<Production version=\"1\" aspectRatio=";
    std::wstring foreign = m_folder.File("foreign.dmsm");
    std::ofstream(std::filesystem::path(foreign)) << "<Project/>";
    std::wstring future = m_folder.File("future.dmsm");
    std::ofstream(std::filesystem::path(future))
        << "<Production version=\"99\" aspectRatio=\"1\" frameRate=\"25\" nextId=\"1\"/>";
    std::wstring disordered = m_folder.File("disordered.dmsm");
    std::ofstream(std::filesystem::path(disordered))
        << "<Production version=\"1\" aspectRatio=\"1\" frameRate=\"25\" nextId=\"3\"><Panels>"
           "<Transition id=\"1\" cut=\"1\"/></Panels></Production>";
    for (const std::wstring& file : {garbage, foreign, future, disordered}) {
        EXPECT_EQ(HRESULT_FROM_WIN32(13), production->LoadProduction(CComBSTR(file), 0));
        EXPECT_FALSE(KVUGetErrorStack().empty());
    }
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              production->LoadProduction(CComBSTR(m_folder.File("none.dmsm")), 0));
    LONG count = 0;
    production->GetNumberOfPanels(&count);
    EXPECT_EQ(1, count);
}

TEST_F(ProductionFile, ProductionFileCanBeASourceOfAnother)
{
    CComPtr<IKVEProductionData> inner = NewProduction();
    AddColour(inner, 0, 0x00FF00, 4.0);
    std::wstring path = m_folder.File("inner.dmsm");
    ASSERT_EQ(S_OK, inner->SaveAsProduction(CComBSTR(path)));
    CComPtr<IKVEProductionData> outer = NewProduction();
    CComPtr<IUnknown> source;
    ASSERT_EQ(S_OK, Edit(outer)->AddSourceFile(0, CComBSTR(path), 0.0, 0.0, VARIANT_TRUE, &source));
    LONG type = 0;
    CComQIPtr<ISourceFile>(source)->get_SourceType(&type);
    EXPECT_EQ(KVE_SOURCE_PRODUCTION_FILE, type);
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(outer, 3.0, 16, 12, frame));
    EXPECT_EQ(0xFF00FF00u, frame.PixelAt(8, 6));
}

TEST_F(ProductionFile, FilesThatNameEachOtherLoadOnceEach)
{
    std::wstring first = m_folder.File("first.dmsm");
    std::wstring second = m_folder.File("second.dmsm");
    CComPtr<IKVEProductionData> blue = NewProduction();
    AddColour(blue, 0, 0x0000FF, 2.0);
    ASSERT_EQ(S_OK, blue->SaveAsProduction(CComBSTR(first)));
    // second shows first; then first is written again to show second.
    CComPtr<IKVEProductionData> showsFirst = NewProduction();
    ASSERT_EQ(S_OK,
              Edit(showsFirst)->AddSourceFile(0, CComBSTR(first), 0.0, 0.0, VARIANT_TRUE, nullptr));
    ASSERT_EQ(S_OK, showsFirst->SaveAsProduction(CComBSTR(second)));
    CComPtr<IKVEProductionData> showsSecond = NewProduction();
    ASSERT_EQ(
        S_OK,
        Edit(showsSecond)->AddSourceFile(0, CComBSTR(second), 0.0, 0.0, VARIANT_TRUE, nullptr));
    ASSERT_EQ(S_OK, showsSecond->SaveAsProduction(CComBSTR(first)));

    // first → second → first again, which is refused where it comes round: the inner source
    // keeps its name without a production, like a missing file.
    CComPtr<IKVEProductionData> loaded = NewProduction();
    ASSERT_EQ(S_OK, loaded->LoadProduction(CComBSTR(first), 0));
    CComPtr<IBaseObject> panel;
    ASSERT_EQ(S_OK, loaded->GetPanelBaseObject(0, &panel));
    CComBSTR name;
    ASSERT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->get_FileName(&name));
    EXPECT_EQ(second, name.Str());
    // Once the load is over, the same file loads again.
    EXPECT_EQ(S_OK, NewProduction()->LoadProduction(CComBSTR(first), 0));
}

TEST_F(ProductionFile, DissolveIsHalfWayInTheMiddleOfTheTransition)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    CComQIPtr<IEditData> edit(production);
    AddColour(production, 0, 0xFF0000, 2.0);
    ASSERT_EQ(S_OK, edit->AddSolidColor(2, 0x0000FF, nullptr));
    double second = 1.0;
    ASSERT_EQ(S_OK,
              edit->AddTransition(1, Element(L"<Effect Name=\"Dissolve\"/>"), nullptr, &second));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 1.5, 8, 8, frame));
    EXPECT_COLOUR_NEAR(0xFF800080u, frame.PixelAt(4, 4), 1);
    ASSERT_EQ(S_OK, Extract(production, 1.0, 8, 8, frame));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(4, 4));
    ASSERT_EQ(S_OK, Extract(production, 2.0, 8, 8, frame));
    EXPECT_EQ(0xFF0000FFu, frame.PixelAt(4, 4));
    CComQIPtr<IProductionInfo> info(production);
    double duration = 0;
    info->get_Duration(&duration);
    EXPECT_DOUBLE_EQ(6.0, duration);
}

TEST_F(ProductionFile, TransitionsGoOnlyBetweenTwoSources)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    CComQIPtr<IEditData> edit(production);
    ASSERT_EQ(S_OK, edit->AddSolidColor(0, 0xFF0000, nullptr));
    CComPtr<IXMLDOMElement> effect = Element(L"<Effect Name=\"Wipe\"/>");
    EXPECT_EQ(E_INVALIDARG, edit->AddTransition(1, effect, nullptr, nullptr));
    ASSERT_EQ(S_OK, edit->AddSolidColor(2, 0x00FF00, nullptr));
    EXPECT_EQ(E_INVALIDARG, edit->AddTransition(2, effect, nullptr, nullptr));
    EXPECT_EQ(E_INVALIDARG, edit->AddTransition(1, nullptr, nullptr, nullptr));
    EXPECT_EQ(S_OK, edit->AddTransition(1, effect, nullptr, nullptr));
}

TEST_F(ProductionFile, SmartAudioIsRecognisedAndKeepsItsLimit)
{
    std::wstring track = m_folder.File("theme.sat");
    std::ofstream(std::filesystem::path(track))
        << "<SmartAudio title=\"Fanfare\" maxDuration=\"90\"><Segment file=\"a.wav\"/>"
           "</SmartAudio>";
    CComPtr<IKVGMediaFileProp> properties;
    ASSERT_EQ(S_OK, properties.CoCreateInstance(CLSID_KVGMediaFileProp));
    ASSERT_EQ(S_OK, properties->SetFile(CComBSTR(track)));
    VARIANT_BOOL smart = VARIANT_FALSE;
    ASSERT_EQ(S_OK, properties->IsSmartAudio(&smart));
    EXPECT_EQ(VARIANT_TRUE, smart);
    CComPtr<IKVEProductionData> production = NewProduction();
    CComPtr<IUnknown> audio;
    ASSERT_EQ(S_OK,
              Edit(production)
                  ->AddProductionSmartAudio(CComBSTR(track), enBackgroundAudio, 0.0, 0.0, &audio));
    CComPtr<IKVEProductionData> loaded = RoundTrip(production, "smart.dmsm");
    CComPtr<IUnknown> found;
    ASSERT_EQ(S_OK, loaded->GetAudioAt(enBackgroundAudio, 0.0, &found));
    CComQIPtr<IKVESmartAudio> smartAudio(found);
    ASSERT_TRUE(smartAudio);
    double limit = 0;
    smartAudio->get_MaxDuration(&limit);
    EXPECT_DOUBLE_EQ(90.0, limit);
    CComBSTR moniker;
    smartAudio->get_Moniker(&moniker);
    EXPECT_EQ(track, moniker.Str());
}

TEST_F(ProductionFile, EffectDataIsLiveAndReplacedByCopies)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(0, 0x1, &panel));
    CComQIPtr<IKVEEffectInfo> effects(panel);
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, effects->GetEffectInfo(&effect));
    CComPtr<IXMLDOMNode> pluginData;
    ASSERT_EQ(S_OK, effect->selectSingleNode(CComBSTR(L"plugin_data"), &pluginData));
    CComPtr<IXMLDOMElement> crop = Element(L"<Crop left=\"0.1\"/>");
    ASSERT_EQ(S_OK, pluginData->appendChild(crop, nullptr));
    CComPtr<IXMLDOMNode> again;
    ASSERT_EQ(S_OK, effects->GetEffectInfo(&again));
    CComPtr<IXMLDOMNode> found;
    EXPECT_EQ(S_OK, again->selectSingleNode(CComBSTR(L"plugin_data/Crop"), &found));
}

} // namespace
