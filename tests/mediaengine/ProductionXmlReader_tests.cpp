// Hostile production documents: values out of range, IDs at the edge of their range or given
// twice, and paths longer than the file system takes are refused without undefined behaviour,
// and a refused document leaves the production as it was.
#include "EngineTestSupport.h"
#include "support/ErrorStackText.h"

#include "model/KVEMarkerList.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/Xml.h"

#include <string>

namespace {

const std::string kHeader =
    "<Production version=\"1\" aspectRatio=\"1.5\" frameRate=\"25\" nextId=\"9\">";

std::string Colour(const std::string& id)
{
    return "<SolidColor id=\"" + id + "\" color=\"255\" duration=\"1\"/>";
}

std::string Panels(const std::string& panels)
{
    return kHeader + "<Panels>" + panels + "</Panels></Production>";
}

std::string Marker(const std::string& id)
{
    return "<Marker id=\"" + id + "\" kind=\"1\" time=\"0.5\" link=\"-1\" name=\"\"/>";
}

std::string Text(const std::string& attributes)
{
    return kHeader + "<Menu><Text x=\"0\" y=\"0\" width=\"1\" height=\"1\" " + attributes +
           "/></Menu></Production>";
}

class ProductionReader : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_EQ(S_OK, RegisterXmlClasses());
        m_production = NewProduction();
        AddColour(m_production, 0, 0x123456, 2.0);
    }

    HRESULT Load(const std::string& xml)
    {
        CComPtr<IXMLDOMDocument> document;
        EXPECT_EQ(S_OK, CreateXMLDocument(&document));
        VARIANT_BOOL loaded = VARIANT_FALSE;
        EXPECT_EQ(S_OK, document->loadXML(CComBSTR(Utf8ToWide(xml)), &loaded));
        CComPtr<IXMLDOMElement> root;
        document->get_documentElement(&root);
        KVUClearErrorStack();
        return CComQIPtr<IKVEProductionXml>(m_production)->LoadFromXml(root);
    }

    // The document must be refused, and the production keep its one colour panel.
    void ExpectRefused(const std::string& xml)
    {
        SCOPED_TRACE(xml.substr(0, 200));
        EXPECT_TRUE(FAILED(Load(xml)));
        LONG count = 0;
        m_production->GetNumberOfPanels(&count);
        EXPECT_EQ(1, count);
    }

    std::wstring Saved()
    {
        CComPtr<IXMLDOMDocument> document;
        CreateXMLDocument(&document);
        CComQIPtr<IKVEProductionXml>(m_production)->SaveToXml(document);
        CComBSTR xml;
        document->get_xml(&xml);
        return xml.Str();
    }

    CComPtr<IKVEProductionData> m_production;
};

TEST_F(ProductionReader, NumbersOutsideTheirTypeAreRefused)
{
    ExpectRefused(Text("colour=\"-1\""));
    ExpectRefused(Text("colour=\"4294967296\""));
    ExpectRefused(Text("colour=\"1.5\""));
    ExpectRefused(Text("alignment=\"1e10\""));
    ExpectRefused(Text("fontSize=\"inf\""));
    ExpectRefused(Text("rotation=\"nan\""));
    ExpectRefused(Panels(Colour("2147483648")));
    ExpectRefused(Panels(Colour("-2147483649")));
    ExpectRefused(Panels(Colour("1e300")));
    ExpectRefused(kHeader + "<Markers>" + Marker("2147483648") + "</Markers></Production>");
    EXPECT_EQ(S_OK, Load(Text("colour=\"4294967295\" alignment=\"21\"")));
}

TEST_F(ProductionReader, IdsThatLeaveNoNextIdAreRefused)
{
    // The highest ID of a 32-bit signed number would leave no next ID.
    ExpectRefused(Panels(Colour("2147483647")));
    ExpectRefused(kHeader + "<Audio><ProductionAudio id=\"2147483647\" kind=\"0\" file=\"a.wav\" "
                            "start=\"0\" end=\"0\"/></Audio></Production>");
    ExpectRefused(kHeader + "<ElementItems><Item id=\"2147483647\" elementId=\"4\"/>"
                            "</ElementItems></Production>");
    ExpectRefused(kHeader + "<Markers>" + Marker("2147483647") + "</Markers></Production>");
    ExpectRefused(
        "<Production version=\"1\" aspectRatio=\"1.5\" frameRate=\"25\" nextId=\"2147483647\"/>");
}

