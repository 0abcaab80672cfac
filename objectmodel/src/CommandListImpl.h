// IDSCommandList for the objects that carry commands (projects, titles, menus and buttons).
#pragma once

#include "CommandStore.h"

#include "model/IDSCommandList.h"

namespace objectmodel {

class CommandListImpl : public IDSCommandList
{
public:
    HRESULT GetCommands(LONG* count, DiscCommandParams** commands) override
    {
        return m_commands.Get(count, commands);
    }

    HRESULT SetCommands(LONG count, const DiscCommandParams* commands) override
    {
        HRESULT hr = m_commands.Set(count, commands);
        if (SUCCEEDED(hr))
            MarkChanged();
        return hr;
    }

    CommandStore& Commands() { return m_commands; }
    const CommandStore& Commands() const { return m_commands; }

protected:
    ~CommandListImpl() = default;
    // Called after every change of the commands.
    virtual void MarkChanged() = 0;

private:
    CommandStore m_commands;
};

} // namespace objectmodel
