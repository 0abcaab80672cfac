#include "dsutils/DSCmdList.h"

#include "FakeCommandList.h"
#include "FakeXmlNode.h"

#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/TaskMemory.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Entry = std::tuple<DiscCommand, LONG, LONG>;

std::vector<Entry> EntriesOf(CCommandList& list)
{
    std::vector<Entry> entries;
    for (int i = 0; i < list.size(); ++i)
        entries.emplace_back(list[i].command, list[i].param1, list[i].param2);
    return entries;
}

// A list {PlayTitle 7, JumpMenu 9}.
CCommandList TitleThenMenu()
{
    CCommandList list;
    list.InsertCmd(0, DiscCommand_PlayTitle, 7, 1);
    list.InsertCmd(1, DiscCommand_JumpMenu, 9, 0);
    return list;
}

TEST(CommandListEntries, IndexAtTheEndAppendsAJumpMenuEntry)
{
    CCommandList list;
    DiscCommandParams& entry = list[0];
    EXPECT_EQ(list.size(), 1);
    EXPECT_EQ(entry.command, DiscCommand_JumpMenu);
    EXPECT_EQ(entry.param1, 0);
    EXPECT_EQ(entry.param2, 0);
    EXPECT_EQ(entry.node, nullptr);
    list[1].param1 = 5;
    EXPECT_EQ(EntriesOf(list),
              (std::vector<Entry>{{DiscCommand_JumpMenu, 0, 0}, {DiscCommand_JumpMenu, 5, 0}}));
}

TEST(CommandListEntries, IndexOutsideTheListWritesToNoList)
{
    CCommandList list = TitleThenMenu();
    CCommandList other;
    list[5].param1 = 99;
    list[-1].command = DiscCommand_PlayAll;
    other[3].param2 = 4;
    EXPECT_EQ(EntriesOf(list),
              (std::vector<Entry>{{DiscCommand_PlayTitle, 7, 1}, {DiscCommand_JumpMenu, 9, 0}}));
    EXPECT_EQ(other.size(), 0);
    // The scratch entry is blank again for the next caller.
    DiscCommandParams& scratch = other[7];
    EXPECT_EQ(scratch.command, DiscCommand_None);
    EXPECT_EQ(scratch.param1, 0);
    EXPECT_EQ(scratch.param2, 0);
}

TEST(CommandListEntries, SetCmdOutsideTheListIsRefused)
{
    CCommandList list = TitleThenMenu();
    EXPECT_EQ(list.SetCmd(2, DiscCommand_PlayAll, 0, 0), E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    EXPECT_TRUE(StackHolds(L"E_COMMANDLIST_INDEX_OUT_OF_RANGE"));
    EXPECT_EQ(list.SetCmd(-1, DiscCommand_PlayAll, 0, 0), E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    EXPECT_EQ(list.InsertCmd(3, DiscCommand_PlayAll, 0, 0), E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    EXPECT_EQ(list.InsertCmd(-1, DiscCommand_PlayAll, 0, 0), E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    EXPECT_EQ(list.Remove(2), E_INVALIDARG);
    EXPECT_EQ(list.Erase(3), E_INVALIDARG);
    EXPECT_EQ(list.size(), 2);
}

TEST(CommandListEntries, RemoveMovesLaterEntriesDown)
{
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.InsertCmd(2, DiscCommand_PlayAll, 0, 0), S_OK);
    ASSERT_EQ(list.Remove(1), S_OK);
    EXPECT_EQ(EntriesOf(list),
              (std::vector<Entry>{{DiscCommand_PlayTitle, 7, 1}, {DiscCommand_PlayAll, 0, 0}}));
}

TEST(CommandListNodes, SetCmdStoresACloneAndTheCallerKeepsItsNode)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"dissolve");
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.SetCmd(0, DiscCommand_Transition, 0, 0, node), S_OK);
    EXPECT_EQ(node->References(), 0u);
    ASSERT_NE(list[0].node, nullptr);
    EXPECT_NE(list[0].node, static_cast<IXMLDOMNode*>(node.p));
    node->text = L"changed";
    EXPECT_EQ(TextOf(list[0].node), L"dissolve");
}

TEST(CommandListNodes, SetCmdReleasesTheOldNode)
{
    CComPtr<FakeXmlNode> held = MakeNode(L"old");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 1, 1), S_OK);
    list[0].node = NewReference(held); // the list owns this reference from now on
    ASSERT_EQ(held->References(), 1u);
    ASSERT_EQ(list.SetCmd(0, DiscCommand_PlayTitle, 2, 1), S_OK);
    EXPECT_EQ(held->References(), 0u);
    EXPECT_EQ(list[0].node, nullptr);
}

