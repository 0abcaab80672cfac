#include "platform/ClassFactory.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

class XmlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* home = std::getenv("REELMARK_HOME");
        fs::path base = home ? fs::path(home) : fs::temp_directory_path();
        m_folder = base / ("xml-tests-" + std::to_string(std::random_device()()));
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::wstring PathOf(const char* name) const { return (m_folder / name).wstring(); }

    void WriteBytes(const char* name, const std::string& bytes) const
    {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
    }

    std::string ReadBytes(const char* name) const
    {
        std::ifstream in(m_folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_folder;
};

CComPtr<IXMLDOMDocument> NewDocument()
{
    CComPtr<IXMLDOMDocument> document;
    EXPECT_EQ(CreateXMLDocument(&document), S_OK);
    return document;
}

CComPtr<IXMLDOMDocument> Parse(const wchar_t* xml)
{
    CComPtr<IXMLDOMDocument> document = NewDocument();
    VARIANT_BOOL success = VARIANT_FALSE;
    EXPECT_EQ(document->loadXML(CComBSTR(xml), &success), S_OK);
    EXPECT_EQ(success, VARIANT_TRUE);
    return document;
}

std::wstring XmlOf(IXMLDOMNode* node)
{
    CComBSTR xml;
    EXPECT_EQ(node->get_xml(&xml), S_OK);
    return xml.Str();
}

std::wstring TextOf(IXMLDOMNode* node)
{
    CComBSTR text;
    EXPECT_EQ(node->get_text(&text), S_OK);
    return text.Str();
}

CComPtr<IXMLDOMNode> Select(IXMLDOMNode* context, const wchar_t* query)
{
    CComPtr<IXMLDOMNode> found;
    EXPECT_EQ(context->selectSingleNode(CComBSTR(query), &found), S_OK) << query;
    return found;
}

CComQIPtr<IXMLDOMElement> SelectElement(IXMLDOMNode* context, const wchar_t* query)
{
    return CComQIPtr<IXMLDOMElement>(Select(context, query));
}

CComPtr<IXMLDOMElement> AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                      const wchar_t* name)
{
    CComPtr<IXMLDOMElement> element;
    EXPECT_EQ(document->createElement(CComBSTR(name), &element), S_OK);
    EXPECT_EQ(parent->appendChild(element, nullptr), S_OK);
    return element;
}

// A document as callers make them: the UTF-16 declaration and a root that declares the
// data-types namespace.
CComPtr<IXMLDOMDocument> TypedDocument(CComPtr<IXMLDOMElement>& root)
{
    CComPtr<IXMLDOMDocument> document = NewDocument();
    CComPtr<IXMLDOMNode> declaration;
    EXPECT_EQ(document->createProcessingInstruction(
                  CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-16\""), &declaration),
              S_OK);
    EXPECT_EQ(document->appendChild(declaration, nullptr), S_OK);
    EXPECT_EQ(document->createElement(CComBSTR(L"Root"), &root), S_OK);
    EXPECT_EQ(root->setAttribute(CComBSTR(L"xmlns:dt"), CComVariant(kXmlDataTypesNamespace)), S_OK);
    EXPECT_EQ(document->putref_documentElement(root), S_OK);
    return document;
}

void ExpectLoadFails(IXMLDOMDocument* document, HRESULT hr, VARIANT_BOOL success)
{
    EXPECT_EQ(hr, S_FALSE);
    EXPECT_EQ(success, VARIANT_FALSE);
    CComBSTR reason;
    EXPECT_EQ(document->get_parseErrorReason(&reason), S_OK);
    EXPECT_FALSE(reason.IsEmpty());
    CComPtr<IXMLDOMElement> root;
    EXPECT_EQ(document->get_documentElement(&root), S_FALSE);
    EXPECT_FALSE(root);
    EXPECT_EQ(XmlOf(document), L"");
}

