#include "MenuProductionTest.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/DSTransition.h"

#include "model/KVEProductionLink.h"

#include <filesystem>

namespace {

constexpr DWORD kRed = 0xFFC02020;
constexpr DWORD kBlue = 0xFF2040C0;

// A red menu whose button leads to a blue title.
class MenuTransitions : public MenuProductionTest
{
protected:
    MenuTransitions()
    {
        EXPECT_EQ(S_OK,
                  m_menu->put_Background(CComBSTR(MakePicture(m_folder, "red.png", 64, 48, kRed))));
        EXPECT_EQ(S_OK, CDSMenuUtils::ResolveMenuBkgndSource(m_menu));
        AddSource(m_title, MakePicture(m_folder, "blue.png", 64, 48, kBlue));
        m_button = Placed(AddButton(m_menu), ButtonType_Command, 0.0f, 0.0f, 0.2f, 0.2f);
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(m_button, m_title));
        KVUClearErrorStack();
    }

    CComPtr<IXMLDOMNode> Effect(const wchar_t* name)
    {
        CComPtr<IUnknown> effect;
        EXPECT_EQ(S_OK, m_catalogue.FindByName(name, &effect));
        return CComQIPtr<IXMLDOMNode>(effect);
    }
    static void PlayEffectFirst(IDSMenuButton* button, IXMLDOMNode* effect)
    {
        CCommandList commands(static_cast<IUnknown*>(button));
        ASSERT_EQ(S_OK, commands.SetTransition(effect));
        ASSERT_EQ(S_OK, commands.Commit());
    }
    static void PlayClipFirst(IDSMenuButton* button, const std::wstring& clip)
    {
        CCommandList commands(static_cast<IUnknown*>(button));
        ASSERT_EQ(S_OK, commands.SetTransitionClip(CComBSTR(clip)));
        ASSERT_EQ(S_OK, commands.Commit());
    }
    static DiscCommandParams FirstCommandOf(IUnknown* object)
    {
        CCommandList commands(object);
        EXPECT_GT(commands.size(), 0);
        DiscCommandParams entry = commands.size() > 0 ? commands[0] : DiscCommandParams{};
        entry.node = nullptr;
        return entry;
    }
    std::vector<LONG> MenuIds()
    {
        std::vector<LONG> ids;
        for (const CComPtr<IDSMenu>& menu : GetMenuList(m_project, kAllTags))
            ids.push_back(GetID(menu));
        return ids;
    }
    std::vector<CComPtr<IDSMenu>> TransitionMenus()
    {
        return GetMenuList(m_project, MenuType_Transition);
    }
    static std::wstring CachePath(const std::wstring& name)
    {
        CComBSTR folder;
        EXPECT_EQ(S_OK, CDSFileUtils().GetDirectory(CDSFileUtils::DirTemp, L"TransitionCache",
                                                    folder, false));
        return PathAppend(folder.Str(), name);
    }
    // The source file names of a production's panels, with "transition" for transitions.
    static std::vector<std::wstring> Panels(IKVEProductionData* production)
    {
        std::vector<std::wstring> names;
        for (LONG i = 0; i < PanelCount(production); ++i) {
            CComPtr<IBaseObject> panel;
            EXPECT_EQ(S_OK, production->GetPanelBaseObject(i, &panel));
            CComQIPtr<ISourceFile> source(panel.p);
            CComBSTR name(L"transition");
            if (source) {
                EXPECT_EQ(S_OK, source->get_FileName(&name));
            }
            names.push_back(name.Str());
        }
        return names;
    }

    CDSTransition m_catalogue;
    CComPtr<IDSMenuButton> m_button;
};

