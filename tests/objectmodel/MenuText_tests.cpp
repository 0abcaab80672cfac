// Texts: the alignment code and the look, kept as an effect description that survives
// changes of the parts the object model knows.
#include "ObjectModelTest.h"

using MenuTextTest = ObjectModelTest;

namespace {

CComPtr<IXMLDOMNode> ParseNode(const wchar_t* xml)
{
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->loadXML(CComBSTR(xml), &loaded);
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    return CComPtr<IXMLDOMNode>(root.p);
}

} // namespace

TEST_F(MenuTextTest, AlignmentCodesRunFromOneToNine)
{
    auto text = AddText(AddMenu(NewProject()));
    EXPECT_EQ(S_OK, text->put_Alignment(TextAlign_MiddleLeft));
    EXPECT_EQ(E_INVALIDARG, text->put_Alignment(0));
    EXPECT_EQ(E_INVALIDARG, text->put_Alignment(10));
    LONG code = 0;
    text->get_Alignment(&code);
    EXPECT_EQ(TextAlign_MiddleLeft, code);
}

TEST_F(MenuTextTest, ColoursAreWrittenIntoTheEffectAndReadBack)
{
    auto text = AddText(AddMenu(NewProject()));
    ASSERT_EQ(S_OK, text->SetColor(TextColour_Edge, RGB(0x12, 0x34, 0x56)));
    COLORREF colour = 0;
    ASSERT_EQ(S_OK, text->GetColor(TextColour_Edge, &colour));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), colour);
    ASSERT_EQ(S_OK, text->GetColor(TextColour_Face, &colour));
    EXPECT_EQ(RGB(255, 255, 255), colour);
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, text->GetEffectXML(&effect));
    EXPECT_NE(std::wstring::npos, XmlOf(effect).find(L"edge=\"#123456\""));
    EXPECT_EQ(E_INVALIDARG, text->SetColor(7, 0));
    EXPECT_EQ(E_INVALIDARG, text->SetColor(TextColour_Face, 0x01000000));
}

TEST_F(MenuTextTest, ContentTheObjectModelDoesNotKnowSurvivesChanges)
{
    auto text = AddText(AddMenu(NewProject()));
    ASSERT_EQ(S_OK, text->SetEffectXML(ParseNode(
                        L"<TextEffect><font face=\"Serif\" size=\"0.1\" antialias=\"false\"/>"
                        L"<glow radius=\"3\"/></TextEffect>")));
    ASSERT_EQ(S_OK, text->put_FontSize(0.05f));
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, text->GetEffectXML(&effect));
    std::wstring xml = XmlOf(effect);
    EXPECT_NE(std::wstring::npos, xml.find(L"antialias=\"false\""));
    EXPECT_NE(std::wstring::npos, xml.find(L"<glow radius=\"3\""));
    CComBSTR face;
    text->get_FontName(&face);
    EXPECT_EQ(L"Serif", face.Str());
    float size = 0.0f;
    text->get_FontSize(&size);
    EXPECT_FLOAT_EQ(0.05f, size);
}

TEST_F(MenuTextTest, SetEffectXMLRefusesAMalformedLookAndKeepsTheOldOne)
{
    auto text = AddText(AddMenu(NewProject()));
    text->put_FontName(CComBSTR(L"Mono"));
    EXPECT_EQ(E_INVALIDARG, text->SetEffectXML(ParseNode(L"<Other/>")));
    EXPECT_EQ(E_INVALIDARG,
              text->SetEffectXML(ParseNode(L"<TextEffect><colors face=\"red\"/></TextEffect>")));
    EXPECT_EQ(E_INVALIDARG,
              text->SetEffectXML(ParseNode(L"<TextEffect><font size=\"-1\"/></TextEffect>")));
    CComBSTR face;
    text->get_FontName(&face);
    EXPECT_EQ(L"Mono", face.Str());
}

TEST_F(MenuTextTest, TheEffectHandedOutIsTheCallersToChange)
{
    auto text = AddText(AddMenu(NewProject()));
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, text->GetEffectXML(&effect));
    CComPtr<IXMLDOMNode> font;
    effect->selectSingleNode(CComBSTR(L"font"), &font);
    CComQIPtr<IXMLDOMElement>(font)->setAttribute(CComBSTR(L"face"), CComVariant(L"Changed"));
    CComBSTR face;
    text->get_FontName(&face);
    EXPECT_EQ(L"DejaVu Sans", face.Str());
}
