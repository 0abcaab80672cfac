#include "ProjectSummary.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSEncodeParams.h"
#include "model/IDSTitle.h"
#include "model/KVEMarkerList.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/NativePath.h"
#include "platform/PathService.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

using nlohmann::json;

namespace {

// Nested productions deeper than this are not searched for media files.
constexpr int kMaxNesting = 8;
// A first chapter marker this close to the start stands for chapter 1, which always starts at 0.
constexpr double kFirstChapterSlack = 0.5;

json EncodingOf(const CDSEncodeParams& params)
{
    SIZE frame{};
    CDSEncodeParams::GetFrameSize(frame, params.GetResolution(), params.GetTVStandard());
    AudioFormatSpec audio = params.GetAudioSpec();
    return {
        {"videoFormat", NameOf(params.GetVideoFormat()).key},
        {"resolution",
         {{"value", params.GetResolution()}, {"width", frame.cx}, {"height", frame.cy}}},
        {"videoBitRate", params.GetVideoBitRate()},
        {"audio",
         {{"format", NameOf(audio.audioFormat).key},
          {"channels", audio.channels},
          {"bitRate", params.GetAudioBitRate()}}},
        {"twoPass", params.GetTwoPassEncoding()},
        {"preset", NameOf(params.GetEncoderPresets()).key},
    };
}

HRESULT ChaptersOf(IUnknown* production, json& chapters)
{
    chapters = json::array({{{"number", 1}, {"time", 0.0}, {"name", ""}}});
    CComQIPtr<IKVEMarkerList> markers(production);
    if (!markers)
        return S_OK;
    LONG count = 0;
    CHECK_HR(markers->GetMarkerCount(KVE_MARKER_CHAPTER, &count));
    for (LONG i = 0; i < count; ++i) {
        KVEMarker marker{};
        CHECK_HR(markers->GetMarkerItem(i, KVE_MARKER_CHAPTER, &marker));
        if (i == 0 && marker.dTime < kFirstChapterSlack)
            continue;
        CComBSTR name;
        CHECK_HR(markers->GetMarkerName(marker.lID, &name));
        chapters.push_back(
            {{"number", chapters.size() + 1}, {"time", marker.dTime}, {"name", Utf8(name)}});
    }
    return S_OK;
}

void AddFile(const CComBSTR& name, std::vector<std::wstring>& files)
{
    std::wstring file = ExpandPathMacros(name.m_str ? name.m_str : L"");
    if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

HRESULT CollectMediaFiles(IUnknown* production, int depth, std::vector<std::wstring>& files);

HRESULT CollectPanelFiles(IKVEProductionData* data, int depth, std::vector<std::wstring>& files)
{
    LONG count = 0;
    CHECK_HR(data->GetNumberOfPanels(&count));
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IBaseObject> panel;
        CHECK_HR(data->GetPanelBaseObject(i, &panel));
        CComBSTR name;
        if (CComQIPtr<ISourceFile> source(panel); source) {
            CHECK_HR(source->get_FileName(&name));
            AddFile(name, files);
        } else if (CComQIPtr<IKVEProductionMoniker> nested(panel); nested) {
            CComPtr<IUnknown> inner;
            if (depth < kMaxNesting && SUCCEEDED(nested->GetProduction(&inner)))
                CHECK_HR(CollectMediaFiles(inner, depth + 1, files));
        }
    }
    return S_OK;
}

HRESULT CollectAudioFiles(IKVEProductionData* data, std::vector<std::wstring>& files)
{
    LONG count = 0;
    CHECK_HR(data->GetNumberOfAudios(&count));
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IUnknown> audio;
        CHECK_HR(data->GetAudioItem(i, &audio));
        CComBSTR name;
        if (CComQIPtr<IKVEAudioSource> source(audio); source) {
            CHECK_HR(source->get_FileName(&name));
            AddFile(name, files);
        }
    }
    return S_OK;
}

