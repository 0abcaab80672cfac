// Project files: a file that is refused leaves the target project as it was; a file that is
// taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/IDSTitle.h"
#include "model/ModelClasses.h"

namespace {

constexpr const char* kTarget = "project_file";

CComPtr<IDSProjectData> KnownProject()
{
    CComPtr<IDSProjectData> project;
    if (FAILED(project.CoCreateInstance(CLSID_CDSProjectData)))
        FuzzFailure(kTarget, "no project");
    CComPtr<IDSTitle> title;
    project->AddTitle(-1, &title);
    title->put_Name(CComBSTR(L"kept"));
    return project;
}

std::string Saved(IDSProjectFile* files, IDSProjectData* project, const char* name)
{
    FUZZ_CHECK(kTarget, SUCCEEDED(files->SaveProject(CComBSTR(FuzzFile(name)), project)));
    return ReadFuzzFile(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("input.dmsd", data, size);
    CComPtr<IDSProjectFile> files;
    FUZZ_CHECK(kTarget, SUCCEEDED(files.CoCreateInstance(CLSID_CDSProjectFile)));
    CComPtr<IDSProjectData> target = KnownProject();
    std::string before = Saved(files, target, "before.dmsd");
    if (FAILED(files->LoadProject(CComBSTR(FuzzFile("input.dmsd")), target))) {
        FUZZ_CHECK(kTarget, Saved(files, target, "after.dmsd") == before);
        return 0;
    }
    std::string first = Saved(files, target, "first.dmsd");
    CComPtr<IDSProjectData> again = KnownProject();
    FUZZ_CHECK(kTarget, SUCCEEDED(files->LoadProject(CComBSTR(FuzzFile("first.dmsd")), again)));
    FUZZ_CHECK(kTarget, Saved(files, again, "second.dmsd") == first);
    return 0;
}
