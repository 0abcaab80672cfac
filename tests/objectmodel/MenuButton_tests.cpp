// Buttons: detached copies, applying one button's look to another, labels, regions, and
// loading a button from XML.
#include "ObjectModelTest.h"

#include "platform/TaskMemory.h"

using MenuButtonTest = ObjectModelTest;

namespace {

void SetLabel(IDSMenuElement* element, const wchar_t* label)
{
    ASSERT_EQ(S_OK, element->put_Label(CComBSTR(label)));
}

} // namespace

TEST_F(MenuButtonTest, ACopyIsDetachedAndChangingItChangesNothingOfTheOriginal)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    auto text = AddText(button);
    SetLabel(text, L"original");
    SetTwoCommands(button, MakeNode(L"Dissolve"));

    CComPtr<IDSMenuElement> copy;
    ASSERT_EQ(S_OK, button->Copy(&copy));
    EXPECT_EQ(0, IdOf(copy));
    CComPtr<IDSMenuElementList> parent;
    EXPECT_EQ(S_FALSE, copy->GetParentList(&parent));
    EXPECT_EQ(CommandsOf(button), CommandsOf(copy));

    SetLabel(Item(copy, 1), L"changed");
    Item(copy, 1)->SetPosition(0.7f, 0.7f);
    SetTwoCommands(copy, MakeNode(L"Wipe"));
    EXPECT_EQ(L"original", LabelOf(text));
    float x = 1.0f;
    float y = 1.0f;
    text->GetPosition(&x, &y);
    EXPECT_EQ(0.0f, x);
    EXPECT_EQ(std::wstring(L"<Transition Name=\"Dissolve\"><effect_id>7</effect_id></Transition>"),
              CommandsOf(button)[1].node);
    EXPECT_EQ(2, ItemCount(menu)) << "a copy makes no production items";
}

TEST_F(MenuButtonTest, CommandNodesOfACopyAreNotSharedWithTheOriginal)
{
    auto button = AddButton(AddMenu(NewProject()));
    SetTwoCommands(button, MakeNode(L"Dissolve"));
    CComPtr<IDSMenuElement> copy;
    ASSERT_EQ(S_OK, button->Copy(&copy));
    CComQIPtr<IDSCommandList> copyList(copy);
    LONG count = 0;
    DiscCommandParams* commands = nullptr;
    ASSERT_EQ(S_OK, copyList->GetCommands(&count, &commands));
    CComPtr<IXMLDOMNode> node;
    node.Attach(commands[1].node);
    CoTaskMemFree(commands);
    CComQIPtr<IXMLDOMElement>(node)->setAttribute(CComBSTR(L"Name"), CComVariant(L"Changed"));
    EXPECT_EQ(CommandsOf(button), CommandsOf(copy));
    EXPECT_NE(std::wstring::npos, CommandsOf(button)[1].node.find(L"Dissolve"));
}

TEST_F(MenuButtonTest, ApplyToGivesTheLookAndKeepsWhatBelongsToTheDestination)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto style = AddButton(menu);
    style->put_Tag(ButtonType_Command);
    style->SetSize(0.3f, 0.2f);
    style->put_ColourScheme(2);
    AddOverlay(style)->put_Tag(OverlayType_Thumbnail);
    AddText(style);

    auto target = AddButton(menu);
    target->SetPosition(0.4f, -0.4f);
    SetLabel(target, L"My movie");
    target->put_ChapterMarkerID(17);
    SetTwoCommands(target, nullptr);
    AddText(target);
    LONG targetId = IdOf(target);
    auto commands = CommandsOf(target);

    ASSERT_EQ(S_OK, style->ApplyTo(target));
    ULONG tag = 0;
    target->get_Tag(&tag);
    EXPECT_EQ(ButtonType_Command, tag);
    LONG scheme = 0;
    target->get_ColourScheme(&scheme);
    EXPECT_EQ(2, scheme);
    float x = 0.0f;
    float y = 0.0f;
    target->GetPosition(&x, &y);
    EXPECT_FLOAT_EQ(0.4f, x);
    EXPECT_EQ(L"My movie", LabelOf(target));
    LONG marker = 0;
    target->get_ChapterMarkerID(&marker);
    EXPECT_EQ(17, marker);
    EXPECT_EQ(targetId, IdOf(target));
    EXPECT_EQ(commands, CommandsOf(target));
    ASSERT_EQ(2, Count(target));
    EXPECT_NE(IdOf(Item(style, 1)), IdOf(Item(target, 1)));
    EXPECT_FALSE(Item(style, 1).IsEqualObject(Item(target, 1)));
    EXPECT_EQ(6, ItemCount(menu)) << "the replaced text left, two copies came";
}

