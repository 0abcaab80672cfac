#include <dsutils/dsutils.h>
#include <mediaengine/MediaEngine.h>
#include <model/IDSProjectData.h>
#include <model/KVEEditData.h>
#include <model/KVEGraphManager.h>
#include <model/KVEProductionData.h>
#include <model/ModelClasses.h>
#include <objectmodel/ObjectModel.h>
#include <platform/Bstr.h>
#include <platform/ClassFactory.h>
#include <platform/TaskMemory.h>

#include <cstdio>
#include <cwchar>

// A production of one red panel, rendered 4 × 4 by a graph manager.
static bool RendersARedFrame()
{
    CComPtr<IKVEProductionData> production;
    CComPtr<IKVEGraphManager> graph;
    BYTE* pixels = nullptr;
    bool red = SUCCEEDED(RegisterMediaEngineClasses()) &&
               SUCCEEDED(production.CoCreateInstance(CLSID_KVEProduction)) &&
               SUCCEEDED(CComQIPtr<IEditData>(production)->AddSolidColor(0, 0xFF0000, nullptr)) &&
               SUCCEEDED(graph.CoCreateInstance(CLSID_KVEGraphManager)) &&
               SUCCEEDED(graph->SetProduction(production)) &&
               SUCCEEDED(graph->ExtractThumbnail(0.0, SIZE{4, 4}, &pixels)) && pixels[2] == 0xFF &&
               pixels[1] == 0 && pixels[0] == 0;
    CoTaskMemFree(pixels);
    return red;
}

// The shipped transition catalogue, read from the installed content.
static bool FindsTheInstalledDissolve()
{
    CDSTransition catalogue;
    CComPtr<IUnknown> effect;
    return SUCCEEDED(catalogue.FindByName(L"Dissolve", &effect)) && effect;
}

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
    if (!RendersARedFrame()) {
        std::fputs("consumer: the media engine cannot render a frame\n", stderr);
        return 1;
    }
    if (!FindsTheInstalledDissolve()) {
        std::fputs("consumer: the installed transition catalogue cannot be read\n", stderr);
        return 1;
    }
    std::puts("consumer: built and ran against the installed dsutils");
    return 0;
}
