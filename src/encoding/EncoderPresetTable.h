// The preset table: per disc format, the video bitrate and resolution of each preset.
#pragma once

#include "dsutils/DSEncodeParams.h"

// The cell of a preset for a disc format (and, on format 7, its video format); bReducedRate
// marks an HD DVD disc of a reduced-rate size. False for EP_Custom and for values that name
// no preset.
bool FindPresetSettings(DiscFormat eFormat, VideoFormat eVideo, bool bReducedRate,
                        EncoderPresets ePreset, EncoderSettings& settings);
