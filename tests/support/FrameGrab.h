// Frames of real productions for tests: rendered by a graph manager of the media engine (its
// classes registered) and compared pixel by pixel.
#pragma once

#include "model/IDSMenu.h"
#include "model/KVEProductionData.h"
#include "platform/ComPtr.h"
#include "platform/Image.h"
#include "support/ColourCheck.h"

// The frame of a production at a time, width × height pixels, as the graph manager extracts
// it.
HRESULT ExtractFrame(IKVEProductionData* production, double time, int width, int height,
                     BgraImage& frame);

// A new production of the menu's shape (its aspect ratio) that holds the menu's background
// alone, to tell what the menu draws over its background.
HRESULT MenuBackgroundProduction(IDSMenu* menu, CComPtr<IKVEProductionData>& production);
