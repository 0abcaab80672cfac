#include "OverlayTest.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/KVEProductionInfo.h"

#include "platform/KVUTimer.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "platform/TaskMemory.h"
#include "platform/WideFormat.h"

#include "support/FrameGrab.h"
#include "support/ShippedThemeMenu.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 720;
constexpr int kHeight = 480;

// A main menu of the shipped Aurora theme with one button for each of four titles, whose
// clips stand for them at different frames.
class ResolveMenuProduction : public ProjectTest
{
protected:
    ResolveMenuProduction()
    {
        TurnSubproductionsOff();
        std::vector<ShippedThemeTitle> titles;
        for (int i = 0; i < 4; ++i) {
            std::wstring clip = MakeClip(m_folder, ("clip" + std::to_string(i) + ".mp4").c_str());
            titles.push_back({clip, kThumbnailFrames[i] / 25.0, FormatWide(L"Movie %d", i + 1)});
        }
        EXPECT_EQ(S_OK, MakeShippedThemeMenu(L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd", titles, m));
        KVUClearErrorStack();
    }

    HRESULT Resolve(bool bRelink = true)
    {
        return CDSMenuUtils::ResolveMenuProduction(m.menu, nullptr, bRelink);
    }
    CComPtr<IKVEProductionData> Storyboard() { return CDSProductionUtils::GetProduction(m.menu); }

    static std::wstring PanelsOf(IKVEProductionData* production);
    // What resolution may change, written out: every title with its production's panels, and
    // every menu as it saves itself, with its storyboard's panels and those of the productions
    // its overlays show.
    std::wstring Snapshot();

    BgraImage Render(double time, const char* picture)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(Storyboard(), time, kWidth, kHeight, frame));
        fs::create_directories(DSUTILS_TEST_PICTURES);
        EXPECT_EQ(S_OK, SaveImageFile(
                            frame, Utf8ToWide(std::string(DSUTILS_TEST_PICTURES "/") + picture)));
        return frame;
    }

    static constexpr int kThumbnailFrames[4] = {5, 15, 25, 35};
    ScratchFolder m_folder;
    ShippedThemeMenu m;
};

std::wstring ResolveMenuProduction::PanelsOf(IKVEProductionData* production)
{
    std::wstring text;
    LONG count = 0;
    EXPECT_EQ(S_OK, production->GetNumberOfPanels(&count));
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, production->GetPanelBaseObject(i, &panel));
        LONG kind = 0;
        double start = 0, duration = 0, in = 0, out = 0;
        panel->get_Kind(&kind);
        panel->GetStartTime(&start);
        panel->get_Duration(&duration);
        CComBSTR name;
        if (CComQIPtr<ISourceFile> source{panel.p}) {
            source->get_FileName(&name);
            source->get_InPoint(&in);
            source->get_OutPoint(&out);
        } else if (CComQIPtr<IKVEProductionMoniker> moniker{panel.p}) {
            moniker->get_Moniker(&name);
            moniker->get_Offset(&in);
        }
        text += FormatWide(L"  panel %d %ls %.6f %.6f %.6f %.6f\n", int(kind), name.Str().c_str(),
                           start, duration, in, out);
    }
    return text;
}

std::wstring ResolveMenuProduction::Snapshot()
{
    std::wstring text;
    for (const CComPtr<IDSTitle>& title : GetTitleList(m.project, kAllTags))
        text += FormatWide(L"title %d %u\n", int(GetID(title)), unsigned(GetTag(title))) +
                PanelsOf(CDSProductionUtils::GetProduction(title));
    for (const CComPtr<IDSMenu>& menu : GetMenuList(m.project, kAllTags)) {
        CComPtr<IXMLDOMDocument> document;
        EXPECT_EQ(S_OK, CreateXMLDocument(&document));
        EXPECT_EQ(S_OK, menu->SaveXML(document, VARIANT_FALSE));
        CComBSTR xml;
        EXPECT_EQ(S_OK, document->get_xml(&xml));
        CComPtr<IKVEProductionData> storyboard = CDSProductionUtils::GetProduction(menu);
        text += xml.Str() + L"\n" + PanelsOf(storyboard);
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, kAllTags))
            for (const CComPtr<IDSMenuOverlay>& overlay : GetOverlayList(button, kAllTags)) {
                CComBSTR source;
                CComPtr<IUnknown> nested;
                overlay->get_Source(&source);
                if (storyboard->GetSubProduction(source, &nested) == S_OK)
                    text += L" nested " + source.Str() + L"\n" +
                            PanelsOf(CComQIPtr<IKVEProductionData>(nested));
            }
    }
    return text;
}