TEST_F(ProductionReader, HighestIdSurvivesARoundTripAndThenNoneIsLeft)
{
    ASSERT_EQ(S_OK, Load(Panels(Colour("2147483646"))));
    std::wstring saved = Saved();
    CComPtr<IKVEProductionData> again = NewProduction();
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->loadXML(CComBSTR(saved), &loaded);
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    ASSERT_EQ(S_OK, CComQIPtr<IKVEProductionXml>(again)->LoadFromXml(root));
    EXPECT_EQ(E_UNEXPECTED, Edit(m_production)->AddSolidColor(2, 0xFF, nullptr));
    LONG item = -1;
    EXPECT_EQ(E_UNEXPECTED, CComQIPtr<IKVEMenuComposition>(m_production)->AddElementItem(3, &item));
    EXPECT_EQ(0, item);
    LONG count = 0;
    m_production->GetNumberOfPanels(&count);
    EXPECT_EQ(1, count);
}

TEST_F(ProductionReader, IdsGivenTwiceAreRefused)
{
    ExpectRefused(Panels(Colour("3") + "<Transition id=\"3\" cut=\"1\"/>" + Colour("4")));
    ExpectRefused(kHeader + "<Panels>" + Colour("3") +
                  "</Panels><ElementItems><Item id=\"3\" elementId=\"4\"/></ElementItems>"
                  "</Production>");
    ExpectRefused(kHeader + "<ElementItems><Item id=\"5\" elementId=\"4\"/>"
                            "<Item id=\"5\" elementId=\"6\"/></ElementItems></Production>");
    EXPECT_TRUE(StackHolds(L"the element item ID 5 is given twice"));
    ExpectRefused(kHeader + "<Markers>" + Marker("7") + Marker("7") + "</Markers></Production>");
    EXPECT_TRUE(StackHolds(L"the marker ID 7 is given twice"));
}

TEST_F(ProductionReader, TwoSubProductionsUnderOneMonikerAreRefused)
{
    std::string inner =
        "<Production version=\"1\" aspectRatio=\"1\" frameRate=\"25\" nextId=\"1\"/>";
    ExpectRefused(kHeader + "<SubProductions><SubProduction moniker=\"m\">" + inner +
                  "</SubProduction><SubProduction moniker=\"m\">" + inner +
                  "</SubProduction></SubProductions></Production>");
    EXPECT_TRUE(StackHolds(L"two sub-productions are kept under the moniker \"m\""));
    ExpectRefused(kHeader + "<MetaData><Item name=\"n\"><A/></Item><Item name=\"n\"><B/></Item>"
                            "</MetaData></Production>");
}

TEST_F(ProductionReader, PathsLongerThanTheSystemTakesAreRefused)
{
    const std::string huge(5000, 'a');
    ExpectRefused(Panels("<SourceFile id=\"1\" file=\"/" + huge +
                         ".png\" in=\"0\" out=\"1\" rotation=\"0\" stereo=\"0\"/>"));
    ExpectRefused(kHeader + "<Audio><ProductionAudio id=\"2\" kind=\"0\" file=\"/" + huge +
                  "\" start=\"0\" end=\"0\"/></Audio></Production>");
    ExpectRefused(kHeader + "<Menu><Overlay x=\"0\" y=\"0\" width=\"1\" height=\"1\" source=\"/" +
                  huge + "\"/></Menu></Production>");
    EXPECT_TRUE(StackHolds(L"source is a path longer than the file system takes"));
}

TEST_F(ProductionReader, ElementsFarOutsideTheFrameDrawNothing)
{
    ASSERT_EQ(S_OK, Load(kHeader + "<Panels>" + Colour("1") +
                         "</Panels><Menu><Text x=\"1e300\" y=\"-1e300\" width=\"1e300\" "
                         "height=\"1\" rotation=\"45\" label=\"far\"/><Overlay x=\"-1e300\" "
                         "y=\"0\" width=\"1\" height=\"1\" rotation=\"30\" source=\"moniker::x\"/>"
                         "</Menu></Production>"));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(m_production, 0.5, 16, 12, frame));
    EXPECT_EQ(0xFF0000FFu, frame.PixelAt(8, 6));
}

} // namespace
