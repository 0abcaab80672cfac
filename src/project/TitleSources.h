// The sources a title is made of, as AddTitle and AddMediaToTitle take them: file names with
// the stereoscopic packing and eye order of each.
#pragma once

#include "model/KVEEditData.h"

#include "platform/Variant.h"

#include <string>
#include <vector>

// What the first file of a title is.
enum class TitleSourceKind
{
    Production,          // a production file, loaded as the title's production
    SlideshowProduction, // a slideshow's production file (".dmss"), loaded the same way
    VobMoniker,          // a title of a DVD-Video source
    Media,               // video, pictures and other media files, appended as panels
};

struct TitleSources
{
    std::vector<std::wstring> files;
    // One of each per file.
    std::vector<LONG> sourceTypes;
    std::vector<VARIANT_BOOL> leftEyeFirst;
};

// Reads the three lists. Missing packings are 2D and missing eye orders left eye first.
// E_INVALIDARG, reported, for no file, an empty name, more packings or eye orders than files,
// or a packing outside ENM_3DSOURCE_TYPE; the list reader's failure for values that do not
// convert.
HRESULT ReadTitleSources(const VARIANT& files, const VARIANT& sourceTypes,
                         const VARIANT& leftEyeFirst, TitleSources& sources);

TitleSourceKind ClassifyFirstFile(const std::wstring& file);

// Refuses lists that mix a production file or a VOB moniker with other files: a production
// file is a title on its own, VOB monikers come only with VOB monikers. E_INVALIDARG, reported.
HRESULT CheckSourcesAgree(const TitleSources& sources, TitleSourceKind kind);