// A rendered frame of the resolved menu shows the theme's background, each button's thumbnail
// in the place the layout gave it, taken from its title at the title's thumbnail time, and
// the buttons' labels.
TEST_F(ResolveMenuProduction, TheRenderedMenuShowsBackgroundThumbnailsAndLabels)
{
    ASSERT_EQ(S_OK, Resolve());
    double start = 0, end = 0;
    ASSERT_EQ(S_OK, m.buttons[0]->GetEffectInterval(&start, &end));
    BgraImage frame = Render(start, "resolved-aurora-menu.png");

    for (size_t i = 0; i < m.buttons.size(); ++i) {
        CComPtr<IDSMenuOverlay> thumbnail = GetOverlayList(m.buttons[i], OverlayType_Thumbnail)[0];
        FloatRect extent{};
        ASSERT_EQ(S_OK, thumbnail->GetExtent(&extent));
        RECT box{};
        ASSERT_EQ(S_OK, CDSMenuUtils::ConvertToRect(box, extent, kWidth, kHeight));
        int quarter = (box.right - box.left) / 4;
        int middle = (box.top + box.bottom) / 2;
        int index = kThumbnailFrames[i];
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(index), frame.PixelAt(box.left + quarter, middle), 40)
            << "button " << i;
        EXPECT_COLOUR_NEAR(RightColourOfFrame(index), frame.PixelAt(box.right - quarter, middle),
                           40)
            << "button " << i;

        // The label: light text of the theme on the dark background.
        CComPtr<IDSMenuText> label;
        ASSERT_EQ(S_OK, m.buttons[i]->GetLabel(&label));
        ASSERT_EQ(S_OK, label->GetExtent(&extent));
        ASSERT_EQ(S_OK, CDSMenuUtils::ConvertToRect(box, extent, kWidth, kHeight));
        int light = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                light += ColourDistance(frame.PixelAt(x, y), 0xFFD6ECFF) < 40 ? 1 : 0;
        EXPECT_GT(light, 50) << "label of button " << i;
    }

    // Where no element is, the theme's background.
    BgraImage background, scaled;
    ASSERT_EQ(S_OK,
              LoadImageFile(ResolveContentPath(L"%CONTENT%/DVD/4x3/Themes/Aurora/Background.png"),
                            background));
    ASSERT_EQ(S_OK, StretchImage(background, kWidth, kHeight, scaled));
    for (auto [x, y] : {std::pair{10, 470}, std::pair{360, 460}, std::pair{700, 250}})
        EXPECT_COLOUR_NEAR(scaled.PixelAt(x, y), frame.PixelAt(x, y), 12) << x << "," << y;
}

TEST_F(ResolveMenuProduction, ResolvingTwiceLeavesProjectAndProductionAsTheyWere)
{
    CComPtr<IDSMenuOverlay> montage =
        Placed(AddOverlay(m.menu), OverlayType_Generic, 0.7f, -0.7f, 0.3f, 0.3f);
    ASSERT_EQ(S_OK, montage->SetSourceType(OverlaySource_AllTitles, 0));
    CCommandList commands(static_cast<IUnknown*>(m.buttons[1]));
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    CComPtr<IXMLDOMElement> dissolve;
    ASSERT_EQ(S_OK, document->createElement(CComBSTR(L"Effect"), &dissolve));
    ASSERT_EQ(S_OK, dissolve->setAttribute(CComBSTR(L"Name"), CComVariant(L"Dissolve")));
    ASSERT_EQ(S_OK, commands.SetTransition(dissolve));
    ASSERT_EQ(S_OK, commands.Commit());

    ASSERT_EQ(S_OK, Resolve());
    std::wstring first = Snapshot();
    ASSERT_EQ(S_OK, Resolve());
    std::wstring second = Snapshot();
    EXPECT_EQ(first, second);
    EXPECT_NE(std::wstring::npos, first.find(L"moniker::dvdproduction_")) << WideToUtf8(first);
}

