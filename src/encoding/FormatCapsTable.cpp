#include "FormatCapsTable.h"

namespace {

constexpr FormatCaps::AudioEntry kAC3Rates = {AudioFormat_AC3,
                                              {128000, 192000, 256000, 384000, 448000, 640000}};
constexpr FormatCaps::AudioEntry kAC3RatesTo448 = {AudioFormat_AC3,
                                                   {128000, 192000, 256000, 384000, 448000}};
constexpr FormatCaps::AudioEntry kMPEGRates = {
    AudioFormat_MPEG, {112000, 128000, 160000, 192000, 224000, 256000, 320000, 384000}};
constexpr FormatCaps::AudioEntry kMPEGVideoCDRate = {AudioFormat_MPEG, {224000}};
constexpr FormatCaps::AudioEntry kLPCMRate = {AudioFormat_LPCM, {kLPCMBitRate}};

} // namespace

const FormatCaps kDVDCaps = {
    9500000,
    3000000,
    9000000,
    {VideoResolution_720, VideoResolution_704, VideoResolution_352, VideoResolution_352Half},
    {kAC3Rates, kMPEGRates, kLPCMRate}};

const FormatCaps kVideoCDCaps = {
    1374000, 1150000, 1150000, {VideoResolution_352Half}, {kMPEGVideoCDRate}};

const FormatCaps kSuperVideoCDCaps = {
    2824000, 2600000, 2600000, {VideoResolution_480}, {kMPEGVideoCDRate}};

const FormatCaps kBluRayMPEG2Caps = {40000000,
                                     15000000,
                                     30000000,
                                     {VideoResolution_HD6, VideoResolution_HD7, VideoResolution_HD8,
                                      VideoResolution_HD14, VideoResolution_HD12,
                                      VideoResolution_HD15, VideoResolution_HD13},
                                     {kAC3Rates, kLPCMRate}};

const FormatCaps kBluRayAVCCaps = {40000000,
                                   7000000,
                                   15000000,
                                   {VideoResolution_HD6, VideoResolution_HD7, VideoResolution_HD8,
                                    VideoResolution_HD14, VideoResolution_HD12,
                                    VideoResolution_HD15, VideoResolution_HD13},
                                   {kAC3Rates, kLPCMRate}};

const FormatCaps kHDDVDCaps = {30000000,
                               15000000,
                               28000000,
                               {VideoResolution_HD6, VideoResolution_HD7, VideoResolution_HD9,
                                VideoResolution_HD12, VideoResolution_HD14, VideoResolution_HD15},
                               {kAC3RatesTo448, kLPCMRate}};

std::span<const FormatCaps::AudioEntry> AudioEntries(const FormatCaps& caps)
{
    size_t count = 0;
    while (count < FormatCaps::kAudioEntries && caps.audio[count].audioFormat != AudioFormat_None)
        ++count;
    return {caps.audio, count};
}

std::span<const LONG> EntryRates(const FormatCaps::AudioEntry& entry)
{
    size_t count = 0;
    while (count < FormatCaps::kAudioRateSlots && entry.bitRates[count] != 0)
        ++count;
    return {entry.bitRates, count};
}
