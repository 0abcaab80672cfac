#include "ThemeCatalogue.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/MenuStyleUtil.h"
#include "model/ModelClasses.h"
#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <algorithm>
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

constexpr int kDefaultThemeSettings[] = {DSConfig_DefaultTheme4x3, DSConfig_DefaultTheme16x9,
                                         DSConfig_DefaultThemeHD};

// The default-theme settings as they were when it was made, written back when it ends where
// they changed: LoadDefault records the theme it finds, and a listing must change nothing.
class DefaultThemeSettingsKept
{
public:
    DefaultThemeSettingsKept()
    {
        for (int key : kDefaultThemeSettings)
            m_values.push_back(Read(key));
    }
    ~DefaultThemeSettingsKept()
    {
        CDSConfig config;
        for (size_t i = 0; i < m_values.size(); ++i) {
            if (Read(kDefaultThemeSettings[i]) != m_values[i])
                config.SetString(kDefaultThemeSettings[i], m_values[i].c_str());
        }
    }
    DefaultThemeSettingsKept(const DefaultThemeSettingsKept&) = delete;
    DefaultThemeSettingsKept& operator=(const DefaultThemeSettingsKept&) = delete;

private:
    static std::wstring Read(int key) { return CDSConfig().GetString(key).Str(); }

    std::vector<std::wstring> m_values;
};

// The theme file a new project of a kind takes by default, and that kind: "4:3", "16:9" or "hd".
struct DefaultTheme
{
    std::wstring file;
    std::string kind;
};

// Empty when no theme file loads (the library then makes a theme in memory).
std::wstring DefaultThemeFile(bool b4x3, IDSProjectData* project)
{
    CComPtr<IDSProjectData> theme;
    CComBSTR file;
    if (FAILED(CMenuStyleUtil::LoadDefault(b4x3, &theme, file, project)))
        return L"";
    return file.Str();
}

// The defaults of new projects of the aspects: 4:3, or 16:9 and high definition.
HRESULT DefaultThemes(const std::vector<AspectRatio>& aspects, std::vector<DefaultTheme>& found)
{
    DefaultThemeSettingsKept kept;
    for (AspectRatio aspect : aspects) {
        bool b4x3 = aspect == AspectRatio_4x3;
        found.push_back({DefaultThemeFile(b4x3, nullptr), NameOf(aspect).key});
        if (b4x3)
            continue;
        CComPtr<IDSProjectData> highDefinition;
        CHECK_HR(highDefinition.CoCreateInstance(CLSID_CDSProjectData));
        CHECK_HR(highDefinition->put_DiscFormat(DiscFormat_BluRay));
        found.push_back({DefaultThemeFile(false, highDefinition), "hd"});
    }
    return S_OK;
}

// The kinds of project the theme file is the default of.
json DefaultFor(const std::wstring& file, const std::vector<DefaultTheme>& defaults)
{
    json kinds = json::array();
    std::error_code error;
    for (const DefaultTheme& theme : defaults) {
        if (!theme.file.empty() &&
            std::filesystem::equivalent(NativePath(theme.file), NativePath(file), error))
            kinds.push_back(theme.kind);
    }
    return kinds;
}

void Describe(const std::wstring& file, json& entry)
{
    CComPtr<IDSProjectData> theme;
    HRESULT hr = CMenuStyleUtil::Load(file.c_str(), &theme);
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

std::wstring FolderOf(const ThemeFolder& kind)
{
    CDSFileUtils files;
    CComBSTR folder;
    if (FAILED(files.GetDirectory(kind.type, nullptr, folder, false)) || !folder.m_str)
        return L"";
    return folder.m_str;
}

// The folders of the aspects, each once, in the order of kThemeFolders.
std::vector<std::pair<std::wstring, const ThemeFolder*>>
FoldersOf(const std::vector<AspectRatio>& aspects)
{
    std::vector<std::pair<std::wstring, const ThemeFolder*>> folders;
    for (const ThemeFolder& kind : kThemeFolders) {
        std::wstring folder = FolderOf(kind);
        bool wanted = std::find(aspects.begin(), aspects.end(), kind.aspect) != aspects.end();
        bool seen = std::any_of(folders.begin(), folders.end(),
                                [&](const auto& known) { return known.first == folder; });
        if (wanted && !folder.empty() && !seen)
            folders.emplace_back(folder, &kind);
    }
    return folders;
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

std::wstring NameOfThemeFile(const std::wstring& file)
{
    return WidePath(NativePath(file).stem());
}

json ThemeEntry(const std::wstring& file, const ThemeFolder& kind,
                const std::vector<DefaultTheme>& defaults)
{
    std::wstring name = NameOfThemeFile(file);
    json entry = {{"name", Utf8(name.c_str())},
                  {"file", Utf8(file.c_str())},
                  {"aspect", NameOf(kind.aspect).key},
                  {"origin", kind.origin},
                  {"highDefinition", name.rfind(L"HD_", 0) == 0},
                  {"defaultFor", DefaultFor(file, defaults)}};
    entry["default"] = !entry["defaultFor"].empty();
    Describe(file, entry);
    return entry;
}

} // namespace

HRESULT ListThemes(const std::vector<AspectRatio>& aspects, json& report)
{
    KVUClearErrorStack();
    std::vector<DefaultTheme> defaults;
    CHECK_HR_SHORT(DefaultThemes(aspects, defaults));
    report["folders"] = json::array();
    report["themes"] = json::array();
    for (const auto& [folder, kind] : FoldersOf(aspects)) {
        report["folders"].push_back({{"aspect", NameOf(kind->aspect).key},
                                     {"origin", kind->origin},
                                     {"folder", Utf8(folder.c_str())}});
        for (const std::wstring& file : ThemeFilesIn(folder))
            report["themes"].push_back(ThemeEntry(file, *kind, defaults));
    }
    return S_OK;
}

std::wstring FindThemeFile(const std::string& name, AspectRatio aspect)
{
    std::wstring wanted = Utf8ToWide(name);
    for (const auto& folder : FoldersOf({aspect})) {
        for (const std::wstring& file : ThemeFilesIn(folder.first)) {
            if (CompareNoCase(NameOfThemeFile(file), wanted) == 0)
                return file;
        }
    }
    return L"";
}
