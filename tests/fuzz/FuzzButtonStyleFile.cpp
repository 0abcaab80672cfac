// Button style files: a file that is refused leaves the target button as it was; a file that
// is taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

#include "model/IDSMenuElement.h"
#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"

namespace {

constexpr const char* kTarget = "button_style_file";

CComPtr<IDSMenuButton> KnownButton()
{
    CComPtr<IDSMenuButton> button;
    if (FAILED(button.CoCreateInstance(CLSID_CDSMenuButton)))
        FuzzFailure(kTarget, "no button");
    button->put_Name(CComBSTR(L"kept"));
    return button;
}

std::string Saved(IDSProjectFile* files, IDSMenuButton* button, const char* name)
{
    FUZZ_CHECK(kTarget, SUCCEEDED(files->SaveButtonStyle(CComBSTR(FuzzFile(name)), button)));
    return ReadFuzzFile(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("input.xml", data, size);
    CComPtr<IDSProjectFile> files;
    FUZZ_CHECK(kTarget, SUCCEEDED(files.CoCreateInstance(CLSID_CDSProjectFile)));
    CComPtr<IDSMenuButton> target = KnownButton();
    std::string before = Saved(files, target, "before.xml");
    if (FAILED(files->LoadButtonStyle(CComBSTR(FuzzFile("input.xml")), target))) {
        FUZZ_CHECK(kTarget, Saved(files, target, "after.xml") == before);
        return 0;
    }
    std::string first = Saved(files, target, "first.xml");
    CComPtr<IDSMenuButton> again = KnownButton();
    FUZZ_CHECK(kTarget, SUCCEEDED(files->LoadButtonStyle(CComBSTR(FuzzFile("first.xml")), again)));
    FUZZ_CHECK(kTarget, Saved(files, again, "second.xml") == first);
    return 0;
}