TEST(CommandListNodes, FailedCloneLeavesTheEntryWithoutANode)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"clip");
    node->failClone = true;
    CCommandList list = TitleThenMenu();
    EXPECT_EQ(list.SetCmd(1, DiscCommand_TransitionClip, 0, 0, node), E_OUTOFMEMORY);
    EXPECT_EQ(list[1].command, DiscCommand_TransitionClip);
    EXPECT_EQ(list[1].node, nullptr);
}

TEST(CommandListNodes, InsertBeforeAnEntryKeepsItsNodeAlive)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"first");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_Transition, 0, 0, node), S_OK);
    CComPtr<IXMLDOMNode> stored(list[0].node);
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 3, 1), S_OK);
    EXPECT_EQ(list[0].node, nullptr);
    EXPECT_EQ(list[1].node, stored.p);
    EXPECT_EQ(TextOf(list[1].node), L"first");
    // Held by the list and by this test.
    EXPECT_EQ(stored->AddRef(), 3u);
    stored->Release();
}

TEST(CommandListNodes, RemoveAndEraseReleaseTheNodesTheyDrop)
{
    std::vector<CComPtr<FakeXmlNode>> nodes = {MakeNode(L"a"), MakeNode(L"b"), MakeNode(L"c")};
    CCommandList list;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(list.InsertCmd(i, DiscCommand_PlayTitle, i, 1), S_OK);
        list[i].node = NewReference(nodes[i]);
    }
    ASSERT_EQ(list.Remove(0), S_OK);
    EXPECT_EQ(nodes[0]->References(), 0u);
    EXPECT_EQ(nodes[1]->References(), 1u);
    ASSERT_EQ(list.Erase(1), S_OK);
    EXPECT_EQ(nodes[1]->References(), 1u);
    EXPECT_EQ(nodes[2]->References(), 0u);
    ASSERT_EQ(list.Erase(0), S_OK);
    EXPECT_EQ(nodes[1]->References(), 0u);
    EXPECT_EQ(list.size(), 0);
}

TEST(CommandListNodes, DetachHandsTheArrayAndItsNodesToTheCaller)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"kept");
    DiscCommandParams* entries = nullptr;
    LONG count = 0;
    {
        CCommandList list;
        ASSERT_EQ(list.InsertCmd(0, DiscCommand_Transition, 0, 0, node), S_OK);
        EXPECT_EQ(list.Detach(nullptr), 0);
        count = list.Detach(&entries);
        EXPECT_EQ(list.size(), 0);
    }
    ASSERT_EQ(count, 1);
    EXPECT_EQ(TextOf(entries[0].node), L"kept");
    // The caller owns them now: attaching them to another list hands them over again.
    CCommandList adopter(count, entries);
    EXPECT_EQ(TextOf(adopter[0].node), L"kept");
}

TEST(CommandListNodes, AttachReleasesTheEntriesHeldBefore)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"old");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 1, 1), S_OK);
    list[0].node = NewReference(node);
    auto* fresh = static_cast<DiscCommandParams*>(CoTaskMemAlloc(sizeof(DiscCommandParams)));
    fresh[0] = {DiscCommand_PlayAll, 0, 0, nullptr};
    list.Attach(1, fresh);
    EXPECT_EQ(node->References(), 0u);
    EXPECT_EQ(EntriesOf(list), (std::vector<Entry>{{DiscCommand_PlayAll, 0, 0}}));
}

TEST(CommandListCopies, CopyOwnsAnArrayAndNodesOfItsOwn)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"shared?");
    CCommandList original = TitleThenMenu();
    ASSERT_EQ(original.SetTransition(node), S_OK);
    CCommandList copy(original);
    ASSERT_EQ(copy.size(), 3);
    EXPECT_NE(copy[0].node, original[0].node);
    EXPECT_EQ(TextOf(copy[0].node), L"shared?");
    copy[1].param1 = 42;
    ASSERT_EQ(original.Erase(0), S_OK);
    EXPECT_EQ(copy[1].param1, 42);
    EXPECT_EQ(TextOf(copy[0].node), L"shared?");

    CCommandList assigned;
    assigned = copy;
    assigned = assigned;
    EXPECT_EQ(EntriesOf(assigned), EntriesOf(copy));
    EXPECT_NE(assigned[0].node, copy[0].node);
}

