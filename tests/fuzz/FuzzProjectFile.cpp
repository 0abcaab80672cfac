// Project files: a file that is refused leaves the target project as it was; a file that is
// taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/IDSTitle.h"
#include "model/ModelClasses.h"
#include "platform/Bstr.h"
#include "platform/ComPtr.h"

namespace {

constexpr const char* kTarget = "project_file";

CComPtr<IUnknown> KnownProject()
{
    CComPtr<IDSProjectData> project;
    CComPtr<IDSTitle> title;
    if (FAILED(project.CoCreateInstance(CLSID_CDSProjectData)) ||
        FAILED(project->AddTitle(-1, &title)) || FAILED(title->put_Name(CComBSTR(L"kept"))))
        FuzzFailure(kTarget, "no project");
    return CComPtr<IUnknown>(project.p);
}

CComPtr<IDSProjectFile> Files()
{
    CComPtr<IDSProjectFile> files;
    if (FAILED(files.CoCreateInstance(CLSID_CDSProjectFile)))
        FuzzFailure(kTarget, "no file service");
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    CComPtr<IDSProjectFile> files = Files();
    auto load = [&files](IUnknown* project, const std::wstring& path) {
        return files->LoadProject(CComBSTR(path), CComQIPtr<IDSProjectData>(project));
    };
    auto save = [&files](IUnknown* project, const std::wstring& path) {
        return files->SaveProject(CComBSTR(path), CComQIPtr<IDSProjectData>(project));
    };
    CheckLoadAndRoundTrip({kTarget, ".dmsd", KnownProject, load, save}, data, size);
    return 0;
}
