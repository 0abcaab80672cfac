#include "DisplayNames.h"

#include <span>

namespace {

struct NamedValue
{
    LONG value;
    const char* key;
    const char* label;
};

constexpr NamedValue kDiscFormats[] = {
    {DiscFormat_None, "none", "no disc format"},  {DiscFormat_DVD, "dvd", "DVD"},
    {DiscFormat_DVD2, "dvd2", "DVD 2"},           {DiscFormat_DVD3, "dvd3", "DVD 3"},
    {DiscFormat_DVD4, "dvd4", "DVD 4"},           {DiscFormat_VCD, "vcd", "Video CD"},
    {DiscFormat_SVCD, "svcd", "Super Video CD"},  {DiscFormat_BluRay, "bluray", "Blu-ray"},
    {DiscFormat_BluRay2, "bluray2", "Blu-ray 2"}, {DiscFormat_HDDVD, "hddvd", "HD DVD"},
    {DiscFormat_HDDVD2, "hddvd2", "HD DVD 2"},    {DiscFormat_AVCHD, "avchd", "AVCHD"},
};

constexpr NamedValue kTVStandards[] = {
    {TVStandard_NTSC, "ntsc", "NTSC"},
    {TVStandard_PAL, "pal", "PAL"},
};

constexpr NamedValue kAspectRatios[] = {
    {AspectRatio_4x3, "4:3", "4:3"},
    {AspectRatio_16x9, "16:9", "16:9"},
};

constexpr NamedValue kVideoFormats[] = {
    {VideoFormat_MPEG2, "mpeg2", "MPEG-2"},
    {VideoFormat_AVC, "avc", "AVC"},
    {VideoFormat_MPEG1, "mpeg1", "MPEG-1"},
};

constexpr NamedValue kAudioFormats[] = {
    {AudioFormat_None, "none", "no audio"},
    {AudioFormat_LPCM, "lpcm", "LPCM"},
    {AudioFormat_MPEG, "mp2", "MPEG-1 Layer II"},
    {AudioFormat_AC3, "ac3", "AC-3"},
};

constexpr NamedValue kPresets[] = {
    {EP_Custom, "custom", "custom"},         {EP_Standard, "standard", "standard"},
    {EP_Better, "better", "better"},         {EP_HQ, "hq", "high quality"},
    {EP_LongPlay, "long-play", "long play"},
};

// Tags are bit sets: the first entry whose bit the tag has names it.
constexpr NamedValue kMenuKinds[] = {
    {MenuType_Main, "main", "main menu"},
    {MenuType_Chapter, "chapter", "chapter menu"},
    {MenuType_MainTemplate, "main-template", "main menu template"},
    {MenuType_ChapterTemplate, "chapter-template", "chapter menu template"},
    {MenuType_Transition, "transition", "transition menu"},
};

constexpr NamedValue kButtonKinds[] = {
    {ButtonType_Command, "command", "button"},
    {ButtonType_Next, "next", "Next"},
    {ButtonType_Prev, "prev", "Previous"},
    {ButtonType_Home, "home", "Home"},
    {ButtonType_Up, "up", "Up"},
    {ButtonType_ChapterRange, "chapter-range", "chapter range"},
};

constexpr NamedValue kTitleKinds[] = {
    {TitleType_Private, "private", "private"},
    {TitleType_FirstPlay, "first-play", "first play"},
    {TitleType_User, "user", "user"},
};

// What each code of the project validator means.
constexpr NamedValue kFindingKinds[] = {
    {ErrorCode_OverlappingButtons, "overlapping-buttons", "the buttons overlap"},
    {ErrorCode_TitleFileMissing, "title-file-missing",
     "a file the title plays is missing or cannot be loaded"},
    {ErrorCode_MenuFileMissing, "menu-file-missing",
     "a file the menu shows is missing or cannot be loaded"},
    {ErrorCode_DataFileUnreadable, "data-file-unreadable", "the data file cannot be opened"},
    {ErrorCode_ButtonLeadsNowhere, "button-leads-nowhere", "the button leads nowhere"},
    {ErrorCode_MenuNotReferenced, "menu-not-referenced", "no button or command leads to the menu"},
    {ErrorCode_TitleNotReferenced, "title-not-referenced",
     "no button or command leads to the title"},
    {ErrorCode_NoFirstPlay, "no-first-play",
     "the disc has nothing to start with: no first-play title, no root menu and no command of "
     "the project"},
    {ErrorCode_NothingToPlay, "nothing-to-play", "the project has nothing to play"},
    {ErrorCode_TooManySlides, "too-many-slides",
     "the slideshow has more slides than a disc can hold"},
    {ErrorCode_NotEnoughDiskSpace, "not-enough-disk-space",
     "the working folder has too little free space"},
    {ErrorCode_EmptyTitle, "empty-title", "the title plays nothing"},
    {ErrorCode_MenuShowsEmptyTitle, "menu-shows-empty-title",
     "the menu shows a title that plays nothing"},
    {ErrorCode_NTSCWithMPEGAudio, "ntsc-with-mpeg-audio",
     "the NTSC disc has MPEG audio, which not every NTSC player plays"},
};

DisplayName ByValue(std::span<const NamedValue> table, LONG value, const char* kind)
{
    for (const NamedValue& entry : table) {
        if (entry.value == value)
            return {entry.key, entry.label};
    }
    std::string number = std::string(kind) + " " + std::to_string(value);
    return {number, number};
}

DisplayName ByTagBit(std::span<const NamedValue> table, ULONG tag)
{
    for (const NamedValue& entry : table) {
        if (tag & ULONG(entry.value))
            return {entry.key, entry.label};
    }
    return {"other", "other"};
}

constexpr std::span<const NamedValue> kAllTables[] = {
    kDiscFormats, kTVStandards, kAspectRatios, kVideoFormats, kAudioFormats,
    kPresets,     kMenuKinds,   kButtonKinds,  kTitleKinds,
};

} // namespace

std::string LabelOf(const std::string& key)
{
    for (std::span<const NamedValue> table : kAllTables) {
        for (const NamedValue& entry : table) {
            if (key == entry.key)
                return entry.label;
        }
    }
    return key;
}

DisplayName NameOf(DiscFormat format)
{
    return ByValue(kDiscFormats, format, "format");
}

DisplayName NameOf(TVStandard standard)
{
    return ByValue(kTVStandards, standard, "standard");
}

DisplayName NameOf(AspectRatio aspect)
{
    return ByValue(kAspectRatios, aspect, "aspect");
}

DisplayName NameOf(VideoFormat format)
{
    return ByValue(kVideoFormats, format, "video");
}

DisplayName NameOf(AudioFormat format)
{
    return ByValue(kAudioFormats, format, "audio");
}

DisplayName NameOf(EncoderPresets preset)
{
    return ByValue(kPresets, preset, "preset");
}

DisplayName MenuKindOf(ULONG tag)
{
    return ByTagBit(kMenuKinds, tag);
}

DisplayName ButtonKindOf(ULONG tag)
{
    return ByTagBit(kButtonKinds, tag);
}

std::vector<DisplayName> ButtonKindsOf(ULONG mask)
{
    std::vector<DisplayName> kinds;
    for (const NamedValue& entry : kButtonKinds) {
        if (mask & ULONG(entry.value))
            kinds.push_back({entry.key, entry.label});
    }
    return kinds;
}

DisplayName TitleKindOf(ULONG tag)
{
    return ByTagBit(kTitleKinds, tag);
}

DisplayName FindingKindOf(eErrorCodes code)
{
    return ByValue(kFindingKinds, code, "finding");
}