TEST(CommandListCopies, NodeThatCannotBeClonedIsSharedWithAReferenceEach)
{
    CComPtr<FakeXmlNode> node = MakeNode(L"stubborn");
    CCommandList original;
    ASSERT_EQ(original.InsertCmd(0, DiscCommand_Transition, 0, 0), S_OK);
    original[0].node = NewReference(node);
    node->failClone = true;
    {
        CCommandList copy(original);
        EXPECT_EQ(copy[0].node, static_cast<IXMLDOMNode*>(node.p));
        EXPECT_EQ(node->References(), 2u);
    }
    EXPECT_EQ(node->References(), 1u);
}

TEST(CommandListCopies, MoveLeavesTheSourceEmpty)
{
    CCommandList source = TitleThenMenu();
    CCommandList moved(std::move(source));
    EXPECT_EQ(source.size(), 0);
    EXPECT_EQ(moved.size(), 2);
    CCommandList target = TitleThenMenu();
    target = std::move(moved);
    EXPECT_EQ(moved.size(), 0);
    EXPECT_EQ(target.size(), 2);
}

TEST(CommandListLoading, InitLoadsTheObjectsCommandsAndCommitWritesThemBack)
{
    CComPtr<FakeCommandList> store = FakeCommandList::Create();
    store->stored.push_back({DiscCommand_PlayTitle, 4, 2, MakeNode(L"n").p});
    CCommandList list(static_cast<IUnknown*>(store.p));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(TextOf(list[0].node), L"n");
    list[0].param2 = 3;
    ASSERT_EQ(list.Commit(), S_OK);
    ASSERT_EQ(store->stored.size(), 1u);
    EXPECT_EQ(store->stored[0].param2, 3);
    // The list keeps its entries and its own node after committing.
    EXPECT_EQ(list.size(), 1);
    EXPECT_NE(store->stored[0].node.p, list[0].node);
    EXPECT_EQ(TextOf(list[0].node), L"n");

    CComPtr<FakeCommandList> other = FakeCommandList::Create();
    ASSERT_EQ(list.Commit(other), S_OK);
    EXPECT_EQ(other->stored.size(), 1u);
}

TEST(CommandListLoading, LoadingLeavesTheCallersErrorStackAlone)
{
    KVUClearErrorStack();
    KVUReportError(L"the caller's failure");
    CComPtr<FakeCommandList> store = FakeCommandList::Create();
    store->stored.push_back({DiscCommand_PlayTitle, 4, 2, nullptr});
    CCommandList list;
    ASSERT_EQ(list.Init(store.p), S_OK);
    EXPECT_TRUE(StackHolds(L"the caller's failure"));
}

TEST(CommandListLoading, InitWithoutAListChangesNothing)
{
    CCommandList list = TitleThenMenu();
    EXPECT_EQ(list.Init(static_cast<IDSCommandList*>(nullptr)), E_POINTER);
    CComPtr<FakeXmlNode> notAList = MakeNode(L"x");
    EXPECT_EQ(list.Init(static_cast<IUnknown*>(notAList.p)), E_POINTER);
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.Commit(), E_POINTER);
}

TEST(CommandListLoading, FailedReadLeavesTheListEmptyButAttached)
{
    CComPtr<FakeCommandList> store = FakeCommandList::Create();
    store->readResult = E_ACCESSDENIED;
    CCommandList list = TitleThenMenu();
    EXPECT_EQ(list.Init(store.p), E_ACCESSDENIED);
    EXPECT_EQ(list.size(), 0);
    ASSERT_EQ(list.Commit(), S_OK);
    EXPECT_EQ(store->writes, 1);
}

TEST(CommandListTransitions, SetTransitionInsertsInFrontThenReplaces)
{
    CComPtr<FakeXmlNode> fade = MakeNode(L"fade");
    CComPtr<FakeXmlNode> wipe = MakeNode(L"wipe");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 7, 1), S_OK);
    ASSERT_EQ(list.SetTransition(fade), S_OK);
    ASSERT_EQ(list.SetTransition(wipe), S_OK);
    EXPECT_EQ(EntriesOf(list),
              (std::vector<Entry>{{DiscCommand_Transition, 0, 0}, {DiscCommand_PlayTitle, 7, 1}}));
    EXPECT_EQ(TextOf(list[0].node), L"wipe");
}

