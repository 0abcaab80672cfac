// The fixture of suites that build real projects: the object model's classes registered over
// the media engine's, whose production every title and menu is made with. Projects are built
// with the steps of support/ModelBuilder.h.
#pragma once

#include "support/ModelBuilder.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ErrorStack.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

class ProjectTest : public ::testing::Test
{
protected:
    // Registers in the constructor, so that a fixture can build its project in the
    // initialisers of its members.
    ProjectTest()
    {
        EXPECT_EQ(S_OK, RegisterXmlClasses());
        EXPECT_EQ(S_OK, RegisterMediaEngineClasses());
        EXPECT_EQ(S_OK, RegisterObjectModelClasses());
        KVUClearErrorStack();
    }
    ~ProjectTest() override { RevokeObjectModelClasses(); }
};
