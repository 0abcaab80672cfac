// Storyboard steps shared by the background audio operations and the menu background.
#pragma once

#include "model/KVEProductionData.h"

// Lets the storyboard's first panel play its own sound exactly when the storyboard has no
// background audio. A storyboard without panels, or whose first panel has no sound of its
// own, is left alone.
HRESULT UseNativeAudioUnless(IKVEProductionData* pSbd, bool bBackgroundAudio);