TEST_F(XmlTest, DeepCloneSharesNothingWithItsSourceInEitherDirection)
{
    auto document = Parse(L"<Root><a x=\"1\"><b>text</b></a></Root>");
    CComPtr<IXMLDOMNode> source = Select(document, L"/Root/a");
    CComPtr<IXMLDOMNode> clone;
    ASSERT_EQ(source->cloneNode(VARIANT_TRUE, &clone), S_OK);
    CComPtr<IXMLDOMNode> parent;
    EXPECT_EQ(clone->get_parentNode(&parent), S_FALSE);

    CComQIPtr<IXMLDOMElement>(clone)->setAttribute(CComBSTR(L"x"), CComVariant(L"2"));
    Select(clone, L"b")->put_text(CComBSTR(L"changed"));
    AppendElement(document, clone, L"extra");
    EXPECT_EQ(XmlOf(source), L"<a x=\"1\"><b>text</b></a>");

    CComQIPtr<IXMLDOMElement>(source)->setAttribute(CComBSTR(L"x"), CComVariant(L"3"));
    ASSERT_EQ(source->removeChild(Select(source, L"b"), nullptr), S_OK);
    EXPECT_EQ(XmlOf(clone), L"<a x=\"2\"><b>changed</b><extra/></a>");

    CComPtr<IXMLDOMNode> shallow;
    ASSERT_EQ(clone->cloneNode(VARIANT_FALSE, &shallow), S_OK);
    EXPECT_EQ(XmlOf(shallow), L"<a x=\"2\"/>");
}

TEST_F(XmlTest, DetachedNodesStayUsableAfterRemovalAndAfterTheDocumentIsReleased)
{
    CComPtr<IXMLDOMNode> removed;
    CComPtr<IXMLDOMNode> inner;
    CComPtr<IXMLDOMNode> replaced;
    CComPtr<IXMLDOMNode> overwritten;
    {
        auto document = Parse(L"<Root><a><b>deep</b></a><c/><d><k/></d></Root>");
        CComPtr<IXMLDOMNode> root = Select(document, L"/Root");
        inner = Select(document, L"//b");
        ASSERT_EQ(root->removeChild(Select(root, L"a"), &removed), S_OK);
        CComPtr<IXMLDOMElement> e;
        ASSERT_EQ(document->createElement(CComBSTR(L"e"), &e), S_OK);
        ASSERT_EQ(root->replaceChild(e, Select(root, L"c"), &replaced), S_OK);
        overwritten = Select(root, L"d/k");
        ASSERT_EQ(Select(root, L"d")->put_text(CComBSTR(L"")), S_OK);
        EXPECT_EQ(XmlOf(root), L"<Root><e/><d/></Root>");
        // Removing and re-adding nodes while others are held exercises the collection of
        // detached nodes that no handle reaches.
        for (int i = 0; i < 2000; ++i)
            AppendElement(document, root, L"temp");
        VARIANT_BOOL success;
        ASSERT_EQ(document->loadXML(CComBSTR(L"<Other/>"), &success), S_OK);
        EXPECT_EQ(
            XmlOf(root), L"<Root><e/><d/>" + [] {
                std::wstring temps;
                for (int i = 0; i < 2000; ++i)
                    temps += L"<temp/>";
                return temps;
            }() + L"</Root>");
    }
    EXPECT_EQ(XmlOf(removed), L"<a><b>deep</b></a>");
    EXPECT_EQ(XmlOf(replaced), L"<c/>");
    EXPECT_EQ(XmlOf(overwritten), L"<k/>");
    CComPtr<IXMLDOMNode> innerParent;
    ASSERT_EQ(inner->get_parentNode(&innerParent), S_OK);
    EXPECT_TRUE(innerParent.IsEqualObject(removed));
    ASSERT_EQ(inner->put_text(CComBSTR(L"still here")), S_OK);
    EXPECT_EQ(TextOf(removed), L"still here");

    CComPtr<IXMLDOMDocument> owner;
    ASSERT_EQ(removed->get_ownerDocument(&owner), S_OK);
    CComPtr<IXMLDOMElement> root;
    ASSERT_EQ(owner->get_documentElement(&root), S_OK);
    ASSERT_EQ(root->appendChild(removed, nullptr), S_OK);
    EXPECT_EQ(XmlOf(owner), L"<Other><a><b>still here</b></a></Other>\n");
}

