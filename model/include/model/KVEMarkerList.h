// The marker list of a production: chapter markers (kind 0) and thumbnail markers (kind 1),
// each with an ID, a time in seconds and a link. Positions count within one kind, in time
// order (markers at the same time in the order they were added). A new marker's link is −1.
// The operations keep their places in the interface; the places between are taken by further
// operations.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

#include <cstddef>

enum KVEMarkerKind : LONG
{
    KVE_MARKER_CHAPTER = 0,
    KVE_MARKER_THUMBNAIL = 1,
};

struct KVEMarker
{
    LONG lID;
    double dTime;
    LONG lLink;
    LONG lKind;
};
static_assert(offsetof(KVEMarker, lID) == 0 && offsetof(KVEMarker, dTime) == 8 &&
              offsetof(KVEMarker, lLink) == 16);

DS_INTERFACE_ID(IKVEMarkerList, IUnknown, "{147670E6-FBB7-4E5A-BB81-FCC09064F16C}");

struct IKVEMarkerList : IUnknown
{
    // A marker of a kind at a time (not negative, a number); flags is reserved (0).
    virtual HRESULT AddMarker(double time, LONG kind, LONG flags, LONG* id) = 0;
    // E_INVALIDARG when there is no marker of that ID.
    virtual HRESULT RemoveMarker(LONG id) = 0;
    virtual HRESULT GetMarkerCount(LONG kind, LONG* count) = 0;
    // The marker at a position within its kind; E_INVALIDARG outside 0 … count − 1.
    virtual HRESULT GetMarkerItem(LONG index, LONG kind, KVEMarker* marker) = 0;
    virtual HRESULT GetMarkerByID(LONG id, KVEMarker* marker) = 0;
    // The position of a marker within its kind.
    virtual HRESULT GetMarkerIndex(LONG id, LONG* index) = 0;
    virtual HRESULT SetMarkerLink(LONG id, LONG link) = 0;
    virtual HRESULT RemoveAllMarkers() = 0;
    // A marker's name (chapter titles); empty unless set.
    virtual HRESULT SetMarkerName(LONG id, BSTR name) = 0;
    virtual HRESULT GetMarkerName(LONG id, BSTR* name) = 0;
    // Removes every marker of one kind.
    virtual HRESULT RemoveMarkersOfKind(LONG kind) = 0;
    // The marker of a kind nearest to a time within tolerance seconds; S_FALSE and −1 when
    // none is that near.
    virtual HRESULT FindMarkerNear(double time, LONG kind, double tolerance, LONG* id) = 0;
    // The number of markers of all kinds.
    virtual HRESULT GetTotalMarkerCount(LONG* count) = 0;
    // Replaces every marker with copies of another list's markers, IDs kept.
    virtual HRESULT CopyMarkersFrom(IKVEMarkerList* source) = 0;
    // E_INVALIDARG for a negative time or one that is not a number.
    virtual HRESULT SetMarkerTime(LONG id, double time) = 0;
};
