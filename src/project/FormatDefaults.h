// What a project of a disc format starts with.
#pragma once

#include "model/ProjectEnums.h"

class CDSConfig;

// Whether the format is a video CD (formats 5 and 6).
bool IsVideoCD(DiscFormat eFormat);

// The TV standard a project of the format starts with: PAL when the setting of the format's
// family is not 0 (DSConfig_DefaultTVStandardHD for formats 7 and 11, else
// DSConfig_DefaultTVStandardSD), else NTSC.
TVStandard DefaultTVStandard(DiscFormat eFormat, const CDSConfig& config);
