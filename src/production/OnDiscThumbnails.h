// The cache of title thumbnails for titles whose content already lies on a disc: pictures
// the application leaves in "OnDiscCache" of the temporary folder, named by title and
// thumbnail number.
#pragma once

#include "model/IDSMenuElement.h"

#include "platform/Bstr.h"

// The cached thumbnail of the title an overlay shows: the title its button plays (with the
// chapter as thumbnail number) when the overlay is in a button that plays one, else the title
// lSourceId. *pbstrFile receives the cache path (a new string the caller frees) whenever a
// title is found. S_OK when that file exists; S_FALSE when it does not or no title is found.
HRESULT GetOnDiscCachedTitleThumbnail(IDSMenuOverlay* pOvl, LONG lSourceId, BSTR* pbstrFile);