TEST_F(ResolveMenuProduction, WithoutRelinkingCommandsNeighboursAndTransitionsStay)
{
    CComPtr<IDSTitle> gone;
    ASSERT_EQ(S_OK, m.project->AddTitle(-1, &gone));
    CCommandList dead(static_cast<IUnknown*>(m.buttons[3]));
    ASSERT_EQ(S_OK, dead.ReplaceCommand(DiscCommand_PlayTitle, GetID(gone), 0));
    ASSERT_EQ(S_OK, dead.Commit());
    ASSERT_EQ(S_OK, m.project->RemoveTitle(GetID(gone), nullptr));
    CCommandList clip(static_cast<IUnknown*>(m.buttons[0]));
    ASSERT_EQ(S_OK, clip.SetTransitionClip(CComBSTR(m_folder.File("clip0.mp4").c_str())));
    ASSERT_EQ(S_OK, clip.Commit());
    LONG menus = 0;
    ASSERT_EQ(S_OK, m.project->get_MenuCount(&menus));

    ASSERT_EQ(S_OK, Resolve(false));
    EXPECT_EQ(1, CCommandList(static_cast<IUnknown*>(m.buttons[3])).size());
    ElementNeighbours* neighbours = nullptr;
    ASSERT_EQ(S_OK, m.buttons[0]->GetNeighbours(&neighbours));
    EXPECT_EQ(0, neighbours->right);
    CoTaskMemFree(neighbours);
    LONG after = 0;
    ASSERT_EQ(S_OK, m.project->get_MenuCount(&after));
    EXPECT_EQ(menus, after);
    // Sources, background and effect intervals are resolved all the same.
    EXPECT_NE(L"", [&] {
        CComBSTR source;
        GetOverlayList(m.buttons[0], OverlayType_Thumbnail)[0]->get_Source(&source);
        return source.Str();
    }());
    LONG background = 0;
    ASSERT_EQ(S_OK, m.menu->get_BkgndID(&background));
    EXPECT_NE(0, background);
    double start = 0, end = 0;
    ASSERT_EQ(S_OK, m.buttons[0]->GetEffectInterval(&start, &end));
    EXPECT_GT(end, start);

    ASSERT_EQ(S_OK, Resolve(true));
    EXPECT_EQ(0, CCommandList(static_cast<IUnknown*>(m.buttons[3])).size());
    ASSERT_EQ(S_OK, m.buttons[0]->GetNeighbours(&neighbours));
    EXPECT_EQ(GetID(m.buttons[1]), neighbours->right);
    CoTaskMemFree(neighbours);
    ASSERT_EQ(S_OK, m.project->get_MenuCount(&after));
    EXPECT_EQ(menus + 1, after);

    std::vector<std::string> probes;
    std::vector<CKVUTimer::Record> scopes = CKVUTimer::RecentScopes();
    for (const CKVUTimer::Checkpoint& checkpoint : scopes.back().checkpoints)
        probes.push_back(checkpoint.name);
    EXPECT_EQ((std::vector<std::string>{"PreResolves", "PostRslvBtnThmbSrc", "PostRslvOvlSrc",
                                        "PostRslvBkgndSrc", "PostButtonLink", "PostCreateTrans",
                                        "PostRslvEffDur"}),
              probes);
}