TEST_F(MenuButtonTest, GetLabelFindsTheFirstTextTaggedAsLabel)
{
    auto button = AddButton(AddMenu(NewProject()));
    CComPtr<IDSMenuText> label;
    EXPECT_EQ(S_FALSE, button->GetLabel(&label));
    AddText(button);
    auto tagged = AddText(button);
    tagged->put_Tag(TextType_Label);
    ASSERT_EQ(S_OK, button->GetLabel(&label));
    EXPECT_TRUE(label.IsEqualObject(tagged));
}

TEST_F(MenuButtonTest, TheActiveRegionMovesWithTheButton)
{
    auto button = AddButton(AddMenu(NewProject()));
    FloatRect region = {-0.2f, 0.2f, 0.2f, -0.2f};
    VARIANT_BOOL valid = VARIANT_TRUE;
    FloatRect read = {};
    ASSERT_EQ(S_OK, button->get_ActiveRegion(&read, &valid));
    EXPECT_EQ(VARIANT_FALSE, valid);
    ASSERT_EQ(S_OK, button->put_ActiveRegion(&region, VARIANT_TRUE));
    button->SetPosition(0.5f, 0.0f);
    ASSERT_EQ(S_OK, button->get_ActiveRegion(&read, &valid));
    EXPECT_EQ(VARIANT_TRUE, valid);
    EXPECT_FLOAT_EQ(0.3f, read.left);
    EXPECT_FLOAT_EQ(0.7f, read.right);
    EXPECT_EQ(E_POINTER, button->put_ActiveRegion(nullptr, VARIANT_TRUE));
}

TEST_F(MenuButtonTest, TheHighlightRegionCoversTheHighlightedElementsOnly)
{
    auto button = AddButton(AddMenu(NewProject()));
    auto plain = AddText(button);
    FloatRect region = {};
    EXPECT_EQ(S_FALSE, button->GetHighlightRegion(&region));
    auto marked = AddOverlay(button);
    marked->SetPosition(0.5f, 0.5f);
    marked->SetSize(0.2f, 0.2f);
    marked->put_Highlight(OverlayHLI_Region);
    ASSERT_EQ(S_OK, button->GetHighlightRegion(&region));
    EXPECT_FLOAT_EQ(0.4f, region.left);
    EXPECT_FLOAT_EQ(0.6f, region.top);
}

TEST_F(MenuButtonTest, LoadXMLTakesTheSavedButtonAndKeepsIDAndPlace)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto source = AddButton(menu);
    source->put_Name(CComBSTR(L"Round"));
    source->put_Tag(ButtonType_Command | ButtonType_ChapterRange);
    AddText(AddButton(source));
    SetTwoCommands(source, MakeNode(L"Dissolve"));
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    ASSERT_EQ(S_OK, source->SaveXML(document));
    CComPtr<IXMLDOMElement> saved;
    document->get_documentElement(&saved);

    auto target = AddButton(menu);
    target->SetPosition(-0.5f, 0.5f);
    LONG id = IdOf(target);
    ASSERT_EQ(S_OK, target->loadXML(saved));
    CComBSTR name;
    target->get_Name(&name);
    EXPECT_EQ(L"Round", name.Str());
    EXPECT_EQ(id, IdOf(target));
    float x = 0.0f;
    float y = 0.0f;
    target->GetPosition(&x, &y);
    EXPECT_FLOAT_EQ(-0.5f, x);
    EXPECT_EQ(CommandsOf(source), CommandsOf(target));
    ASSERT_EQ(1, Count(target));
    EXPECT_EQ(1, Count(Item(target, 1)));
    EXPECT_NE(IdOf(Item(source, 1)), IdOf(Item(target, 1)));
}

TEST_F(MenuButtonTest, LoadXMLRefusesAMalformedButtonAndKeepsTheOldOne)
{
    auto button = AddButton(AddMenu(NewProject()));
    AddText(button);
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->loadXML(CComBSTR(L"<Button tag=\"many\"><Elements><Text/></Elements></Button>"),
                      &loaded);
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    KVUClearErrorStack();
    EXPECT_EQ(E_INVALIDARG, button->loadXML(root));
    EXPECT_EQ(1, Count(button));
    EXPECT_FALSE(KVUGetErrorStack().empty());
}