TEST_F(XmlTest, RemovedAttributeKeepsItsValueAndLeavesTheElement)
{
    auto document = Parse(L"<Root a=\"1\" b=\"2\"><Child c=\"3\"/></Root>");
    CComPtr<IXMLDOMNode> onChild = Select(document, L"//@c");
    CComPtr<IXMLDOMNode> child = Select(document, L"//Child");
    ASSERT_EQ(Select(document, L"/Root")->removeChild(child, nullptr), S_OK);
    CComQIPtr<IXMLDOMElement>(child)->setAttribute(CComBSTR(L"c"), CComVariant(L"4"));
    EXPECT_EQ(TextOf(onChild), L"4");

    CComPtr<IXMLDOMNamedNodeMap> attributes;
    ASSERT_EQ(Select(document, L"/Root")->get_attributes(&attributes), S_OK);
    CComPtr<IXMLDOMNode> held = Select(document, L"/Root/@b");
    CComPtr<IXMLDOMNode> removed;
    ASSERT_EQ(attributes->removeNamedItem(CComBSTR(L"a"), &removed), S_OK);
    EXPECT_EQ(SelectElement(document, L"/Root")->removeAttribute(CComBSTR(L"b")), S_OK);
    EXPECT_EQ(SelectElement(document, L"/Root")->removeAttribute(CComBSTR(L"b")), S_FALSE);
    EXPECT_EQ(XmlOf(removed), L"a=\"1\"");
    EXPECT_EQ(TextOf(held), L"2");
    LONG length = -1;
    EXPECT_EQ(attributes->get_length(&length), S_OK);
    EXPECT_EQ(length, 0);
}

TEST_F(XmlTest, Utf16DocumentSavesWithByteOrderMarkAndReadsBackItsText)
{
    const std::wstring text = L"Gr\u00FC\u00DFe \u65E5\u672C \U0001D11E <&>";
    CComPtr<IXMLDOMElement> root;
    auto document = TypedDocument(root);
    AppendElement(document, root, L"Title")->put_text(CComBSTR(text));
    ASSERT_EQ(document->save(CComVariant(PathOf("utf16.xml").c_str())), S_OK);

    std::string bytes = ReadBytes("utf16.xml");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));

    auto loaded = NewDocument();
    VARIANT_BOOL success = VARIANT_FALSE;
    ASSERT_EQ(loaded->load(CComVariant(PathOf("utf16.xml").c_str()), &success), S_OK);
    EXPECT_EQ(TextOf(Select(loaded, L"/Root/Title")), text);
    ASSERT_EQ(loaded->save(CComVariant(PathOf("again.xml").c_str())), S_OK);
    EXPECT_EQ(ReadBytes("again.xml"), bytes);
}

