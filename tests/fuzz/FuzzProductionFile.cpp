// Production files: a file that is refused leaves the target production as it was; a file that
// is taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"

namespace {

constexpr const char* kTarget = "production_file";

CComPtr<IKVEProductionData> KnownProduction()
{
    CComPtr<IKVEProductionData> production;
    if (FAILED(production.CoCreateInstance(CLSID_KVEProduction)))
        FuzzFailure(kTarget, "no production");
    CComQIPtr<IEditData>(production)->AddSolidColor(0, 0x123456, nullptr);
    return production;
}

std::string Saved(IKVEProductionData* production, const char* name)
{
    FUZZ_CHECK(kTarget, SUCCEEDED(production->SaveAsProduction(CComBSTR(FuzzFile(name)))));
    return ReadFuzzFile(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("input.dmsm", data, size);
    CComPtr<IKVEProductionData> target = KnownProduction();
    std::string before = Saved(target, "before.dmsm");
    if (FAILED(target->LoadProduction(CComBSTR(FuzzFile("input.dmsm")), 0))) {
        FUZZ_CHECK(kTarget, Saved(target, "after.dmsm") == before);
        return 0;
    }
    std::string first = Saved(target, "first.dmsm");
    CComPtr<IKVEProductionData> again = KnownProduction();
    FUZZ_CHECK(kTarget, SUCCEEDED(again->LoadProduction(CComBSTR(FuzzFile("first.dmsm")), 0)));
    FUZZ_CHECK(kTarget, Saved(again, "second.dmsm") == first);
    return 0;
}
