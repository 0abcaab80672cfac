// The methods of the media engine's interfaces as E_NOTIMPL mixins over a base that derives
// from the interface, for stand-ins of tests that must make the engine answer what the real
// one never does. Stand-ins derive from them and override what a test reads.
#pragma once

#include "model/KVEMarkerList.h"

template <class Base> class StubMarkerList : public Base
{
public:
    HRESULT AddMarker(double, LONG, LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT RemoveMarker(LONG) override { return E_NOTIMPL; }
    HRESULT GetMarkerCount(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT GetMarkerItem(LONG, LONG, KVEMarker*) override { return E_NOTIMPL; }
    HRESULT GetMarkerByID(LONG, KVEMarker*) override { return E_NOTIMPL; }
    HRESULT GetMarkerIndex(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT SetMarkerLink(LONG, LONG) override { return E_NOTIMPL; }
    HRESULT RemoveAllMarkers() override { return E_NOTIMPL; }
    HRESULT SetMarkerName(LONG, BSTR) override { return E_NOTIMPL; }
    HRESULT GetMarkerName(LONG, BSTR*) override { return E_NOTIMPL; }
    HRESULT RemoveMarkersOfKind(LONG) override { return E_NOTIMPL; }
    HRESULT FindMarkerNear(double, LONG, double, LONG*) override { return E_NOTIMPL; }
    HRESULT GetTotalMarkerCount(LONG*) override { return E_NOTIMPL; }
    HRESULT CopyMarkersFrom(IKVEMarkerList*) override { return E_NOTIMPL; }
    HRESULT SetMarkerTime(LONG, double) override { return E_NOTIMPL; }
};
