#include "EncodingModelTest.h"

namespace encoding_test {

CComPtr<IDSProjectData> EncodingModelTest::NewProject(DiscFormat format, TVStandard tv,
                                                      const EncodingValues& master)
{
    CComPtr<IDSProjectData> project = ::NewProject();
    if (!project)
        return project;
    project->put_DiscFormat(format);
    project->put_TVStandard(tv);
    Store(project, master);
    return project;
}

CComPtr<IDSTitle> EncodingModelTest::AddTitle(IDSProjectData* project, const EncodingValues& values)
{
    CComPtr<IDSTitle> title = ::AddTitle(project);
    if (title)
        Store(title, values);
    return title;
}

} // namespace encoding_test
