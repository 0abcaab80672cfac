#include "ObjectModelTest.h"

#include "platform/TaskMemory.h"

void ObjectModelTest::SetUp()
{
    ASSERT_EQ(S_OK, RegisterObjectModelClasses());
    KVUClearErrorStack();
}

void ObjectModelTest::TearDown()
{
    RevokeObjectModelClasses();
}

CComPtr<IDSProjectData> ObjectModelTest::NewProject()
{
    CComPtr<IDSProjectData> project;
    EXPECT_EQ(S_OK, project.CoCreateInstance(CLSID_CDSProjectData));
    return project;
}

CComPtr<IDSMenu> ObjectModelTest::AddMenu(IDSProjectData* project)
{
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(S_OK, project->AddMenu(-1, &menu));
    return menu;
}

CComPtr<IDSTitle> ObjectModelTest::AddTitle(IDSProjectData* project)
{
    CComPtr<IDSTitle> title;
    EXPECT_EQ(S_OK, project->AddTitle(-1, &title));
    return title;
}

template <class I> static CComPtr<I> AddElementOf(IUnknown* parent)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    CComPtr<I> element;
    EXPECT_TRUE(list);
    if (list) {
        EXPECT_EQ(S_OK, list->AddElement(&uuidof<I>(), reinterpret_cast<void**>(&element)));
    }
    return element;
}

CComPtr<IDSMenuButton> ObjectModelTest::AddButton(IUnknown* parent)
{
    return AddElementOf<IDSMenuButton>(parent);
}

CComPtr<IDSMenuText> ObjectModelTest::AddText(IUnknown* parent)
{
    return AddElementOf<IDSMenuText>(parent);
}

CComPtr<IDSMenuOverlay> ObjectModelTest::AddOverlay(IUnknown* parent)
{
    return AddElementOf<IDSMenuOverlay>(parent);
}

CComPtr<IDSMenuElement> ObjectModelTest::Item(IUnknown* parent, LONG index)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    CComPtr<IDSMenuElement> element;
    EXPECT_EQ(S_OK, list->get_Item(index, &element));
    return element;
}

LONG ObjectModelTest::Count(IUnknown* parent)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    LONG count = -1;
    EXPECT_EQ(S_OK, list->get_Count(&count));
    return count;
}

LONG ObjectModelTest::IdOf(IUnknown* object)
{
    LONG id = -1;
    if (CComQIPtr<IDSMenuElement> element(object); element)
        element->get_ID(&id);
    else if (CComQIPtr<IDSMenu> menu(object); menu)
        menu->get_ID(&id);
    else if (CComQIPtr<IDSTitle> title(object); title)
        title->get_ID(&id);
    return id;
}

std::wstring ObjectModelTest::LabelOf(IDSMenuElement* element)
{
    CComBSTR label;
    EXPECT_EQ(S_OK, element->get_Label(&label));
    return label.Str();
}

FakeProduction* ObjectModelTest::ProductionOf(IDSMenu* menu)
{
    CComPtr<IUnknown> production;
    menu->GetProduction(&production);
    return FakeOf(production);
}

FakeProduction* ObjectModelTest::ProductionOf(IDSTitle* title)
{
    CComPtr<IUnknown> production;
    title->GetProduction(&production);
    return FakeOf(production);
}

LONG ObjectModelTest::ItemCount(IDSMenu* menu)
{
    return static_cast<LONG>(ProductionOf(menu)->items.size());
}

CComPtr<IXMLDOMElement> ObjectModelTest::MakeNode(const std::wstring& name)
{
    CComPtr<IXMLDOMDocument> document;
    EXPECT_EQ(S_OK, CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    std::wstring xml = L"<Transition Name=\"" + name + L"\"><effect_id>7</effect_id></Transition>";
    EXPECT_EQ(S_OK, document->loadXML(CComBSTR(xml), &loaded));
    CComPtr<IXMLDOMElement> root;
    document->get_documentElement(&root);
    return root;
}

std::wstring ObjectModelTest::XmlOf(IXMLDOMNode* node)
{
    CComBSTR xml;
    if (node)
        node->get_xml(&xml);
    return xml.Str();
}

void ObjectModelTest::SetTwoCommands(IUnknown* owner, IXMLDOMNode* node)
{
    CComQIPtr<IDSCommandList> list(owner);
    DiscCommandParams commands[2] = {{DiscCommand_PlayTitle, 10, 2, nullptr},
                                     {DiscCommand_Transition, 0, 0, node}};
    EXPECT_EQ(S_OK, list->SetCommands(2, commands));
}

std::vector<ObjectModelTest::CommandText> ObjectModelTest::CommandsOf(IUnknown* owner)
{
    CComQIPtr<IDSCommandList> list(owner);
    LONG count = 0;
    DiscCommandParams* commands = nullptr;
    EXPECT_EQ(S_OK, list->GetCommands(&count, &commands));
    std::vector<CommandText> texts;
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IXMLDOMNode> node;
        node.Attach(commands[i].node);
        texts.push_back({commands[i].command, commands[i].param1, commands[i].param2, XmlOf(node)});
    }
    CoTaskMemFree(commands);
    return texts;
}
