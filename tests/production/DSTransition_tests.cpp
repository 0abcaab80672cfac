#include "dsutils/DSTransition.h"

#include "support/ErrorStackText.h"
#include "support/FrameGrab.h"
#include "support/ProjectTest.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchFolder.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr HRESULT kNotFound = HRESULT(0xC201008C);
constexpr HRESULT kCantLoad = HRESULT(0xC201013F);

const std::vector<std::wstring> kShippedNames = {L"Dissolve", L"Fade Through Black",
                                                 L"Wipe Left to Right", L"Wipe Top to Bottom"};

std::wstring Attribute(IUnknown* node, const wchar_t* name)
{
    CComQIPtr<IXMLDOMElement> element(node);
    CComVariant value;
    if (!element || element->getAttribute(CComBSTR(name), &value) != S_OK)
        return L"";
    return value.bstrVal;
}

std::vector<std::wstring> Names(const CDSTransition& catalogue)
{
    std::vector<TransitionEntry> entries;
    catalogue.GetTransitionList(entries);
    std::vector<std::wstring> names;
    for (const TransitionEntry& entry : entries)
        names.push_back(entry.m_bstrName.Str());
    return names;
}

class TransitionCatalogue : public ProjectTest
{
protected:
    // A catalogue file of the scratch folder holding the text.
    std::wstring Catalogue(const char* name, const std::string& text)
    {
        std::wstring path = m_folder.File(name);
        std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
        return path;
    }

    // A catalogue with effects of these names and thumbnail monikers.
    std::wstring CatalogueOf(const std::vector<std::pair<std::string, std::string>>& effects)
    {
        std::string text = "<TransitionPlugIns>";
        for (const auto& [name, thumb] : effects)
            text += "<Effect Name=\"" + name + "\" m_bstrThumbMoniker=\"" + thumb +
                    "\"><effect_id>" + name + "-id</effect_id></Effect>";
        return Catalogue("catalogue.xml", text + "</TransitionPlugIns>");
    }

    ScratchFolder m_folder;
};

TEST_F(TransitionCatalogue, ShippedCatalogueOffersADissolveAFadeAndTwoWipes)
{
    CDSTransition catalogue;
    EXPECT_TRUE(KVUGetErrorStack().empty()) << KVUGetErrorStackText();
    EXPECT_EQ(kShippedNames, Names(catalogue));
    std::vector<TransitionEntry> entries;
    catalogue.GetTransitionList(entries);
    for (const TransitionEntry& entry : entries) {
        EXPECT_EQ(38u, entry.m_bstrEffectID.Length()) << entry.m_bstrName.Str();
        EXPECT_EQ(L"1", Attribute(entry.m_spNode, L"Duration"));
    }
}

TEST_F(TransitionCatalogue, AFileThatDoesNotExistLoadsTheDefaultCatalogue)
{
    CDSTransition catalogue;
    ASSERT_EQ(S_OK, catalogue.Load(CatalogueOf({{"Mine", ""}}).c_str()));
    ASSERT_EQ(std::vector<std::wstring>{L"Mine"}, Names(catalogue));
    EXPECT_EQ(S_OK, catalogue.Load(m_folder.File("none.xml").c_str()));
    EXPECT_EQ(kShippedNames, Names(catalogue));
    ASSERT_EQ(S_OK, catalogue.Load(CatalogueOf({{"Mine", ""}}).c_str()));
    EXPECT_EQ(S_OK, catalogue.Load(nullptr));
    EXPECT_EQ(kShippedNames, Names(catalogue));
}

TEST_F(TransitionCatalogue, WithoutAnyCatalogueNothingIsFoundAndTheStackSaysWhy)
{
    ScopedEnvironment plugins("REELMARK_PLUGINS", WideToUtf8(m_folder.File("empty")).c_str());
    CDSTransition catalogue;
    EXPECT_TRUE(StackHolds(L"KVTransitionPlugIns.xml")) << KVUGetErrorStackText();
    EXPECT_TRUE(Names(catalogue).empty());
    EXPECT_EQ(kCantLoad, catalogue.Load(m_folder.File("none.xml").c_str()));
    EXPECT_TRUE(StackHolds(L"does not exist")) << KVUGetErrorStackText();
    CComPtr<IUnknown> effect;
    EXPECT_EQ(kNotFound, catalogue.FindByName(L"Dissolve", &effect));
}

