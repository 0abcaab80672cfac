// Production files: a file that is refused leaves the target production as it was; a file that
// is taken saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "platform/Bstr.h"
#include "platform/ComPtr.h"

namespace {

constexpr const char* kTarget = "production_file";

CComPtr<IUnknown> KnownProduction()
{
    CComPtr<IKVEProductionData> production;
    if (FAILED(production.CoCreateInstance(CLSID_KVEProduction)) ||
        FAILED(CComQIPtr<IEditData>(production)->AddSolidColor(0, 0x123456, nullptr)))
        FuzzFailure(kTarget, "no production");
    return CComPtr<IUnknown>(production.p);
}

HRESULT Load(IUnknown* production, const std::wstring& path)
{
    return CComQIPtr<IKVEProductionData>(production)->LoadProduction(CComBSTR(path), 0);
}

HRESULT Save(IUnknown* production, const std::wstring& path)
{
    return CComQIPtr<IKVEProductionData>(production)->SaveAsProduction(CComBSTR(path));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    CheckLoadAndRoundTrip({kTarget, ".dmsm", KnownProduction, Load, Save}, data, size);
    return 0;
}
