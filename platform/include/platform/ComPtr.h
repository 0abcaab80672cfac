// Smart pointers that hold one counted reference to an interface.
#pragma once

#include "platform/Unknown.h"

#include <memory>
#include <utility>

template <class T> class CComPtr
{
public:
    CComPtr() = default;
    CComPtr(std::nullptr_t) {}
    CComPtr(T* p) : p(p)
    {
        if (p)
            p->AddRef();
    }
    CComPtr(const CComPtr& other) : CComPtr(other.p) {}
    CComPtr(CComPtr&& other) noexcept : p(std::exchange(other.p, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    CComPtr(const CComPtr<U>& other) : CComPtr(static_cast<T*>(other.p))
    {}
    ~CComPtr() { Release(); }

    CComPtr& operator=(T* other)
    {
        if (other)
            other->AddRef();
        Release();
        p = other;
        return *this;
    }
    CComPtr& operator=(const CComPtr& other) { return *this = other.p; }
    CComPtr& operator=(CComPtr&& other) noexcept
    {
        if (this != std::addressof(other)) {
            Release();
            p = std::exchange(other.p, nullptr);
        }
        return *this;
    }
    CComPtr& operator=(std::nullptr_t)
    {
        Release();
        return *this;
    }

    operator T*() const { return p; }
    T& operator*() const { return *p; }
    T* operator->() const { return p; }
    bool operator!() const { return p == nullptr; }

    // The address of the held pointer, for an out argument; what was held is released first
    // so that the callee's reference replaces it without a leak.
    T** operator&()
    {
        Release();
        return &p;
    }

    // Drops the held reference.
    void Release()
    {
        if (T* old = std::exchange(p, nullptr))
            old->Release();
    }

    // Takes over a reference the caller owns.
    void Attach(T* other)
    {
        Release();
        p = other;
    }

    // Gives up the held reference to the caller.
    T* Detach() { return std::exchange(p, nullptr); }

    // Hands out one more reference.
    HRESULT CopyTo(T** out) const
    {
        if (!out)
            return E_POINTER;
        *out = p;
        if (p)
            p->AddRef();
        return S_OK;
    }

    template <class Q> HRESULT QueryInterface(Q** out) const
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (!p)
            return E_POINTER;
        return p->QueryInterface(uuidof<Q>(), reinterpret_cast<void**>(out));
    }

    // True when both pointers name the same object (compared through IUnknown).
    bool IsEqualObject(IUnknown* other) const;

    // Creates an object of a registered class and keeps its T interface.
    HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer = nullptr, DWORD context = 0);

    T* p = nullptr;
};

// A pointer that obtains its interface by asking another object for it.
template <class T> class CComQIPtr : public CComPtr<T>
{
public:
    CComQIPtr() = default;
    CComQIPtr(std::nullptr_t) {}
    CComQIPtr(T* p) : CComPtr<T>(p) {}
    CComQIPtr(const CComQIPtr& other) : CComPtr<T>(other.p) {}
    CComQIPtr(CComQIPtr&& other) noexcept : CComPtr<T>(std::move(other)) {}
    template <class U, class = std::enable_if_t<!std::is_convertible_v<U*, T*>>> CComQIPtr(U* other)
    {
        Ask(other);
    }
    template <class U, class = std::enable_if_t<!std::is_convertible_v<U*, T*>>>
    CComQIPtr(const CComPtr<U>& other)
    {
        Ask(other.p);
    }

    CComQIPtr& operator=(const CComQIPtr& other)
    {
        CComPtr<T>::operator=(other.p);
        return *this;
    }
    CComQIPtr& operator=(T* other)
    {
        CComPtr<T>::operator=(other);
        return *this;
    }
    template <class U, class = std::enable_if_t<!std::is_convertible_v<U*, T*>>>
    CComQIPtr& operator=(U* other)
    {
        CComPtr<T>::Release();
        Ask(other);
        return *this;
    }

private:
    template <class U> void Ask(U* other)
    {
        if (other)
            other->QueryInterface(uuidof<T>(), reinterpret_cast<void**>(&this->p));
    }
};

// IUnknown is its own target: asking it for IUnknown would add nothing.
template <> class CComQIPtr<IUnknown> : public CComPtr<IUnknown>
{
public:
    CComQIPtr() = default;
    CComQIPtr(IUnknown* p)
    {
        if (p)
            p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&this->p));
    }
};

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);

// The creation context of an object in the calling process: every class of the system is one,
// so the context is accepted and not read.
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

template <class T> bool CComPtr<T>::IsEqualObject(IUnknown* other) const
{
    if (!p && !other)
        return true;
    if (!p || !other)
        return false;
    CComPtr<IUnknown> mine;
    CComPtr<IUnknown> theirs;
    p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&mine.p));
    other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs.p));
    return mine.p == theirs.p;
}

template <class T>
HRESULT CComPtr<T>::CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context)
{
    Release();
    return ::CoCreateInstance(clsid, outer, context, uuidof<T>(), reinterpret_cast<void**>(&p));
}
