// Project, theme and button style files: lossless round trips, safe saving, and refusal of
// missing, truncated, malformed and hostile files without touching the target.
#include "ObjectModelTest.h"

#include "model/IDSDataFile.h"
#include "model/IDSEncodingParams.h"
#include "model/IDSProjectFile.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

class ProjectFileTest : public ObjectModelTest
{
protected:
    void SetUp() override
    {
        ObjectModelTest::SetUp();
        m_folder = fs::path(::testing::TempDir()) /
                   ("objectmodel-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        ASSERT_EQ(S_OK, m_files.CoCreateInstance(CLSID_CDSProjectFile));
    }

    void TearDown() override
    {
        m_files.Release();
        fs::remove_all(m_folder);
        ObjectModelTest::TearDown();
    }

    CComBSTR PathOf(const char* name) const
    {
        return CComBSTR(Utf8ToWide((m_folder / name).string()));
    }

    static std::string Read(const CComBSTR& path)
    {
        std::ifstream file(WideToUtf8(path.Str()), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static void Write(const CComBSTR& path, const std::string& text)
    {
        std::ofstream(WideToUtf8(path.Str()), std::ios::binary) << text;
    }

    // A project that uses every kind of object, nested buttons and command nodes.
    CComPtr<IDSProjectData> RichProject();
    // Loading path must fail with expected and leave a project that has one named title as
    // it was, with a message on the error stack.
    void ExpectRefused(const CComBSTR& path, HRESULT expected);

    fs::path m_folder;
    CComPtr<IDSProjectFile> m_files;
};

CComPtr<IDSProjectData> ProjectFileTest::RichProject()
{
    auto project = NewProject();
    project->put_Name(CComBSTR(L"Holiday & \"friends\" <2024>"));
    project->put_DiscFormat(DiscFormat_BluRay);
    project->put_DiscSize(SZ_BD25);
    project->put_TVStandard(TVStandard_PAL);
    project->put_FitToDisc(VARIANT_TRUE);
    project->put_Flags(0x41);
    project->put_SingleSourceOverlays(VARIANT_TRUE);
    CComQIPtr<IDSEncodingParams>(project)->put_AspectRatio(AspectRatio_16x9);
    SetTwoCommands(project, MakeNode(L"Fade"));
    project->AddDataFile(CComBSTR(L"/data/readme.txt"), nullptr);

    auto title = AddTitle(project);
    title->put_Name(CComBSTR(L"Beach"));
    title->put_OnDiscCount(2);
    CComQIPtr<IDSEncodingParams>(title)->put_VideoBitrate(6500000);
    ProductionOf(title)->content = L"beach storyboard";
    ProductionOf(title)->duration = 93.25;
    SetTwoCommands(title, nullptr);
    AddTitle(project)->put_Tag(TitleType_Private);

    auto menu = AddMenu(project);
    menu->put_Tag(MenuType_Main);
    menu->put_Background(CComBSTR(L"%CONTENT%/DVD/bg.png"));
    menu->put_BkgndID(IdOf(title));
    menu->put_ButtonLayout(0x01500C21);
    FloatRect area = {-0.9f, 0.8f, 0.9f, -0.8f};
    menu->put_LayoutRect(&area);
    PaletteEntry palette[kPaletteEntries] = {{255, 0, 0}, {0, 128, 255}};
    menu->SetPalette(palette);
    const BYTE colours[8] = {1, 15, 2, 14, 3, 13, 4, 12};
    menu->SetSubpictureColours(SPU_Scheme2, colours, colours);
    SetTwoCommands(menu, MakeNode(L"Dissolve"));
    ProductionOf(menu)->content = L"menu storyboard";

    auto button = AddButton(menu);
    button->put_Tag(ButtonType_Command);
    button->SetPosition(-0.3333333f, 0.6f);
    FloatRect region = {-0.1f, 0.1f, 0.1f, -0.1f};
    button->put_ActiveRegion(&region, VARIANT_TRUE);
    button->put_ChapterMarkerID(12);
    button->SetNeighbours(1, 2, 3, 4);
    button->SetEffectInterval(0.0166833, 9.9933267);
    SetTwoCommands(button, MakeNode(L"Wipe"));
    auto label = AddText(button);
    label->put_Tag(TextType_Label);
    label->put_Label(CComBSTR(L"Chapter\n\"1\" & more"));
    label->SetColor(TextColour_Shadow, RGB(1, 2, 3));
    auto inner = AddButton(button);
    auto thumbnail = AddOverlay(inner);
    thumbnail->put_Tag(OverlayType_Thumbnail);
    thumbnail->SetSourceType(OverlaySource_Title, IdOf(title));
    thumbnail->put_AlphaMask(CComBSTR(L"%CONTENT%/Overlays/Masks/Wide_mask.png"));
    thumbnail->put_SourceTime(3.5);
    thumbnail->SetMaskSize(1.0, 0.75);
    thumbnail->put_ZoomToFill(VARIANT_TRUE);
    return project;
}

void ProjectFileTest::ExpectRefused(const CComBSTR& path, HRESULT expected)
{
    auto target = NewProject();
    auto title = AddTitle(target);
    title->put_Name(CComBSTR(L"kept"));
    KVUClearErrorStack();
    EXPECT_EQ(expected, m_files->LoadProject(path, target));
    EXPECT_FALSE(KVUGetErrorStack().empty());
    LONG count = 0;
    target->get_TitleCount(&count);
    ASSERT_EQ(1, count);
    CComPtr<IDSTitle> still;
    target->get_Title(1, &still);
    EXPECT_TRUE(still.IsEqualObject(title));
    CComBSTR name;
    still->get_Name(&name);
    EXPECT_EQ(L"kept", name.Str());
}

TEST_F(ProjectFileTest, SavingALoadedProjectWritesTheSameFile)
{
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("first.dmsd"), RichProject()));
    auto loaded = NewProject();
    ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("first.dmsd"), loaded));
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("second.dmsd"), loaded));
    EXPECT_EQ(Read(PathOf("first.dmsd")), Read(PathOf("second.dmsd")));
}

