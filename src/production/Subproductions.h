// Nested productions of a menu storyboard: the productions it shows inside itself (a
// background, a title's production behind a thumbnail, a montage) are kept in it under
// monikers of the form "moniker::dvdproduction_<ID>".
#pragma once

#include "platform/Bstr.h"
#include "platform/WinTypes.h"

// The moniker of the nested production numbered lId; *pbstrMoniker receives a new string
// (the caller frees it). E_POINTER for a null out argument.
HRESULT GenerateSubproductionMoniker(LONG lId, BSTR* pbstrMoniker);
