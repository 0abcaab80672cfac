// The names the program gives to the values of the project's enumerations and tags: a key for
// programs (JSON, and later the command line) and a label for people.
#pragma once

#include "dsutils/DSEncodeParams.h"
#include "dsutils/ErrorInfo.h"
#include "model/ProjectEnums.h"

#include <string>
#include <vector>

struct DisplayName
{
    // Lower case, no blanks: "dvd", "ntsc", "mpeg2", "ac3".
    std::string key;
    // For people: "DVD", "NTSC", "MPEG-2", "AC-3".
    std::string label;
};

// Values outside the tables are named by their number ("format 12").
DisplayName NameOf(DiscFormat format);
DisplayName NameOf(TVStandard standard);
DisplayName NameOf(AspectRatio aspect);
DisplayName NameOf(VideoFormat format);
DisplayName NameOf(AudioFormat format);
DisplayName NameOf(EncoderPresets preset);

// What a menu is by its tag: "main", "chapter", "main template" … ("other" for none of them).
DisplayName MenuKindOf(ULONG tag);
// What a button is by its tag: "command", "next", "prev", "home", "up", "chapter-range".
DisplayName ButtonKindOf(ULONG tag);
// Every kind of button a mask of button tags names, in the order above.
std::vector<DisplayName> ButtonKindsOf(ULONG mask);
// The label of a key that one of the names above gives (reports keep keys, their text shows
// labels); an unknown key is its own label.
std::string LabelOf(const std::string& key);

// What a title is by its tag: "user", "first-play", "private" ("other" for none of them).
DisplayName TitleKindOf(ULONG tag);

// What a finding of the project validator is: "title-file-missing" and what it means, "a file
// the title plays is missing or cannot be loaded".
DisplayName FindingKindOf(eErrorCodes code);
