// A command list of an object, kept as the object model keeps one: GetCommands hands out a
// task-allocated copy whose nodes carry a reference for the caller, SetCommands copies the
// entries and clones their nodes.
#pragma once

#include "model/IDSCommandList.h"

#include "platform/ComObject.h"
#include "platform/TaskMemory.h"

#include <vector>

struct StoredCommand
{
    DiscCommand command;
    LONG param1;
    LONG param2;
    CComPtr<IXMLDOMNode> node;
};

class FakeCommandList : public ComObject<FakeCommandList, IDSCommandList>
{
public:
    HRESULT GetCommands(LONG* count, DiscCommandParams** commands) override
    {
        if (FAILED(readResult))
            return readResult;
        *count = static_cast<LONG>(stored.size());
        *commands = nullptr;
        if (stored.empty())
            return S_OK;
        auto* out = static_cast<DiscCommandParams*>(
            CoTaskMemAlloc(sizeof(DiscCommandParams) * stored.size()));
        for (size_t i = 0; i < stored.size(); ++i) {
            const StoredCommand& entry = stored[i];
            out[i] = {entry.command, entry.param1, entry.param2, nullptr};
            entry.node.CopyTo(&out[i].node);
        }
        *commands = out;
        return S_OK;
    }

    HRESULT SetCommands(LONG count, const DiscCommandParams* commands) override
    {
        ++writes;
        std::vector<StoredCommand> copy;
        for (LONG i = 0; i < count; ++i) {
            const DiscCommandParams& entry = commands[i];
            CComPtr<IXMLDOMNode> node;
            if (entry.node && FAILED(entry.node->cloneNode(VARIANT_TRUE, &node)))
                return E_FAIL;
            copy.push_back({entry.command, entry.param1, entry.param2, node});
        }
        stored = std::move(copy);
        return S_OK;
    }

    std::vector<StoredCommand> stored;
    HRESULT readResult = S_OK;
    int writes = 0;
};
