#include "EngineTestSupport.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/ModelClasses.h"

#include "objectmodel/ObjectModel.h"
#include "platform/Xml.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr DWORD kBlue = 0xFF0000FF;

// A menu of a real project over a blue background, drawn 200 × 100.
class MenuComposition : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_EQ(S_OK, RegisterXmlClasses());
        ASSERT_EQ(S_OK, RegisterObjectModelClasses());
        ASSERT_EQ(S_OK, m_project.CoCreateInstance(CLSID_CDSProjectData));
        ASSERT_EQ(S_OK, m_project->AddMenu(-1, &m_menu));
        CComPtr<IUnknown> production;
        ASSERT_EQ(S_OK, m_menu->GetProduction(&production));
        m_production = CComQIPtr<IKVEProductionData>(production);
        ASSERT_TRUE(m_production);
        ASSERT_EQ(S_OK, Edit(m_production)->AddSolidColor(0, 0x0000FF, nullptr));
    }

    CComQIPtr<IDSMenuElementList> Elements(IUnknown* holder)
    {
        return CComQIPtr<IDSMenuElementList>(holder);
    }

    template <class T> CComPtr<T> Add(IUnknown* holder)
    {
        CComPtr<T> element;
        EXPECT_EQ(S_OK,
                  Elements(holder)->AddElement(&uuidof<T>(), reinterpret_cast<void**>(&element)));
        return element;
    }

    std::wstring RedPicture()
    {
        BgraImage picture;
        BgraImage::Create(20, 10, 0xFFFF0000, picture);
        std::wstring path = m_folder.File("red.png");
        EXPECT_EQ(S_OK, SaveImageFile(picture, path));
        return path;
    }

    BgraImage Frame()
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, Extract(m_production, 0.5, 200, 100, frame));
        return frame;
    }

    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSMenu> m_menu;
    CComPtr<IKVEProductionData> m_production;
};

TEST_F(MenuComposition, ButtonsChildrenAreDrawnAtTheButtonsPlace)
{
    CComPtr<IDSMenuButton> button = Add<IDSMenuButton>(m_menu);
    ASSERT_EQ(S_OK, button->SetPosition(0.5f, 0.5f));
    CComPtr<IDSMenuOverlay> thumbnail = Add<IDSMenuOverlay>(button);
    ASSERT_EQ(S_OK, thumbnail->put_Source(CComBSTR(RedPicture())));
    ASSERT_EQ(S_OK, thumbnail->SetSize(0.2f, 0.2f));
    BgraImage frame = Frame();
    // The button's centre (0.5, 0.5) is pixel (150, 25); the thumbnail is 20 × 10 around it.
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(150, 25));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(141, 21));
    EXPECT_EQ(kBlue, frame.PixelAt(100, 50));
    ASSERT_EQ(S_OK, button->SetPosition(-0.5f, -0.5f));
    frame = Frame();
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(50, 75));
    EXPECT_EQ(kBlue, frame.PixelAt(150, 25));
}

TEST_F(MenuComposition, TextsAreDrawnInTheirFaceColour)
{
    CComPtr<IDSMenuText> text = Add<IDSMenuText>(m_menu);
    ASSERT_EQ(S_OK, text->put_Label(CComBSTR(L"MENU")));
    ASSERT_EQ(S_OK, text->SetSize(1.0f, 0.6f));
    ASSERT_EQ(S_OK, text->put_FontSize(0.4f));
    ASSERT_EQ(S_OK, text->SetColor(TextColour_Face, RGB(255, 255, 0)));
    BgraImage frame = Frame();
    int yellow = 0;
    int outside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            DWORD pixel = frame.PixelAt(x, y);
            yellow += pixel == 0xFFFFFF00 ? 1 : 0;
            bool inside = x >= 50 && x < 150 && y >= 35 && y < 65;
            outside += pixel != kBlue && !inside ? 1 : 0;
        }
    }
    EXPECT_GT(yellow, 30);
    EXPECT_EQ(0, outside);
}

