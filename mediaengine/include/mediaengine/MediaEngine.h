// The media production engine: productions (storyboards), graph managers that render their
// frames, and media file properties.
#pragma once

#include "platform/WinTypes.h"

// Makes CLSID_KVEProduction, CLSID_KVEGraphManager and CLSID_KVGMediaFileProp creatable
// through the class factory. A program calls it once before it creates engine objects.
HRESULT RegisterMediaEngineClasses();