TEST_F(TransitionCatalogue, HostileFilesFailCleanlyAndLeaveTheCatalogueEmpty)
{
    std::filesystem::create_directories(m_folder.Path() / "folder.xml");
    const std::wstring files[] = {
        Catalogue("truncated.xml", "<TransitionPlugIns><Effect Name=\"Dissolve\">"),
        Catalogue("two-roots.xml", "<A/><B/>"),
        Catalogue("entity.xml", "<!DOCTYPE A [<!ENTITY e \"x\">]><A><Effect Name=\"&e;\"/></A>"),
        Catalogue("huge.xml", "<A>" + std::string(CDSTransition::kMaxCatalogueBytes, ' ') + "</A>"),
        m_folder.File("folder.xml"),
    };
    for (const std::wstring& file : files) {
        CDSTransition catalogue;
        ASSERT_EQ(S_OK, catalogue.Load(CatalogueOf({{"Before", ""}}).c_str()));
        EXPECT_EQ(kCantLoad, catalogue.Load(file.c_str())) << file;
        EXPECT_TRUE(Names(catalogue).empty()) << file;
        EXPECT_TRUE(StackHolds(file.c_str())) << KVUGetErrorStackText();
        CComPtr<IUnknown> effect;
        EXPECT_EQ(kNotFound, catalogue.FindByName(L"Before", &effect));
    }
}

TEST_F(TransitionCatalogue, DeeplyNestedEffectDataIsHandedOutWhole)
{
    const int depth = 20000;
    std::string nested;
    for (int i = 0; i < depth; ++i)
        nested += "<p>";
    for (int i = 0; i < depth; ++i)
        nested += "</p>";
    CDSTransition catalogue;
    ASSERT_EQ(
        S_OK,
        catalogue.Load(
            Catalogue("deep.xml", "<A><Effect Name=\"Deep\">" + nested + "</Effect></A>").c_str()));
    CComPtr<IUnknown> effect;
    ASSERT_EQ(S_OK, catalogue.FindByName(L"Deep", &effect));
    CComPtr<IXMLDOMNodeList> levels;
    ASSERT_EQ(S_OK,
              CComQIPtr<IXMLDOMElement>(effect)->getElementsByTagName(CComBSTR(L"p"), &levels));
    LONG count = 0;
    levels->get_length(&count);
    EXPECT_EQ(depth, count);
}

TEST_F(TransitionCatalogue, EveryElementIsAnEntryAndOnlyNamedOnesAreFound)
{
    CDSTransition catalogue;
    ASSERT_EQ(S_OK, catalogue.Load(Catalogue("mixed.xml", "<A><!-- first --><Effect>"
                                                          "<effect_id>anonymous</effect_id>"
                                                          "</Effect><?note x?><Wipe Name=\"Wipe\"/>"
                                                          "</A>")
                                       .c_str()));
    std::vector<TransitionEntry> entries;
    catalogue.GetTransitionList(entries);
    ASSERT_EQ(2u, entries.size());
    EXPECT_TRUE(entries[0].m_bstrName.IsEmpty());
    EXPECT_EQ(L"anonymous", entries[0].m_bstrEffectID.Str());
    EXPECT_EQ(L"Wipe", entries[1].m_bstrName.Str());
    EXPECT_TRUE(entries[1].m_bstrEffectID.IsEmpty());
    CComPtr<IUnknown> effect;
    ASSERT_EQ(S_OK, catalogue.FindByName(L"", &effect));
    EXPECT_EQ(L"Wipe", Attribute(effect, L"Name"));
}

TEST_F(TransitionCatalogue, FindByNameTakesTheFirstNameThatContainsTheText)
{
    CDSTransition catalogue;
    ASSERT_EQ(S_OK,
              catalogue.Load(
                  CatalogueOf({{"Wipe", ""}, {"Slow Dissolve", ""}, {"Dissolve", ""}}).c_str()));
    CComPtr<IUnknown> effect;
    ASSERT_EQ(S_OK, catalogue.FindByName(L"Dissolve", &effect));
    EXPECT_EQ(L"Slow Dissolve", Attribute(effect, L"Name"));
    CComPtr<IUnknown> lower;
    EXPECT_EQ(kNotFound, catalogue.FindByName(L"dissolve", &lower));
}

TEST_F(TransitionCatalogue, AnUnknownNameLeavesTheOutArgumentAlone)
{
    CDSTransition catalogue;
    IUnknown* const untouched = reinterpret_cast<IUnknown*>(0x1234);
    IUnknown* effect = untouched;
    EXPECT_EQ(kNotFound, catalogue.FindByName(L"Page Curl", &effect));
    EXPECT_EQ(untouched, effect);
    EXPECT_TRUE(StackHolds(ResultCodeName(kNotFound))) << KVUGetErrorStackText();
    EXPECT_EQ(kNotFound, catalogue.FindByName(nullptr, &effect));
    EXPECT_EQ(untouched, effect);
    EXPECT_EQ(E_POINTER, catalogue.FindByName(L"Dissolve", nullptr));
}

