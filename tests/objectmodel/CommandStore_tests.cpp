// Command lists: what GetCommands hands out belongs to the caller, what SetCommands takes is
// copied, and nothing is leaked or released twice.
#include "ObjectModelTest.h"

#include "platform/TaskMemory.h"

using CommandListTest = ObjectModelTest;

TEST_F(CommandListTest, GetCommandsHandsOutAnArrayAndANodeReferenceTheCallerFrees)
{
    auto title = AddTitle(NewProject());
    SetTwoCommands(title, MakeNode(L"Dissolve"));
    CComQIPtr<IDSCommandList> list(title);
    LONG count = 0;
    DiscCommandParams* commands = nullptr;
    ASSERT_EQ(S_OK, list->GetCommands(&count, &commands));
    ASSERT_EQ(2, count);
    EXPECT_EQ(DiscCommand_PlayTitle, commands[0].command);
    EXPECT_EQ(10, commands[0].param1);
    EXPECT_EQ(2, commands[0].param2);
    EXPECT_EQ(nullptr, commands[0].node);
    CComPtr<IXMLDOMNode> node;
    node.Attach(commands[1].node);
    CoTaskMemFree(commands);
    CComPtr<IXMLDOMNode> child;
    EXPECT_EQ(S_OK, node->get_firstChild(&child)) << "the node is whole after the array is gone";
}

TEST_F(CommandListTest, SetCommandsCopiesSoLaterChangesOfTheCallersNodeDoNotReachTheList)
{
    auto title = AddTitle(NewProject());
    auto node = MakeNode(L"Dissolve");
    SetTwoCommands(title, node);
    node->setAttribute(CComBSTR(L"Name"), CComVariant(L"Wipe"));
    EXPECT_NE(std::wstring::npos, CommandsOf(title)[1].node.find(L"Dissolve"));
}

TEST_F(CommandListTest, SetCommandsRefusesBadArgumentsAndKeepsTheList)
{
    auto title = AddTitle(NewProject());
    SetTwoCommands(title, nullptr);
    CComQIPtr<IDSCommandList> list(title);
    EXPECT_EQ(E_INVALIDARG, list->SetCommands(-1, nullptr));
    EXPECT_EQ(E_POINTER, list->SetCommands(1, nullptr));
    CComPtr<IXMLDOMDocument> document;
    CreateXMLDocument(&document);
    CComPtr<IXMLDOMNode> text;
    document->createTextNode(CComBSTR(L"loose text"), &text);
    DiscCommandParams command = {DiscCommand_Transition, 0, 0, text};
    EXPECT_EQ(E_INVALIDARG, list->SetCommands(1, &command));
    EXPECT_EQ(2u, CommandsOf(title).size());
}

TEST_F(CommandListTest, AnEmptyListHandsOutNoArray)
{
    auto menu = AddMenu(NewProject());
    CComQIPtr<IDSCommandList> list(menu);
    ASSERT_EQ(S_OK, list->SetCommands(0, nullptr));
    LONG count = -1;
    DiscCommandParams* commands = reinterpret_cast<DiscCommandParams*>(&count);
    ASSERT_EQ(S_OK, list->GetCommands(&count, &commands));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, commands);
}

TEST_F(CommandListTest, ProjectsTitlesMenusAndButtonsEachCarryTheirOwnList)
{
    auto project = NewProject();
    auto title = AddTitle(project);
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    SetTwoCommands(button, nullptr);
    for (IUnknown* owner : {static_cast<IUnknown*>(project.p), static_cast<IUnknown*>(title.p),
                            static_cast<IUnknown*>(menu.p)})
        EXPECT_TRUE(CommandsOf(owner).empty());
    LONG count = 0;
    button->get_CommandCount(&count);
    EXPECT_EQ(2, count);
}
