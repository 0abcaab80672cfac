// The capability blocks of the disc formats, and bounded views of a block's audio table.
#pragma once

#include "dsutils/DSEncodeParams.h"

#include <span>

// Standard DVD (formats 1 and 2; also the block of a new object).
extern const FormatCaps kDVDCaps;
// Video CD (format 5): one resolution, fixed video and audio rates.
extern const FormatCaps kVideoCDCaps;
// Super Video CD (format 6).
extern const FormatCaps kSuperVideoCDCaps;
// Blu-ray with MPEG-2 video (format 7).
extern const FormatCaps kBluRayMPEG2Caps;
// Blu-ray with AVC video (format 7), and AVCHD (format 11).
extern const FormatCaps kBluRayAVCCaps;
// HD DVD (format 9).
extern const FormatCaps kHDDVDCaps;

// The LPCM rate, the only one that format has.
inline constexpr LONG kLPCMBitRate = 1536000;

// The audio entries of a block: those before the first entry without a format.
std::span<const FormatCaps::AudioEntry> AudioEntries(const FormatCaps& caps);

// The rates of an entry: the slots before the first empty one.
std::span<const LONG> EntryRates(const FormatCaps::AudioEntry& entry);