TEST_F(MenuTransitions, StillsAreTakenHalfAFrameIntoTheFirstAndBeforeTheLastWholeFrame)
{
    // 250 frames at 25 a second: the end still is frame 248, at (250 - 2 + 0.5) / 25 s.
    ClipShape shape;
    shape.frameCount = 250;
    std::wstring clip = MakeClip(m_folder, "clip.mp4", shape);
    CComPtr<IDSTitle> title = AddTitle(m_project);
    AddSource(title, clip);
    CComPtr<IKVEProductionData> production = StoryboardOf(title);
    ASSERT_EQ(S_OK, Info(title)->put_EditingFrameRate(25.0));
    ASSERT_NEAR(10.0, CDSProductionUtils::GetDuration(production), 1e-6);

    CComBSTR end, begin;
    ASSERT_EQ(S_OK, CDSMenuUtils::GetThumbnailFromCache(&end, production, false, 7));
    ASSERT_EQ(S_OK, CDSMenuUtils::GetThumbnailFromCache(&begin, production, true, 7));
    EXPECT_EQ(CachePath(L"TBCache_7_end.PNG"), end.Str());
    EXPECT_EQ(CachePath(L"TBCache_7_begin.PNG"), begin.Str());
    BgraImage endStill, beginStill;
    ASSERT_EQ(S_OK, LoadImageFile(end.Str(), endStill));
    ASSERT_EQ(S_OK, LoadImageFile(begin.Str(), beginStill));
    EXPECT_EQ(640, endStill.Width());
    EXPECT_EQ(480, endStill.Height());
    for (auto [still, frame] : {std::pair{&endStill, 248}, std::pair{&beginStill, 0}}) {
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(frame), still->PixelAt(80, 240), 24) << frame;
        EXPECT_COLOUR_NEAR(RightColourOfFrame(frame), still->PixelAt(560, 240), 24) << frame;
    }

    // A 16:9 production gives a wide still.
    ASSERT_EQ(S_OK, Info(title)->put_AspectRatio(16.0 / 9.0));
    ASSERT_EQ(S_OK, CDSMenuUtils::GetThumbnailFromCache(&end, production, false, 7));
    ASSERT_EQ(S_OK, LoadImageFile(end.Str(), endStill));
    EXPECT_EQ(360, endStill.Height());
}

TEST_F(MenuTransitions, AProductionShorterThanTwoFramesGivesItsFirstFrame)
{
    CComPtr<IDSTitle> title = AddTitle(m_project);
    AddSource(title, MakePicture(m_folder, "flash.png", 64, 48, kBlue), 0.0, 0.03);
    CComPtr<IKVEProductionData> production = StoryboardOf(title);
    ASSERT_EQ(S_OK, Info(title)->put_EditingFrameRate(25.0));
    CComBSTR end;
    ASSERT_EQ(S_OK, CDSMenuUtils::GetThumbnailFromCache(&end, production, false, GetID(title)));
    BgraImage still;
    ASSERT_EQ(S_OK, LoadImageFile(end.Str(), still));
    EXPECT_EQ(kBlue, still.PixelAt(320, 240));

    EXPECT_EQ(E_POINTER, CDSMenuUtils::GetThumbnailFromCache(nullptr, production, true, 1));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GetThumbnailFromCache(&end, nullptr, true, 1));
}

