// The fixture of the object-model tests: the object model's classes and the fake production
// registered. Projects are built with the steps of support/ModelBuilder.h.
#pragma once

#include "support/FakeProduction.h"

#include "model/IDSCommandList.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ErrorStack.h"
#include "support/ModelBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ObjectModelTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static std::wstring LabelOf(IDSMenuElement* element);
    static FakeProduction* ProductionOf(IDSMenu* menu);
    static FakeProduction* ProductionOf(IDSTitle* title);
    // The number of element items of a menu's production.
    static LONG ItemCount(IDSMenu* menu);

    // A transition-like command node: <Transition Name="name"/> in a document of its own.
    static CComPtr<IXMLDOMElement> MakeNode(const std::wstring& name);
    static std::wstring XmlOf(IXMLDOMNode* node);
    // Replaces a command list by commands {1, 10, 2, none}, {5, 0, 0, node}.
    static void SetTwoCommands(IUnknown* owner, IXMLDOMNode* node);
    // The command list as (command, param1, param2, node XML) tuples; frees what it gets.
    struct CommandText
    {
        LONG command;
        LONG param1;
        LONG param2;
        std::wstring node;
        bool operator==(const CommandText&) const = default;
    };
    static std::vector<CommandText> CommandsOf(IUnknown* owner);

private:
    FakeProductionScope m_fake;
};