TEST_F(TransitionCatalogue, HandedOutEffectsNameTheirThumbnailThroughTheCatalogueFolder)
{
    CDSTransition catalogue;
    ASSERT_EQ(S_OK, catalogue.Load(CatalogueOf({{"Relative", "thumbs\\relative.png"},
                                                {"Moniker", "storage::elsewhere/m.png"},
                                                {"Absolute", "/pictures/a.png"},
                                                {"Macro", "%CONTENT%/c.png"},
                                                {"None", ""}})
                                       .c_str()));
    std::wstring folder = std::filesystem::absolute(m_folder.Path()).wstring();
    const std::pair<const wchar_t*, std::wstring> expected[] = {
        {L"Relative", L"storage::" + folder + L"/thumbs/relative.png"},
        {L"Moniker", L"storage::elsewhere/m.png"},
        {L"Absolute", L"/pictures/a.png"},
        {L"Macro", L"%CONTENT%/c.png"},
        {L"None", L""},
    };
    for (const auto& [name, moniker] : expected) {
        CComPtr<IUnknown> effect;
        ASSERT_EQ(S_OK, catalogue.FindByName(name, &effect));
        EXPECT_EQ(moniker, Attribute(effect, L"m_bstrThumbMoniker")) << name;
        CComPtr<IXMLDOMNode> again = CComQIPtr<IXMLDOMNode>(effect);
        ASSERT_EQ(S_OK, catalogue.ResolveTransition(again));
        EXPECT_EQ(moniker, Attribute(again, L"m_bstrThumbMoniker")) << name;
    }
    std::vector<TransitionEntry> entries;
    catalogue.GetTransitionList(entries);
    EXPECT_EQ(L"thumbs\\relative.png", Attribute(entries[0].m_spNode, L"m_bstrThumbMoniker"));
    CComPtr<IXMLDOMNode> none;
    EXPECT_EQ(E_POINTER, catalogue.ResolveTransition(none));
}

TEST_F(TransitionCatalogue, ThePluginsFolderServesTheDefaultCatalogueAndPathsWithItsMacro)
{
    std::filesystem::path folder = m_folder.Path() / "plugins";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "KVTransitionPlugIns.xml")
        << "<A><Effect Name=\"Iris\" m_bstrThumbMoniker=\"iris.png\"/></A>";
    std::ofstream(folder / "Extra.xml") << "<A><Effect Name=\"Extra\"/></A>";
    ScopedEnvironment plugins("REELMARK_PLUGINS", folder.c_str());
    CDSTransition catalogue;
    CComPtr<IUnknown> effect;
    ASSERT_EQ(S_OK, catalogue.FindByName(L"Iris", &effect));
    EXPECT_EQ(L"storage::%PLUGINS%/iris.png", Attribute(effect, L"m_bstrThumbMoniker"));
    ASSERT_EQ(S_OK, catalogue.Load(L"%PLUGINS%/Extra.xml"));
    EXPECT_EQ(std::vector<std::wstring>{L"Extra"}, Names(catalogue));
}

// Each shipped effect between a red and a blue panel of a real production: red for two
// seconds, the transition's second from 1 s to 2 s, then blue.
class TransitionRendering : public ProjectTest
{
protected:
    static constexpr DWORD kRed = 0xFFFF0000;
    static constexpr DWORD kBlue = 0xFF0000FF;
    static constexpr double kStart = 1.0;

