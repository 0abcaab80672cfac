// VOB monikers (see CDSAppUtils): the media engine takes "vob:" followed by the path of one VOB
// file; a moniker that names a title set of a DVD-Video folder stands for several of those.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// The engine's monikers of the VOB files a moniker stands for, in playing order: a moniker
// that names a VOB file is handed back as it stands; "vob:<n>:<folder>" gives the parts
// VTS_<nn>_1.VOB to VTS_<nn>_9.VOB of title set n (1 to 99) that the folder holds (names
// compared without regard to case). E_INVALIDARG, reported, for a title set without a folder
// or outside 1 to 99; HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), reported, when the folder holds
// no VOB file of the title set.
HRESULT ExpandVobMoniker(const std::wstring& moniker, std::vector<std::wstring>& monikers);

// The local path of the VOB file of an engine moniker ("vob:" taken off).
std::wstring VobFileOfMoniker(const std::wstring& moniker);
