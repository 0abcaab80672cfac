#include "ThemeCatalogue.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"
#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <system_error>

using nlohmann::json;

namespace {

struct ThemeFolder
{
    AspectRatio aspect;
    const char* origin;
    CDSFileUtils::DirectoryType type;
};

// Shipped themes first, then those for the user's language, then the user's own.
constexpr ThemeFolder kThemeFolders[] = {
    {AspectRatio_4x3, "shipped", CDSFileUtils::DirThemes4x3},
    {AspectRatio_4x3, "shipped", CDSFileUtils::DirLocalThemes4x3},
    {AspectRatio_4x3, "user", CDSFileUtils::DirUserThemes4x3},
    {AspectRatio_16x9, "shipped", CDSFileUtils::DirThemes16x9},
    {AspectRatio_16x9, "shipped", CDSFileUtils::DirLocalThemes16x9},
    {AspectRatio_16x9, "user", CDSFileUtils::DirUserThemes16x9},
};

// Reads theme files with the object model's file service.
struct ThemeReader
{
    CComPtr<IDSProjectFile> fileService;
    std::vector<std::wstring> defaults;

    HRESULT Create()
    {
        CHECK_HR(fileService.CoCreateInstance(CLSID_CDSProjectFile));
        CDSConfig config;
        for (int key :
             {DSConfig_DefaultTheme4x3, DSConfig_DefaultTheme16x9, DSConfig_DefaultThemeHD}) {
            CComBSTR chosen = config.GetString(key);
            defaults.push_back(chosen.m_str ? chosen.m_str : L"");
        }
        return S_OK;
    }

    bool IsDefault(const std::wstring& file) const
    {
        std::error_code error;
        for (const std::wstring& chosen : defaults) {
            if (!chosen.empty() && std::filesystem::equivalent(std::filesystem::path(chosen),
                                                               std::filesystem::path(file), error))
                return true;
        }
        return false;
    }

    void Describe(const std::wstring& file, json& entry) const
    {
        CComPtr<IDSProjectData> theme;
        HRESULT hr = theme.CoCreateInstance(CLSID_CDSProjectData);
        if (SUCCEEDED(hr))
            hr = fileService->LoadProject(CComBSTR(file), theme);
        entry["readable"] = SUCCEEDED(hr);
        if (FAILED(hr)) {
            entry["problem"] = hr == E_INVALIDARG ? "malformed or not a theme" : ResultText(hr);
            return;
        }
        CComBSTR title;
        theme->get_Name(&title);
        entry["title"] = Utf8(title);
        entry["templates"] = {{"main", GetMenuList(theme, MenuType_MainTemplate).size()},
                              {"chapter", GetMenuList(theme, MenuType_ChapterTemplate).size()}};
    }
};

std::wstring FolderOf(const ThemeFolder& kind)
{
    CDSFileUtils files;
    CComBSTR folder;
    if (FAILED(files.GetDirectory(kind.type, nullptr, folder, false)) || !folder.m_str)
        return L"";
    return folder.m_str;
}

std::vector<std::wstring> ThemeFilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> found;
    CDSFileUtils files;
    CComBSTR file;
    HRESULT hr = files.FindFile((folder + L"/*.dmsd").c_str(), &file);
    while (hr == S_OK) {
        found.emplace_back(file.m_str);
        file.Empty();
        hr = files.FindNextFileW(&file);
    }
    return found;
}

json ThemeEntry(const std::wstring& file, const ThemeFolder& kind, const ThemeReader& reader)
{
    std::wstring name = std::filesystem::path(file).stem().wstring();
    json entry = {{"name", Utf8(name.c_str())},
                  {"file", Utf8(file.c_str())},
                  {"aspect", NameOf(kind.aspect).key},
                  {"origin", kind.origin},
                  {"highDefinition", name.rfind(L"HD_", 0) == 0},
                  {"default", reader.IsDefault(file)}};
    reader.Describe(file, entry);
    return entry;
}

bool Wanted(AspectRatio aspect, const std::vector<AspectRatio>& aspects)
{
    return std::find(aspects.begin(), aspects.end(), aspect) != aspects.end();
}

} // namespace

HRESULT ListThemes(const std::vector<AspectRatio>& aspects, json& report)
{
    KVUClearErrorStack();
    ThemeReader reader;
    CHECK_HR(reader.Create());
    report["folders"] = json::array();
    report["themes"] = json::array();
    std::vector<std::wstring> searched;
    for (const ThemeFolder& kind : kThemeFolders) {
        std::wstring folder = FolderOf(kind);
        if (!Wanted(kind.aspect, aspects) || folder.empty() ||
            std::find(searched.begin(), searched.end(), folder) != searched.end())
            continue;
        searched.push_back(folder);
        report["folders"].push_back({{"aspect", NameOf(kind.aspect).key},
                                     {"origin", kind.origin},
                                     {"folder", Utf8(folder.c_str())}});
        for (const std::wstring& file : ThemeFilesIn(folder))
            report["themes"].push_back(ThemeEntry(file, kind, reader));
    }
    return S_OK;
}
