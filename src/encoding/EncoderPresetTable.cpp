#include "EncoderPresetTable.h"

#include <array>

namespace {

// Cells in preset order: EP_Standard, EP_Better, EP_HQ, EP_LongPlay.
using PresetRow = std::array<EncoderSettings, 4>;

constexpr PresetRow kBluRayMPEG2Row = {{{20000000, VideoResolution_HD12},
                                        {25000000, VideoResolution_HD14},
                                        {28000000, VideoResolution_HD15},
                                        {15000000, VideoResolution_HD8}}};
constexpr PresetRow kAVCRow = {{{11000000, VideoResolution_HD12},
                                {13000000, VideoResolution_HD14},
                                {16000000, VideoResolution_HD15},
                                {8000000, VideoResolution_HD8}}};
constexpr PresetRow kHDDVDRow = {{{17000000, VideoResolution_HD12},
                                  {20000000, VideoResolution_HD14},
                                  {22000000, VideoResolution_HD15},
                                  {15000000, VideoResolution_HD9}}};
// A reduced-rate HD DVD disc cannot carry the higher rates; its better and high-quality
// presets are the same.
constexpr PresetRow kReducedHDDVDRow = {{{17000000, VideoResolution_HD12},
                                         {19000000, VideoResolution_HD14},
                                         {19000000, VideoResolution_HD14},
                                         {15000000, VideoResolution_HD9}}};
constexpr PresetRow kStandardDefinitionRow = {{{4000000, VideoResolution_352},
                                               {6500000, VideoResolution_352},
                                               {9000000, VideoResolution_720},
                                               {3000000, VideoResolution_352Half}}};

const PresetRow& RowOf(DiscFormat eFormat, VideoFormat eVideo, bool bReducedRate)
{
    switch (eFormat) {
    case DiscFormat_BluRay:
        return eVideo == VideoFormat_AVC ? kAVCRow : kBluRayMPEG2Row;
    case DiscFormat_AVCHD:
        return kAVCRow;
    case DiscFormat_HDDVD:
        return bReducedRate ? kReducedHDDVDRow : kHDDVDRow;
    default:
        return kStandardDefinitionRow;
    }
}

} // namespace

bool FindPresetSettings(DiscFormat eFormat, VideoFormat eVideo, bool bReducedRate,
                        EncoderPresets ePreset, EncoderSettings& settings)
{
    if (ePreset < EP_Standard || ePreset > EP_LongPlay)
        return false;
    settings = RowOf(eFormat, eVideo, bReducedRate)[ePreset - EP_Standard];
    return true;
}