TEST_F(ResolveMenuProduction, VideoCdFormatsNumberTheButtons)
{
    for (DiscFormat format : {DiscFormat_DVD, DiscFormat_VCD, DiscFormat_SVCD}) {
        ASSERT_EQ(S_OK, m.project->put_DiscFormat(format));
        ASSERT_EQ(S_OK, Resolve());
        CComPtr<IDSMenuText> label;
        ASSERT_EQ(S_OK, m.buttons[2]->GetLabel(&label));
        CComBSTR text;
        ASSERT_EQ(S_OK, label->get_Label(&text));
        EXPECT_EQ(format == DiscFormat_DVD ? L"Movie 3" : L"3. Movie 3", text.Str());
    }
}

// With the editing frame rate of NTSC video a 10-second storyboard shows its elements from
// the middle of its first frame to the middle of its last.
TEST_F(ResolveMenuProduction, EffectIntervalsRunFromTheFirstToTheLastWholeFrame)
{
    ASSERT_EQ(S_OK, m.menu->put_Duration(10.0));
    CComPtr<IDSMenuText> heading;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddText(m.menu, &heading));
    ASSERT_EQ(S_OK, Resolve());
    ASSERT_NEAR(10.0, CDSProductionUtils::GetDuration(Storyboard()), 1e-9);
    std::vector<CComPtr<IDSMenuElement>> elements = {CComPtr<IDSMenuElement>(m.buttons[0].p),
                                                     CComPtr<IDSMenuElement>(heading.p)};
    for (const CComPtr<IDSMenuElement>& element : elements) {
        double start = 0, end = 0;
        ASSERT_EQ(S_OK, element->GetEffectInterval(&start, &end));
        EXPECT_NEAR(0.5 / 29.97, start, 1e-9);
        EXPECT_NEAR(299.5 / 29.97, end, 1e-9);
    }
}

// A failing step stops the run, yet the caller has the storyboard, the storyboard reports
// changes again, and a project without unsaved changes is left without.
TEST_F(ResolveMenuProduction, AFailingStepLeavesStoryboardAndProjectInOrder)
{
    ASSERT_EQ(S_OK, m.menu->put_BkgndID(99999));
    ASSERT_EQ(S_OK, m.project->ResetModified());
    CComPtr<IUnknown> storyboard;
    HRESULT hr = CDSMenuUtils::ResolveMenuProduction(m.menu, &storyboard, true);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_TRUE(StackHolds(L"ResolveMenuBkgndSource(pMenu)"));
    EXPECT_TRUE(storyboard.IsEqualObject(Storyboard()));
    VARIANT_BOOL modified = VARIANT_TRUE;
    ASSERT_EQ(S_OK, m.project->get_Modified(&modified));
    EXPECT_EQ(VARIANT_FALSE, modified);

    ASSERT_EQ(S_OK, Storyboard()->ClearChangeMark());
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(Storyboard().p)->AddSolidColor(100, 0, nullptr));
    VARIANT_BOOL changed = VARIANT_FALSE;
    ASSERT_EQ(S_OK, Storyboard()->IsChanged(&changed));
    EXPECT_EQ(VARIANT_TRUE, changed);

    // A project with changes keeps them marked.
    ASSERT_EQ(S_OK, m.menu->put_BkgndID(0));
    ASSERT_EQ(S_OK, Resolve());
    ASSERT_EQ(S_OK, m.project->get_Modified(&modified));
    EXPECT_EQ(VARIANT_TRUE, modified);
}

TEST_F(ResolveMenuProduction, MenusWithoutProjectAreRefused)
{
    EXPECT_EQ(E_POINTER, CDSMenuUtils::ResolveMenuProduction(nullptr, nullptr, true));
    CComPtr<IDSMenu> removed;
    ASSERT_EQ(S_OK, m.project->RemoveMenu(GetID(m.menu), &removed));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::ResolveMenuProduction(removed, nullptr, true));
    EXPECT_TRUE(StackHolds(L"(IDSProjectData*) spProject"));
}

} // namespace
