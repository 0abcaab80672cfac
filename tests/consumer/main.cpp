#include <dsutils/dsutils.h>
#include <model/IDSProjectData.h>
#include <model/ModelClasses.h>
#include <objectmodel/ObjectModel.h>
#include <platform/Bstr.h>
#include <platform/ClassFactory.h>

#include <cstdio>
#include <cwchar>

int main()
{
    TmpStr text(L"%ls %d", L"titles", 99);
    CComBSTR copy(static_cast<const wchar_t*>(text));
    if (copy != L"titles 99") {
        std::fputs("consumer: unexpected text\n", stderr);
        return 1;
    }
    CComPtr<IDSProjectData> project;
    if (FAILED(RegisterObjectModelClasses()) ||
        FAILED(project.CoCreateInstance(CLSID_CDSProjectData)) || FAILED(project->put_Name(copy))) {
        std::fputs("consumer: the object model cannot make a project\n", stderr);
        return 1;
    }
    std::puts("consumer: built and ran against the installed dsutils");
    return 0;
}