TEST_F(XmlTest, OtherDeclaredEncodingsAreWrittenAsUtf8ThatReadsBack)
{
    auto document = Parse(L"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Root>\u65E5</Root>");
    ASSERT_EQ(document->save(CComVariant(PathOf("latin.xml").c_str())), S_OK);
    EXPECT_EQ(ReadBytes("latin.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                      "<Root>\xE6\x97\xA5</Root>\n");
    auto loaded = NewDocument();
    VARIANT_BOOL success = VARIANT_FALSE;
    ASSERT_EQ(loaded->load(CComVariant(PathOf("latin.xml").c_str()), &success), S_OK);
    EXPECT_EQ(TextOf(loaded), L"\u65E5");
}

TEST_F(XmlTest, TypedValuesRoundTripThroughTheirDeclaredTypes)
{
    CComPtr<IXMLDOMElement> root;
    auto document = TypedDocument(root);
    struct Case
    {
        const wchar_t* type;
        CComVariant value;
    };
    const Case cases[] = {{L"string", CComVariant(L"C:/clips/\u00E9t\u00E9.mpg")},
                          {L"int", CComVariant(LONG{-42})},
                          {L"r8", CComVariant(0.1)},
                          {L"boolean", CComVariant(true)}};
    for (const Case& c : cases) {
        auto element = AppendElement(document, root, c.type);
        ASSERT_EQ(element->put_dataType(CComBSTR(c.type)), S_OK);
        ASSERT_EQ(element->put_nodeTypedValue(c.value), S_OK);
    }
    ASSERT_EQ(document->save(CComVariant(PathOf("typed.xml").c_str())), S_OK);
    auto loaded = NewDocument();
    VARIANT_BOOL success = VARIANT_FALSE;
    ASSERT_EQ(loaded->load(CComVariant(PathOf("typed.xml").c_str()), &success), S_OK);
    for (const Case& c : cases) {
        CComPtr<IXMLDOMNode> element = Select(loaded, (std::wstring(L"/Root/") + c.type).c_str());
        CComVariant type;
        ASSERT_EQ(element->get_dataType(&type), S_OK);
        EXPECT_TRUE(type == CComVariant(c.type));
        CComVariant value;
        ASSERT_EQ(element->get_nodeTypedValue(&value), S_OK);
        EXPECT_TRUE(value == c.value) << c.type;
    }
    EXPECT_EQ(TextOf(Select(loaded, L"/Root/boolean")), L"1");
}

TEST_F(XmlTest, DataTypeOfAnElementOutsideTheDeclaringRootStillReadsBack)
{
    auto document = NewDocument();
    CComPtr<IXMLDOMElement> file;
    ASSERT_EQ(document->createElement(CComBSTR(L"file"), &file), S_OK);
    ASSERT_EQ(file->put_dataType(CComBSTR(L"i8")), S_OK);
    ASSERT_EQ(file->put_nodeTypedValue(CComVariant(L"9000000000")), S_OK);
    ASSERT_EQ(document->putref_documentElement(file), S_OK);

    VARIANT_BOOL success = VARIANT_FALSE;
    auto copy = NewDocument();
    ASSERT_EQ(copy->loadXML(CComBSTR(XmlOf(document).c_str()), &success), S_OK);
    CComVariant value;
    ASSERT_EQ(Select(copy, L"/file")->get_nodeTypedValue(&value), S_OK);
    ASSERT_EQ(value.vt, VT_I8);
    EXPECT_EQ(value.llVal, 9000000000LL);
}

TEST_F(XmlTest, UntypedAndMistypedValues)
{
    auto document = Parse(L"<Root xmlns:dt=\"urn:schemas-microsoft-com:datatypes\">"
                          L"<plain>12</plain><n dt:dt=\"int\">twelve</n></Root>");
    CComVariant type;
    EXPECT_EQ(Select(document, L"//plain")->get_dataType(&type), S_FALSE);
    EXPECT_EQ(type.vt, VT_NULL);
    CComVariant value;
    ASSERT_EQ(Select(document, L"//plain")->get_nodeTypedValue(&value), S_OK);
    EXPECT_TRUE(value == CComVariant(L"12"));

    CComPtr<IXMLDOMNode> n = Select(document, L"//n");
    CComVariant bad;
    EXPECT_EQ(n->get_nodeTypedValue(&bad), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(n->put_nodeTypedValue(CComVariant(L"x")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(TextOf(n), L"twelve");
    EXPECT_EQ(n->put_dataType(CComBSTR(L"no-such-type")), E_INVALIDARG);
    CComPtr<IXMLDOMNode> text;
    ASSERT_EQ(n->get_firstChild(&text), S_OK);
    EXPECT_EQ(text->put_dataType(CComBSTR(L"int")), E_FAIL);
}

TEST_F(XmlTest, QueriesFindInDocumentOrderAndReportNoMatchAndBadQueries)
{
    auto document = Parse(L"<Root><B id=\"1\"/><x><B id=\"2\"/></x><b id=\"3\"/></Root>");
    CComPtr<IXMLDOMNodeList> list;
    ASSERT_EQ(document->selectNodes(CComBSTR(L"//B/@id"), &list), S_OK);
    LONG length = 0;
    list->get_length(&length);
    ASSERT_EQ(length, 2);
    CComPtr<IXMLDOMNode> second;
    ASSERT_EQ(list->get_item(1, &second), S_OK);
    EXPECT_EQ(TextOf(second), L"2");
    EXPECT_EQ(list->get_item(2, &second), S_FALSE);
    EXPECT_FALSE(second);

    CComPtr<IXMLDOMNode> none;
    EXPECT_EQ(document->selectSingleNode(CComBSTR(L"//Missing"), &none), S_FALSE);
    EXPECT_FALSE(none);
    for (const wchar_t* query : {L"//[", L"count(//B)", L"", L"$undefined"}) {
        CComPtr<IXMLDOMNodeList> nodes;
        EXPECT_EQ(document->selectNodes(CComBSTR(query), &nodes), E_INVALIDARG) << query;
        EXPECT_FALSE(nodes);
    }
    std::wstring deep(5000, L'(');
    deep += L"B" + std::wstring(5000, L')');
    EXPECT_EQ(document->selectSingleNode(CComBSTR(deep.c_str()), &none), E_INVALIDARG);
}

TEST_F(XmlTest, QueryFromADetachedNodeStaysInsideItsOwnSubtree)
{
    auto document = Parse(L"<Root><c/></Root>");
    CComPtr<IXMLDOMElement> first;
    CComPtr<IXMLDOMElement> second;
    document->createElement(CComBSTR(L"p"), &first);
    document->createElement(CComBSTR(L"p"), &second);
    AppendElement(document, first, L"c");
    AppendElement(document, second, L"c");
    AppendElement(document, second, L"c");
    CComPtr<IXMLDOMNodeList> found;
    ASSERT_EQ(second->selectNodes(CComBSTR(L"//c"), &found), S_OK);
    LONG length = 0;
    found->get_length(&length);
    EXPECT_EQ(length, 2);
}

TEST_F(XmlTest, NodeOfAnotherDocumentIsCopiedIn)
{
    auto source = Parse(L"<Root><item n=\"1\">x</item></Root>");
    auto target = Parse(L"<Other/>");
    CComPtr<IXMLDOMNode> item = Select(source, L"//item");
    CComPtr<IXMLDOMNode> inserted;
    ASSERT_EQ(Select(target, L"/Other")->appendChild(item, &inserted), S_OK);
    EXPECT_FALSE(inserted.IsEqualObject(item));
    CComQIPtr<IXMLDOMElement>(inserted)->setAttribute(CComBSTR(L"n"), CComVariant(L"2"));
    EXPECT_EQ(XmlOf(target), L"<Other><item n=\"2\">x</item></Other>\n");
    EXPECT_EQ(XmlOf(source), L"<Root><item n=\"1\">x</item></Root>\n");
}

TEST_F(XmlTest, InsertionsThatWouldBreakTheTreeAreRefused)
{
    auto document = Parse(L"<Root><a><b/></a><c/></Root>");
    const std::wstring before = XmlOf(document);
    CComPtr<IXMLDOMNode> a = Select(document, L"//a");
    CComPtr<IXMLDOMNode> b = Select(document, L"//b");
    CComPtr<IXMLDOMNode> text;
    document->createTextNode(CComBSTR(L"t"), &text);
    CComPtr<IXMLDOMElement> second;
    document->createElement(CComBSTR(L"Second"), &second);

    EXPECT_EQ(b->appendChild(a, nullptr), E_INVALIDARG);
    EXPECT_EQ(a->appendChild(a, nullptr), E_INVALIDARG);
    EXPECT_EQ(document->appendChild(text, nullptr), E_INVALIDARG);
    EXPECT_EQ(document->appendChild(second, nullptr), E_INVALIDARG);
    EXPECT_EQ(a->insertBefore(text, CComVariant(Select(document, L"//c")), nullptr), E_INVALIDARG);
    EXPECT_EQ(a->removeChild(Select(document, L"//c"), nullptr), E_INVALIDARG);
    EXPECT_EQ(text->appendChild(second, nullptr), E_INVALIDARG);
    EXPECT_EQ(XmlOf(document), before);

    ASSERT_EQ(a->insertBefore(text, CComVariant(b), nullptr), S_OK);
    EXPECT_EQ(XmlOf(a), L"<a>t<b/></a>");

    CComPtr<IXMLDOMNode> declaration;
    ASSERT_EQ(document->createProcessingInstruction(CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\""),
                                                    &declaration),
              S_OK);
    EXPECT_EQ(document->appendChild(declaration, nullptr), E_INVALIDARG);
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    ASSERT_EQ(document->insertBefore(declaration, CComVariant(root), nullptr), S_OK);
    EXPECT_EQ(document->insertBefore(text, CComVariant(declaration), nullptr), E_INVALIDARG);
}

TEST_F(XmlTest, FailedSaveLeavesTheEarlierFileAsItWas)
{
    WriteBytes("kept.xml", "<Old/>");
    CComPtr<IXMLDOMElement> root;
    auto document = TypedDocument(root);
    root->put_text(CComBSTR(std::wstring(100000, L'x').c_str()));

    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 4096;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    HRESULT hr = document->save(CComVariant(PathOf("kept.xml").c_str()));
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(ReadBytes("kept.xml"), "<Old/>");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
    EXPECT_EQ(document->save(CComVariant(PathOf("missing/folder.xml").c_str())),
              HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(document->save(CComVariant(LONG{42})), E_INVALIDARG);
}

TEST_F(XmlTest, BadFilesGiveSFalseAndLeaveTheDocumentEmpty)
{
    WriteBytes("truncated.xml", "<?xml version=\"1.0\"?><Root><a>text</a>");
    WriteBytes("malformed.xml", "<Root><a></b></Root>");
    WriteBytes("two-roots.xml", "<a/><b/>");
    WriteBytes("outside-text.xml", "<a/>text");
    WriteBytes("empty.xml", "");
    WriteBytes("twice.xml", "<a x=\"1\" x=\"2\"/>");
    WriteBytes("laughs.xml", "<!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;\">]>"
                             "<l>&b;</l>");
    WriteBytes("unknown-entity.xml", "<a>&nbsp;</a>");
    WriteBytes("bad-reference.xml", "<a>&#0;</a>");
    WriteBytes("nul.xml", std::string("<a>\0</a>", 8));
    fs::create_directory(m_folder / "folder.xml");
    for (const char* name : {"truncated.xml", "malformed.xml", "two-roots.xml", "outside-text.xml",
                             "empty.xml", "twice.xml", "laughs.xml", "unknown-entity.xml",
                             "bad-reference.xml", "nul.xml", "folder.xml", "missing.xml"}) {
        auto document = Parse(L"<Previous/>");
        VARIANT_BOOL success = VARIANT_TRUE;
        HRESULT hr = document->load(CComVariant(PathOf(name).c_str()), &success);
        SCOPED_TRACE(name);
        ExpectLoadFails(document, hr, success);
    }
    auto document = NewDocument();
    VARIANT_BOOL success = VARIANT_TRUE;
    HRESULT hr = document->loadXML(CComBSTR(L"<a>"), &success);
    ExpectLoadFails(document, hr, success);
}

TEST_F(XmlTest, HostileButWellFormedInputLoadsAndStaysWorkable)
{
    const int depth = 100000;
    std::string deep;
    for (int i = 0; i < depth; ++i)
        deep += "<a>";
    deep += "x";
    for (int i = 0; i < depth; ++i)
        deep += "</a>";
    WriteBytes("deep.xml", deep);
    WriteBytes("wide.xml", "<a v=\"" + std::string(8 << 20, 'v') + "\"/>");

    auto document = NewDocument();
    VARIANT_BOOL success = VARIANT_FALSE;
    ASSERT_EQ(document->load(CComVariant(PathOf("deep.xml").c_str()), &success), S_OK);
    CComPtr<IXMLDOMNodeList> all;
    ASSERT_EQ(document->selectNodes(CComBSTR(L"//a"), &all), S_OK);
    LONG length = 0;
    all->get_length(&length);
    EXPECT_EQ(length, depth);
    CComPtr<IXMLDOMNode> innermost;
    all->get_item(depth - 1, &innermost);
    CComPtr<IXMLDOMNode> clone;
    ASSERT_EQ(Select(document, L"/a")->cloneNode(VARIANT_TRUE, &clone), S_OK);
    EXPECT_EQ(TextOf(clone), L"x");
    EXPECT_EQ(XmlOf(document).size(), deep.size() + 1);
    ASSERT_EQ(document->load(CComVariant(PathOf("wide.xml").c_str()), &success), S_OK);
    EXPECT_EQ(TextOf(innermost), L"x");
    CComVariant value;
    SelectElement(document, L"/a")->getAttribute(CComBSTR(L"v"), &value);
    EXPECT_EQ(SysStringLen(value.bstrVal), 8u << 20);
}

TEST_F(XmlTest, ReferencesDecodeAndSpecialCharactersSurviveARoundTrip)
{
    auto document = Parse(L"<Root a=\"&lt;&#65;&#x42;&quot;\">&amp;&apos;<![CDATA[&amp;]]></Root>");
    CComVariant a;
    SelectElement(document, L"/Root")->getAttribute(CComBSTR(L"a"), &a);
    EXPECT_TRUE(a == CComVariant(L"<AB\""));
    EXPECT_EQ(TextOf(document), L"&'&amp;");

    auto root = SelectElement(document, L"/Root");
    root->setAttribute(CComBSTR(L"b"), CComVariant(L"line\none\t<&>\""));
    AppendElement(document, root, L"space")->put_text(CComBSTR(L" "));
    auto copy = Parse(XmlOf(document).c_str());
    EXPECT_EQ(TextOf(Select(copy, L"//space")), L" ");
    CComVariant b;
    SelectElement(copy, L"/Root")->getAttribute(CComBSTR(L"b"), &b);
    EXPECT_TRUE(b == CComVariant(L"line\none\t<&>\""));
}

TEST_F(XmlTest, WhitespaceBetweenElementsGoesHoweverItIsSpelled)
{
    auto document = Parse(L"<Root><a/>&#32;&#x9;<b>&#32;</b><?pi data?>&#32;</Root>");
    EXPECT_EQ(XmlOf(document), L"<Root><a/><b> </b><?pi data?></Root>\n");
    // Written and read again, the document stays as it is.
    EXPECT_EQ(XmlOf(Parse(XmlOf(document).c_str())), XmlOf(document));
}

TEST_F(XmlTest, CarriageReturnsOfTextSurviveARoundTrip)
{
    auto document = Parse(L"<Root>a&#13;b<![CDATA[c]]><!--d--></Root>");
    EXPECT_EQ(TextOf(document), L"a\rbc");
    auto copy = Parse(XmlOf(document).c_str());
    EXPECT_EQ(TextOf(copy), L"a\rbc");
    EXPECT_EQ(XmlOf(copy), XmlOf(document));
}

TEST_F(XmlTest, NamesCompareWithCaseAndMissingAttributesAreNull)
{
    auto document = Parse(L"<Root x=\"1\"><Item>a</Item><item>b<i>c</i></item></Root>");
    auto root = SelectElement(document, L"/Root");
    CComVariant value(L"stale");
    EXPECT_EQ(root->getAttribute(CComBSTR(L"X"), &value), S_FALSE);
    EXPECT_EQ(value.vt, VT_NULL);
    CComPtr<IXMLDOMNodeList> items;
    ASSERT_EQ(root->getElementsByTagName(CComBSTR(L"item"), &items), S_OK);
    LONG length = 0;
    items->get_length(&length);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(TextOf(root), L"abc");
    EXPECT_EQ(root->setAttribute(CComBSTR(L"1bad"), CComVariant(L"v")), E_INVALIDARG);
    CComPtr<IXMLDOMElement> element;
    EXPECT_EQ(document->createElement(CComBSTR(L"has space"), &element), E_INVALIDARG);
}

TEST_F(XmlTest, NullArgumentsAreRefused)
{
    auto document = Parse(L"<Root/>");
    auto root = SelectElement(document, L"/Root");
    EXPECT_EQ(document->get_documentElement(nullptr), E_POINTER);
    EXPECT_EQ(root->get_nodeName(nullptr), E_POINTER);
    EXPECT_EQ(root->appendChild(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(root->getAttribute(CComBSTR(L"x"), nullptr), E_POINTER);
    EXPECT_EQ(document->loadXML(CComBSTR(L"<a/>"), nullptr), E_POINTER);
    EXPECT_EQ(CreateXMLDocument(nullptr), E_POINTER);
    CComPtr<IXMLDOMElement> element;
    EXPECT_EQ(document->createElement(nullptr, &element), E_INVALIDARG);
    EXPECT_EQ(root->setAttribute(nullptr, CComVariant(L"v")), E_INVALIDARG);
}

TEST_F(XmlTest, LoadReadsTheEncodingsItDetects)
{
    WriteBytes("bom8.xml", "\xEF\xBB\xBF<r>\xC3\xA9</r>");
    WriteBytes("be16.xml", std::string("\xFE\xFF\0<\0r\0>\0\xE9\0<\0/\0r\0>", 18));
    WriteBytes("le16.xml", std::string("<\0r\0>\0\xE9\0<\0/\0r\0>\0", 16));
    WriteBytes("latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xE9</r>");
    for (const char* name : {"bom8.xml", "be16.xml", "le16.xml", "latin1.xml"}) {
        auto document = NewDocument();
        VARIANT_BOOL success = VARIANT_FALSE;
        EXPECT_EQ(document->load(CComVariant(PathOf(name).c_str()), &success), S_OK) << name;
        EXPECT_EQ(TextOf(document), L"\u00E9") << name;
    }
}

TEST_F(XmlTest, SaveKeepsThePermissionsAndLinkOfTheFileItReplaces)
{
    WriteBytes("target.xml", "<Old/>");
    fs::permissions(m_folder / "target.xml",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("target.xml", m_folder / "link.xml");
    auto document = Parse(L"<New/>");
    ASSERT_EQ(document->save(CComVariant(PathOf("link.xml").c_str())), S_OK);
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.xml"));
    EXPECT_EQ(ReadBytes("target.xml"), "<New/>\n");
    EXPECT_EQ(fs::status(m_folder / "target.xml").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(XmlTest, OneNodeIsOneObjectAndChildListsAreSnapshots)
{
    auto document = Parse(L"<Root><a/><b/></Root>");
    CComPtr<IXMLDOMNode> root = Select(document, L"/Root");
    CComPtr<IXMLDOMNode> first;
    root->get_firstChild(&first);
    EXPECT_EQ(first.p, Select(document, L"//a").p);
    CComPtr<IXMLDOMNode> parent;
    first->get_parentNode(&parent);
    EXPECT_EQ(parent.p, root.p);

    CComPtr<IXMLDOMNodeList> children;
    ASSERT_EQ(root->get_childNodes(&children), S_OK);
    ASSERT_EQ(root->removeChild(first, nullptr), S_OK);
    CComPtr<IXMLDOMNode> item;
    std::wstring names;
    while (children->nextNode(&item) == S_OK) {
        CComBSTR name;
        item->get_nodeName(&name);
        names += name.Str();
    }
    EXPECT_EQ(names, L"ab");
    EXPECT_FALSE(item);
}

TEST_F(XmlTest, CreateNodeMakesEachKindByNumberOrName)
{
    auto document = Parse(L"<Root/>");
    CComPtr<IXMLDOMNode> root = Select(document, L"/Root");
    CComPtr<IXMLDOMNode> node;
    ASSERT_EQ(document->createNode(CComVariant(LONG{NODE_ELEMENT}), CComBSTR(L"p:e"),
                                   CComBSTR(L"urn:p"), &node),
              S_OK);
    root->appendChild(node, nullptr);
    ASSERT_EQ(document->createNode(CComVariant(L"comment"), nullptr, nullptr, &node), S_OK);
    node->put_text(CComBSTR(L"note"));
    root->appendChild(node, nullptr);
    ASSERT_EQ(
        document->createNode(CComVariant(LONG{NODE_ATTRIBUTE}), CComBSTR(L"at"), nullptr, &node),
        S_OK);
    EXPECT_EQ(root->appendChild(node, nullptr), E_INVALIDARG);
    EXPECT_EQ(XmlOf(root), L"<Root><p:e xmlns:p=\"urn:p\"/><!--note--></Root>");
    EXPECT_EQ(document->createNode(CComVariant(LONG{11}), CComBSTR(L"f"), nullptr, &node),
              E_INVALIDARG);
}

TEST_F(XmlTest, DataTypeUsesThePrefixInScopeAndChecksRanges)
{
    auto document = Parse(L"<Root xmlns:d=\"urn:schemas-microsoft-com:datatypes\"><n/></Root>");
    CComPtr<IXMLDOMNode> n = Select(document, L"//n");
    ASSERT_EQ(n->put_dataType(CComBSTR(L"ui4")), S_OK);
    EXPECT_EQ(XmlOf(n), L"<n d:dt=\"ui4\"/>");
    EXPECT_EQ(n->put_nodeTypedValue(CComVariant(L"4294967296")), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(n->put_nodeTypedValue(CComVariant(L"4294967295")), S_OK);
    CComVariant value;
    ASSERT_EQ(n->get_nodeTypedValue(&value), S_OK);
    EXPECT_EQ(value.vt, VT_UI4);
    EXPECT_EQ(value.ulVal, 4294967295u);
}

TEST_F(XmlTest, CloneOfADocumentIsANewIndependentDocument)
{
    auto document = Parse(L"<Root a=\"1\"/>");
    CComPtr<IXMLDOMNode> clone;
    ASSERT_EQ(document->cloneNode(VARIANT_TRUE, &clone), S_OK);
    CComQIPtr<IXMLDOMDocument> copy(clone);
    ASSERT_TRUE(copy);
    SelectElement(copy, L"/Root")->setAttribute(CComBSTR(L"a"), CComVariant(L"2"));
    EXPECT_EQ(XmlOf(document), L"<Root a=\"1\"/>\n");
    EXPECT_EQ(XmlOf(copy), L"<Root a=\"2\"/>\n");
}

TEST_F(XmlTest, DocumentsAreCreatableThroughTheClassFactory)
{
    ASSERT_EQ(RegisterXmlClasses(), S_OK);
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(document.CoCreateInstance(CLSID_DOMDocument), S_OK);
    VARIANT_BOOL success = VARIANT_FALSE;
    EXPECT_EQ(document->loadXML(CComBSTR(L"<a/>"), &success), S_OK);
    CoRevokeClass(CLSID_DOMDocument);
}

} // namespace
