// Loading productions that nest others: a production file that plays itself, directly or
// through others, and nesting deeper than the engine takes are refused with a clear error
// instead of reading on until the stack overflows.
#include "EngineTestSupport.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/Xml.h"

#include <fstream>
#include <string>

namespace {

constexpr HRESULT kInvalidData = HRESULT_FROM_WIN32(13);

class ProductionLoading : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_EQ(S_OK, RegisterXmlClasses());
    }

    static std::string Header()
    {
        return "<Production version=\"1\" aspectRatio=\"1.5\" frameRate=\"25\" nextId=\"9\">";
    }

    // A production file of one source panel that plays file.
    std::wstring WritePlaying(const char* name, const std::wstring& file)
    {
        std::wstring path = m_folder.File(name);
        std::ofstream(WideToUtf8(path))
            << Header() << "<Panels><SourceFile id=\"1\" file=\"" << WideToUtf8(file)
            << "\" in=\"0\" out=\"2\" rotation=\"0\" stereo=\"0\"/></Panels></Production>";
        return path;
    }

    // A production whose sub-production nests depth - 1 further ones.
    static std::string Nested(int depth)
    {
        std::string xml;
        for (int i = 1; i < depth; ++i)
            xml += Header() + "<SubProductions><SubProduction moniker=\"m\">";
        xml += Header() + "</Production>";
        for (int i = 1; i < depth; ++i)
            xml += "</SubProduction></SubProductions></Production>";
        return xml;
    }

    std::wstring Write(const char* name, const std::string& xml)
    {
        std::wstring path = m_folder.File(name);
        std::ofstream(WideToUtf8(path)) << xml;
        return path;
    }

    static LONG PanelCount(IKVEProductionData* production)
    {
        LONG count = -1;
        production->GetNumberOfPanels(&count);
        return count;
    }
};

TEST_F(ProductionLoading, FileThatPlaysItselfIsRefused)
{
    std::wstring self = m_folder.File("self.dmsm");
    WritePlaying("self.dmsm", self);
    CComPtr<IKVEProductionData> production = NewProduction();
    AddColour(production, 0, 0x1, 1.0);
    EXPECT_EQ(kInvalidData, production->LoadProduction(CComBSTR(self), 0));
    EXPECT_TRUE(StackHolds(L"plays itself, directly or through others"));
    EXPECT_EQ(1, PanelCount(production));
}

TEST_F(ProductionLoading, FilesThatPlayEachOtherAreRefusedFromEitherEnd)
{
    std::wstring first = m_folder.File("first.dmsm");
    std::wstring second = WritePlaying("second.dmsm", first);
    // Another spelling of the same file is the same file.
    WritePlaying("first.dmsm", second.substr(0, second.rfind(L'/')) + L"/./second.dmsm");
    for (const std::wstring& file : {first, second}) {
        CComPtr<IKVEProductionData> production = NewProduction();
        EXPECT_EQ(kInvalidData, production->LoadProduction(CComBSTR(file), 0));
        EXPECT_TRUE(StackHolds(L"plays itself"));
    }
    // Adding one of them as a source reads the other and fails the same way.
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(kInvalidData,
              Edit(production)->AddSourceFile(0, CComBSTR(first), 0.0, 0.0, VARIANT_TRUE, nullptr));
    EXPECT_TRUE(StackHolds(L"plays itself"));
}

TEST_F(ProductionLoading, FilePlayedTwiceSideBySideIsNoCycle)
{
    std::wstring leaf = m_folder.File("leaf.dmsm");
    CComPtr<IKVEProductionData> inner = NewProduction();
    AddColour(inner, 0, 0x00FF00, 2.0);
    ASSERT_EQ(S_OK, inner->SaveAsProduction(CComBSTR(leaf)));
    std::wstring twice =
        Write("twice.dmsm", Header() + "<Panels><SourceFile id=\"1\" file=\"" + WideToUtf8(leaf) +
                                "\" in=\"0\" out=\"2\" rotation=\"0\" stereo=\"0\"/>"
                                "<Transition id=\"2\" cut=\"1\"/>"
                                "<SourceFile id=\"3\" file=\"" +
                                WideToUtf8(leaf) +
                                "\" in=\"0\" out=\"2\" rotation=\"0\" "
                                "stereo=\"0\"/></Panels></Production>");
    CComPtr<IKVEProductionData> production = NewProduction();
    ASSERT_EQ(S_OK, production->LoadProduction(CComBSTR(twice), 0));
    EXPECT_EQ(3, PanelCount(production));
}

TEST_F(ProductionLoading, NestingUpToTheLimitLoadsAndDeeperIsRefused)
{
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(S_OK, production->LoadProduction(CComBSTR(Write("deepest.dmsm", Nested(32))), 0));
    EXPECT_EQ(kInvalidData,
              production->LoadProduction(CComBSTR(Write("deeper.dmsm", Nested(33))), 0));
    EXPECT_TRUE(StackHolds(L"productions are nested more than 32 deep"));
    EXPECT_EQ(kInvalidData,
              production->LoadProduction(CComBSTR(Write("hostile.dmsm", Nested(10000))), 0));
}

TEST_F(ProductionLoading, NestingIsCountedAcrossFiles)
{
    std::wstring inner = Write("inner.dmsm", Nested(31));
    std::wstring outer = WritePlaying("outer.dmsm", inner);
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(S_OK, production->LoadProduction(CComBSTR(outer), 0));
    Write("inner.dmsm", Nested(32));
    EXPECT_EQ(kInvalidData, production->LoadProduction(CComBSTR(outer), 0));
    EXPECT_TRUE(StackHolds(L"nested more than 32 deep"));
    EXPECT_EQ(1, PanelCount(production));
}

TEST_F(ProductionLoading, ElementNestedTooDeepIsRefused)
{
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_EQ(S_OK, document->loadXML(CComBSTR(Utf8ToWide(Nested(5000))), &loaded));
    CComPtr<IXMLDOMElement> root;
    ASSERT_EQ(S_OK, document->get_documentElement(&root));
    CComPtr<IKVEProductionData> production = NewProduction();
    EXPECT_EQ(kInvalidData, CComQIPtr<IKVEProductionXml>(production)->LoadFromXml(root));
}

TEST_F(ProductionLoading, PathLongerThanTheSystemTakesIsRefusedAtOnce)
{
    std::wstring huge = L"/" + std::wstring(1 << 20, L'a') + L".dmsm";
    CComPtr<IKVEProductionData> production = NewProduction();
    const HRESULT tooLong = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    EXPECT_EQ(tooLong, production->LoadProduction(CComBSTR(huge), 0));
    EXPECT_EQ(tooLong,
              Edit(production)->AddSourceFile(0, CComBSTR(huge), 0.0, 0.0, VARIANT_TRUE, nullptr));
    std::wstring file = m_folder.File("long.dmsm");
    std::ofstream(WideToUtf8(file))
        << Header() << "<Panels><SourceFile id=\"1\" file=\"" << WideToUtf8(huge)
        << "\" in=\"0\" out=\"2\" rotation=\"0\" stereo=\"0\"/>"
           "</Panels></Production>";
    EXPECT_EQ(tooLong, production->LoadProduction(CComBSTR(file), 0));
    EXPECT_EQ(0, PanelCount(production));
}

} // namespace