TEST_F(ProjectFileTest, ALoadedProjectHasItsObjectsIDsCommandsAndProductionsBack)
{
    auto original = RichProject();
    CComPtr<IDSMenu> originalMenu;
    original->get_Menu(1, &originalMenu);
    auto originalInner = Item(Item(originalMenu, 1), 2);
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("project.dmsd"), original));

    auto loaded = NewProject();
    ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("project.dmsd"), loaded));
    CComPtr<IUnknown> found;
    ASSERT_EQ(S_OK, loaded->FindByID(IdOf(originalInner), &found));
    CComQIPtr<IDSMenuButton> inner(found);
    ASSERT_TRUE(inner);
    EXPECT_EQ(1, Count(inner));
    CComPtr<IDSMenu> menu;
    loaded->get_Menu(1, &menu);
    EXPECT_EQ(CommandsOf(Item(originalMenu, 1)), CommandsOf(Item(menu, 1)));
    EXPECT_EQ(CommandsOf(original), CommandsOf(loaded));
    EXPECT_EQ(L"menu storyboard", ProductionOf(menu)->content);
    CComPtr<IDSTitle> title;
    loaded->get_Title(1, &title);
    EXPECT_EQ(L"beach storyboard", ProductionOf(title)->content);
    EXPECT_EQ(93.25, ProductionOf(title)->duration);
    EXPECT_EQ(4, ItemCount(menu)) << "one item per element, none made twice";
    LONG item = 0;
    inner->get_EffectID(&item);
    EXPECT_EQ(IdOf(inner), ProductionOf(menu)->items.at(item));
    VARIANT_BOOL modified = VARIANT_TRUE;
    loaded->get_Modified(&modified);
    EXPECT_EQ(VARIANT_FALSE, modified);
    EXPECT_GT(IdOf(AddTitle(loaded)), IdOf(originalInner)) << "new IDs follow the loaded ones";
}

TEST_F(ProjectFileTest, LoadingReplacesWhatTheTargetHeldAndReleasesIt)
{
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("project.dmsd"), NewProject()));
    auto target = RichProject();
    int before = FakeProduction::Shared().alive;
    ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("project.dmsd"), target));
    EXPECT_EQ(before - 3, FakeProduction::Shared().alive);
    LONG count = -1;
    target->get_MenuCount(&count);
    EXPECT_EQ(0, count);
}

TEST_F(ProjectFileTest, AFailedSaveLeavesTheEarlierFileIntact)
{
    auto project = RichProject();
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("project.dmsd"), project));
    std::string earlier = Read(PathOf("project.dmsd"));
    project->put_Name(CComBSTR(L"renamed"));
    FakeProduction::Shared().failSaving = true;
    EXPECT_EQ(E_FAIL, m_files->SaveProject(PathOf("project.dmsd"), project));
    FakeProduction::Shared().failSaving = false;
    EXPECT_EQ(earlier, Read(PathOf("project.dmsd")));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()))
        << "no temporary file is left behind";
}

TEST_F(ProjectFileTest, LeftoversOfInterruptedSavesNeverMakeASaveFail)
{
    for (int i = 0; i < 1000; ++i)
        Write(PathOf(("project.dmsd.saving" + std::to_string(i)).c_str()), "");
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("project.dmsd"), RichProject()));
    auto loaded = NewProject();
    EXPECT_EQ(S_OK, m_files->LoadProject(PathOf("project.dmsd"), loaded));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
}

