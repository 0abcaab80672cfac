// Menus: duplicating through XML, subpicture colours, and the background production.
#include "ObjectModelTest.h"

#include <algorithm>
#include <cmath>

using MenuTest = ObjectModelTest;

namespace {

CComPtr<IXMLDOMElement> SaveMenu(IDSMenu* menu, VARIANT_BOOL native)
{
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    CComPtr<IXMLDOMElement> root;
    document->createElement(CComBSTR(L"Root"), &root);
    document->appendChild(root, nullptr);
    EXPECT_EQ(S_OK, menu->SaveXML(root, native));
    return root;
}

} // namespace

TEST_F(MenuTest, LoadingASavedMenuAsACopyMakesADuplicateWithItsOwnIDs)
{
    auto project = NewProject();
    auto source = AddMenu(project);
    source->put_Background(CComBSTR(L"%CONTENT%/bg.png"));
    source->put_Duration(12.5);
    auto button = AddButton(source);
    AddText(button)->put_Label(CComBSTR(L"Play"));
    SetTwoCommands(source, MakeNode(L"Dissolve"));
    auto root = SaveMenu(source, VARIANT_FALSE);

    auto target = AddMenu(project);
    AddOverlay(target);
    ASSERT_EQ(S_OK, target->loadXML(root, VARIANT_TRUE));
    CComBSTR background;
    target->get_Background(&background);
    EXPECT_EQ(L"%CONTENT%/bg.png", background.Str());
    double duration = 0.0;
    target->get_Duration(&duration);
    EXPECT_EQ(12.5, duration);
    EXPECT_EQ(CommandsOf(source), CommandsOf(target));
    ASSERT_EQ(1, Count(target));
    auto copied = Item(target, 1);
    EXPECT_NE(IdOf(button), IdOf(copied));
    EXPECT_EQ(L"Play", LabelOf(Item(copied, 1)));
    EXPECT_NE(IdOf(source), IdOf(target));
    EXPECT_EQ(2, ItemCount(target));
    EXPECT_EQ(2, ItemCount(source));
}

TEST_F(MenuTest, LoadXMLRefusesANodeWithoutAMenuAndKeepsTheMenu)
{
    auto menu = AddMenu(NewProject());
    AddText(menu);
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    CComPtr<IXMLDOMElement> root;
    document->createElement(CComBSTR(L"Root"), &root);
    EXPECT_EQ(E_INVALIDARG, menu->loadXML(root, VARIANT_TRUE));
    EXPECT_EQ(1, Count(menu));
}

TEST_F(MenuTest, ANativeSaveWritesTitleSourcesAsTheFilesTheyShow)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto thumbnail = AddOverlay(AddButton(menu));
    thumbnail->SetSourceType(OverlaySource_ButtonLink, 0);
    thumbnail->put_Source(CComBSTR(L"/cache/still.png"));
    thumbnail->put_PrivateId(9);
    auto copy = AddMenu(project);
    ASSERT_EQ(S_OK, copy->loadXML(SaveMenu(menu, VARIANT_TRUE), VARIANT_TRUE));
    CComQIPtr<IDSMenuOverlay> loaded(Item(Item(copy, 1), 1));
    LONG type = -1;
    LONG id = -1;
    loaded->GetSourceType(&type, &id);
    EXPECT_EQ(OverlaySource_File, type);
    CComBSTR source;
    loaded->get_Source(&source);
    EXPECT_EQ(L"/cache/still.png", source.Str());
    LONG privateId = -1;
    loaded->get_PrivateId(&privateId);
    EXPECT_EQ(0, privateId);
}

TEST_F(MenuTest, SubpictureColoursKeepNormalAndNumberedSchemesApart)
{
    auto menu = AddMenu(NewProject());
    const BYTE normal[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const BYTE selected[8] = {15, 15, 0, 0, 1, 1, 2, 2};
    const BYTE activated[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(S_OK, menu->SetSubpictureColours(SPU_Normal, normal, nullptr));
    ASSERT_EQ(S_OK, menu->SetSubpictureColours(SPU_Scheme1, selected, activated));
    BYTE read[8] = {};
    BYTE readActivated[8] = {};
    ASSERT_EQ(S_OK, menu->GetSubpictureColours(SPU_Normal, read, readActivated));
    EXPECT_TRUE(std::equal(normal, normal + 8, read));
    EXPECT_EQ(0, readActivated[0]) << "the normal scheme writes one set";
    ASSERT_EQ(S_OK, menu->GetSubpictureColours(SPU_Scheme1, read, readActivated));
    EXPECT_TRUE(std::equal(selected, selected + 8, read));
    EXPECT_TRUE(std::equal(activated, activated + 8, readActivated));
    const BYTE tooBright[8] = {16, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(E_INVALIDARG, menu->SetSubpictureColours(SPU_Scheme0, tooBright, nullptr));
    EXPECT_EQ(E_INVALIDARG, menu->SetSubpictureColours(3, normal, normal));
    EXPECT_EQ(E_INVALIDARG, menu->GetSubpictureColours(-2, read, nullptr));
}

TEST_F(MenuTest, TheBackgroundProductionIsThatOfTheBackgroundTitle)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_FALSE, menu->GetBackgroundProduction(&production));
    auto background = AddTitle(project);
    menu->put_BkgndID(IdOf(background));
    ASSERT_EQ(S_OK, menu->GetBackgroundProduction(&production));
    CComPtr<IUnknown> expected;
    background->GetProduction(&expected);
    EXPECT_TRUE(production.IsEqualObject(expected));
}

TEST_F(MenuTest, DurationRefusesNegativeAndNotANumberValues)
{
    auto menu = AddMenu(NewProject());
    EXPECT_EQ(E_INVALIDARG, menu->put_Duration(-1.0));
    EXPECT_EQ(E_INVALIDARG, menu->put_Duration(std::nan("")));
    EXPECT_EQ(S_OK, menu->put_Duration(0.0));
}

TEST_F(MenuTest, ADuplicateSharesNoPrivateTitlesWithItsOriginal)
{
    auto project = NewProject();
    auto source = AddMenu(project);
    auto background = AddTitle(project);
    background->put_Tag(TitleType_Private);
    source->put_BkgndID(IdOf(background));
    auto montage = AddOverlay(source);
    montage->put_PrivateId(IdOf(AddTitle(project)));
    auto duplicate = AddMenu(project);
    ASSERT_EQ(S_OK, duplicate->loadXML(SaveMenu(source, VARIANT_FALSE), VARIANT_TRUE));
    LONG id = -1;
    duplicate->get_BkgndID(&id);
    EXPECT_EQ(0, id);
    CComQIPtr<IDSMenuOverlay>(Item(duplicate, 1))->get_PrivateId(&id);
    EXPECT_EQ(0, id);
    montage->get_PrivateId(&id);
    EXPECT_NE(0, id) << "the original keeps its own";
}
