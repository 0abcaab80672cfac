// Nested productions of a menu storyboard: the productions it shows inside itself (a
// background, a title's production behind a thumbnail, a montage) are kept in it under
// monikers of the form "moniker::dvdproduction_<ID>", and the private titles that own the
// productions the library makes for itself.
#pragma once

#include "model/IDSProjectData.h"
#include "model/KVEProductionData.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/WinTypes.h"

// The moniker of the nested production numbered lId; *pbstrMoniker receives a new string
// (the caller frees it). E_POINTER for a null out argument.
HRESULT GenerateSubproductionMoniker(LONG lId, BSTR* pbstrMoniker);

// Keeps pProduction in the menu storyboard under the moniker of lId and hands the moniker out
// through *pbstrMoniker (a new string the caller frees). The number must be the ID of the
// object the production belongs to: E_INVALIDARG for 0 or less, since a number made up for
// the occasion would differ from run to run and could name another production. E_POINTER
// for a null argument.
HRESULT AddSubproduction(IKVEProductionData* pMenuSbd, BSTR* pbstrMoniker, IUnknown* pProduction,
                         LONG lId);

// The production of the project's private title *pdwPrivateId (one reference through *ppSub).
// When that ID names no private title (TitleType_Private), a private title is appended and
// its ID written to *pdwPrivateId, so that a user's title is never taken for one. E_POINTER
// for a null argument.
HRESULT GetPrivateProduction(IDSProjectData* pProject, IKVEProductionData** ppSub,
                             DWORD* pdwPrivateId);

// The production of the project's private title dwPrivateId; null when that ID names no
// private title.
CComPtr<IKVEProductionData> FindPrivateProduction(IDSProjectData* pProject, DWORD dwPrivateId);