TEST_F(ProjectFileTest, SavingIntoAMissingFolderFails)
{
    CComBSTR path(Utf8ToWide((m_folder / "missing" / "project.dmsd").string()));
    EXPECT_EQ(HResultFromErrno(ENOENT), m_files->SaveProject(path, NewProject()));
}

TEST_F(ProjectFileTest, AMissingFileIsRefused)
{
    ExpectRefused(PathOf("nowhere.dmsd"), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
}

TEST_F(ProjectFileTest, ATruncatedFileIsRefused)
{
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("whole.dmsd"), RichProject()));
    std::string text = Read(PathOf("whole.dmsd"));
    Write(PathOf("cut.dmsd"), text.substr(0, text.size() / 2));
    ExpectRefused(PathOf("cut.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, AFileThatIsNotXmlIsRefused)
{
    Write(PathOf("binary.dmsd"), std::string("\x00\x01\xFF\xFE garbage", 13));
    ExpectRefused(PathOf("binary.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, AMalformedValueIsRefused)
{
    Write(PathOf("bad.dmsd"), "<DSProject version=\"1\"><Menus><Menu ID=\"1\">"
                              "<Elements><Button ID=\"2\" x=\"left\"/></Elements>"
                              "</Menu></Menus></DSProject>");
    ExpectRefused(PathOf("bad.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, AFileOfAnotherKindOrANewerFormatIsRefused)
{
    Write(PathOf("other.dmsd"), "<Playlist version=\"1\"/>");
    ExpectRefused(PathOf("other.dmsd"), E_INVALIDARG);
    Write(PathOf("newer.dmsd"), "<DSProject version=\"2\"/>");
    ExpectRefused(PathOf("newer.dmsd"), E_INVALIDARG);
    Write(PathOf("unversioned.dmsd"), "<DSProject/>");
    ExpectRefused(PathOf("unversioned.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, DuplicateIDsAreRefused)
{
    Write(PathOf("titles.dmsd"), "<DSProject version=\"1\"><Titles><Title ID=\"3\"/>"
                                 "<Title ID=\"3\"/></Titles></DSProject>");
    ExpectRefused(PathOf("titles.dmsd"), E_INVALIDARG);
    Write(PathOf("elements.dmsd"), "<DSProject version=\"1\"><Titles><Title ID=\"3\"/></Titles>"
                                   "<Menus><Menu ID=\"4\"><Elements><Text ID=\"3\"/></Elements>"
                                   "</Menu></Menus></DSProject>");
    ExpectRefused(PathOf("elements.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, IDsAtTheTopOfTheirRangeSurviveRoundTripsAndLeaveNoNextID)
{
    for (const char* id : {"1", "2147483645", "2147483646"}) {
        SCOPED_TRACE(id);
        Write(PathOf("edge.dmsd"), std::string("<DSProject version=\"1\" nextID=\"") + id +
                                       "\"><Titles><Title ID=\"" + id +
                                       "\"/></Titles></DSProject>");
        auto loaded = NewProject();
        ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("edge.dmsd"), loaded));
        ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("saved.dmsd"), loaded));
        auto again = NewProject();
        ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("saved.dmsd"), again));
        ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("again.dmsd"), again));
        EXPECT_EQ(Read(PathOf("saved.dmsd")), Read(PathOf("again.dmsd")));
    }
    // Every ID is given: a new object is refused, and the project stays as it was.
    auto full = NewProject();
    ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("saved.dmsd"), full));
    CComPtr<IDSTitle> refused;
    EXPECT_TRUE(FAILED(full->AddTitle(-1, &refused)));
    LONG count = 0;
    full->get_TitleCount(&count);
    EXPECT_EQ(1, count);
}

TEST_F(ProjectFileTest, PathsLongerThanTheFileSystemTakesAreRefused)
{
    const std::string huge(5000, 'a');
    Write(PathOf("overlay.dmsd"), "<DSProject version=\"1\"><Menus><Menu ID=\"1\"><Elements>"
                                  "<Overlay ID=\"2\" source=\"/" +
                                      huge + "\"/></Elements></Menu></Menus></DSProject>");
    ExpectRefused(PathOf("overlay.dmsd"), E_INVALIDARG);
    Write(PathOf("menu.dmsd"), "<DSProject version=\"1\"><Menus><Menu ID=\"1\" background=\"/" +
                                   huge + "\"/></Menus></DSProject>");
    ExpectRefused(PathOf("menu.dmsd"), E_INVALIDARG);
    Write(PathOf("data.dmsd"), "<DSProject version=\"1\"><DataFiles><DataFile ID=\"1\" "
                               "sourcePath=\"/" +
                                   huge + "\"/></DataFiles></DSProject>");
    ExpectRefused(PathOf("data.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, IDsOutsideTheirRangeAreRefused)
{
    for (const char* id : {"0", "-1", "2147483647", "2147483648", "99999999999999999999"}) {
        SCOPED_TRACE(id);
        Write(PathOf("range.dmsd"), std::string("<DSProject version=\"1\"><Titles><Title ID=\"") +
                                        id + "\"/></Titles></DSProject>");
        ExpectRefused(PathOf("range.dmsd"), E_INVALIDARG);
        Write(PathOf("next.dmsd"), std::string("<DSProject version=\"1\" nextID=\"") + id + "\"/>");
        if (std::string(id) != "0" && std::string(id) != "-1")
            ExpectRefused(PathOf("next.dmsd"), E_INVALIDARG);
    }
}

TEST_F(ProjectFileTest, DeeplyNestedButtonsAreRefusedWithoutExhaustingTheStack)
{
    std::string nested;
    for (int i = 0; i < 5000; ++i)
        nested += "<Button ID=\"" + std::to_string(i + 2) + "\"><Elements>";
    for (int i = 0; i < 5000; ++i)
        nested += "</Elements></Button>";
    Write(PathOf("deep.dmsd"), "<DSProject version=\"1\"><Menus><Menu ID=\"1\"><Elements>" +
                                   nested + "</Elements></Menu></Menus></DSProject>");
    ExpectRefused(PathOf("deep.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, AProductionTheEngineCannotLoadIsRefused)
{
    Write(PathOf("production.dmsd"), "<DSProject version=\"1\"><Titles><Title ID=\"1\">"
                                     "<Production><Unknown/></Production></Title></Titles>"
                                     "</DSProject>");
    ExpectRefused(PathOf("production.dmsd"), E_INVALIDARG);
}

TEST_F(ProjectFileTest, AButtonStyleFileHoldsTheWholeButton)
{
    CComPtr<IDSMenuButton> style;
    ASSERT_EQ(S_OK, style.CoCreateInstance(CLSID_CDSMenuButton));
    style->put_Name(CComBSTR(L"Glass"));
    style->put_Tag(ButtonType_Command);
    AddOverlay(style)->put_Tag(OverlayType_Thumbnail);
    AddText(AddButton(style));
    ASSERT_EQ(S_OK, m_files->SaveButtonStyle(PathOf("glass.xml"), style));

    auto project = NewProject();
    auto button = AddButton(AddMenu(project));
    ASSERT_EQ(S_OK, m_files->LoadButtonStyle(PathOf("glass.xml"), button));
    CComBSTR name;
    button->get_Name(&name);
    EXPECT_EQ(L"Glass", name.Str());
    ASSERT_EQ(2, Count(button));
    EXPECT_EQ(1, Count(Item(button, 2)));
    EXPECT_GT(IdOf(Item(button, 2)), 0);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              m_files->LoadButtonStyle(PathOf("none.xml"), button));
}

TEST_F(ProjectFileTest, LabelsKeepLineBreaksTabsAndControlCharacters)
{
    const std::wstring words = L"Line one\nLine two\tend\r\x01\x1F ";
    auto project = NewProject();
    auto menu = AddMenu(project);
    AddText(menu)->put_Label(CComBSTR(words));
    ASSERT_EQ(S_OK, m_files->SaveProject(PathOf("words.dmsd"), project));
    auto loaded = NewProject();
    ASSERT_EQ(S_OK, m_files->LoadProject(PathOf("words.dmsd"), loaded));
    CComPtr<IDSMenu> loadedMenu;
    loaded->get_Menu(1, &loadedMenu);
    EXPECT_EQ(words, LabelOf(Item(loadedMenu, 1)));
}

TEST_F(ProjectFileTest, AStyleLoadedIntoADetachedButtonHasNoIDsUntilItEntersAMenu)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto saved = AddButton(menu);
    AddText(saved);
    ASSERT_EQ(S_OK, m_files->SaveButtonStyle(PathOf("style.xml"), saved));
    CComPtr<IDSMenuButton> style;
    ASSERT_EQ(S_OK, style.CoCreateInstance(CLSID_CDSMenuButton));
    ASSERT_EQ(S_OK, m_files->LoadButtonStyle(PathOf("style.xml"), style));
    auto text = Item(style, 1);
    LONG item = -1;
    text->get_EffectID(&item);
    EXPECT_EQ(0, item);
    EXPECT_EQ(0, IdOf(text));
    CComQIPtr<IDSMenuElementList> list(menu);
    ASSERT_EQ(S_OK, list->InsertElement(-1, style));
    text->get_EffectID(&item);
    EXPECT_EQ(IdOf(text), ProductionOf(menu)->items.at(item));
}
