// Reference counting and QueryInterface for a class that implements a list of interfaces.
//
//     class CMenu : public ComObject<CMenu, IDSMenu, IDSCommandListOwner> { ... };
//     CComPtr<IDSMenu> menu = CMenu::Create(args...);
//
// QueryInterface answers every interface of the list and each interface it derives from, as
// declared by DS_INTERFACE_ID. IUnknown is always answered through the first interface, so
// that the identity rule holds.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Unknown.h"

#include <atomic>
#include <tuple>
#include <type_traits>
#include <utility>

template <class Derived, class... Interfaces> class ComObject : public Interfaces...
{
    static_assert(sizeof...(Interfaces) > 0, "a COM object implements at least one interface");

public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown)
            *object = static_cast<IUnknown*>(static_cast<First*>(this));
        else
            (FindInChain<Interfaces>(iid, object) || ...);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    ULONG AddRef() override { return ++m_refs; }

    ULONG Release() override
    {
        ULONG remaining = --m_refs;
        if (remaining == 0)
            delete this;
        return remaining;
    }

    // Creates an object holding one reference, owned by the returned pointer.
    template <class... Args> static CComPtr<Derived> Create(Args&&... args)
    {
        CComPtr<Derived> created;
        created.Attach(new Derived(std::forward<Args>(args)...));
        return created;
    }

    // The object's identity as IUnknown, borrowed.
    IUnknown* GetUnknown() { return static_cast<IUnknown*>(static_cast<First*>(this)); }

protected:
    ComObject() = default;
    ComObject(const ComObject&) : m_refs(1) {}
    ComObject& operator=(const ComObject&) { return *this; }
    virtual ~ComObject() = default;

private:
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

    template <class I> bool FindInChain(REFIID iid, void** object)
    {
        return FindInChainAs<I, I>(iid, object);
    }

    template <class I, class Current> bool FindInChainAs(REFIID iid, void** object)
    {
        if constexpr (std::is_same_v<Current, IUnknown>) {
            return false;
        } else {
            if (iid == uuidof<Current>()) {
                *object = static_cast<Current*>(static_cast<I*>(this));
                return true;
            }
            return FindInChainAs<I, InterfaceBaseOf<Current>>(iid, object);
        }
    }

    std::atomic<ULONG> m_refs{1};
};
