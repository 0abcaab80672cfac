// Button style files: a file that is refused leaves the target button as it was; a file that
// is taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "model/IDSMenuElement.h"
#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"
#include "platform/Bstr.h"
#include "platform/ComPtr.h"

namespace {

constexpr const char* kTarget = "button_style_file";

CComPtr<IUnknown> KnownButton()
{
    CComPtr<IDSMenuButton> button;
    if (FAILED(button.CoCreateInstance(CLSID_CDSMenuButton)) ||
        FAILED(button->put_Name(CComBSTR(L"kept"))))
        FuzzFailure(kTarget, "no button");
    return CComPtr<IUnknown>(button.p);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    CComPtr<IDSProjectFile> files;
    FUZZ_CHECK(kTarget, SUCCEEDED(files.CoCreateInstance(CLSID_CDSProjectFile)));
    auto load = [&files](IUnknown* button, const std::wstring& path) {
        return files->LoadButtonStyle(CComBSTR(path), CComQIPtr<IDSMenuButton>(button));
    };
    auto save = [&files](IUnknown* button, const std::wstring& path) {
        return files->SaveButtonStyle(CComBSTR(path), CComQIPtr<IDSMenuButton>(button));
    };
    CheckLoadAndRoundTrip({kTarget, ".xml", KnownButton, load, save}, data, size);
    return 0;
}