TEST_F(MenuComposition, ContentNamedThroughTheMacroInAnotherCaseIsDrawn)
{
    std::filesystem::create_directories(m_folder.Path() / "content" / "DVD" / "Mandatory");
    std::filesystem::rename(RedPicture(),
                            m_folder.Path() / "content" / "DVD" / "Mandatory" / "Red.png");
    ScopedEnvironment content("REELMARK_CONTENT", (m_folder.Path() / "content").c_str());
    CComPtr<IDSMenuOverlay> overlay = Add<IDSMenuOverlay>(m_menu);
    ASSERT_EQ(S_OK, overlay->put_Source(CComBSTR(L"%CONTENT%/DVD/MANDATORY/red.PNG")));
    ASSERT_EQ(S_OK, overlay->SetSize(0.4f, 0.4f));
    EXPECT_EQ(0xFFFF0000u, Frame().PixelAt(100, 50));
    // The saved production keeps the name as stored, so that it serves wherever content lies.
    std::wstring saved = m_folder.File("menu.dmsm");
    ASSERT_EQ(S_OK, m_production->SaveAsProduction(CComBSTR(saved)));
    std::ifstream file{std::filesystem::path(saved)};
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("%CONTENT%/DVD/MANDATORY/red.PNG"), std::string::npos);
    EXPECT_EQ(text.find((m_folder.Path() / "content").string()), std::string::npos);
    // A panel of the production finds it the same way and keeps the name it was given.
    CComPtr<IKVEProductionData> production = NewProduction();
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, Edit(production)
                        ->AddSourceFile(0, CComBSTR(L"%content%/dvd/mandatory/Red.png"), 0.0, 0.0,
                                        VARIANT_FALSE, &panel));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(production, 0.5, 40, 20, frame));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(20, 10));
    CComBSTR name;
    ASSERT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->get_FileName(&name));
    EXPECT_EQ(L"%content%/dvd/mandatory/Red.png", name.Str());
}

TEST_F(MenuComposition, BoldTextsAreDrawnHeavier)
{
    CComPtr<IDSMenuText> text = Add<IDSMenuText>(m_menu);
    ASSERT_EQ(S_OK, text->put_Label(CComBSTR(L"MENU")));
    ASSERT_EQ(S_OK, text->SetSize(1.6f, 0.8f));
    ASSERT_EQ(S_OK, text->put_FontSize(0.5f));
    auto inkOf = [this] {
        BgraImage frame = Frame();
        int ink = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                ink += frame.PixelAt(x, y) != kBlue ? 1 : 0;
        return ink;
    };
    int regular = inkOf();
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, text->GetEffectXML(&effect));
    CComPtr<IXMLDOMNode> font;
    ASSERT_EQ(S_OK, effect->selectSingleNode(CComBSTR(L"font"), &font));
    ASSERT_EQ(S_OK, CComQIPtr<IXMLDOMElement>(font)->setAttribute(CComBSTR(L"bold"),
                                                                  CComVariant(L"true")));
    ASSERT_EQ(S_OK, text->SetEffectXML(effect));
    EXPECT_GT(inkOf(), regular * 5 / 4);
}

TEST_F(MenuComposition, ElementItemsCarryEffectDataUnderTheElementsEffectId)
{
    CComPtr<IDSMenuOverlay> overlay = Add<IDSMenuOverlay>(m_menu);
    LONG item = 0;
    ASSERT_EQ(S_OK, overlay->get_EffectID(&item));
    CComPtr<IUnknown> object;
    ASSERT_EQ(S_OK, m_production->GetObjectByID(item, &object));
    CComPtr<IXMLDOMNode> effect;
    ASSERT_EQ(S_OK, CComQIPtr<IKVEEffectInfo>(object)->GetEffectInfo(&effect));
    CComPtr<IXMLDOMNode> pluginData;
    EXPECT_EQ(S_OK, effect->selectSingleNode(CComBSTR(L"plugin_data"), &pluginData));
}

TEST_F(MenuComposition, SavedMenuProductionRendersWithoutTheMenu)
{
    CComPtr<IDSMenuOverlay> overlay = Add<IDSMenuOverlay>(m_menu);
    ASSERT_EQ(S_OK, overlay->put_Source(CComBSTR(RedPicture())));
    ASSERT_EQ(S_OK, overlay->SetSize(0.4f, 0.4f));
    std::wstring path = m_folder.File("scratch.dmsm");
    ASSERT_EQ(S_OK, m_production->SaveAsProduction(CComBSTR(path)));
    CComPtr<IKVEProductionData> loaded = NewProduction();
    ASSERT_EQ(S_OK, loaded->LoadProduction(CComBSTR(path), 0));
    BgraImage frame;
    ASSERT_EQ(S_OK, Extract(loaded, 0.5, 200, 100, frame));
    EXPECT_EQ(0xFFFF0000u, frame.PixelAt(100, 50));
    EXPECT_EQ(kBlue, frame.PixelAt(10, 10));
}

} // namespace