TEST(CommandListTransitions, NoTransitionFromStartOnInsertsASecondOne)
{
    CComPtr<FakeXmlNode> fade = MakeNode(L"fade");
    CComPtr<FakeXmlNode> clip = MakeNode(L"clip.mpg");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 7, 1), S_OK);
    ASSERT_EQ(list.SetTransition(fade), S_OK);
    ASSERT_EQ(list.SetTransition(DiscCommand_TransitionClip, clip, 1), S_OK);
    EXPECT_EQ(EntriesOf(list), (std::vector<Entry>{{DiscCommand_TransitionClip, 0, 0},
                                                   {DiscCommand_Transition, 0, 0},
                                                   {DiscCommand_PlayTitle, 7, 1}}));
}

TEST(CommandListTransitions, OnlyTransitionKindsAreTransitions)
{
    CCommandList list;
    EXPECT_EQ(list.SetTransition(DiscCommand_PlayTitle, nullptr, 0),
              E_SETTRANSITION_NOT_A_TRANSITION);
    EXPECT_TRUE(StackHolds(L"E_SETTRANSITION_NOT_A_TRANSITION"));
    EXPECT_EQ(list.size(), 0);
}

TEST(CommandListTransitions, GetTransitionReportsMissingEntriesAndNodes)
{
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.SetTransition(DiscCommand_Transition, nullptr, 0), S_OK);
    DiscCommand cmd = DiscCommand_None;
    CComBSTR name(L"before");
    EXPECT_EQ(list.GetTransition(cmd, &name.m_str, 0), E_GETTRANSITION_NO_NODE);
    EXPECT_EQ(cmd, DiscCommand_Transition);
    EXPECT_EQ(list.GetTransition(cmd, &name.m_str, 1), E_GETTRANSITION_NOT_FOUND);
    EXPECT_EQ(list.GetTransition(cmd, &name.m_str, 7), E_GETTRANSITION_NOT_FOUND);
    EXPECT_TRUE(StackHolds(L"E_GETTRANSITION_NOT_FOUND"));
    EXPECT_EQ(list.GetTransition(cmd, nullptr, 0), E_POINTER);
    EXPECT_EQ(name, L"before");
}

// A transition element of the catalogue's form, <effect Name="...">.
CComPtr<IXMLDOMNode> TransitionElement(const wchar_t* name)
{
    CComPtr<IXMLDOMDocument> document;
    EXPECT_EQ(CreateXMLDocument(&document), S_OK);
    CComPtr<IXMLDOMElement> element;
    EXPECT_EQ(document->createElement(CComBSTR(L"effect"), &element), S_OK);
    if (name) {
        EXPECT_EQ(element->setAttribute(CComBSTR(L"Name"), CComVariant(name)), S_OK);
    }
    return CComPtr<IXMLDOMNode>(element.p);
}

TEST(CommandListTransitions, TransitionClipIsStoredAsATypedFileElement)
{
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.SetTransitionClip(CComBSTR(L"/clips/wipe & fade.mpg")), S_OK);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].command, DiscCommand_TransitionClip);
    CComBSTR xml;
    ASSERT_EQ(list[0].node->get_xml(&xml), S_OK);
    EXPECT_NE(xml.Str().find(L"Name=\"clip\""), std::wstring::npos);
    CComVariant type;
    ASSERT_EQ(list[0].node->get_dataType(&type), S_OK);
    EXPECT_EQ(CComBSTR(type.bstrVal), L"string");
    CComPtr<IXMLDOMDocument> owner;
    ASSERT_EQ(list[0].node->get_ownerDocument(&owner), S_OK);
    CComBSTR document;
    ASSERT_EQ(owner->get_xml(&document), S_OK);
    EXPECT_EQ(document.Str().rfind(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>", 0), 0u)
        << document.Str();
    CComPtr<IXMLDOMElement> root;
    ASSERT_EQ(owner->get_documentElement(&root), S_OK);
    CComVariant space;
    ASSERT_EQ(root->getAttribute(CComBSTR(L"xmlns:dt"), &space), S_OK);
    EXPECT_EQ(CComBSTR(space.bstrVal), L"urn:schemas-microsoft-com:datatypes");

    DiscCommand cmd = DiscCommand_None;
    CComBSTR path;
    ASSERT_EQ(list.GetTransition(cmd, &path, 0), S_OK);
    EXPECT_EQ(cmd, DiscCommand_TransitionClip);
    EXPECT_EQ(path, L"/clips/wipe & fade.mpg");
}

TEST(CommandListTransitions, EmptyClipPathReadsAsNoAnswer)
{
    CCommandList list;
    ASSERT_EQ(list.SetTransitionClip(CComBSTR(L"")), S_OK);
    DiscCommand cmd = DiscCommand_None;
    CComBSTR name(L"kept");
    EXPECT_EQ(list.GetTransition(cmd, &name.m_str, 0), S_FALSE);
    EXPECT_EQ(cmd, DiscCommand_TransitionClip);
    EXPECT_EQ(name, L"kept");
}

TEST(CommandListTransitions, GetTransitionReadsTheNameOfANamedTransition)
{
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.SetTransition(TransitionElement(L"Dissolve")), S_OK);
    DiscCommand cmd = DiscCommand_None;
    CComBSTR name(L"old");
    ASSERT_EQ(list.GetTransition(cmd, &name.m_str, 0), S_OK);
    EXPECT_EQ(cmd, DiscCommand_Transition);
    EXPECT_EQ(name, L"Dissolve");

    ASSERT_EQ(list.SetTransition(TransitionElement(nullptr)), S_OK);
    EXPECT_EQ(list.GetTransition(cmd, &name.m_str, 0), S_FALSE);
    EXPECT_EQ(name, L"Dissolve");
}

