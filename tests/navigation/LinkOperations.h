// Shared checks of the link tests.
#pragma once

#include "NavigationProject.h"

#include "dsutils/DSTagLists.h"

#include "platform/ErrorStack.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using Command = std::tuple<DiscCommand, LONG, LONG>;

inline std::vector<Command> CommandTuples(IUnknown* pObject)
{
    std::vector<Command> tuples;
    for (const DiscCommandParams& entry : CommandsOf(pObject))
        tuples.emplace_back(entry.command, entry.param1, entry.param2);
    return tuples;
}

inline DiscCommandParams Cmd(DiscCommand command, LONG param1 = 0, LONG param2 = 0)
{
    return {command, param1, param2, nullptr};
}

// Whether one message of the error stack holds the text.
inline bool StackHolds(const wchar_t* text)
{
    return KVUGetErrorStackText().find(text) != std::wstring::npos;
}