TEST_F(MenuTransitions, AnEffectPlaysFromTheMenuIntoTheTitle)
{
    PlayEffectFirst(m_button, Effect(L"Wipe Left to Right"));
    std::vector<LONG> before = MenuIds();
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button, L"To the film"));

    ASSERT_EQ(before.size() + 1, MenuIds().size());
    CComPtr<IDSMenu> transition = TransitionMenus().front();
    EXPECT_EQ(transition.p, CDSMenuUtils::GetTransition(m_button));
    EXPECT_EQ(GetID(transition), FirstCommandOf(m_button).param1);
    CComBSTR name;
    EXPECT_EQ(S_OK, transition->get_Name(&name));
    EXPECT_EQ(L"To the film", TextOf(name));
    DiscCommandParams after = FirstCommandOf(transition);
    EXPECT_EQ(DiscCommand_JumpMenu, after.command);
    EXPECT_EQ(GetID(m_menu), after.param1);

    CComPtr<IKVEProductionData> production = StoryboardOf(transition);
    EXPECT_EQ(
        (std::vector<std::wstring>{
            CachePath(L"TBCache_" + std::to_wstring(GetID(m_menu)) + L"_end.PNG"), L"transition",
            CachePath(L"TBCache_" + std::to_wstring(GetID(m_title)) + L"_begin.PNG")}),
        Panels(production));
    // Each still shows for the engine's five seconds; the one-second wipe ends the first.
    EXPECT_EQ(kRed, Render(production, 1.0, 64, 48).PixelAt(32, 24));
    BgraImage half = Render(production, 4.5, 64, 48);
    EXPECT_EQ(kBlue, half.PixelAt(4, 24));
    EXPECT_EQ(kBlue, half.PixelAt(30, 24));
    EXPECT_EQ(kRed, half.PixelAt(34, 24));
    EXPECT_EQ(kRed, half.PixelAt(60, 24));
    EXPECT_EQ(kBlue, Render(production, 7.0, 64, 48).PixelAt(32, 24));

    BgraImage strip;
    ASSERT_EQ(S_OK, BgraImage::Create(96 * 7, 72, 0xFFFFFFFF, strip));
    for (int i = 0; i < 7; ++i) {
        BgraImage frame = Render(production, 3.75 + i * 0.25, 96, 72);
        for (int y = 0; y < 72; ++y)
            for (int x = 0; x < 94; ++x)
                strip.SetPixel(i * 96 + x, y, frame.PixelAt(x, y));
    }
    WritePicture(strip, "transition-menu-wipe");
}

TEST_F(MenuTransitions, CreatingTransitionsTwiceLeavesTheSameProject)
{
    PlayEffectFirst(m_button, Effect(L"Fade Through Black"));
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    std::vector<LONG> menus = MenuIds();
    CComPtr<IDSMenu> transition = TransitionMenus().front();
    std::vector<std::wstring> panels = Panels(StoryboardOf(transition));
    BgraImage middle = Render(transition.p, 4.5, 16, 16);

    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    EXPECT_EQ(menus, MenuIds());
    EXPECT_EQ(transition.p, CDSMenuUtils::GetTransition(m_button));
    EXPECT_EQ(panels, Panels(StoryboardOf(transition)));
    EXPECT_EQ(middle.PixelAt(8, 8), Render(transition.p, 4.5, 16, 16).PixelAt(8, 8));
    EXPECT_EQ(0xFF000000u, middle.PixelAt(8, 8));
}

TEST_F(MenuTransitions, ACommandThatOnlyNamesItsEffectPlaysTheCatalogueEffect)
{
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CMenuStyleUtil::CreateXMLDoc(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_EQ(S_OK,
              document->loadXML(CComBSTR(L"<Transition Name=\"Fade Through Black\"/>"), &loaded));
    CComPtr<IXMLDOMElement> named;
    ASSERT_EQ(S_OK, document->get_documentElement(&named));
    PlayEffectFirst(m_button, named);

    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    EXPECT_EQ(0xFF000000u,
              Render(CDSMenuUtils::GetTransition(m_button), 4.5, 16, 16).PixelAt(8, 8));
}

TEST_F(MenuTransitions, ACopiedButtonGetsATransitionMenuOfItsOwn)
{
    PlayEffectFirst(m_button, Effect(L"Dissolve"));
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    IDSMenu* original = CDSMenuUtils::GetTransition(m_button);
    CComPtr<IDSMenuButton> copy =
        Placed(AddButton(m_menu), ButtonType_Command, 0.5f, 0, 0.2f, 0.2f);
    CCommandList commands(static_cast<IUnknown*>(m_button.p));
    ASSERT_EQ(S_OK, commands.Commit(CComQIPtr<IDSCommandList>(copy.p)));

    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(copy));
    IDSMenu* own = CDSMenuUtils::GetTransition(copy);
    ASSERT_NE(nullptr, own);
    EXPECT_NE(original, own);
    EXPECT_EQ(original, CDSMenuUtils::GetTransition(m_button));

    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(copy));
    EXPECT_EQ(menus, MenuIds());
}

