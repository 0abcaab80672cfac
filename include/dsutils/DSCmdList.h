// The library's in-memory copy of a navigation command list, and two small records that pair
// a name with an XML node (the transition catalogue's entries and named elements).
//
// A caller loads a list from a project, title, menu or button, edits it and writes it back:
//
//     CCommandList commands(pButton);             // loads through IDSCommandList
//     commands.Erase(0);
//     commands[0].command = DiscCommand_JumpMenu;  // creates entry 0
//     commands[0].param1 = menuId;
//     CHECK_HR(commands.Commit());
//
// The main command is the first entry that is not a transition (kinds 5 and 6); the post
// command is the next such entry after it. Transitions stand in front of the main command.
#pragma once

#include "model/DiscCommand.h"
#include "model/IDSCommandList.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/Xml.h"

// A command list. It owns its entry array (allocated with the COM task allocator) and one
// reference on every node in the entries 0 to size() - 1; entries beyond them are free slots.
// No editing operation writes to the object model: only Commit does.
class CCommandList
{
public:
    // An empty list with nothing attached.
    CCommandList();
    // Takes ownership of the array (and of one reference on each node of its first count
    // entries) without copying it.
    CCommandList(LONG count, DiscCommandParams* entries);
    // Loads the list of an object through Init; on failure the list stays empty.
    explicit CCommandList(IDSCommandList* pList);
    explicit CCommandList(IUnknown* pObject);
    // A copy has an array of its own; each node is a deep clone (a node that cannot be cloned
    // is shared, each list holding its own reference). The attached list is shared.
    CCommandList(const CCommandList& other);
    CCommandList& operator=(const CCommandList& other);
    // Moving leaves the source empty and detached.
    CCommandList(CCommandList&& other) noexcept;
    CCommandList& operator=(CCommandList&& other) noexcept;
    ~CCommandList();

    // Attaches the list (one reference, replacing the one attached before), drops every entry
    // and loads the list's commands. E_POINTER, nothing changed, for a null list; otherwise the
    // result of reading the commands (the list stays empty when that fails).
    HRESULT Init(IDSCommandList* pList);
    // The same with the IDSCommandList of an object; E_POINTER when it has none.
    HRESULT Init(IUnknown* pObject);

    // Drops every entry and takes ownership of the array as the constructor above does. The
    // attached list is kept.
    void Attach(LONG count, DiscCommandParams* entries);
    // Hands the array out through *out and returns the number of entries; the caller then owns
    // the array (free it with CoTaskMemFree) and the node references in it, and the list is
    // empty. Returns 0 and keeps everything when out is null.
    LONG Detach(DiscCommandParams** out);
    // Writes the entries to target, or to the attached list when target is null; the list keeps
    // its entries. E_POINTER when both are null, else the result of the write.
    HRESULT Commit(IDSCommandList* target = nullptr);

    LONG size() const { return m_lCount; }

    // The entry at index i. At i == size() the list first grows by one entry {JumpMenu, 0, 0,
    // no node}, so commands[size()] appends. Any other index outside the list gives a scratch
    // entry of the calling thread, reset on every such call, that belongs to no list: writing to
    // it changes nothing. Change command, param1 and param2 through the reference; set nodes
    // with SetCmd only. A reference is valid until the list next grows. Throws std::bad_alloc
    // when the array cannot grow.
    DiscCommandParams& operator[](int i);

    // Overwrites entry i with the command and a deep clone of node (none when node is null),
    // releasing the entry's old node; the caller keeps its node. E_COMMANDLIST_INDEX_OUT_OF_RANGE
    // for i outside the list; else S_OK or the result of the cloning (the entry then has no
    // node).
    HRESULT SetCmd(int i, DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node = nullptr);
    // Inserts a new entry at i (0 to size(); size() appends) and sets it as SetCmd does; later
    // entries move up with their nodes. E_COMMANDLIST_INDEX_OUT_OF_RANGE for another i,
    // E_OUTOFMEMORY when the array cannot grow.
    HRESULT InsertCmd(int i, DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node = nullptr);
    // Removes entry i, releasing its node. E_INVALIDARG for i outside the list.
    HRESULT Remove(int i);
    // Removes the entries from n to the end, releasing their nodes; Erase(0) empties the list.
    // The array keeps its size. E_INVALIDARG, nothing removed, for n outside 0 to size().
    HRESULT Erase(int n);

    // The index of the first transition entry (kinds 5 and 6) at or after start, or -1. A
    // negative start searches from 0.
    int FindTransition(int start = 0) const;
    // The index of the first other entry at or after start, or -1.
    int FindNonTransition(int start = 0) const;
    // Whether i is the place of a post command: i is at least the last index and is not the
    // main command's index. In an empty list every i except -1 is.
    bool IsPostCommand(int i) const;

    // Overwrites the main command, or appends one when the list has none; transitions and the
    // post command stay. The result of SetCmd or InsertCmd.
    HRESULT ReplaceCommand(DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node = nullptr);
    // Overwrites the post command, or appends one when there is none.
    // E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND when the list has no main command.
    HRESULT ReplacePostCommand(DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node = nullptr);

    // Overwrites the first transition entry at or after start with (cmd, 0, 0, clone of node),
    // or inserts one at index 0 when there is none. E_SETTRANSITION_NOT_A_TRANSITION for a cmd
    // other than DiscCommand_Transition and DiscCommand_TransitionClip.
    HRESULT SetTransition(DiscCommand cmd, IXMLDOMNode* node, int start = 0);
    // SetTransition(DiscCommand_Transition, node, 0): node carries the attribute "Name".
    HRESULT SetTransition(IXMLDOMNode* node);
    // Stores a transition clip: an element "file" (attribute Name="clip", data type "string")
    // whose text is the clip's path, as a DiscCommand_TransitionClip entry.
    HRESULT SetTransitionClip(BSTR path);
    // Reads the first transition entry at or after start: its kind into cmd and, into *name
    // (reallocated), the clip's path (kind 6) or the transition's name (kind 5). S_FALSE, *name
    // unchanged, when the path is empty or the name is not a string.
    // E_GETTRANSITION_NOT_FOUND when there is no transition entry from start on,
    // E_GETTRANSITION_NO_NODE when it has no node, E_POINTER for a null name.
    HRESULT GetTransition(DiscCommand& cmd, BSTR* name, int start = 0);

private:
    // Releases every entry's node, frees the array and leaves the list empty.
    void Clear();
    // Makes room for count + 1 entries; false when memory is short (nothing changed).
    bool GrowByOne();
    void CopyEntriesFrom(const CCommandList& other);

    LONG m_lCount = 0;
    DiscCommandParams* m_pEntries = nullptr;
    CComPtr<IDSCommandList> m_spAttached;
};

// One effect of the transition catalogue: its name, its effect identifier and its catalogue
// node. Copies have strings of their own and share the node, each holding a reference.
struct TransitionEntry
{
    TransitionEntry() = default;
    TransitionEntry(BSTR name, BSTR effectId, IXMLDOMNode* node)
        : m_bstrName(name), m_bstrEffectID(effectId), m_spNode(node)
    {}

    CComBSTR m_bstrName;
    CComBSTR m_bstrEffectID;
    CComPtr<IXMLDOMNode> m_spNode;
};

// A name paired with an XML node, copied like TransitionEntry.
struct DSElementEntry
{
    DSElementEntry() = default;
    DSElementEntry(BSTR name, IXMLDOMNode* node) : m_bstrName(name), m_spNode(node) {}

    CComBSTR m_bstrName;
    CComPtr<IXMLDOMNode> m_spNode;
};
