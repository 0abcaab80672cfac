#include "EngineTestSupport.h"

#include "TransitionEffects.h"

#include "model/KVEPanels.h"
#include "platform/PathService.h"
#include "platform/Xml.h"

#include <fstream>
#include <set>

namespace {

constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;

class TransitionEffects : public EngineTest
{
protected:
    static std::wstring Effect(const std::wstring& id)
    {
        return L"<Effect Name=\"Test\"><effect_id>" + id + L"</effect_id></Effect>";
    }

    // Red for two seconds, then blue, with a one-second transition of the effect from 1 s.
    CComPtr<IKVEProductionData> RedToBlue(const std::wstring& effect,
                                          IUnknown** transition = nullptr)
    {
        CComPtr<IKVEProductionData> production = NewProduction();
        AddColour(production, 0, kRed & 0xFFFFFF, 2.0);
        EXPECT_EQ(S_OK, Edit(production)->AddSolidColor(2, kBlue & 0xFFFFFF, nullptr));
        double second = 1.0;
        CComPtr<IUnknown> added;
        EXPECT_EQ(S_OK, Edit(production)->AddTransition(1, Element(effect), &added, &second));
        if (transition)
            *transition = added.Detach();
        return production;
    }

    // The pixel in the middle of the left quarter and of the right quarter, a quarter of the
    // way into the transition: a wipe from the left shows blue and red, a dissolve one colour.
    static std::pair<DWORD, DWORD> QuarterWay(IKVEProductionData* production)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, Extract(production, 1.25, 16, 4, frame));
        return {frame.PixelAt(1, 2), frame.PixelAt(14, 2)};
    }

    CComPtr<IKVEProductionData> Reloaded(IKVEProductionData* production)
    {
        std::wstring path = m_folder.File("transition.dmsm");
        EXPECT_EQ(S_OK, production->SaveAsProduction(CComBSTR(path)));
        CComPtr<IKVEProductionData> loaded = NewProduction();
        EXPECT_EQ(S_OK, loaded->LoadProduction(CComBSTR(path), 0));
        return loaded;
    }
};

TEST_F(TransitionEffects, IdentifiersReadInEitherCaseWithOrWithoutBraces)
{
    EXPECT_EQ(TransitionStyle::WipeLeftToRight,
              TransitionStyleOf(L" \n{b45ec3dc-bb8a-417e-8388-96240736bf2f}\t"));
    EXPECT_EQ(TransitionStyle::WipeTopToBottom,
              TransitionStyleOf(L"A91EC086-DCB9-4736-B53B-F9F578628C50"));
    EXPECT_EQ(TransitionStyle::FadeThroughBlack,
              TransitionStyleOf(GuidToString(kEffectFadeThroughBlack)));
    for (const wchar_t* foreign : {L"", L"7", L"{00000000-0000-0000-0000-000000000000}",
                                   L"{B45EC3DC-BB8A-417E-8388-96240736BF2F"}) {
        EXPECT_FALSE(IsKnownTransitionEffect(foreign)) << foreign;
        EXPECT_EQ(TransitionStyle::Dissolve, TransitionStyleOf(foreign)) << foreign;
    }
}

TEST_F(TransitionEffects, EffectsTheEngineDoesNotKnowDissolve)
{
    for (const std::wstring& effect :
         {Effect(L"{00000000-0000-0000-0000-000000000001}"), Effect(L"page-curl"),
          std::wstring(L"<Effect Name=\"No identifier\"/>")}) {
        auto [left, right] = QuarterWay(RedToBlue(effect));
        EXPECT_COLOUR_NEAR(0xFFBF0040u, left, 1);
        EXPECT_EQ(left, right);
    }
}

TEST_F(TransitionEffects, IdentityOutlivesNewEffectDataAndAProductionFile)
{
    CComPtr<IUnknown> transition;
    CComPtr<IKVEProductionData> production =
        RedToBlue(Effect(GuidToString(kEffectWipeLeftToRight)), &transition);
    ASSERT_EQ(S_OK, CComQIPtr<IKVEEffectInfo>(transition)
                        ->PutData(Element(L"<Effect><plugin_data softness=\"0\"/></Effect>")));
    EXPECT_EQ(std::make_pair(kBlue, kRed), QuarterWay(production));

    CComPtr<IKVEProductionData> loaded = Reloaded(production);
    EXPECT_EQ(std::make_pair(kBlue, kRed), QuarterWay(loaded));
    CComPtr<IBaseObject> restored;
    ASSERT_EQ(S_OK, loaded->GetPanelBaseObject(1, &restored));
    CComBSTR name, id;
    CComQIPtr<IKVETransition>(restored)->get_Name(&name);
    CComQIPtr<IKVETransition>(restored)->get_EffectID(&id);
    EXPECT_EQ(L"Test", name.Str());
    EXPECT_EQ(GuidToString(kEffectWipeLeftToRight), id.Str());
}

TEST_F(TransitionEffects, FilesWithoutASavedIdentityTakeTheirEffects)
{
    std::wstring path = m_folder.File("older.dmsm");
    std::wofstream(std::filesystem::path(path))
        << L"<Production version=\"1\" aspectRatio=\"1.3333\" frameRate=\"25\" nextId=\"4\">"
           L"<Panels><SolidColor id=\"1\" color=\"16711680\" duration=\"2\"/>"
           L"<Transition id=\"2\" cut=\"0\" duration=\"1\">"
        << Effect(GuidToString(kEffectWipeLeftToRight))
        << L"</Transition><SolidColor id=\"3\" color=\"255\" duration=\"5\"/></Panels>"
           L"</Production>";
    CComPtr<IKVEProductionData> loaded = NewProduction();
    ASSERT_EQ(S_OK, loaded->LoadProduction(CComBSTR(path), 0));
    EXPECT_EQ(std::make_pair(kBlue, kRed), QuarterWay(loaded));
}

TEST_F(TransitionEffects, ShippedCatalogueNamesEveryEffectTheEngineDrawsAndNoOther)
{
    CComPtr<IXMLDOMDocument> catalogue;
    ASSERT_EQ(S_OK, CreateXMLDocument(&catalogue));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    std::wstring path = ExpandPathMacros(L"%PLUGINS%/KVTransitionPlugIns.xml");
    ASSERT_EQ(S_OK, catalogue->load(CComVariant(path.c_str()), &loaded));
    ASSERT_EQ(VARIANT_TRUE, loaded) << path;
    CComPtr<IXMLDOMNodeList> ids;
    ASSERT_EQ(S_OK, catalogue->selectNodes(CComBSTR(L"/*/*/effect_id"), &ids));
    std::set<TransitionStyle> styles;
    CComPtr<IXMLDOMNode> id;
    while (ids->nextNode(&id) == S_OK) {
        CComBSTR text;
        id->get_text(&text);
        EXPECT_TRUE(IsKnownTransitionEffect(text.View())) << text.Str();
        styles.insert(TransitionStyleOf(text.View()));
        id.Release();
    }
    EXPECT_EQ((std::set<TransitionStyle>{
                  TransitionStyle::Dissolve, TransitionStyle::FadeThroughBlack,
                  TransitionStyle::WipeLeftToRight, TransitionStyle::WipeTopToBottom}),
              styles);
}

} // namespace
