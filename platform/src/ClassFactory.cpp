#include "platform/ClassFactory.h"

#include <map>
#include <mutex>

namespace {

struct Registry
{
    std::mutex lock;
    std::map<GUID, ClassCreator> creators;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

ClassCreator Lookup(REFCLSID clsid)
{
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.creators.find(clsid);
    return found == registry.creators.end() ? ClassCreator() : found->second;
}

} // namespace

HRESULT CoRegisterClass(REFCLSID clsid, ClassCreator creator)
{
    if (!creator)
        return E_INVALIDARG;
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.creators[clsid] = std::move(creator);
    return S_OK;
}

HRESULT CoRevokeClass(REFCLSID clsid)
{
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    return registry.creators.erase(clsid) ? S_OK : S_FALSE;
}

bool CoIsClassRegistered(REFCLSID clsid)
{
    return static_cast<bool>(Lookup(clsid));
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    ClassCreator creator = Lookup(clsid);
    if (!creator)
        return REGDB_E_CLASSNOTREG;
    return creator(iid, object);
}

ScopedClassRegistration::ScopedClassRegistration(REFCLSID clsid, ClassCreator creator)
    : m_clsid(clsid), m_previous(Lookup(clsid))
{
    CoRegisterClass(clsid, std::move(creator));
}

ScopedClassRegistration::~ScopedClassRegistration()
{
    if (m_previous)
        CoRegisterClass(m_clsid, m_previous);
    else
        CoRevokeClass(m_clsid);
}
