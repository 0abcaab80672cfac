// Finding the picture a production shows at a time: the source file behind it, so that an
// overlay can show that file itself instead of the whole production.
#pragma once

#include "model/KVEProductionData.h"

#include <string>
#include <string_view>

struct RawSourceInfo
{
    // The file as the panel names it (content macros and a "vob:" prefix kept).
    std::wstring m_szSrcFile;
    // Where in the file the picture is, and where the panel stops playing it, in seconds.
    double m_dInPoint = 0.0;
    double m_dOutPoint = 0.0;
    // Where the panel starts in the production.
    double m_dStart = 0.0;
    // The file's rotation in degrees.
    LONG m_lAngle = 0;
    // The width / height of the file's picture as shown; 0 when the engine does not know it.
    double m_dAspectRatio = 0.0;
};

// The source file shown at dOffset seconds of the production (a slide of a slide show is the
// still shown then). S_OK when the panel there is a source file; S_FALSE when it is not (a
// colour, a nested production, or a time outside the production), info then naming the
// source file panel closest to that time; E_OVERLAYSOURCE_CANT_RESOLVE when the production
// holds no source file at all. Failures of the engine are returned.
HRESULT ExtractRawSource(IKVEProductionData* pProduction, double dOffset, RawSourceInfo& info);

// The first source file inside a production file: the file is loaded into a production of
// its own and asked as above at its start.
HRESULT ExtractFirstSource(const std::wstring& productionFile, RawSourceInfo& info);

// Whether a source names a stream on a disc ("vob:" in any case, then the file).
bool IsDiscSource(std::wstring_view source);
