// Asking the media file properties object of the engine about a file.
#pragma once

#include "model/KVGMediaFileProp.h"

#include "platform/ComPtr.h"

// A properties object of the file; failures are reported and returned.
HRESULT OpenFileProperties(const wchar_t* pszFile, CComPtr<IKVGMediaFileProp>& spFileProp);

// The width / height of the file's picture as it is shown: the frame's shape with its pixel
// shape applied (an anamorphic frame is shown wider than it is stored); 0 without a picture.
double ShownAspect(const KVGVideoInfo& VideoInfo);