    CComPtr<IKVEProductionData> RedToBlue(const wchar_t* effectName)
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        CComQIPtr<IEditData> edit(production);
        CComPtr<IUnknown> red;
        EXPECT_EQ(S_OK, edit->AddSolidColor(0, kRed & 0xFFFFFF, &red));
        EXPECT_EQ(S_OK, CComQIPtr<IBaseObject>(red)->put_Duration(2.0));
        EXPECT_EQ(S_OK, edit->AddSolidColor(2, kBlue & 0xFFFFFF, nullptr));
        CComPtr<IUnknown> effect;
        EXPECT_EQ(S_OK, m_catalogue.FindByName(effectName, &effect));
        EXPECT_EQ(S_OK, edit->AddTransition(1, effect, nullptr, nullptr));
        return production;
    }

    // The frame at a progress of the transition.
    static BgraImage At(IKVEProductionData* production, double progress, int width, int height)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(production, kStart + progress, width, height, frame));
        return frame;
    }

    // Frames from just before the transition to just after it, side by side, written under
    // the build tree for a person to look at.
    static void WriteStrip(IKVEProductionData* production, const std::string& name)
    {
        const int width = 96, height = 72, frames = 11;
        BgraImage strip;
        ASSERT_EQ(S_OK, BgraImage::Create(width * frames, height, 0xFFFFFFFF, strip));
        for (int i = 0; i < frames; ++i) {
            BgraImage frame = At(production, i / double(frames - 1) * 0.999, width, height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width - 2; ++x)
                    strip.SetPixel(i * width + x, y, frame.PixelAt(x, y));
        }
        std::filesystem::create_directories(DSUTILS_TEST_PICTURES);
        std::filesystem::path file = std::filesystem::path(DSUTILS_TEST_PICTURES) / (name + ".png");
        EXPECT_EQ(S_OK, SaveImageFile(strip, file.wstring()));
    }

    // A quarter, half and three quarters into a wipe across 64 pixels: blue from the edge
    // the wipe starts at up to round(progress × 64), red beyond, on both sides of the frame.
    static void ExpectWipeEdges(IKVEProductionData* production, bool vertical)
    {
        for (double progress : {0.25, 0.5, 0.75}) {
            BgraImage frame = At(production, progress, vertical ? 8 : 64, vertical ? 64 : 8);
            auto pixel = [&](int along, int across) {
                return vertical ? frame.PixelAt(across, along) : frame.PixelAt(along, across);
            };
            int edge = int(progress * 64);
            for (int across : {0, 7}) {
                EXPECT_EQ(kBlue, pixel(0, across)) << progress;
                EXPECT_EQ(kBlue, pixel(edge - 1, across)) << progress;
                EXPECT_EQ(kRed, pixel(edge, across)) << progress;
                EXPECT_EQ(kRed, pixel(63, across)) << progress;
            }
        }
    }

    // The colour of the frame at progresses of the transition, to a step of rounding.
    static void ExpectColoursAlong(IKVEProductionData* production,
                                   std::initializer_list<std::pair<double, DWORD>> colours)
    {
        for (const auto& [progress, colour] : colours) {
            DWORD shown = At(production, progress, 8, 8).PixelAt(4, 4);
            EXPECT_LE(ColourDistance(colour, shown), 1)
                << std::hex << progress << ": expected 0x" << colour << ", shown 0x" << shown;
        }
    }

    CDSTransition m_catalogue;
};

TEST_F(TransitionRendering, DissolveMixesBothPictures)
{
    CComPtr<IKVEProductionData> production = RedToBlue(L"Dissolve");
    ExpectColoursAlong(production,
                       {{0.0, kRed}, {0.25, 0xFFBF0040}, {0.5, 0xFF800080}, {1.0, kBlue}});
    WriteStrip(production, "transition-dissolve");
}

TEST_F(TransitionRendering, FadeReachesBlackAtItsMiddle)
{
    CComPtr<IKVEProductionData> production = RedToBlue(L"Fade Through Black");
    ExpectColoursAlong(
        production,
        {{0.0, kRed}, {0.25, 0xFF800000}, {0.5, 0xFF000000}, {0.75, 0xFF000080}, {1.0, kBlue}});
    WriteStrip(production, "transition-fade-through-black");
}

TEST_F(TransitionRendering, LeftToRightWipeHasItsEdgeWhereItsProgressSays)
{
    CComPtr<IKVEProductionData> production = RedToBlue(L"Wipe Left to Right");
    ExpectWipeEdges(production, false);
    EXPECT_EQ(kRed, At(production, 0.0, 64, 8).PixelAt(0, 0));
    WriteStrip(production, "transition-wipe-left-to-right");
}

TEST_F(TransitionRendering, TopToBottomWipeHasItsEdgeWhereItsProgressSays)
{
    CComPtr<IKVEProductionData> production = RedToBlue(L"Wipe Top to Bottom");
    ExpectWipeEdges(production, true);
    EXPECT_EQ(kRed, At(production, 0.0, 8, 64).PixelAt(0, 0));
    WriteStrip(production, "transition-wipe-top-to-bottom");
}

TEST_F(TransitionRendering, WipeSavedInAProductionFileRendersTheSame)
{
    CComPtr<IKVEProductionData> production = RedToBlue(L"Wipe Left to Right");
    ScratchFolder folder;
    std::wstring file = folder.File("wipe.dmsm");
    ASSERT_EQ(S_OK, production->SaveAsProduction(CComBSTR(file)));
    CComPtr<IKVEProductionData> loaded;
    ASSERT_EQ(S_OK, loaded.CoCreateInstance(CLSID_KVEProduction));
    ASSERT_EQ(S_OK, loaded->LoadProduction(CComBSTR(file), 0));
    for (double progress : {0.1, 0.4, 0.7}) {
        BgraImage saved = At(production, progress, 40, 30);
        BgraImage restored = At(loaded, progress, 40, 30);
        ASSERT_EQ(saved.ByteSize(), restored.ByteSize());
        EXPECT_TRUE(std::equal(saved.Data(), saved.Data() + saved.ByteSize(), restored.Data()))
            << progress;
    }
    EXPECT_EQ(kBlue, At(loaded, 0.5, 40, 30).PixelAt(19, 15));
    EXPECT_EQ(kRed, At(loaded, 0.5, 40, 30).PixelAt(20, 15));
}

} // namespace
