#include "TitleSources.h"

#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>

namespace {

HRESULT Refuse(const wchar_t* reason)
{
    KVUReportError(KVUErrStr(L"The title's sources are refused: %ls\n", reason));
    return E_INVALIDARG;
}

bool IsPacking(LONG type)
{
    return type == ENM_3DSOURCE_2D || type == ENM_3DSOURCE_SIDE_BY_SIDE ||
           type == ENM_3DSOURCE_TOP_BOTTOM;
}

bool IsVobMoniker(const std::wstring& file)
{
    return CDSAppUtils::IsVOBMoniker(CComBSTR(file));
}

} // namespace

HRESULT ReadTitleSources(const VARIANT& files, const VARIANT& sourceTypes,
                         const VARIANT& leftEyeFirst, TitleSources& sources)
{
    CHECK_HR(ReadStringList(files, sources.files));
    CHECK_HR(ReadLongList(sourceTypes, sources.sourceTypes));
    CHECK_HR(ReadBoolList(leftEyeFirst, sources.leftEyeFirst));
    size_t count = sources.files.size();
    if (count == 0)
        return Refuse(L"no media file was given");
    if (std::any_of(sources.files.begin(), sources.files.end(),
                    [](const std::wstring& file) { return file.empty(); }))
        return Refuse(L"a media file's name is empty");
    if (sources.sourceTypes.size() > count || sources.leftEyeFirst.size() > count)
        return Refuse(L"more source types or eye orders than media files were given");
    if (!std::all_of(sources.sourceTypes.begin(), sources.sourceTypes.end(), IsPacking))
        return Refuse(L"a source type is none of 2D, side by side and top and bottom");
    sources.sourceTypes.resize(count, ENM_3DSOURCE_2D);
    sources.leftEyeFirst.resize(count, VARIANT_TRUE);
    return S_OK;
}

TitleSourceKind ClassifyFirstFile(const std::wstring& file)
{
    if (CDSProductionUtils::IsSlideShowProductionFile(file.c_str()))
        return TitleSourceKind::SlideshowProduction;
    if (CDSProductionUtils::IsProductionFile(file.c_str()))
        return TitleSourceKind::Production;
    if (IsVobMoniker(file))
        return TitleSourceKind::VobMoniker;
    return TitleSourceKind::Media;
}

HRESULT CheckSourcesAgree(const TitleSources& sources, TitleSourceKind kind)
{
    bool production =
        kind == TitleSourceKind::Production || kind == TitleSourceKind::SlideshowProduction;
    if (production && sources.files.size() > 1)
        return Refuse(L"a production file makes a title on its own");
    size_t monikers = std::count_if(sources.files.begin(), sources.files.end(), IsVobMoniker);
    if (kind == TitleSourceKind::VobMoniker && monikers != sources.files.size())
        return Refuse(L"VOB monikers cannot be mixed with files");
    if (kind == TitleSourceKind::Media && monikers != 0)
        return Refuse(L"VOB monikers cannot be mixed with files");
    return S_OK;
}