TEST(CommandListMainAndPost, ReplaceCommandKeepsTransitionAndPostCommand)
{
    CComPtr<FakeXmlNode> fade = MakeNode(L"fade");
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.SetTransition(fade), S_OK);
    ASSERT_EQ(list.ReplaceCommand(DiscCommand_JumpMenu, 12, 0), S_OK);
    EXPECT_EQ(EntriesOf(list), (std::vector<Entry>{{DiscCommand_Transition, 0, 0},
                                                   {DiscCommand_JumpMenu, 12, 0},
                                                   {DiscCommand_JumpMenu, 9, 0}}));
    CCommandList onlyTransition;
    ASSERT_EQ(onlyTransition.SetTransition(fade), S_OK);
    ASSERT_EQ(onlyTransition.ReplaceCommand(DiscCommand_PlayTitle, 3, 1), S_OK);
    EXPECT_EQ(EntriesOf(onlyTransition),
              (std::vector<Entry>{{DiscCommand_Transition, 0, 0}, {DiscCommand_PlayTitle, 3, 1}}));
}

TEST(CommandListMainAndPost, PostCommandIsAppendedAfterTheMainCommand)
{
    CComPtr<FakeXmlNode> fade = MakeNode(L"fade");
    CCommandList list;
    ASSERT_EQ(list.InsertCmd(0, DiscCommand_PlayTitle, 7, 1), S_OK);
    ASSERT_EQ(list.SetTransition(fade), S_OK);
    ASSERT_EQ(list.ReplacePostCommand(DiscCommand_JumpMenu, 3, 0), S_OK);
    EXPECT_EQ(EntriesOf(list), (std::vector<Entry>{{DiscCommand_Transition, 0, 0},
                                                   {DiscCommand_PlayTitle, 7, 1},
                                                   {DiscCommand_JumpMenu, 3, 0}}));
}

TEST(CommandListMainAndPost, PostCommandIsReplacedWhenThere)
{
    CCommandList list = TitleThenMenu();
    ASSERT_EQ(list.ReplacePostCommand(DiscCommand_PlayAll, 0, 0), S_OK);
    EXPECT_EQ(EntriesOf(list),
              (std::vector<Entry>{{DiscCommand_PlayTitle, 7, 1}, {DiscCommand_PlayAll, 0, 0}}));
}

TEST(CommandListMainAndPost, PostCommandNeedsAMainCommand)
{
    CComPtr<FakeXmlNode> fade = MakeNode(L"fade");
    CCommandList list;
    EXPECT_EQ(list.ReplacePostCommand(DiscCommand_PlayAll, 0, 0),
              E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND);
    ASSERT_EQ(list.SetTransition(fade), S_OK);
    EXPECT_EQ(list.ReplacePostCommand(DiscCommand_PlayAll, 0, 0),
              E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND);
    EXPECT_TRUE(StackHolds(L"E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND"));
    EXPECT_EQ(list.size(), 1);
}

TEST(CommandListMainAndPost, OnlyTheLastEntryOtherThanTheMainCommandIsAPostCommand)
{
    CCommandList list = TitleThenMenu();
    EXPECT_TRUE(list.IsPostCommand(1));
    EXPECT_FALSE(list.IsPostCommand(0));
    CCommandList single;
    single[0].command = DiscCommand_PlayTitle;
    EXPECT_FALSE(single.IsPostCommand(0));
    CCommandList empty;
    EXPECT_TRUE(empty.IsPostCommand(0));
    EXPECT_FALSE(empty.IsPostCommand(-1));
}

} // namespace
