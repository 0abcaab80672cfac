// A small production that stands in for the media engine's: it keeps a content string, a
// duration and the element items of a menu, saves and loads them as XML, and counts how many
// of its kind are alive so that tests can see productions being released.
#pragma once

#include "model/KVEProductionInfo.h"
#include "model/KVEProductionLink.h"
#include "platform/ClassFactory.h"
#include "platform/ComObject.h"

#include <map>
#include <memory>
#include <string>

class FakeProduction
    : public ComObject<FakeProduction, IKVEProductionXml, IKVEMenuComposition, IProductionInfo>
{
public:
    FakeProduction();

    HRESULT SaveToXml(IXMLDOMNode* parent) override;
    HRESULT LoadFromXml(IXMLDOMNode* element) override;

    HRESULT SetMenu(IUnknown* menu) override;
    HRESULT GetMenu(IUnknown** menu) override;
    HRESULT AddElementItem(LONG elementId, LONG* itemId) override;
    HRESULT RemoveElementItem(LONG itemId) override;
    HRESULT GetElementOfItem(LONG itemId, LONG* elementId) override;
    HRESULT GetElementItemCount(LONG* count) override;

    HRESULT get_AspectRatio(double* ratio) override;
    HRESULT put_AspectRatio(double ratio) override;
    HRESULT get_Duration(double* seconds) override;
    HRESULT get_EditingFrameRate(double* rate) override;
    HRESULT put_EditingFrameRate(double rate) override;
    HRESULT get_Is3D(VARIANT_BOOL* is3D) override;
    HRESULT put_Is3D(VARIANT_BOOL is3D) override;
    HRESULT GetMetaData(BSTR name, IXMLDOMNode** node) override;
    HRESULT SetMetaData(BSTR name, IXMLDOMNode* node) override;

    std::wstring content;
    double duration = 0.0;
    IUnknown* menu = nullptr;
    std::map<LONG, LONG> items;
    LONG nextItem = 1;

    // Knobs shared by every fake of one test.
    struct Behaviour
    {
        // AddElementItem fails once this many items were added (negative: never).
        int itemsBeforeFailure = -1;
        bool failSaving = false;
        int alive = 0;
    };
    static Behaviour& Shared();

protected:
    ~FakeProduction() override;
};

// The fake of a production object (one reference).
FakeProduction* FakeOf(IUnknown* production);

// Registers FakeProduction under CLSID_KVEProduction for a scope and resets its knobs.
class FakeProductionScope
{
public:
    FakeProductionScope();
    ~FakeProductionScope();

private:
    ScopedClassRegistration m_registration;
};