// The files a production plays, each once, in panel order and then its audio.
HRESULT CollectMediaFiles(IUnknown* production, int depth, std::vector<std::wstring>& files)
{
    CComQIPtr<IKVEProductionData> data(production);
    if (!data)
        return S_OK;
    CHECK_HR(CollectPanelFiles(data, depth, files));
    CHECK_HR(CollectAudioFiles(data, files));
    return S_OK;
}

json MediaEntry(const std::wstring& file)
{
    std::error_code error;
    uintmax_t bytes = std::filesystem::file_size(NativePath(file), error);
    json entry = {{"file", Utf8(file.c_str())}, {"exists", !error}};
    entry["bytes"] = error ? json(nullptr) : json(bytes);
    return entry;
}

double DurationOf(IUnknown* production)
{
    double seconds = 0.0;
    CComQIPtr<IProductionInfo> info(production);
    if (info)
        info->get_Duration(&seconds);
    return seconds;
}

HRESULT TitleEntry(IDSTitle* title, LONG number, json& entry)
{
    LONG id = 0;
    ULONG tag = 0;
    CComBSTR name;
    CHECK_HR(title->get_ID(&id));
    CHECK_HR(title->get_Tag(&tag));
    CHECK_HR(title->get_Name(&name));
    CComPtr<IUnknown> production;
    CHECK_HR(title->GetProduction(&production));
    entry = {{"id", id},
             {"number", number},
             {"name", Utf8(name)},
             {"kind", TitleKindOf(tag).key},
             {"duration", DurationOf(production)}};
    CHECK_HR(ChaptersOf(production, entry["chapters"]));
    CDSEncodeParams params;
    CHECK_HR(params.Read(title));
    VARIANT_BOOL follows = VARIANT_FALSE;
    params.GetSyncToProject(&follows);
    entry["encoding"] = EncodingOf(params);
    entry["followsProject"] = follows != VARIANT_FALSE;
    std::vector<std::wstring> files;
    CHECK_HR(CollectMediaFiles(production, 0, files));
    entry["media"] = json::array();
    for (const std::wstring& file : files)
        entry["media"].push_back(MediaEntry(file));
    return S_OK;
}

HRESULT TitleEntries(IDSProjectData* project, json& titles)
{
    titles = json::array();
    LONG count = 0;
    CHECK_HR(project->get_TitleCount(&count));
    for (LONG index = 1; index <= count; ++index) {
        CComPtr<IDSTitle> title;
        CHECK_HR(project->get_Title(index, &title));
        json entry;
        CHECK_HR(TitleEntry(title, index, entry));
        titles.push_back(std::move(entry));
    }
    return S_OK;
}

// The bytes of every existing media file of the project, each file counted once.
uint64_t MediaBytes(const json& titles)
{
    std::set<std::string> counted;
    uint64_t total = 0;
    for (const json& title : titles) {
        for (const json& media : title["media"]) {
            if (media["exists"].get<bool>() && counted.insert(media["file"]).second)
                total += media["bytes"].get<uint64_t>();
        }
    }
    return total;
}

} // namespace

HRESULT SummarizeProject(IDSProjectData* project, json& report)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    CDSEncodeParams params;
    CHECK_HR(params.Read(project));
    report["disc"] = {{"format", NameOf(params.GetFormat()).key},
                      {"formatNumber", params.GetFormat()},
                      {"tvStandard", NameOf(params.GetTVStandard()).key},
                      {"aspectRatio", NameOf(params.GetAspectRatio()).key}};
    report["encoding"] = EncodingOf(params);
    CHECK_HR(TitleEntries(project, report["titles"]));
    LONGLONG estimated = 0;
    CHECK_HR(project->get_ProjectSize(&estimated));
    report["sizes"] = {{"media", MediaBytes(report["titles"])}, {"estimatedDisc", estimated}};
    return S_OK;
}
