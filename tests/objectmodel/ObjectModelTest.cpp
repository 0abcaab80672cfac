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
