// Projects: IDs and lookups, lists, removal, the change mark, clearing, storyboard undo and the
// project size.
#include "ObjectModelTest.h"

#include "model/IDSDataFile.h"
#include "model/IDSEncodingParams.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>

using ProjectDataTest = ObjectModelTest;

TEST_F(ProjectDataTest, FindByIDFindsTitlesMenusDataFilesAndElementsAtAnyDepth)
{
    auto project = NewProject();
    auto title = AddTitle(project);
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    auto inner = AddButton(button);
    auto text = AddText(inner);
    CComPtr<IDSDataFile> file;
    ASSERT_EQ(S_OK, project->AddDataFile(CComBSTR(L"readme.txt"), &file));
    LONG fileId = 0;
    file->get_ID(&fileId);

    std::vector<CComPtr<IUnknown>> objects = {
        CComPtr<IUnknown>(title.p), menu.p, button.p, inner.p, text.p, file.p};
    std::vector<LONG> ids = {IdOf(title), IdOf(menu), IdOf(button),
                             IdOf(inner), IdOf(text), fileId};
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_GT(ids[i], 0);
        CComPtr<IUnknown> found;
        ASSERT_EQ(S_OK, project->FindByID(ids[i], &found));
        EXPECT_TRUE(found.IsEqualObject(objects[i])) << "object " << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(ids[i], ids[j]);
    }
}

TEST_F(ProjectDataTest, FindByIDOfAnUnknownIDFails)
{
    auto project = NewProject();
    CComPtr<IUnknown> found;
    EXPECT_EQ(E_INVALIDARG, project->FindByID(42, &found));
    EXPECT_FALSE(found);
}

TEST_F(ProjectDataTest, AddTitleInsertsBeforeAOneBasedIndex)
{
    auto project = NewProject();
    auto first = AddTitle(project);
    auto last = AddTitle(project);
    CComPtr<IDSTitle> middle;
    ASSERT_EQ(S_OK, project->AddTitle(2, &middle));
    CComPtr<IDSTitle> second;
    ASSERT_EQ(S_OK, project->get_Title(2, &second));
    EXPECT_TRUE(second.IsEqualObject(middle));
    CComPtr<IDSTitle> none;
    EXPECT_EQ(E_INVALIDARG, project->AddTitle(0, &none));
    EXPECT_EQ(E_INVALIDARG, project->AddTitle(5, &none));
    EXPECT_EQ(E_INVALIDARG, project->get_Title(4, &none));
}

TEST_F(ProjectDataTest, CreatingATitleOrMenuWithoutAProductionClassFailsAndAddsNothing)
{
    auto project = NewProject();
    {
        ScopedClassRegistration noProduction(CLSID_KVEProduction, nullptr);
        CoRevokeClass(CLSID_KVEProduction);
        CComPtr<IDSTitle> title;
        EXPECT_EQ(REGDB_E_CLASSNOTREG, project->AddTitle(-1, &title));
        EXPECT_FALSE(title);
        CComPtr<IDSMenu> menu;
        EXPECT_EQ(REGDB_E_CLASSNOTREG, project->AddMenu(-1, &menu));
    }
    LONG titles = -1;
    LONG menus = -1;
    project->get_TitleCount(&titles);
    project->get_MenuCount(&menus);
    EXPECT_EQ(0, titles);
    EXPECT_EQ(0, menus);
}

TEST_F(ProjectDataTest, RemovingATitleReleasesItsProductionAndForgetsItsID)
{
    auto project = NewProject();
    int before = FakeProduction::Shared().alive;
    LONG id = IdOf(AddTitle(project));
    EXPECT_EQ(before + 1, FakeProduction::Shared().alive);
    ASSERT_EQ(S_OK, project->RemoveTitle(id, nullptr));
    EXPECT_EQ(before, FakeProduction::Shared().alive);
    CComPtr<IUnknown> found;
    EXPECT_EQ(E_INVALIDARG, project->FindByID(id, &found));
    EXPECT_EQ(E_INVALIDARG, project->RemoveTitle(id, nullptr));
}

TEST_F(ProjectDataTest, ARemovedMenuIsDetachedAndItsElementsLeaveTheProject)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    LONG buttonId = IdOf(button);
    CComPtr<IDSMenu> removed;
    ASSERT_EQ(S_OK, project->RemoveMenu(IdOf(menu), &removed));
    EXPECT_TRUE(removed.IsEqualObject(menu));
    CComPtr<IDSProjectData> owner;
    EXPECT_EQ(S_FALSE, removed->GetProject(&owner));
    CComPtr<IUnknown> found;
    EXPECT_EQ(E_INVALIDARG, project->FindByID(buttonId, &found));
    EXPECT_EQ(1, Count(removed));
}

