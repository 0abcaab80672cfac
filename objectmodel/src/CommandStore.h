// The commands of one command list. Each node is kept as its XML text, so the list shares no
// node with anyone: what callers hand in or get out are copies, and copying the store copies
// everything.
#pragma once

#include "model/DiscCommand.h"

#include <string>
#include <vector>

namespace objectmodel {

class CommandStore
{
public:
    // See IDSCommandList::GetCommands: a task-allocated array, one reference on each node.
    HRESULT Get(LONG* count, DiscCommandParams** commands) const;
    // See IDSCommandList::SetCommands. Every node must be an element; any other node gives
    // E_INVALIDARG and leaves the store unchanged.
    HRESULT Set(LONG count, const DiscCommandParams* commands);
    LONG Count() const { return static_cast<LONG>(m_commands.size()); }
    void Clear() { m_commands.clear(); }

    // Appends a "Commands" element that holds every command to parent.
    HRESULT WriteXml(IXMLDOMNode* parent) const;
    // Replaces the commands by those of a "Commands" element; unchanged on failure.
    HRESULT ReadXml(IXMLDOMElement* element);

private:
    struct Command
    {
        DiscCommand command = DiscCommand_None;
        LONG param1 = 0;
        LONG param2 = 0;
        std::wstring node;

        template <class Fields> void VisitFields(Fields& f)
        {
            f.Field(L"command", command);
            f.Field(L"param1", param1);
            f.Field(L"param2", param2);
        }
    };

    static HRESULT ReadCommand(IXMLDOMElement* element, Command& command);

    std::vector<Command> m_commands;
};

} // namespace objectmodel
