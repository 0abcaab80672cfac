// The process-wide registry of creatable classes, keyed by class identifier.
#pragma once

#include "platform/ComPtr.h"

#include <functional>

// Creates one object and hands out its interface iid through *object.
using ClassCreator = std::function<HRESULT(REFIID iid, void** object)>;

// Makes clsid creatable; a later registration of the same clsid replaces the earlier one.
HRESULT CoRegisterClass(REFCLSID clsid, ClassCreator creator);

// Removes clsid from the registry; S_FALSE when it was not registered.
HRESULT CoRevokeClass(REFCLSID clsid);

// True when clsid has a creator.
bool CoIsClassRegistered(REFCLSID clsid);

// Creates an object of a registered class. REGDB_E_CLASSNOTREG when clsid has no creator,
// CLASS_E_NOAGGREGATION when an outer object is given, else the creator's result.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);

// The creator of a class T made by T::Create() (see ComObject).
template <class T> ClassCreator CreatorOf()
{
    return [](REFIID iid, void** object) -> HRESULT {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        auto created = T::Create();
        return created->QueryInterface(iid, object);
    };
}

// Registers a class for the life of a scope and puts back what was registered before; tests
// use it to stand a fake in for a real component.
class ScopedClassRegistration
{
public:
    ScopedClassRegistration(REFCLSID clsid, ClassCreator creator);
    ~ScopedClassRegistration();
    ScopedClassRegistration(const ScopedClassRegistration&) = delete;
    ScopedClassRegistration& operator=(const ScopedClassRegistration&) = delete;

private:
    CLSID m_clsid;
    ClassCreator m_previous;
};
