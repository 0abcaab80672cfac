// The root interface of every counted object.
#pragma once

#include "platform/Guid.h"

DS_INTERFACE_ID(IUnknown, void, "{00000000-0000-0000-C000-000000000046}");

struct IUnknown
{
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// Asks for the interface named by the type of *object.
template <class Q, class From> HRESULT QueryInterfaceFor(From* from, Q** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!from)
        return E_POINTER;
    return from->QueryInterface(uuidof<Q>(), reinterpret_cast<void**>(object));
}
