// The fixture of the tests that need projects, titles and menus: the object model and the
// media engine registered, and small steps that build projects.
#pragma once

#include "EncodingFakes.h"

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "support/ProjectTest.h"

namespace encoding_test {

class EncodingModelTest : public ProjectTest
{
protected:
    // A new project of a disc format and TV standard with the given master values.
    static CComPtr<IDSProjectData> NewProject(DiscFormat format, TVStandard tv,
                                              const EncodingValues& master = {});
    // Appends a title with the given encoding values.
    static CComPtr<IDSTitle> AddTitle(IDSProjectData* project, const EncodingValues& values = {});
};

} // namespace encoding_test