TEST_F(MenuTransitions, ACommandLeadingToAnotherKindOfMenuGetsATransitionMenu)
{
    PlayEffectFirst(m_button, Effect(L"Dissolve"));
    CComPtr<IDSMenu> other = Tagged(AddMenu(m_project), MenuType_Main);
    CCommandList commands(static_cast<IUnknown*>(m_button.p));
    commands[0].param1 = GetID(other);
    ASSERT_EQ(S_OK, commands.Commit());

    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    IDSMenu* transition = CDSMenuUtils::GetTransition(m_button);
    ASSERT_NE(nullptr, transition);
    EXPECT_EQ(ULONG(MenuType_Transition), GetTag(transition));
    EXPECT_EQ(0, PanelCount(StoryboardOf(other)));
}

TEST_F(MenuTransitions, AClipTransitionMenuIsMadeOnceAndOnlyForAClipThatExists)
{
    PlayClipFirst(m_button, m_folder.File("gone.mp4"));
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    EXPECT_EQ(menus, MenuIds());
    EXPECT_EQ(0, FirstCommandOf(m_button).param1);

    std::wstring clip = MakeClip(m_folder, "clip.mp4");
    PlayClipFirst(m_button, clip);
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    ASSERT_EQ(1u, TransitionMenus().size());
    CComPtr<IDSMenu> transition = TransitionMenus().front();
    CComBSTR background;
    EXPECT_EQ(S_OK, transition->get_Background(&background));
    EXPECT_EQ(clip, background.Str());
    EXPECT_EQ(GetID(transition), FirstCommandOf(m_button).param1);
    EXPECT_EQ(GetID(m_menu), FirstCommandOf(transition).param1);

    menus = MenuIds();
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    EXPECT_EQ(menus, MenuIds());
}

TEST_F(MenuTransitions, ButtonsWithoutTransitionOrDestinationMakeNothing)
{
    std::vector<LONG> menus = MenuIds();
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    EXPECT_EQ(nullptr, CDSMenuUtils::GetTransition(m_button));

    CComPtr<IDSMenuButton> nowhere =
        Placed(AddButton(m_menu), ButtonType_Command, 0.5f, 0, 0.2f, 0.2f);
    PlayEffectFirst(nowhere, Effect(L"Dissolve"));
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(nowhere));
    EXPECT_EQ(menus, MenuIds());
    EXPECT_EQ(E_POINTER, CDSMenuUtils::CreateTransition(nullptr));
}

TEST_F(MenuTransitions, OnlyTransitionMenusThatNoButtonLeadsToAreRemoved)
{
    PlayEffectFirst(m_button, Effect(L"Dissolve"));
    ASSERT_EQ(S_OK, CDSMenuUtils::CreateTransition(m_button));
    LONG used = GetID(CDSMenuUtils::GetTransition(m_button));
    LONG orphan = GetID(Tagged(AddMenu(m_project), MenuType_Transition));
    LONG main = GetID(m_menu);

    ASSERT_EQ(S_OK, CDSMenuUtils::RemoveUnreferencedTransitions(m_project));
    EXPECT_EQ((std::vector<LONG>{main, used}), MenuIds());
    EXPECT_NE(orphan, used);

    // Once the button plays its title straight away, its transition menu goes too.
    CCommandList commands(static_cast<IUnknown*>(m_button.p));
    ASSERT_EQ(S_OK, commands.Remove(commands.FindTransition()));
    ASSERT_EQ(S_OK, commands.Commit());
    ASSERT_EQ(S_OK, CDSMenuUtils::RemoveUnreferencedTransitions(m_project));
    EXPECT_EQ((std::vector<LONG>{main}), MenuIds());
    EXPECT_EQ(E_POINTER, CDSMenuUtils::RemoveUnreferencedTransitions(nullptr));
}

} // namespace
