// Shared checks of the link tests.
#pragma once

#include "NavigationProject.h"

#include "dsutils/DSTagLists.h"

#include "support/ErrorStackText.h"

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

// A project with a main menu and a title, for the tests of links.
class LinkTest : public ::testing::Test
{
protected:
    NavigationProject model;
    CComPtr<IDSMenu> main = model.AddMenu(MenuType_Main);
    CComPtr<IDSTitle> title = model.AddTitle(L"Holiday");
};

inline DiscCommandParams Cmd(DiscCommand command, LONG param1 = 0, LONG param2 = 0)
{
    return {command, param1, param2, nullptr};
}
