// Smart audio tracks: an XML document whose root element "SmartAudio" names the track
// ("title") and the longest it can be arranged to last ("maxDuration" seconds, −1 or absent
// for no limit), with "Segment" children that name the recordings it is built from ("file").
#pragma once

#include "platform/WinTypes.h"

#include <string>

struct SmartAudioDescription
{
    std::wstring title;
    double maxDuration = -1.0;
};

// S_OK with the description for a smart audio file, S_FALSE for any other readable file, the
// file error for one that cannot be read.
HRESULT ReadSmartAudioFile(const std::wstring& path, SmartAudioDescription& description);