TEST_F(ProjectDataTest, IDsOfRemovedObjectsAreNotGivenAgain)
{
    auto project = NewProject();
    LONG first = IdOf(AddTitle(project));
    project->RemoveTitle(first, nullptr);
    EXPECT_GT(IdOf(AddTitle(project)), first);
}

TEST_F(ProjectDataTest, AChangeDeepInAMenuMarksTheProjectModified)
{
    auto project = NewProject();
    auto text = AddText(AddButton(AddMenu(project)));
    ASSERT_EQ(S_OK, project->ResetModified());
    VARIANT_BOOL modified = VARIANT_TRUE;
    project->get_Modified(&modified);
    EXPECT_EQ(VARIANT_FALSE, modified);
    text->SetPosition(0.5f, 0.5f);
    project->get_Modified(&modified);
    EXPECT_EQ(VARIANT_TRUE, modified);
}

TEST_F(ProjectDataTest, ClearMakesTheProjectNewAndReleasesEverything)
{
    auto project = NewProject();
    int before = FakeProduction::Shared().alive;
    AddTitle(project);
    AddButton(AddMenu(project));
    project->put_DiscFormat(DiscFormat_BluRay);
    ASSERT_EQ(S_OK, project->Clear());
    EXPECT_EQ(before, FakeProduction::Shared().alive);
    LONG count = -1;
    project->get_MenuCount(&count);
    EXPECT_EQ(0, count);
    DiscFormat format = DiscFormat_AVCHD;
    project->get_DiscFormat(&format);
    EXPECT_EQ(DiscFormat_None, format);
    EXPECT_EQ(1, IdOf(AddTitle(project)));
}

TEST_F(ProjectDataTest, UndoStoryboardPutsTheRecordedStateBack)
{
    auto project = NewProject();
    auto title = AddTitle(project);
    CComPtr<IUnknown> production;
    title->GetProduction(&production);
    FakeOf(production)->content = L"before";
    ASSERT_EQ(S_OK, project->BeginStoryboardUndo(production, static_cast<DWORD>(IdOf(title))));
    FakeOf(production)->content = L"after";
    ASSERT_EQ(S_OK, project->UndoStoryboard());
    EXPECT_EQ(L"before", FakeOf(production)->content);
    EXPECT_EQ(S_FALSE, project->UndoStoryboard());
}

TEST_F(ProjectDataTest, UndoStepsNeedAnOwnerOfTheProjectAndAreBounded)
{
    auto project = NewProject();
    auto title = AddTitle(project);
    CComPtr<IUnknown> production;
    title->GetProduction(&production);
    EXPECT_EQ(E_INVALIDARG, project->BeginStoryboardUndo(production, 999));
    for (int i = 0; i < 40; ++i)
        project->BeginStoryboardUndo(production, static_cast<DWORD>(IdOf(title)));
    LONG steps = 0;
    project->get_StoryboardUndoCount(&steps);
    EXPECT_EQ(32, steps);
    project->RemoveTitle(IdOf(title), nullptr);
    project->get_StoryboardUndoCount(&steps);
    EXPECT_EQ(0, steps);
}

TEST_F(ProjectDataTest, ProjectSizeCountsDataFilesAndUserTitlesAtTheirBitrates)
{
    auto root = std::filesystem::temp_directory_path() / "objectmodel-size";
    std::filesystem::create_directories(root);
    auto data = root / "data.bin";
    std::ofstream(data, std::ios::binary) << std::string(1000, 'x');
    auto project = NewProject();
    project->AddDataFile(CComBSTR(Utf8ToWide(data.string())), nullptr);
    auto title = AddTitle(project);
    ProductionOf(title)->duration = 8.0;
    CComQIPtr<IDSEncodingParams> encoding(title);
    encoding->put_VideoBitrate(900000);
    encoding->put_AudioBitrate(100000);
    auto background = AddTitle(project);
    background->put_Tag(TitleType_Private);
    ProductionOf(background)->duration = 100.0;
    LONGLONG bytes = 0;
    ASSERT_EQ(S_OK, project->get_ProjectSize(&bytes));
    EXPECT_EQ(1000 + 8 * 1000000 / 8, bytes);
    std::filesystem::remove_all(root);
}

TEST_F(ProjectDataTest, AProductionClassThatCannotDrawAMenuIsRefused)
{
    class TitleOnlyProduction : public ComObject<TitleOnlyProduction, IKVEProductionXml>
    {
    public:
        HRESULT SaveToXml(IXMLDOMNode*) override { return S_OK; }
        HRESULT LoadFromXml(IXMLDOMNode*) override { return S_OK; }
    };
    ScopedClassRegistration titlesOnly(CLSID_KVEProduction, CreatorOf<TitleOnlyProduction>());
    auto project = NewProject();
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(E_NOINTERFACE, project->AddMenu(-1, &menu));
    CComPtr<IDSTitle> title;
    EXPECT_EQ(S_OK, project->AddTitle(-1, &title));
}
