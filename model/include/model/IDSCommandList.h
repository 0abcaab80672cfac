// The navigation command list that projects, titles, menus and buttons carry. Callers ask any
// of those objects for this interface.
#pragma once

#include "model/DiscCommand.h"
#include "platform/Unknown.h"

DS_INTERFACE_ID(IDSCommandList, IUnknown, "{EF70DBD7-59A2-43A4-90D7-8A7695738FEA}");

struct IDSCommandList : IUnknown
{
    // Hands out the commands in list order: *count entries in *commands, an array allocated
    // with CoTaskMemAlloc (null when the list is empty). The caller owns the array and one
    // reference on every non-null node in it, and frees both (Release, then CoTaskMemFree).
    // Each node is a copy of the list's own, so the caller may change it freely.
    virtual HRESULT GetCommands(LONG* count, DiscCommandParams** commands) = 0;

    // Replaces the whole list by a copy of count entries. Each node must be an element and is
    // copied deeply, so the caller keeps its array and its nodes, and later changes to them do
    // not reach the list. E_INVALIDARG for a negative count or a node that is not an element,
    // E_POINTER for a null array with a count above 0; the list is unchanged on failure.
    virtual HRESULT SetCommands(LONG count, const DiscCommandParams* commands) = 0;
};
